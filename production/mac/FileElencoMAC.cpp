#include "production/mac/FileElencoMAC.h"

#include "base/Conversioni.h"

#include <QStringList>

namespace {
const QByteArray kFineRiga = QByteArrayLiteral("\r\n");

QByteArray Latin1(const QString& testo)
{
    return testo.toLatin1();
}
} // namespace

QString TestoMAC(const uint8_t* byte)
{
    QStringList parti;
    for (int i = 0; i < 6; ++i) parti << ByteToHex(byte[i]);
    return parti.join(QLatin1Char('-'));
}

QString RigaElenco(const VoceMAC& v)
{
    return QStringLiteral("[%1]\t%2\tPFC:%3/%4\tCl.:%5").arg(v.Numero).arg(v.TestoMAC, v.PFC, v.Anno, v.Cliente);
}

QByteArray RigaFile(const VoceMAC& v)
{
    return QByteArray::number(v.Numero) + '\t' + Latin1(v.TestoMAC) + '\t' + Latin1(v.PFC) + '/' + Latin1(v.Anno)
        + '\t' + Latin1(v.Cliente) + kFineRiga;
}

std::optional<VoceMAC> LeggiRigaFile(const QByteArray& riga)
{
    const QString testo = QString::fromLatin1(riga);
    const qsizetype t1 = testo.indexOf(QLatin1Char('\t'));
    const qsizetype t2 = t1 < 0 ? -1 : testo.indexOf(QLatin1Char('\t'), t1 + 1);
    const qsizetype t3 = t2 < 0 ? -1 : testo.indexOf(QLatin1Char('\t'), t2 + 1);
    if (t3 < 0) return std::nullopt;
    bool ok = false;
    VoceMAC v;
    v.Numero = testo.left(t1).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    v.TestoMAC = testo.mid(t1 + 1, t2 - t1 - 1);
    const QString terzo = testo.mid(t2 + 1, t3 - t2 - 1);
    const qsizetype barra = terzo.lastIndexOf(QLatin1Char('/'));
    if (barra < 0) return std::nullopt;
    v.PFC = terzo.left(barra);
    v.Anno = terzo.mid(barra + 1);
    v.Cliente = testo.mid(t3 + 1);
    return v;
}

QByteArray TestoFileElenco(const QList<VoceMAC>& voci)
{
    QByteArray out;
    for (const VoceMAC& v : voci) out += RigaFile(v);
    return out;
}

std::optional<QList<VoceMAC>> LeggiFileElenco(const QByteArray& testo, int* rigaErrata)
{
    QList<QByteArray> righe = testo.split('\n');
    // The last line's CR LF leaves an empty piece after it.
    if (!righe.isEmpty() && righe.last().isEmpty()) righe.removeLast();
    QList<VoceMAC> voci;
    for (int i = 0; i < righe.size(); ++i) {
        QByteArray r = righe[i];
        if (r.endsWith('\r')) r.chop(1);
        const auto v = LeggiRigaFile(r);
        if (!v) {
            if (rigaErrata) *rigaErrata = i + 1;
            return std::nullopt;
        }
        voci.append(*v);
    }
    return voci;
}

bool CampiAmmessi(const QString& pfc, const QString& anno, const QString& cliente)
{
    auto pulito = [](const QString& s) {
        return !s.contains(QLatin1Char('\t')) && !s.contains(QLatin1Char('\r')) && !s.contains(QLatin1Char('\n'));
    };
    return pulito(pfc) && pulito(anno) && pulito(cliente) && !anno.contains(QLatin1Char('/'));
}

QByteArray TestoReport(const QList<VoceMAC>& voci, SceltaReport scelta, const QString& pfc, const QString& anno,
                       const QString& cliente, const QDateTime& quando, const QLocale& locale)
{
    QString selezione;
    switch (scelta) {
    case SceltaReport::PFC: selezione = QStringLiteral("PCF ") + pfc + QLatin1Char('/') + anno; break;
    case SceltaReport::Cliente: selezione = QStringLiteral("Cliente ") + cliente; break;
    case SceltaReport::Anno: selezione = QStringLiteral("Anno 20") + anno; break;
    }
    QByteArray out = Latin1(QStringLiteral("Report MAC per ") + selezione) + kFineRiga;
    out += Latin1(locale.toString(quando.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                  + quando.time().toString(QStringLiteral("HH:mm:ss")))
        + kFineRiga;
    out += QByteArray(53, '-') + kFineRiga;
    out += QByteArrayLiteral("ID\tMAC\t\t\tPFC\tCliente") + kFineRiga;
    for (const VoceMAC& v : voci) {
        const bool scelta_ = scelta == SceltaReport::PFC ? v.PFC == pfc && v.Anno == anno
                           : scelta == SceltaReport::Cliente ? v.Cliente == cliente
                                                              : v.Anno == anno;
        if (!scelta_) continue;
        out += QByteArray::number(v.Numero) + '\t' + Latin1(v.TestoMAC) + '\t'
            + (v.PFC.isEmpty() ? QByteArrayLiteral("___/__") : Latin1(v.PFC + QLatin1Char('/') + v.Anno)) + '\t'
            + (v.Cliente.isEmpty() ? QByteArray(17, '_') : Latin1(v.Cliente)) + kFineRiga;
    }
    return out;
}
