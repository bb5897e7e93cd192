#include "blockeditor/Famiglie.h"

#include "blockeditor/Catalogo.h"

#include <map>

namespace {
std::map<Famiglia, GestoreFamiglia>& Registro()
{
    static std::map<Famiglia, GestoreFamiglia> r;
    return r;
}

// The built-in families go in before anything is looked up or replaced, so a
// test's stand-in registered later wins over them.
void AssicuraFamiglie()
{
    static bool fatto = false;
    if (fatto) return;
    fatto = true;
    RegistraFamiglie();
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
    AssicuraFamiglie();
    Registro()[f] = std::move(g);
}

const GestoreFamiglia* GestoreDi(Famiglia f)
{
    AssicuraFamiglie();
    auto it = Registro().find(f);
    return it == Registro().end() ? nullptr : &it->second;
}

const GestoreFamiglia* GestoreBlocco(int indice)
{
    if (indice < 0 || indice >= NumBlocchi) return nullptr;
    const DefFunzione& f = VoceFunzione(indice).def;
    const auto famiglia = FamigliaDi(f.Classe, f.Gruppo);
    return famiglia ? GestoreDi(*famiglia) : nullptr;
}
