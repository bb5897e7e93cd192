#include "blockeditor/famiglie/Elenco.h"

#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/BitConfronto.h"

RigaLayout RigaOperando(const QString& nome, uint8_t tipo, double valore, bool daRegistro,
                        std::initializer_list<uint8_t> tipi)
{
    RigaLayout r;
    r.arg.Nome = nome;
    r.arg.Tipo = tipo;
    r.arg.Valore = valore;
    r.arg.DaRegistro = daRegistro;
    for (uint8_t t : tipi) r.arg.TipiAmmessi[t] = 1;
    return r;
}

// The bit-operation and comparison blocks.
void RegistraBitConfronto()
{
    RegistraFamiglia(Famiglia::Bit, {ImpaginaBit, CodificaBit, {}});
    RegistraFamiglia(Famiglia::Confronto, {ImpaginaConfronto, CodificaConfronto, {}});
}
