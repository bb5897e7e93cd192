#include "comm/Terminale.h"

#include <QFile>
#include <QLocale>
#include <cmath>

namespace {

// A whole number in [minimo, massimo], blanks around it allowed.
std::optional<int> Numero(const QString& testo, int minimo, int massimo)
{
    bool ok = false;
    const int v = testo.trimmed().toInt(&ok);
    if (!ok || v < minimo || v > massimo) return std::nullopt;
    return v;
}

} // namespace

QString NomeCampoTerminale(int i)
{
    static const char* const kTesta[] = {"ADD", "FUN", "ST H", "ST L", "N\u00B0 H", "N\u00B0 L", "CNT"};
    if (i >= 0 && i < 7) return QString::fromUtf8(kTesta[i]);
    return QStringLiteral("DATA %1").arg(i - 6);
}

std::optional<QByteArray> CompilaRichiestaTerminale(const QStringList& campi, int* campoErrato)
{
    const auto rifiuta = [campoErrato](int i) {
        if (campoErrato) *campoErrato = i;
        return std::nullopt;
    };
    if (campi.size() < NumCampiTerminale) return rifiuta(-1);
    const QString funzione = campi[1];
    // Function 23 takes every header byte as a plain byte; the others let the
    // count/value bytes be typed as negative numbers (-1 for FF).
    const bool plain = funzione == QLatin1String("23");
    QByteArray r;
    for (int i = 0; i < 6; ++i) {
        const bool segnato = (i == 4 || i == 5) && !plain;
        const auto v = Numero(campi[i], segnato ? -256 : 0, 255);
        if (!v) return rifiuta(i);
        r.append(char(*v < 0 ? *v + 256 : *v));
    }
    static const QStringList conDati = {QStringLiteral("15"), QStringLiteral("16"), QStringLiteral("32"),
                                        QStringLiteral("20"), QStringLiteral("23")};
    if (!conDati.contains(funzione)) return r;
    const auto conta = Numero(campi[6], 0, MaxDatiTerminale);
    if (!conta) return rifiuta(6);
    r.append(char(*conta));
    for (int k = 1; k <= *conta; ++k) {
        const auto v = Numero(campi[6 + k], 0, 255);
        if (!v) return rifiuta(6 + k);
        r.append(char(*v));
    }
    return r;
}

QString TestoTempoMs(double secondi)
{
    // Halves away from zero, as the number pattern rounds.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(qint64(std::round(secondi * 1000.0)));
}

QByteArray RigaLogEventi(const QDateTime& quando, int uscita)
{
    const QLocale l;
    const QString dataOra = l.toString(quando.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + quando.time().toString(QStringLiteral("HH:mm:ss"));
    return (dataOra + QLatin1Char(';') + QString::number(uscita)).toLocal8Bit() + "\r\n";
}

bool AppendiLogEventi(const QDateTime& quando, int uscita)
{
    QFile f(FileLogEventi);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QByteArray riga = RigaLogEventi(quando, uscita);
    return f.write(riga) == riga.size();
}
