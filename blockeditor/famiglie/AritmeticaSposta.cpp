#include "blockeditor/famiglie/AritmeticaSposta.h"

#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/Elenco.h"

void RigaFamiglia(LayoutBlocco& l, int i, const QString& nome, uint8_t tipo, double valore, bool registro,
                  std::initializer_list<uint8_t> tipi, std::initializer_list<uint8_t> puntatori, bool mostrata)
{
    DefArgomento& a = l.righe[size_t(i)].arg;
    a = DefArgomento{nome, tipo, valore, registro, {}, {}};
    for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
    for (uint8_t t : puntatori) a.PuntatoriAmmessi[t] = 1;
    if (mostrata) l.ordine << i;
}

void RegistraAritmeticaSposta()
{
    RegistraFamiglia(Famiglia::Aritmetica, {ImpaginaAritmetica, CodificaAritmetica, {}});
    RegistraFamiglia(Famiglia::ScalaSposta, {ImpaginaScalaSposta, CodificaScalaSposta, {}});
}
