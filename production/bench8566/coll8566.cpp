#include "production/bench8566/coll8566.h"

#include "shell/Colori.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRigheK = 7;        // rows 0..6 show a K
constexpr int kPrimaUscita = 7;   // rows 7 and 8 show the output constants

QLabel* NuovaEtichetta(const QString& nome, int riga, QWidget* padre)
{
    auto* l = new QLabel(padre);
    l->setObjectName(QStringLiteral("%1_%2").arg(nome).arg(riga));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(90);
    l->setAutoFillBackground(true);
    return l;
}
}  // namespace

coll8566::coll8566()
{
    setWindowTitle(QStringLiteral("QVR8566"));
    auto* banco = new QPushButton(QStringLiteral("Connetti Banco"), this);
    banco->setObjectName(QStringLiteral("cmd_banco"));
    connect(banco, &QPushButton::clicked, this, &coll8566::cmd_banco_Click);
    auto* start = new QPushButton(QStringLiteral("START"), this);
    start->setObjectName(QStringLiteral("cmd_start"));

    auto* griglia = new QGridLayout;
    for (int i = 0; i < int(RigheBanco8566.size()); ++i) {
        auto* cmd = new QPushButton(QStringLiteral("-->"), this);
        cmd->setObjectName(QStringLiteral("cmd_coll_%1").arg(i));
        connect(cmd, &QPushButton::clicked, this, [this, i] { cmd_coll_Click(i); });
        auto* cella = new QFrame(this);
        cella->setObjectName(QStringLiteral("pic_coll_cella_%1").arg(i));
        cella->setFrameStyle(QFrame::Box | QFrame::Plain);
        cella->setFixedSize(16, 16);
        auto* chk = new QCheckBox(QString::fromLatin1(RigheBanco8566[size_t(i)].nome), this);
        chk->setObjectName(QStringLiteral("chk_coll_%1").arg(i));
        griglia->addWidget(cmd, i, 0);
        griglia->addWidget(cella, i, 1);
        griglia->addWidget(chk, i, 2);
        auto metti = [&](Risultato r, const char* nome, int colonna) {
            QLabel* l = NuovaEtichetta(QString::fromLatin1(nome), i, this);
            m_etichette[size_t(r)][size_t(i)] = l;
            griglia->addWidget(l, i, colonna);
        };
        if (i < kRigheK) metti(Risultato::K, "lbl_coll_K", 3);
        if (i == kPrimaUscita || i == kPrimaUscita + 1) {
            metti(Risultato::KZero, "lbl_coll_K_zero", 3);
            metti(Risultato::KSpan, "lbl_coll_K_span", 4);
        }
        metti(Risultato::Zero, "lbl_coll_zero", 5);
        metti(Risultato::Mezzo, "lbl_coll_half", 6);
        metti(Risultato::Span, "lbl_coll_span", 7);
    }

    auto* dispositivo = new QGroupBox(QStringLiteral("Device"), this);
    auto* lista = new QListWidget(dispositivo);
    lista->setObjectName(QStringLiteral("lst_device"));
    auto* colonna = new QVBoxLayout(dispositivo);
    colonna->addWidget(new QLabel(QStringLiteral("Select Device"), dispositivo));
    colonna->addWidget(lista);
    auto* lato = new QVBoxLayout;
    lato->addWidget(banco);
    lato->addWidget(dispositivo, 1);
    lato->addWidget(start);

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(griglia, 1);
    tutto->addLayout(lato);
    Form_Load();
}

void coll8566::Form_Load()
{
    auto* lista = findChild<QListWidget*>(QStringLiteral("lst_device"));
    lista->clear();
    const QStringList voci{QStringLiteral("QVR8566"), QStringLiteral("Other 1"), QStringLiteral("Other 2"),
                           QStringLiteral("Other 3")};
    for (int i = 0; i < voci.size(); ++i) {
        auto* voce = new QListWidgetItem(voci[i], lista);
        voce->setData(Qt::UserRole, i);
    }
}

void coll8566::cmd_banco_Click()
{
    m_banco.cmd_banco_Click();
    ChiudiSeChiesto();
}

void coll8566::cmd_coll_Click(int Index)
{
    m_banco.cmd_coll_Click(Index);
    ChiudiSeChiesto();
}

void coll8566::ChiudiSeChiesto()
{
    if (!m_banco.InCorso()) Finestre::ChiusuraTenuta(this);
}

void coll8566::Conf_Mult(uint8_t n, const QString& stato, const QString& grandezza)
{
    m_banco.Conf_Mult(n, stato, grandezza);
}

QLabel* coll8566::Etichetta(Risultato r, int riga) const
{
    if (riga < 0 || riga >= int(RigheBanco8566.size())) return nullptr;
    return m_etichette[size_t(r)][size_t(riga)];
}

void coll8566::ImpostaStato(Risultato r, int riga, ColoreCollaudo s)
{
    QLabel* l = Etichetta(r, riga);
    if (!l) return;
    const uint32_t bgr = uint32_t(s);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, ColoreBgr(bgr));
    l->setPalette(p);
    l->setProperty("colore", uint(bgr));
}

void coll8566::ImpostaTesto(Risultato r, int riga, const QString& testo)
{
    if (QLabel* l = Etichetta(r, riga)) l->setText(testo);
}

void coll8566::closeEvent(QCloseEvent* e)
{
    // The registry deletes a closed window: not while a row runs in it.
    if (Finestre::TieniChiusura(this, m_banco.InCorso()))
        e->ignore();
    else
        e->accept();
}
