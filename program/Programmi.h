#pragma once
// The controller application of the project: ten processes of up to 256
// rungs, each rung one function block. Every part of the workbench reads and
// writes these records in place.
#include "program/StatoProgramma.h"

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// What a rung's row in the rung list window shows of its block. Kept with the
// record, so the rows of any process can be drawn again from the records.
struct RigaRung {
    QString Funzione;                   // block caption (txt_Func)
    uint32_t Colore = 0xFFFFFF;         // caption back colour, 0xRRGGBB
    bool HaColore = false;
    QString Immagine;                   // block picture key, empty = none
    // The picture box shows even without a picture once a rung was copied
    // into the row; a non-empty picture always shows.
    bool ImmagineVisibile = false;
    std::array<QString, 8> NomiArg;     // lbl_Var0..7
    std::array<QString, 8> ValoriArg;   // txt_Var0..7
    std::array<bool, 8> ArgVisibile{};
    QString Sommario;                   // one-line summary (txt_Var)
    bool operator==(const RigaRung&) const = default;
};

struct Rung {
    QString Descrizione;
    QString Etichetta;
    int16_t Classe = 0;
    uint8_t Op = 0;
    int16_t Gruppo = 0;
    std::array<std::array<uint8_t, 4>, 9> ArgByte{};
    std::array<QString, 9> ArgTesto;
    int16_t Delay = 0;
    bool Break = false;
    bool Valido = false;
    int16_t Lunghezza = 0;
    bool Trig = false;
    int16_t TrigReg = 0;
    int16_t TrigMask = 0;
    RigaRung Riga;
    bool operator==(const Rung&) const = default;
};

constexpr int MaxRung = 256;
// The comment of a rung that has none yet.
inline const QString DescrizioneVuota = QStringLiteral("<...>");
constexpr int NumProcessi = 10;

struct Programma {
    int16_t NumRung = 0;
    std::array<::Rung, MaxRung + 1> Rung;  // 0 = clipboard and swap slot
    uint8_t Formato = 0;                 // 0 full rows, 1 compact
};

inline std::array<Programma, NumProcessi> Programmi;

struct RungRedo {
    int16_t NumRung = 0;
    ::Rung Rung;
    // The process the rung was saved from: the restore goes back there only.
    int16_t Processo = 0;
    // Saved by a delete (the restore puts the rung back in between) or by a
    // paste (the restore overwrites the pasted rung).
    bool DaCancellazione = false;
    // Something is there to restore; follows the "rung_redo" button.
    bool Disponibile = false;
};

inline RungRedo Redo;
