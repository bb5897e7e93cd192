#pragma once
// The Modbus terminal's logic: the request it builds from its fields, the
// texts it shows, and the line of its random-test log.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Fields 0..38: ADD, FUN, ST H, ST L, N H, N L, CNT, then 32 data bytes.
constexpr int NumCampiTerminale = 39;
constexpr int MaxDatiTerminale = 32;

// The bare request (no checksum) for the texts of the fields, or nothing
// when a field that the function needs is not a whole number, is out of its
// range, or the count is missing or above 32; *campoErrato then gets that
// field's number (-1 when fields are missing).
std::optional<QByteArray> CompilaRichiestaTerminale(const QStringList& campi, int* campoErrato = nullptr);
// The caption of field i: "ADD" .. "CNT", then "DATA 1" .. "DATA 32".
QString NomeCampoTerminale(int i);

// Milliseconds as a whole number with the locale's thousands separator.
QString TestoTempoMs(double secondi);

// The random test's log: one line per step in "log_eventi.csv" of the
// current directory, "date time;k" ended by CR LF.
inline const QString FileLogEventi = QStringLiteral("log_eventi.csv");
QByteArray RigaLogEventi(const QDateTime& quando, int uscita);
bool AppendiLogEventi(const QDateTime& quando, int uscita);
