#include "production/qvrforms/ConfQVR8566.h"

#include "shell/Controlli.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* Campo(QWidget* padre, const QString& nome, const char* testo, int larghezza = 50)
{
    auto* c = Crea<QLineEdit>(padre, nome, QString::fromLatin1(testo));
    c->setMaximumWidth(larghezza);
    return c;
}
} // namespace

ConfQVR8566::ConfQVR8566()
{
    setWindowTitle(QStringLiteral("Collaudo QVR8572"));
    auto* tutto = new QHBoxLayout(this);
    tutto->addWidget(Griglia(), 1);
    auto* destra = new QVBoxLayout;
    destra->addWidget(Programma());
    destra->addWidget(UsciteAnalogiche());
    destra->addStretch();
    tutto->addLayout(destra);
    m_logica.Form_Load();
}

QWidget* ConfQVR8566::Griglia()
{
    static const char* const misure[RigheQVR8566] = {"10000", "3000", "1000", "10000", "20000", "1", "1", "1"};
    auto* riquadro = new QWidget(this);
    auto* g = new QGridLayout(riquadro);
    const char* const titoli[] = {"Offset", "Tipo Cella", "", "Porte Mux", "Guadagni", "Reg", "Misura", "", "K"};
    for (int c = 0; c < int(std::size(titoli)); ++c) g->addWidget(new QLabel(QString::fromLatin1(titoli[c]), riquadro), 0, c);
    for (int i = 0; i < RigheQVR8566; ++i) {
        const int r = i + 1;
        g->addWidget(Campo(riquadro, Ctl("txt_Input_Offset", i), "0"), r, 0);
        auto* tipo = Crea<QComboBox>(riquadro, Ctl("cmb_InputType", i));
        tipo->setMinimumWidth(80);
        g->addWidget(tipo, r, 1);
        g->addWidget(Campo(riquadro, Ctl("txt_Input_Type", i), "0", 35), r, 2);
        auto* porte = new QFrame(riquadro);
        porte->setFrameShape(QFrame::StyledPanel);
        auto* lp = new QHBoxLayout(porte);
        lp->setContentsMargins(2, 0, 2, 0);
        for (int k = 0; k < PorteMux; ++k) {
            auto* b = Crea<QCheckBox>(porte, QStringLiteral("chk_Mux%1_%2").arg(k).arg(i));
            lp->addWidget(b);
            Colore(b->objectName(), ColoreBianco);
            connect(b, &QCheckBox::toggled, this, [this, k, i] { m_logica.chk_Mux_Click(k, i); });
        }
        g->addWidget(porte, r, 3);
        g->addWidget(Campo(riquadro, Ctl("txt_guadagno", i), "0", 35), r, 4);
        g->addWidget(Campo(riquadro, Ctl("txt_reg", i), "0", 35), r, 5);
        auto* misura = Campo(riquadro, Ctl("txt_Input_Mis", i), misure[i], 70);
        g->addWidget(misura, r, 6);
        auto* scrivi = Crea<QPushButton>(riquadro, Ctl("WriteK", i), QStringLiteral("->"));
        scrivi->setMaximumWidth(30);
        g->addWidget(scrivi, r, 7);
        g->addWidget(Campo(riquadro, Ctl("txt_Input_K", i), "1", 130), r, 8);
        // Connected after the design-time text, which must leave K as it is.
        connect(misura, &QLineEdit::textChanged, this, [this, i] { m_logica.txt_Input_Mis_Change(i); });
        AlClic(scrivi, [this, i] { m_logica.WriteK_Click(i); });
    }
    g->addWidget(new QLabel(QStringLiteral("Offset CJC"), riquadro), RigheQVR8566 + 1, 0, 1, 2);
    g->addWidget(Campo(riquadro, Ctl("txt_Input_OffsetCJC"), "0"), RigheQVR8566 + 1, 2);
    g->setRowStretch(RigheQVR8566 + 2, 1);
    return riquadro;
}

