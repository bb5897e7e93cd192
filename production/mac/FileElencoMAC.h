#pragma once
// The MAC list's texts: the list line, the list file (TAB-separated, CR LF,
// Latin-1) and the report. Pure functions; the files themselves are read and
// written by RegistroMAC.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

struct VoceMAC {
    QString TestoMAC;
    int32_t Numero = 0;
    QString PFC;
    QString Anno;
    QString Cliente;
    bool operator==(const VoceMAC&) const = default;
};

// What a report selects by: the option buttons opt_report(0..2).
enum class SceltaReport { PFC = 0, Cliente = 1, Anno = 2 };

// The six bytes as "00-04-A3-12-34-56".
QString TestoMAC(const uint8_t* byte);
// A MAC that was never programmed.
inline const QString MACNonProgrammato = QStringLiteral("FF-FF-FF-FF-FF-FF");

// "[n]" TAB MAC TAB "PFC:" pfc "/" anno TAB "Cl.:" cliente.
QString RigaElenco(const VoceMAC& v);

// One line of the list file, CR LF included.
QByteArray RigaFile(const VoceMAC& v);
// A line of the list file without its line end; nothing when it cannot be
// read (a first field that is not a whole number, a field missing, no "/" in
// the third field). The third field splits at its last "/".
std::optional<VoceMAC> LeggiRigaFile(const QByteArray& riga);

// The whole list file.
QByteArray TestoFileElenco(const QList<VoceMAC>& voci);
// The entries of a list file in file order; nothing when a line cannot be
// read, with its number (from 1) in *rigaErrata.
std::optional<QList<VoceMAC>> LeggiFileElenco(const QByteArray& testo, int* rigaErrata = nullptr);

// A text the list file could not keep: TAB, CR or LF anywhere, or a "/" in
// the year (the file's third field splits at its last "/").
bool CampiAmmessi(const QString& pfc, const QString& anno, const QString& cliente);

// The report: header, then one line per selected entry in list order. The
// date line is `quando` in `locale`'s short date format, then the time.
QByteArray TestoReport(const QList<VoceMAC>& voci, SceltaReport scelta, const QString& pfc,
                       const QString& anno, const QString& cliente, const QDateTime& quando,
                       const QLocale& locale = QLocale());
