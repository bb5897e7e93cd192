#pragma once
// The project files and the controller's memory keep a text one byte a
// character (the single-byte set of ByteCarattere): a character past U+00FF
// has no byte there. Such a text is refused where it is typed and by the
// save, naming the field and the character, rather than stored with "?".
#include <QString>
#include <optional>

// The first character of `testo` that has no byte; nothing when every one
// has (line breaks included).
std::optional<char32_t> CarattereSenzaByte(const QString& testo);

// The refusal of character `c` in the field named `campo` ("String 5"):
// the field, the character and its code.
QString MessaggioCarattere(const QString& campo, char32_t c);

// The refusal for `testo` typed into `campo`; empty when it can be kept.
QString RifiutoTesto(const QString& campo, const QString& testo);

// For the windows' OK and store buttons: false, after telling the user,
// when `testo` cannot be kept.
bool TestoAccettato(const QString& campo, const QString& testo);