QWidget* ConfQVR8566::Programma()
{
    auto* riquadro = new QWidget(this);
    auto* v = new QVBoxLayout(riquadro);
    v->setContentsMargins(0, 0, 0, 0);

    auto* campi = new QGridLayout;
    campi->addWidget(new QLabel(QStringLiteral("N celle"), riquadro), 0, 0);
    campi->addWidget(Campo(riquadro, Ctl("txt_nCelle"), "4"), 0, 1);
    campi->addWidget(new QLabel(QStringLiteral("N misure"), riquadro), 1, 0);
    campi->addWidget(Campo(riquadro, Ctl("txt_nMisure"), "8"), 1, 1);
    campi->addWidget(new QLabel(QStringLiteral("Slave"), riquadro), 2, 0);
    campi->addWidget(Campo(riquadro, Ctl("AddSlave"), "247"), 2, 1);
    auto* scrivi = Crea<QPushButton>(riquadro, Ctl("cmd_WriteProg", 0), QStringLiteral("Write"));
    AlClic(scrivi, [this] { m_logica.cmd_WriteProg_Click(0); });
    campi->addWidget(scrivi, 3, 0, 1, 2);
    v->addLayout(campi);

    auto* q4566 = new QGroupBox(QStringLiteral("QVR 4566"), riquadro);
    auto* l4566 = new QHBoxLayout(q4566);
    const char* const modo[2] = {"Enable", "Release"};
    for (int i = 0; i < 2; ++i) {
        auto* b = Crea<QPushButton>(q4566, Ctl("En_4566", i), QString::fromLatin1(modo[i]));
        AlClic(b, [this, i] { m_logica.En_4566_Click(i); });
        l4566->addWidget(b);
    }
    auto* copia = Crea<QPushButton>(q4566, Ctl("cmd_WriteProg", 1), QStringLiteral("Write Def"));
    AlClic(copia, [this] { m_logica.cmd_WriteProg_Click(1); });
    l4566->addWidget(copia);
    v->addWidget(q4566);

    // Four product groups, two default programs each but the last.
    const char* const gruppi[4] = {"QVR 8566", "Variante", "QVR 8572", "QVR 0573"};
    auto* predefiniti = new QHBoxLayout;
    for (int gruppo = 0; gruppo < 4; ++gruppo) {
        auto* f = new QGroupBox(QString::fromLatin1(gruppi[gruppo]), riquadro);
        auto* l = new QVBoxLayout(f);
        for (int n = 0; n < (gruppo < 3 ? 2 : 1); ++n) {
            const int indice = 2 * gruppo + n;
            auto* b = Crea<QPushButton>(f, Ctl("SetDefault", indice), QStringLiteral("Set %1").arg(n));
            AlClic(b, [this, indice] { m_logica.SetDefault_Click(indice); });
            l->addWidget(b);
        }
        predefiniti->addWidget(f);
    }
    v->addLayout(predefiniti);

    auto* calcolo = new QHBoxLayout;
    calcolo->addWidget(Campo(riquadro, Ctl("Text1"), "10000", 70));
    calcolo->addWidget(Campo(riquadro, Ctl("Text2"), "10000", 70));
    auto* calcola = Crea<QPushButton>(riquadro, Ctl("Command1"), QStringLiteral("Calc k"));
    AlClic(calcola, [this] { m_logica.Command1_Click(); });
    calcolo->addWidget(calcola);
    calcolo->addWidget(Campo(riquadro, Ctl("Text3"), "", 80));
    v->addLayout(calcolo);

    auto* lettura = new QHBoxLayout;
    auto* leggi = Crea<QPushButton>(riquadro, Ctl("Command2"), QStringLiteral("Read"));
    AlClic(leggi, [this] { m_logica.Command2_Click(); });
    lettura->addWidget(leggi);
    lettura->addWidget(Crea<QLabel>(riquadro, Ctl("Label7"), QStringLiteral("Fw ver = ")), 1);
    v->addLayout(lettura);
    return riquadro;
}

QWidget* ConfQVR8566::UsciteAnalogiche()
{
    auto* riquadro = new QWidget(this);
    auto* v = new QVBoxLayout(riquadro);
    v->setContentsMargins(0, 0, 0, 0);
    auto* uscite = new QGroupBox(QStringLiteral("Analog out"), riquadro);
    auto* g = new QGridLayout(uscite);
    struct Riga {
        const char *reset, *zero, *primo, *venti, *secondo, *out, *didascalia;
        void (ImpostazioneQVR8566::*clic[4])();
    };
    const Riga righe[2] = {
        {"Command9", "Command5", "Text5", "Command6", "Text4", "Command3", "Out 0",
         {&ImpostazioneQVR8566::Command9_Click, &ImpostazioneQVR8566::Command5_Click,
          &ImpostazioneQVR8566::Command6_Click, &ImpostazioneQVR8566::Command3_Click}},
        {"Command10", "Command7", "Text7", "Command8", "Text6", "Command4", "Out 1",
         {&ImpostazioneQVR8566::Command10_Click, &ImpostazioneQVR8566::Command7_Click,
          &ImpostazioneQVR8566::Command8_Click, &ImpostazioneQVR8566::Command4_Click}},
    };
    for (int r = 0; r < 2; ++r) {
        const Riga& riga = righe[r];
        const char* const pulsanti[4][2] = {
            {riga.reset, "Reset"}, {riga.zero, "0"}, {riga.venti, "20"}, {riga.out, riga.didascalia}};
        const int colonna[4] = {0, 1, 3, 5};
        for (int p = 0; p < 4; ++p) {
            auto* b = Crea<QPushButton>(uscite, Ctl(pulsanti[p][0]), QString::fromLatin1(pulsanti[p][1]));
            AlClic(b, [this, f = riga.clic[p]] { (m_logica.*f)(); });
            g->addWidget(b, r, colonna[p]);
        }
        g->addWidget(Campo(uscite, Ctl(riga.primo), "0", 60), r, 2);
        g->addWidget(Campo(uscite, Ctl(riga.secondo), "19000", 60), r, 4);
    }
    v->addWidget(uscite);

    auto* slave = new QGroupBox(QStringLiteral("Slave"), riquadro);
    auto* ls = new QHBoxLayout(slave);
    auto* prova = Crea<QPushButton>(slave, Ctl("Command11"), QStringLiteral("Command11"));
    AlClic(prova, [this] { m_logica.Command11_Click(); });
    ls->addWidget(prova);
    v->addWidget(slave);
    return riquadro;
}
