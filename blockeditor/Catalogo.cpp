#include "blockeditor/Catalogo.h"

namespace {
constexpr uint32_t kComm = 0x01FF00, kGiallo = 0x00FFFF, kCiano = 0xFFFF00, kComp = 0x80C0FF,
                   kFlow = 0xFFFF80, kTimer = 0xFF00FF, kRosso = 0x0000FF;
constexpr int8_t N = -1;   // never placed

// Index order; scheda, classe, gruppo, op, icona, colour, cell, condition.
const VoceCatalogo kCatalogo[NumBlocchi] = {
    {{1, 2, 0, 0, 1}, kComm, 0, 1, 0},        // 0 Read Input
    {{1, 1, 0, 0, 2}, kComm, 0, 2, 0},        // 1 Write
    {{1, 2, 1, 0, 8}, kComm, 2, 0, 'b'},      // 2 Read Device
    {{5, 3, 2, 0, 5}, kGiallo, 1, 1, 0},      // 3 Scale
    {{5, 3, 1, 0, 17}, kGiallo, 0, 0, 0},     // 4 Add
    {{5, 3, 1, 1, 18}, kGiallo, 0, 1, 0},     // 5 Sub
    {{6, 3, 3, 0, 7}, kComp, N, N, 0},        // 6 A>B
    {{2, 3, 1, 4, 3}, kGiallo, 0, 0, 0},      // 7 Move
    {{5, 3, 1, 7, 6}, kGiallo, 1, 2, 0},      // 8 SQRT
    {{1, 1, 1, 0, 9}, kComm, 2, 1, 'b'},      // 9 Write Device
    {{6, 3, 128, 0, 10}, kComp, N, N, 0},     // 10 Compare
    {{7, 3, 130, 0, 11}, kFlow, 0, 0, 0},     // 11 Goto
    {{5, 0, 0, 0, 0}, kFlow, N, N, 0},        // 12 placeholder (colour of tab 7)
    {{7, 3, 129, 0, 12}, kFlow, 0, 1, 0},     // 13 If(bit) -> Goto
    {{7, 3, 131, 0, 13}, kFlow, 0, 2, 0},     // 14 Call
    {{7, 3, 132, 0, 14}, kFlow, 1, 0, 0},     // 15 Return
    {{8, 3, 134, 0, 15}, kTimer, 0, 0, 0},    // 16 Timer
    {{2, 0, 0, 0, 0}, kGiallo, N, N, 0},      // 17 placeholder
    {{5, 3, 1, 2, 21}, kGiallo, 0, 2, 0},     // 18 Mult
    {{5, 3, 1, 3, 22}, kGiallo, 1, 0, 0},     // 19 Div
    {{6, 3, 137, 0, 20}, kComp, 2, 2, 0},     // 20 Trip
    {{3, 3, 133, 0, 23}, kCiano, 1, 0, 0},    // 21 AND(word)
    {{3, 3, 133, 1, 24}, kCiano, 1, 1, 0},    // 22 OR(word)
    {{3, 3, 133, 2, 25}, kCiano, 1, 2, 0},    // 23 XOR(word)
    {{3, 3, 133, 3, 26}, kCiano, 2, 0, 0},    // 24 NOT
    {{4, 3, 133, 4, 27}, kCiano, 0, 0, 0},    // 25 Shift R
    {{4, 3, 133, 5, 28}, kCiano, 0, 1, 0},    // 26 Shift L
    {{4, 3, 133, 6, 29}, kCiano, 1, 0, 0},    // 27 Rotate R
    {{4, 3, 133, 7, 30}, kCiano, 1, 1, 0},    // 28 Rotate L
    {{5, 3, 1, 5, 31}, kGiallo, 2, 0, 0},     // 29 Average
    {{5, 3, 1, 8, 32}, kGiallo, 2, 1, 0},     // 30 Linearization
    {{1, 2, 0, 0, 33}, kComm, N, N, 0},       // 31 Read/Write
    {{5, 3, 1, 9, 34}, kGiallo, 2, 2, 0},     // 32 ABS
    {{3, 3, 133, 8, 35}, kCiano, 0, 0, 0},    // 33 AND(bit)
    {{3, 3, 133, 9, 36}, kCiano, 0, 1, 0},    // 34 OR(bit)
    {{3, 3, 133, 10, 37}, kCiano, 0, 2, 0},   // 35 XOR(bit)
    {{3, 3, 133, 13, 38}, kCiano, 2, 1, 0},   // 36 Bit Set
    {{3, 3, 133, 14, 39}, kCiano, 2, 2, 0},   // 37 Bit Reset
    {{5, 3, 1, 10, 40}, kGiallo, 3, 0, 0},    // 38 e^(x)
    {{5, 3, 1, 6, 41}, kGiallo, 3, 1, 0},     // 39 x^y
    {{1, 4, 0, 0, 4}, kComm, 0, 0, 0},        // 40 Read Holding
    {{10, 3, 138, 0, 42}, kRosso, 0, 0, 0},   // 41 Log Write (its tab is never created)
    {{7, 3, 139, 0, 44}, kFlow, 1, 1, 0},     // 42 If(bit) -> Call
    {{9, 3, 3, 253, 45}, kRosso, 0, 0, 0},    // 43 Call Page
    {{9, 3, 3, 254, 46}, kRosso, N, N, 0},    // 44 Display Refresh
    {{7, 3, 140, 0, 47}, kFlow, 1, 2, 0},     // 45 Clear WatchDog
    {{2, 3, 6, 0, 48}, kGiallo, 0, 1, 0},     // 46 Block Move
    {{6, 3, 141, 0, 49}, kComp, 0, 0, 0},     // 47 A = B
    {{6, 3, 141, 1, 50}, kComp, 0, 1, 0},     // 48 A <> B
    {{6, 3, 141, 2, 51}, kComp, 0, 2, 0},     // 49 A > B
    {{6, 3, 141, 3, 52}, kComp, 1, 0, 0},     // 50 A < B
    {{6, 3, 141, 4, 53}, kComp, 1, 1, 0},     // 51 A >= B
    {{6, 3, 141, 5, 54}, kComp, 1, 2, 0},     // 52 A <= B
    {{6, 3, 141, 6, 55}, kComp, 2, 0, 0},     // 53 Limit (Int)
    {{6, 3, 141, 7, 56}, kComp, 2, 1, 0},     // 54 Limit (Ext)
    {{5, 3, 142, 0, 57}, kGiallo, 3, 2, 0},   // 55 PID
    {{3, 3, 133, 11, 58}, kCiano, 3, 0, 0},   // 56 POS
    {{3, 3, 133, 12, 59}, kCiano, 3, 1, 0},   // 57 NEG
    {{3, 3, 133, 15, 60}, kCiano, 4, 0, 0},   // 58 TOGGLE up
    {{3, 3, 133, 16, 61}, kCiano, 4, 1, 0},   // 59 TOGGLE down
    {{1, 6, 0, 0, 62}, kComm, 1, 0, 'a'},     // 60 Read Coils
    {{1, 7, 0, 0, 63}, kComm, 1, 1, 'a'},     // 61 Write Coils
    {{1, 8, 0, 0, 64}, kComm, 1, 2, 'a'},     // 62 Write Coil
};
} // namespace

