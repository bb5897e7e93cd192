#include "comm/finestre/frm_dialoga.h"

#include "base/Attesa.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/EventiCollegamento.h"
#include "comm/Terminale.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace {

// The random test drives the outputs of unit 128 through register 26.
constexpr uint8_t UnitaTest = 128;
constexpr int RegistroUscite = 26;

// Shortest pass of the repeat loops when the request fails at once.
constexpr int PausaPassoVuoto = 20;

QPushButton* Pulsante(const char* nome, const char* testo, QWidget* padre)
{
    auto* b = new QPushButton(QString::fromLatin1(testo), padre);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QLabel* Etichetta(const QString& testo, QWidget* padre)
{
    auto* l = new QLabel(testo, padre);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frm_dialoga::frm_dialoga()
{
    setWindowTitle(QStringLiteral("Terminal"));
    // The transaction echoes each reply into txt_buff_rx while EcoTerminale is set.
    EcoRispostaTerminale = RispostaTerminale;
    for (int i = 0; i < NumCampiTerminale; ++i) {
        m_comando[i] = new QLineEdit(this);
        m_comando[i]->setObjectName(QStringLiteral("txt_comando_%1").arg(i));
        m_comando[i]->setMaximumWidth(48);
        m_comando[i]->setText(i >= 7 ? QStringLiteral("0") : QString());
    }
    const char* iniziali[] = {"1", "4", "0", "1", "0", "1", ""};
    for (int i = 0; i < 7; ++i) m_comando[i]->setText(QString::fromLatin1(iniziali[i]));

    auto* testa = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        testa->addWidget(Etichetta(NomeCampoTerminale(i), this), 0, i);
        testa->addWidget(m_comando[i], 1, i);
    }

    auto* dati = new QGridLayout;
    dati->addWidget(Etichetta(QStringLiteral("DATA"), this), 0, 1, 1, 2);
    for (int riga = 0; riga < 16; ++riga) {
        dati->addWidget(Etichetta(QString::number(riga + 1), this), riga + 1, 0);
        dati->addWidget(m_comando[7 + riga], riga + 1, 1);
        dati->addWidget(m_comando[23 + riga], riga + 1, 2);
    }

    chk_err = new QCheckBox(QStringLiteral("Stop on Error"), this);
    chk_err->setObjectName(QStringLiteral("chk_err"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignRight);
    Text1->setToolTip(QStringLiteral("Round-trip time"));
    txt_buff_rx = new QPlainTextEdit(this);
    txt_buff_rx->setObjectName(QStringLiteral("txt_buff_rx"));
    txt_buff_rx->setReadOnly(true);
    txt_buff_rx->setMinimumWidth(320);
    txt_buff_rx->setFixedHeight(txt_buff_rx->fontMetrics().lineSpacing() * 4 + 12);

    QPushButton* invia = Pulsante("cmd_invia", "Send", this);
    QPushButton* start = Pulsante("cmd_start", "Loop", this);
    QPushButton* cont = Pulsante("Command2", "Cont", this);
    QPushButton* stop = Pulsante("cmd_stop", "Stop", this);
    QPushButton* random = Pulsante("Command3", "Test Random", this);
    connect(invia, &QPushButton::clicked, this, &frm_dialoga::cmd_invia_Click);
    connect(start, &QPushButton::clicked, this, &frm_dialoga::cmd_start_Click);
    connect(cont, &QPushButton::clicked, this, &frm_dialoga::Command2_Click);
    connect(stop, &QPushButton::clicked, this, &frm_dialoga::cmd_stop_Click);
    connect(random, &QPushButton::clicked, this, &frm_dialoga::Command3_Click);
    m_avvii = {invia, start, cont, random};

    // The time box carries its unit, so the bare number reads as a time.
    auto* tempo = new QHBoxLayout;
    tempo->addWidget(Text1);
    tempo->addWidget(new QLabel(QStringLiteral("ms"), this));

    auto* comandi = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(invia), static_cast<QWidget*>(start),
                       static_cast<QWidget*>(cont), static_cast<QWidget*>(stop),
                       static_cast<QWidget*>(chk_err)})
        comandi->addWidget(w);
    comandi->addLayout(tempo);
    comandi->addWidget(random);
    comandi->addStretch();

    // Extra width goes to the buttons, not between the row numbers and
    // their data fields.
    auto* centro = new QHBoxLayout;
    centro->addLayout(dati, 0);
    centro->addLayout(comandi, 1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addLayout(centro);
    tutto->addWidget(txt_buff_rx);
}

int frm_dialoga::Invia()
{
    QElapsedTimer orologio;
    orologio.start();
    QStringList campi;
    for (QLineEdit* c : m_comando) campi << c->text();
    int campoErrato = -1;
    const auto richiesta = CompilaRichiestaTerminale(campi, &campoErrato);
    int esito = -1;
    if (!richiesta) {
        // Nothing goes out: an earlier reply and time left on screen would
        // pass for the answer to this request.
        txt_buff_rx->clear();
        Text1->clear();
        if (campoErrato != m_rifiutato)
            Eventi().Evento(QStringLiteral("Field refused [%1]").arg(NomeCampoTerminale(campoErrato)));
        m_rifiutato = campoErrato;
        return esito;
    }
    m_rifiutato = -2;
    std::copy(richiesta->cbegin(), richiesta->cend(), buff_tx.begin());
    n_tx = int16_t(richiesta->size());
    // The window may be closed while the transaction waits.
    QPointer<frm_dialoga> io(this);
    EcoTerminale = true;
    esito = Comunica(false);
    EcoTerminale = false;
    if (!io) return esito;
    Text1->setText(TestoTempoMs(orologio.nsecsElapsed() / 1e9));
    return esito;
}

void frm_dialoga::cmd_invia_Click()
{
    m_rifiutato = -2;
    Invia();
}

bool frm_dialoga::Passo()
{
    QPointer<frm_dialoga> io(this);
    QElapsedTimer orologio;
    orologio.start();
    const int esito = Invia();
    // A pass that sent nothing or failed at once must not make the loop spin.
    if (esito != 0 && orologio.elapsed() < PausaPassoVuoto)
        AttendiFinche([&io] { return StopLoop || !io; }, int(PausaPassoVuoto - orologio.elapsed()));
    else
        QCoreApplication::processEvents();
    return !io.isNull();
}

void frm_dialoga::Occupata(bool si)
{
    m_occupata += si ? 1 : -1;
    for (QPushButton* b : m_avvii) b->setEnabled(m_occupata == 0);
}

void frm_dialoga::Ripeti(bool fermaSuErrore)
{
    QPointer<frm_dialoga> io(this);
    Occupata(true);
    m_rifiutato = -2;
    LoopAttivo = 1;
    ComErr = 0;
    StopLoop = false;
    // "Stop" sets both flags; a failed transaction sets only ComErr. Closing
    // the window ends the loop too: nothing would be left to stop it with.
    while (fermaSuErrore ? ComErr == 0 : !StopLoop)
        if (!Passo()) break;
    LoopAttivo = 0;
    if (io) Occupata(false);
}

void frm_dialoga::cmd_start_Click() { Ripeti(chk_err->isChecked()); }

void frm_dialoga::Command2_Click() { Ripeti(false); }

void frm_dialoga::cmd_stop_Click()
{
    ComErr = 1;
    StopLoop = true;
}

void frm_dialoga::Command3_Click()
{
    QRandomGenerator caso{quint32(QDateTime::currentMSecsSinceEpoch())};
    // Closing the window ends the test after the running step.
    QPointer<frm_dialoga> io(this);
    const double acceso = SecondiAcceso, spento = SecondiSpento;
    Occupata(true);
    ComErr = 0;
    while (ComErr == 0 && io) {
        const int k = int(caso.bounded(8));
        double valore = 1 << k;
        ScriviRegistro(UnitaTest, RegistroUscite, valore);
        AppendiLogEventi(QDateTime::currentDateTime(), k);
        Attesa(acceso);
        valore = 0;
        ScriviRegistro(UnitaTest, RegistroUscite, valore);
        Attesa(spento);
        QCoreApplication::processEvents();
    }
    if (io) Occupata(false);
}

void MostraTerminale() { Finestre::Mostra(Finestre::Get<frm_dialoga>()); }

void RispostaTerminale(const QString& testo)
{
    if (auto* t = Finestre::SeCaricata<frm_dialoga>()) t->txt_buff_rx->setPlainText(testo);
}
