#include "blockeditor/Famiglie.h"

#include <map>

namespace {
std::map<Famiglia, GestoreFamiglia>& Registro()
{
    static std::map<Famiglia, GestoreFamiglia> r;
    return r;
}
} // namespace

std::optional<Famiglia> FamigliaDi(int16_t classe, int16_t gruppo)
{
    switch (classe) {
    case 1: case 2: case 4: case 6: case 7: case 8: return Famiglia::Comunicazione;
    case 3: break;
    default: return std::nullopt;
    }
    switch (gruppo) {
    case 1: return Famiglia::Aritmetica;
    case 2: case 3: case 6: return Famiglia::ScalaSposta;
    case 133: return Famiglia::Bit;
    case 128: case 141: return Famiglia::Confronto;
    case 129: case 130: case 131: case 132: case 138: case 139: case 140: case 143: return Famiglia::Flusso;
    case 134: case 137: return Famiglia::Timer;
    case 142: return Famiglia::Pid;
    default: return std::nullopt;
    }
}

void RegistraFamiglia(Famiglia f, GestoreFamiglia g)
{
    Registro()[f] = std::move(g);
}

const GestoreFamiglia* GestoreDi(Famiglia f)
{
    auto it = Registro().find(f);
    return it == Registro().end() ? nullptr : &it->second;
}
