#pragma once
// The memory-image text file: decimal bytes, not Intel HEX. Written in one of
// two forms, read back only in the byte form.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// What the file dialogs offer.
inline const QString FiltroFileHex = QStringLiteral(" (*.hex);;(*.*)");

enum class FormaFileHex { Byte = 0, Caratteri = 1 };

// The file's bytes for `n` memory bytes. Byte form: one line per byte,
// " 7 " and CR LF; character form: one line of the bytes as they are, CR LF.
QByteArray ScriviFileHex(const uint8_t* dati, int n, FormaFileHex forma);

// The numbers of a byte-form file, separated by line ends, blanks or commas.
// Nothing unless the whole text is such numbers, each a whole number
// 0..255, and there are at least `servono` of them; then the first `servono`.
// `dopoOgni` runs after each of those: when it returns false the reading
// ends there and gives nothing.
std::optional<std::vector<uint8_t>> LeggiFileHex(QByteArrayView testo, int servono,
                                                 const std::function<bool()>& dopoOgni = {});
