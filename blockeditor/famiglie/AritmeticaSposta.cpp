#include "blockeditor/famiglie/AritmeticaSposta.h"

#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/Elenco.h"

void RegistraAritmeticaSposta()
{
    RegistraFamiglia(Famiglia::Aritmetica, {ImpaginaAritmetica, CodificaAritmetica, {}});
    RegistraFamiglia(Famiglia::ScalaSposta, {ImpaginaScalaSposta, CodificaScalaSposta, {}});
}
