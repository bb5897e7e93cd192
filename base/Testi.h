#pragma once
// Language texts and the tables loaded beside them. Everything that shows a
// text reads them here; the shell loads them (shell/Lingua.h).
#include <QMap>
#include <QString>
#include <array>

// Interface texts of the current language by text number k.
inline QMap<int, QString> TestiLingua;
inline std::array<QString, 13> NomiMese;      // 1..12, element 0 stays empty
inline QString EtichettaLingua;
inline std::array<QString, 2> NomiLingua;
inline std::array<QString, 26> NomiModello;   // brand's model names, k = 0..25
inline std::array<QString, 33> TipiDato;      // 0..18 used
inline std::array<QString, 5> PrefissiRegistro;
inline std::array<QString, 101> NomiFunzione; // 0..62 used

// Brand-table position of model name k: the USB variants and two modules
// were added to the tables after the others, so positions are not in k order.
constexpr std::array<int, 26> PosizioneNomeModello = {
    2, 3, 4, 5, 26, 6, 7, 27, 8, 9, 10, 11, 12, 13, 14, 25, 24, 15, 16, 17, 18, 19, 20, 21, 22, 23};

// Text k of the current language; empty when it does not exist.
inline QString Testo(int k) { return TestiLingua.value(k); }
