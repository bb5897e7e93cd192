#include "production/qvrforms/ConfQVR2565.h"

#include "shell/Controlli.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* Campo(QWidget* padre, const QString& nome, const char* testo)
{
    auto* c = Crea<QLineEdit>(padre, nome, QString::fromLatin1(testo));
    c->setMaximumWidth(110);
    return c;
}

QPushButton* Freccia(QWidget* padre, const QString& nome)
{
    auto* b = Crea<QPushButton>(padre, nome, QStringLiteral("->"));
    b->setMaximumWidth(30);
    return b;
}
} // namespace

ConfQVR2565::ConfQVR2565()
{
    setWindowTitle(QStringLiteral("Collaudo QVR2565"));
    // Row r is channel r / 4, range r % 4.
    static const char* const portate[4] = {"mV", "Res", "V", "mA"};
    auto* righe = new QGridLayout;
    righe->addWidget(new QLabel(QStringLiteral("Offset"), this), 0, 1);
    righe->addWidget(new QLabel(QStringLiteral("K"), this), 0, 3);
    for (int r = 0; r < RigheQVR2565; ++r) {
        const QString portata = r == 2 ? QStringLiteral("Volt") : QString::fromLatin1(portate[r % 4]);
        righe->addWidget(Crea<QLabel>(this, Ctl("Label6", r), QStringLiteral("# %1 - %2").arg(r / 4).arg(portata)),
                         r + 1, 0);
        righe->addWidget(Campo(this, Ctl("txt_Input_Offset", r), "0"), r + 1, 1);
        auto* offset = Freccia(this, Ctl("WriteOffset", r));
        AlClic(offset, [this, r] { m_logica.WriteOffset_Click(r); });
        righe->addWidget(offset, r + 1, 2);
        righe->addWidget(Campo(this, Ctl("txt_Input_K", r), "1"), r + 1, 3);
        auto* k = Freccia(this, Ctl("WriteK", r));
        AlClic(k, [this, r] { m_logica.WriteK_Click(r); });
        righe->addWidget(k, r + 1, 4);
    }

    auto* slave = new QGroupBox(QStringLiteral("Slave"), this);
    auto* ls = new QHBoxLayout(slave);
    ls->addWidget(Campo(slave, Ctl("AddSlave"), "247"));
    auto* leggi = Crea<QPushButton>(slave, Ctl("Command2"), QStringLiteral("Read"));
    AlClic(leggi, [this] { m_logica.Command2_Click(); });
    ls->addWidget(leggi);

    auto* cjc = new QGroupBox(QStringLiteral("CJC"), this);
    auto* lc = new QGridLayout(cjc);
    for (int c = 0; c < CanaliCJC; ++c) {
        lc->addWidget(Campo(cjc, Ctl("txt_OffsetCJC", c), "0"), c, 0);
        auto* b = Freccia(cjc, Ctl("WriteCJC", c));
        AlClic(b, [this, c] { m_logica.WriteCJC_Click(c); });
        lc->addWidget(b, c, 1);
    }

    auto* live = new QGridLayout;
    live->addWidget(new QLabel(QStringLiteral("Tipo Input"), this), 0, 0);
    live->addWidget(new QLabel(QStringLiteral("Input"), this), 0, 1);
    for (int i = 0; i < IngressiLive; ++i) {
        live->addWidget(Campo(this, Ctl("txt_Input_Type", i), "0"), i + 1, 0);
        live->addWidget(Campo(this, Ctl("txt_Input", i), "0"), i + 1, 1);
    }
    auto* comandi = new QHBoxLayout;
    const char* const nomi[3][2] = {{"Command3", "Read"}, {"Command4", "Start"}, {"Command5", "Stop"}};
    for (const auto& n : nomi) comandi->addWidget(Crea<QPushButton>(this, Ctl(n[0]), QString::fromLatin1(n[1])));
    AlClic(findChild<QPushButton*>(Ctl("Command3")), [this] { m_logica.Command3_Click(); });
    AlClic(findChild<QPushButton*>(Ctl("Command4")), [this] { m_logica.Command4_Click(); });
    // Stop must get through while Start runs; it waits for nothing.
    connect(findChild<QPushButton*>(Ctl("Command5")), &QPushButton::clicked, this, [this] { m_logica.Command5_Click(); });

    auto* calcolo = new QGridLayout;
    const char* const teste[3] = {"Ref", "Val", "K"};
    const char* const valori[3] = {"10000", "10000", "Text3"};
    for (int c = 0; c < 3; ++c) {
        calcolo->addWidget(new QLabel(QString::fromLatin1(teste[c]), this), 0, c);
        calcolo->addWidget(Campo(this, QStringLiteral("Text%1").arg(c + 1), valori[c]), 1, c);
    }
    auto* calcola = Crea<QPushButton>(this, Ctl("Command1"), QStringLiteral("CALC k"));
    AlClic(calcola, [this] { m_logica.Command1_Click(); });
    calcolo->addWidget(calcola, 1, 3);

    auto* destra = new QVBoxLayout;
    destra->addWidget(slave);
    destra->addWidget(cjc);
    destra->addLayout(live);
    destra->addLayout(comandi);
    destra->addLayout(calcolo);
    destra->addStretch();
    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(righe);
    tutto->addLayout(destra);
}
