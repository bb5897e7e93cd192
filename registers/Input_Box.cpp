#include "registers/Input_Box.h"

#include "base/Conversioni.h"
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "base/TestoSalvabile.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/Servizi.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace {
constexpr int kMaxStringa = 99;
} // namespace

std::optional<double> NumeroCompleto(const QString& testo)
{
    QString t = testo.trimmed();
    bool ok = false;
    const double v = VirgolaToPunto(t).toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<uint16_t> LeggiHex(const QString& testo)
{
    static const QRegularExpression kHex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
    const QString t = testo.trimmed();
    if (!kHex.match(t).hasMatch()) return std::nullopt;
    return uint16_t(HexToInt(t.rightJustified(4, QLatin1Char('0'))));
}

namespace {
// A number rounded to 32 bits, negatives in two's complement; nothing
// outside -2^31 .. 2^32 - 1.
std::optional<uint32_t> BitIntero(double v)
{
    const double n = std::nearbyint(v);
    if (!std::isfinite(n) || n < -2147483648.0 || n > 4294967295.0) return std::nullopt;
    return n < 0 ? uint32_t(int32_t(n)) : uint32_t(n);
}
} // namespace

std::optional<uint32_t> BitDelTesto(const QString& testo, int tipo)
{
    if (tipo == 8 || tipo == 13) return std::nullopt;
    if (tipo == 7) {
        const auto h = LeggiHex(testo);
        return h ? std::optional<uint32_t>(*h) : std::nullopt;
    }
    const auto v = NumeroCompleto(testo);
    if (!v) return std::nullopt;
    if (tipo == 4) {
        if (std::fabs(*v) > FLT_MAX) return std::nullopt;
        const float f = float(*v);
        uint32_t bit = 0;
        std::memcpy(&bit, &f, sizeof bit);
        return bit;
    }
    return BitIntero(*v);
}

Input_Box::Input_Box()
{
    setModal(true);
    auto* griglia = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        m_etichette[size_t(i)] = Crea<QLabel>(this, QStringLiteral("Label1_%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) {
        m_testo[size_t(i)] = Crea<QLineEdit>(this, QStringLiteral("Testo_%1").arg(i));
        m_testo[size_t(i)]->installEventFilter(this);
    }
    // The bit buttons follow a typed value as long as it reads as one, so a
    // bit click then changes that value, not the one the dialog opened with.
    connect(m_testo[1], &QLineEdit::textEdited, this, [this](const QString& t) {
        if (const auto bit = BitDelTesto(t, Modo != 0 ? -1 : TipoScelto())) MostraBit(*bit & 0xFFFF, *bit >> 16);
    });
    m_combo = Crea<QComboBox>(this, QStringLiteral("Combo1"));
    m_combo->installEventFilter(this);
    connect(m_combo, &QComboBox::activated, this, [this] { Combo1_Click(); });

    griglia->addWidget(m_etichette[2], 0, 1);
    griglia->addWidget(m_etichette[0], 1, 0);
    griglia->addWidget(m_testo[0], 1, 1);
    griglia->addWidget(m_etichette[1], 2, 0);
    griglia->addWidget(m_testo[1], 2, 1);
    griglia->addWidget(m_etichette[3], 3, 0);
    griglia->addWidget(m_combo, 3, 1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    // High bits above the low ones, the most significant bit at the left.
    for (int p : {1, 0}) {
        QWidget* pannello = Crea<QWidget>(this, QStringLiteral("pBits_%1").arg(p));
        auto* riga = new QHBoxLayout(pannello);
        riga->setSpacing(1);
        riga->setContentsMargins(0, 0, 0, 0);
        riga->addWidget(new QLabel(QString::number(16 * p + 15), pannello));
        for (int i = 15; i >= 0; --i) {
            const int k = 16 * p + i;
            auto* b = Crea<QPushButton>(pannello, QStringLiteral("cmd_bit_%1").arg(k), QStringLiteral("x"));
            b->setAutoDefault(false);
            b->setFixedSize(Twips(300), Twips(300));
            b->installEventFilter(this);
            connect(b, &QPushButton::clicked, this, [this, k] { cmd_bit_Click(k); });
            m_bit[size_t(k)] = b;
            riga->addWidget(b);
        }
        riga->addWidget(new QLabel(QString::number(16 * p), pannello));
        m_pannelli[size_t(p)] = pannello;
        colonna->addWidget(pannello);
    }
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (int i : {1, 0}) {
        auto* b = Crea<QPushButton>(this, QStringLiteral("cmd_ok_%1").arg(i),
                                    i ? QStringLiteral("OK") : QStringLiteral("Annulla"));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { cmd_ok_Click(i); });
        m_ok[size_t(i)] = b;
        pulsanti->addWidget(b);
    }
    colonna->addLayout(pulsanti);
    SetRes();
}

void Input_Box::SetRes()
{
    setWindowTitle(::Testo(59));
    m_etichette[0]->setText(::Testo(56));
    m_etichette[1]->setText(::Testo(57));
    m_etichette[3]->setText(::Testo(58));
    const QVariant scelta = m_combo->currentData();
    m_combo->clear();
    for (int t = 0; t <= 9; ++t) m_combo->addItem(TipiDato[size_t(t)], t);
    m_combo->addItem(TipiDato[13], 13);
    m_combo->setCurrentIndex(scelta.isValid() ? m_combo->findData(scelta) : -1);
}

int Input_Box::TipoScelto() const
{
    return m_combo->currentIndex() < 0 ? -1 : m_combo->currentData().toInt();
}

void Input_Box::Apri()
{
    SetRes();
    const int n = IndiceRegistro;
    const int tipo = (n >= 0 && n <= UltimoRegistro) ? TabRegistri[size_t(n)].Tipo : -1;
    const int indice = m_combo->findData(tipo);
    m_combo->setCurrentIndex(indice);
    if (indice >= 0) Combo1_Click();
    MostraValore();
    if (Modo != 0) {
        m_pannelli[0]->show();
        m_pannelli[1]->show();
    }
    show();
    raise();
    activateWindow();
    m_testo[1]->setFocus();
}

void Input_Box::Chiudi()
{
    DialogoAperto = false;
    hide();
}

void Input_Box::reject()
{
    Chiudi();
}

void Input_Box::hideEvent(QHideEvent* e)
{
    // However the dialog goes away, the opener's wait must end.
    if (!e->spontaneous()) DialogoAperto = false;
    QDialog::hideEvent(e);
}

void Input_Box::MostraValore()
{
    uint32_t basso = 0, alto = 0;
    if (Modo == 0) {
        const int n = IndiceRegistro;
        if (n < 0 || n > UltimoRegistro) return;
        const DefRegistro& r = TabRegistri[size_t(n)];
        for (QWidget* w : {static_cast<QWidget*>(m_combo), static_cast<QWidget*>(m_etichette[0]),
                           static_cast<QWidget*>(m_etichette[2]), static_cast<QWidget*>(m_etichette[3]),
                           static_cast<QWidget*>(m_testo[0]), static_cast<QWidget*>(m_testo[1])})
            w->show();
        m_etichette[2]->setText(r.Indirizzo);
        m_pannelli[1]->hide();
        const uint16_t w = ParolaRegistro(n), w1 = ParolaRegistro(n + 1);
        m_testo[1]->setText(QString::number(w));
        switch (m_combo->currentIndex()) {
        case 2:
        case 3: {
            const double v = ByteToLong(w1 >> 8, w1 & 0xFF, w >> 8, w & 0xFF, m_combo->currentIndex() == 3);
            m_testo[1]->setText(QString::number(qlonglong(v)));
            m_pannelli[1]->show();
            break;
        }
        case 4:
            m_testo[1]->setText(QString::number(ByteToFloat(w1 >> 8, w1 & 0xFF, w >> 8, w & 0xFF), 'g', 7));
            break;
        case 7: m_testo[1]->setText(IntToHex(w)); break;
        default: break;
        }
        m_testo[0]->setText(r.Nome);
        const int primoUtente =
            Controllore.Modello < NumModelli ? Modelli[Controllore.Modello].PrimoRegistroUtente : 0;
        m_testo[0]->setEnabled(n >= primoUtente);
        basso = w;
        alto = w1;
    } else {
        m_testo[1]->setText(TestoInput);
        for (QWidget* w : {static_cast<QWidget*>(m_combo), static_cast<QWidget*>(m_etichette[0]),
                           static_cast<QWidget*>(m_etichette[2]), static_cast<QWidget*>(m_etichette[3]),
                           static_cast<QWidget*>(m_testo[0])})
            w->hide();
        m_testo[1]->show();
        // A number beyond 32 bits has no bits to show.
        const auto bit = BitIntero(LeggiNumero(TestoInput));
        basso = bit.value_or(0) & 0xFFFF;
        alto = bit.value_or(0) >> 16;
    }
    MostraBit(basso, alto);
}

void Input_Box::MostraBit(uint32_t basso, uint32_t alto)
{
    for (int i = 0; i < 16; ++i) {
        ImpostaBit(i, (basso >> i) & 1);
        ImpostaBit(16 + i, (alto >> i) & 1);
    }
}

void Input_Box::Combo1_Click()
{
    MostraValore();
    m_pannelli[0]->show();
    m_pannelli[1]->show();
}

void Input_Box::ImpostaBit(int k, bool uno)
{
    QPushButton* b = m_bit[size_t(k)];
    b->setText(uno ? QStringLiteral("1") : QStringLiteral("0"));
    // A border of its own makes the style paint the colour flat, not tinted.
    b->setStyleSheet(uno ? QStringLiteral("background-color: #FF0000; color: #000000; border: 1px solid #808080")
                         : QStringLiteral("background-color: #FFFFFF; color: #000000; border: 1px solid #808080"));
}

void Input_Box::cmd_bit_Click(int k)
{
    if (k < 0 || k > 31) return;
    ImpostaBit(k, m_bit[size_t(k)]->text() != QLatin1String("1"));
    uint64_t somma = 0;
    for (int i = 0; i < 32; ++i) {
        const bool visibile = !m_pannelli[size_t(i / 16)]->isHidden();
        if (visibile && m_bit[size_t(i)]->text() == QLatin1String("1")) somma += uint64_t(1) << i;
    }
    m_testo[1]->setText(QString::number(somma));
}

bool Input_Box::ConfermaValore()
{
    const int n = IndiceRegistro;
    if (n < 0 || n > UltimoRegistro) return true;
    const int tipo = TipoScelto();
    const QString testo = m_testo[1]->text();
    const bool scrive = tipo >= 0 && tipo != 5 && tipo != 13;
    // The name is kept in the project's register list.
    if (!TestoAccettato(QStringLiteral("Name of register %1").arg(n), m_testo[0]->text())) return false;

    if (scrive && Controllore.Connesso) {
        // Everything is checked before the first byte goes out.
        std::optional<double> numero;
        std::optional<uint16_t> hex;
        switch (tipo) {
        case 7:
            hex = LeggiHex(testo);
            if (!hex) return Prompt::ErroreValori(), false;
            break;
        case 8:
            if (testo.size() > kMaxStringa || n + (testo.size() + 2) / 2 - 1 > UltimoRegistro)
                return Prompt::ErroreValori(), false;
            if (!TestoAccettato(QStringLiteral("Value of register %1").arg(n), testo)) return false;
            break;
        default: {
            numero = NumeroCompleto(testo);
            bool buono = numero.has_value();
            if (buono && (tipo == 0 || tipo == 1 || tipo == 6 || tipo == 9)) {
                *numero = std::nearbyint(*numero);
                buono = *numero >= -32768 && *numero <= 65535;
            } else if (buono && (tipo == 2 || tipo == 3)) {
                *numero = std::nearbyint(*numero);
                buono = *numero >= -2147483648.0 && *numero <= 4294967295.0 && n + 1 <= UltimoRegistro;
            } else if (buono && tipo == 4) {
                buono = std::fabs(*numero) <= FLT_MAX && n + 1 <= UltimoRegistro;
            }
            if (!buono) return Prompt::ErroreValori(), false;
            break;
        }
        }
        switch (tipo) {
        case 0:
        case 1:
        case 6:
        case 9: ScriviRegistro(Controllore.Nodo, n, *numero); break;
        case 2:
        case 3: ScriviRegistroLong(*numero, n); break;
        case 4: ScriviRegistroFloat(*numero, n); break;
        case 7: {
            double v = *hex;
            ScriviRegistro(Controllore.Nodo, n, v);
            break;
        }
        case 8: ScriviRegistroStringa(testo, n); break;
        default: break;
        }
    }
    DefRegistro& r = TabRegistri[size_t(n)];
    r.Nome = m_testo[0]->text();
    if (tipo >= 0) r.Tipo = uint8_t(tipo);
    if (scrive && !Controllore.Connesso)
        Prompt::MsgBox(QStringLiteral("Controller not connected: the value was not written"));
    return true;
}

void Input_Box::cmd_ok_Click(int Index)
{
    if (Index == 1) {
        if (Modo != 0) {
            // The block row takes a 32-bit number; a longer one is refused
            // here rather than cut to something the user never typed.
            if (!BitIntero(LeggiNumero(m_testo[1]->text()))) return Prompt::ErroreValori();
            TestoInput = m_testo[1]->text();
        } else if (!ConfermaValore()) {
            return;
        }
    }
    Chiudi();
    ProgettoModificato = true;
}

bool Input_Box::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(e)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            cmd_ok_Click(1);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
