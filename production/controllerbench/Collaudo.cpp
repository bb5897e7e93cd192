#include "production/controllerbench/Collaudo.h"

#include "base/Attesa.h"
#include "base/Prompt.h"
#include "production/controllerbench/LineaStrumento.h"

#include <QLocale>
#include <algorithm>

namespace {

// After the one-second wait the multimeter has normally answered; past this
// it is not going to.
constexpr int kRispostaMultMs = 3000;

void Informa(const char* testo)
{
    Prompt::MsgBox(QString::fromLatin1(testo));
}

bool Cifra(char c) { return c >= '0' && c <= '9'; }

std::optional<float> LeggiMultManuale()
{
    // What is not a number is asked again; only Cancel gives up.
    for (;;) {
        bool annullato = false;
        const QString testo = Prompt::InputBox(QStringLiteral("Lettura Mult"), QString(), QString(), &annullato);
        if (annullato) return std::nullopt;
        bool ok = false;
        const double v = QLocale().toDouble(testo.trimmed(), &ok);
        if (ok) return float(v * 1000);
    }
}

}  // namespace

namespace Collaudo {

void ComandaRele(uint8_t scheda, uint8_t canale, bool chiudi)
{
    LineaStrumento& linea = Seriale_switch();
    if (!linea.Aperta())
        return;
    const QByteArray comando = (chiudi ? "rout:close (@" : "rout:open (@") + QByteArray::number(scheda) +
                               QByteArray::number(canale).rightJustified(2, '0') + ")\r\n";
    linea.Invia(comando);
}

std::optional<float> LetturaMult(QByteArrayView risposta)
{
    const QByteArray t = risposta.toByteArray().trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    QByteArray cifre;
    int decimali = 0;
    bool punto = false;
    for (; i < t.size(); ++i) {
        if (Cifra(t[i])) {
            cifre += t[i];
            decimali += punto;
        } else if (t[i] == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    if (cifre.isEmpty()) return std::nullopt;
    int esponente = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool meno = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) meno = t[i++] == '-';
        const qsizetype inizio = i;
        for (; i < t.size() && Cifra(t[i]); ++i) {
            esponente = esponente * 10 + (t[i] - '0');
            if (esponente > 99) return std::nullopt;
        }
        if (i == inizio) return std::nullopt;
        if (meno) esponente = -esponente;
    }
    if (i != t.size()) return std::nullopt;

    // Worked on the digits, so that a reading such as 4.1E-03 gives exactly
    // 4.100 and not 4.099 through a binary fraction: the reading x 10^6 is
    // the digits x 10^scala; its whole part is kept, the rest only tells
    // whether a negative value steps down.
    const int scala = esponente - decimali + 6;
    QByteArray intero = cifre, resto;
    if (scala >= 0) {
        intero.append(QByteArray(scala, '0'));
    } else {
        const qsizetype taglio = std::max<qsizetype>(0, cifre.size() + scala);
        intero = cifre.left(taglio);
        resto = cifre.mid(taglio);
    }
    while (intero.startsWith('0')) intero.remove(0, 1);
    if (intero.size() > 15) return std::nullopt;
    qint64 n = intero.isEmpty() ? 0 : intero.toLongLong();
    const bool frazione = std::any_of(resto.cbegin(), resto.cend(), [](char c) { return c != '0'; });
    if (negativo) n = frazione ? -n - 1 : -n;
    return float(double(n) / 1000.0);
}

std::optional<float> LeggiMultSeriale(LineaStrumento& linea)
{
    if (!linea.Aperta()) {
        Informa("Mult: porta seriale chiusa");
        return std::nullopt;
    }
    linea.Svuota();
    linea.Invia(":READ?\r\n");
    Attesa(1);
    QByteArray risposta;
    AttendiFinche([&] {
        risposta += linea.Leggi();
        return risposta.contains('\n') || risposta.contains('\r');
    }, kRispostaMultMs);
    linea.Svuota();
    if (risposta.isEmpty()) {
        Informa("Mult: nessuna risposta");
        return std::nullopt;
    }
    const auto valore = LetturaMult(risposta);
    if (!valore) Informa("Mult: risposta non valida");
    return valore;
}

std::optional<float> LeggiMult(StrumentiBanco& banco, uint8_t)
{
    const QString modo = banco.ModoMult().left(3);
    if (modo.compare(QLatin1String("MAN"), Qt::CaseInsensitive) == 0) return LeggiMultManuale();
    if (modo.compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0) return LeggiMultSeriale(banco.SerialeMult());
    // No choice of the bench's combo leads here (the USB instrument is not
    // supported): no reading, as for any mode the bench does not know.
    return 0.0f;
}

void ImpostaAlim(StrumentiBanco& banco, bool acceso, const QString& volt)
{
    if (banco.ModoAlim() == QLatin1String("MANUALE")) {
        Prompt::MsgBox(acceso ? QStringLiteral("Alim = ON, ") + volt + QStringLiteral(" Volt") : QStringLiteral("Alim = OFF"));
        return;
    }
    LineaStrumento& linea = banco.SerialeAlim();
    if (!linea.Aperta()) {
        Informa("Alim: porta seriale chiusa");
        return;
    }
    linea.Invia("SV " + volt.toLatin1() + '\r');
    Attesa(0.5);
    linea.Invia(acceso ? "KOE\r" : "KOD\r");
    Attesa(1);
}

}  // namespace Collaudo