const VoceCatalogo& VoceFunzione(int indice)
{
    return kCatalogo[indice];
}

const DefFunzione& CatalogoFunzioni(int indice)
{
    static const DefFunzione nessuna;
    return indice >= 0 && indice < NumBlocchi ? kCatalogo[indice].def : nessuna;
}

uint8_t FunzToOpt(int16_t classe, int16_t gruppo, uint8_t op)
{
    switch (classe) {
    case 1: return gruppo == 0 ? 1 : gruppo == 1 ? 9 : 0;
    case 2: return gruppo == 0 ? 0 : gruppo == 1 ? 2 : 0;
    case 4: return 40;
    case 6: return 60;
    case 7: return 61;
    case 8: return 62;
    case 3: break;
    default: return 0;
    }
    switch (gruppo) {
    case 1: {
        static const uint8_t kAritmetica[11] = {4, 5, 18, 19, 7, 29, 39, 8, 30, 32, 38};
        return op <= 10 ? kAritmetica[op] : 0;
    }
    case 2: return 3;
    case 4: return 8;   // no entry has group 4; it has always opened as SQRT
    case 6: return 46;
    case 3: return op == 253 ? 43 : op == 254 ? 44 : 0;
    case 128: return 10;
    case 129: return 13;
    case 130: return 11;
    case 131: return 14;
    case 132: return 15;
    case 134: return 16;
    case 137: return 20;
    case 138: return 41;
    case 139: return 42;
    case 140: return 45;
    case 142: return 55;
    case 133: {
        static const uint8_t kBit[17] = {21, 22, 23, 24, 25, 26, 27, 28, 33, 34, 35, 56, 57, 36, 37, 58, 59};
        return op <= 16 ? kBit[op] : 0;
    }
    case 141: return op <= 7 ? uint8_t(47 + op) : 0;
    default: return 0;
    }
}

const QStringList& SchedePalette()
{
    static const QStringList k = {"Comm", "Move", "Bitwise", "Shift", "Math", "Comp", "Flow", "Timers", "Display"};
    return k;
}

QList<CellaPalette> BlocchiScheda(const QString& didascalia, const QString& codiceModello, bool marchio700)
{
    QList<CellaPalette> out;
    const int scheda = int(SchedePalette().indexOf(didascalia)) + 1;
    if (scheda <= 0) return out;
    for (int i = 0; i < NumBlocchi; ++i) {
        const VoceCatalogo& v = kCatalogo[i];
        if (v.def.Scheda != scheda || v.riga < 0) continue;
        if (v.condizione == 'a' && codiceModello != QLatin1String("47A7")) continue;
        if (v.condizione == 'b' && marchio700) continue;
        out.append({i, v.riga, v.colonna});
    }
    return out;
}
