#include "production/memory/frm_eeprom.h"

#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "production/memory/TrasferimentoMemoria.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {

QGroupBox* Gruppo(const char* nome, const char* titolo, QWidget* padre)
{
    auto* g = new QGroupBox(QString::fromLatin1(titolo), padre);
    g->setObjectName(QString::fromLatin1(nome));
    return g;
}

QPushButton* Pulsante(const char* nome, const char* testo, QWidget* padre)
{
    auto* b = new QPushButton(QString::fromLatin1(testo), padre);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QLineEdit* Campo(const QString& nome, const char* testo, QWidget* padre)
{
    auto* c = new QLineEdit(QString::fromLatin1(testo), padre);
    c->setObjectName(nome);
    c->setAlignment(Qt::AlignRight);
    return c;
}

QRadioButton* Opzione(const char* array, int i, const char* testo, QWidget* padre)
{
    auto* o = new QRadioButton(QString::fromLatin1(testo), padre);
    o->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i));
    return o;
}

QLabel* Etichetta(const char* testo, QWidget* padre)
{
    return new QLabel(QString::fromLatin1(testo), padre);
}

} // namespace

frm_eeprom::frm_eeprom()
{
    setWindowTitle(QStringLiteral("Memory"));

    QGroupBox* Frame8 = Gruppo("Frame8", "Memoria", this);
    m_memoria[0] = Opzione("Option3", 0, "Eprom", Frame8);
    m_memoria[1] = Opzione("Option3", 1, "Flash", Frame8);
    m_memoria[0]->setChecked(true);
    auto* memoria = new QVBoxLayout(Frame8);
    memoria->addWidget(m_memoria[0]);
    memoria->addWidget(m_memoria[1]);

    QGroupBox* LETSCR = Gruppo("LETSCR", "Manuale", this);
    txt_start = Campo(QStringLiteral("txt_start"), "0", LETSCR);
    QPushButton* Command1 = Pulsante("Command1", "Leggi", LETSCR);
    QPushButton* Command4 = Pulsante("Command4", "Scrivi", LETSCR);
    auto* manuale = new QGridLayout(LETSCR);
    manuale->addWidget(Etichetta("Registro", LETSCR), 0, 0);
    manuale->addWidget(txt_start, 0, 1);
    manuale->addWidget(Command1, 1, 0);
    manuale->addWidget(Command4, 1, 1);

    QGroupBox* Frame3 = Gruppo("Frame3", "Dati", this);
    auto* dati = new QGridLayout(Frame3);
    const char* etichette[4] = {"L", "H", "Exp", ""};
    for (int i = 0; i < 4; ++i) {
        m_byte[i] = Campo(QStringLiteral("txt_valore%1").arg(QChar(u'A' + i)), "000", Frame3);
        dati->addWidget(Etichetta(etichette[i], Frame3), i, 0);
        dati->addWidget(m_byte[i], i, 1);
        connect(m_byte[i], &QLineEdit::textChanged, this, [this] {
            if (AggiornaAttivo) AggiornaValore();
        });
    }
    txt_valore = Campo(QStringLiteral("txt_valore"), "0", Frame3);
    dati->addWidget(Etichetta("Valore decimale", Frame3), 4, 0);
    dati->addWidget(txt_valore, 4, 1);
    connect(txt_valore, &QLineEdit::textChanged, this, &frm_eeprom::txt_valore_Change);

    QGroupBox* Frame1 = Gruppo("Frame1", "Formato", this);
    const char* formati[4] = {"Byte", "Int", "Float", "Long"};
    auto* formato = new QVBoxLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        m_formato[i] = Opzione("Option2", i, formati[i], Frame1);
        connect(m_formato[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    m_formato[FormatoByte]->setChecked(true);
    for (int i : {FormatoByte, FormatoInt, FormatoLong, FormatoFloat}) formato->addWidget(m_formato[i]);

    QGroupBox* Frame2 = Gruppo("Frame2", "File", this);
    Text1 = Campo(QStringLiteral("Text1"), "0", Frame2);
    Text2 = Campo(QStringLiteral("Text2"), "65000", Frame2);
    m_forma[0] = Opzione("Option1", 0, "Byte", Frame2);
    m_forma[1] = Opzione("Option1", 1, "Ascii", Frame2);
    m_forma[0]->setChecked(true);
    QPushButton* Command3 = Pulsante("Command3", "Leggi EEprom", Frame2);
    QPushButton* Command5 = Pulsante("Command5", "Scrivi EEprom", Frame2);
    QPushButton* Command2 = Pulsante("Command2", "Clear EEprom", Frame2);
    ProgressBar1 = new QProgressBar(Frame2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* file = new QGridLayout(Frame2);
    file->addWidget(Etichetta("da", Frame2), 0, 0);
    file->addWidget(Text1, 0, 1);
    file->addWidget(Etichetta("a", Frame2), 1, 0);
    file->addWidget(Text2, 1, 1);
    file->addWidget(m_forma[0], 0, 2);
    file->addWidget(m_forma[1], 1, 2);
    file->addWidget(Command3, 2, 0, 1, 3);
    file->addWidget(Command5, 3, 0, 1, 3);
    file->addWidget(Command2, 4, 0, 1, 3);
    file->addWidget(ProgressBar1, 5, 0, 1, 3);

    connect(Command1, &QPushButton::clicked, this, &frm_eeprom::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_eeprom::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_eeprom::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &frm_eeprom::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_eeprom::Command2_Click);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(Frame8);
    sinistra->addWidget(LETSCR);
    sinistra->addWidget(Frame1);
    auto* destra = new QVBoxLayout;
    destra->addWidget(Frame3);
    destra->addWidget(Frame2);
    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra);
    tutto->addLayout(destra);

    // The range transfers move the bar while the window exists.
    AvanzamentoMemoria = [this](int fatti, int totale) { MostraAvanzamento(fatti, totale); };

    for (int i = 0; i < 4; ++i) m_byte[i]->setEnabled(i == 0);
    AggiornaAttivo = true;
}

frm_eeprom::~frm_eeprom()
{
    AvanzamentoMemoria = [](int, int) {};
}

FormatoValore frm_eeprom::Formato() const
{
    for (int i = 0; i < 4; ++i)
        if (m_formato[i]->isChecked()) return FormatoValore(i);
    return FormatoByte;
}

Byte4 frm_eeprom::ByteCampi() const
{
    return {ByteDelCampo(m_byte[0]->text()), ByteDelCampo(m_byte[1]->text()), ByteDelCampo(m_byte[2]->text()),
            ByteDelCampo(m_byte[3]->text())};
}

void frm_eeprom::Option2_Click(int Index)
{
    const int n = ByteDelFormato(FormatoValore(Index));
    if (n == 0) return;
    for (int i = 0; i < 4; ++i) m_byte[i]->setEnabled(i < n);
}

void frm_eeprom::AggiornaValore()
{
    if (const auto v = ValoreDaByte(ByteCampi(), Formato())) txt_valore->setText(QString::number(*v));
}

void frm_eeprom::txt_valore_Change()
{
    AggiornaAttivo = false;
    const Byte4 b = ByteDaValore(txt_valore->text(), Formato());
    for (int i = 0; i < 4; ++i) m_byte[i]->setText(QString::number(b[size_t(i)]));
    AggiornaAttivo = true;
}

void frm_eeprom::Command1_Click()
{
    const bool flash = m_memoria[1]->isChecked();
    const auto indirizzo = NumeroIntero(txt_start->text(), 0, flash ? 0xFFFFFF : 0xFFFF);
    if (!indirizzo) {
        Prompt::ErroreValori();
        return;
    }
    QPointer<frm_eeprom> io(this);
    const bool ok = flash ? LeggiMemoriaEstesa(Controllore.Nodo, *indirizzo, 0, 4)
                          : LeggiMemoria(Controllore.Nodo, *indirizzo, 0, 4);
    if (!io) return;
    if (!ok) {
        // The transfer buffer still holds an earlier read: showing it would
        // pass for this one's bytes.
        const QSignalBlocker fermo(txt_valore);
        AggiornaAttivo = false;
        for (QLineEdit* c : m_byte) c->clear();
        txt_valore->clear();
        AggiornaAttivo = true;
        return;
    }
    for (int i = 0; i < 4; ++i) m_byte[i]->setText(QString::number(BufferTrasferimento[size_t(i)]));
    const Byte4 letti = {BufferTrasferimento[0], BufferTrasferimento[1], BufferTrasferimento[2], BufferTrasferimento[3]};
    if (const auto v = ValoreDaByte(letti, Formato())) txt_valore->setText(QString::number(*v));
}

void frm_eeprom::Command4_Click()
{
    const FormatoValore f = Formato();
    const int n = ByteDelFormato(f);
    if (n == 0) return;
    if (m_memoria[1]->isChecked()) {
        Prompt::MsgBox(QStringLiteral("Flash write not available"));
        return;
    }
    const auto indirizzo = NumeroIntero(txt_start->text(), 0, 0xFFFF);
    bool valido = indirizzo && NumeroIntero(txt_valore->text(), MinimoFormato(f), MassimoFormato(f));
    std::array<uint8_t, 4> dati{};
    for (int i = 0; i < n && valido; ++i) {
        const auto b = NumeroIntero(m_byte[i]->text(), 0, 255);
        valido = b.has_value();
        if (b) dati[size_t(i)] = uint8_t(*b);
    }
    if (!valido) {
        Prompt::ErroreValori();
        return;
    }
    std::copy_n(dati.cbegin(), n, BufferTrasferimento.begin());
    // A failure shows through the transaction's report and the Log.
    ScriviMemoria(Controllore.Nodo, *indirizzo, 0, n);
}

void frm_eeprom::Command3_Click()
{
    if (const auto r = BlocchiIntervallo(Text1->text(), Text2->text()))
        UploadFileHex(r->first, r->end, true, m_forma[1]->isChecked() ? 1 : 0);
    else
        Prompt::ErroreValori();
}

void frm_eeprom::Command5_Click()
{
    if (const auto r = BlocchiIntervallo(Text1->text(), Text2->text())) DownloadFileHex(r->first, r->end, true);
    else Prompt::ErroreValori();
}

void frm_eeprom::Command2_Click()
{
    if (const auto r = BlocchiIntervallo(Text1->text(), Text2->text())) ClearEeprom(r->first, r->end);
    else Prompt::ErroreValori();
}

void frm_eeprom::MostraAvanzamento(int fatti, int totale)
{
    if (totale > 0) ProgressBar1->setValue(int(std::nearbyint(double(ProgressBar1->maximum()) * fatti / totale)));
}
