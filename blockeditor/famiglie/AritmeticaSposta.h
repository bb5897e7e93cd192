#pragma once
// The arithmetic and move blocks (class 3 group 1), and "Scale", "Block Move"
// and the display calls (class 3 groups 2, 6 and 3): layouts and encoders.
#include "blockeditor/Famiglie.h"

LayoutBlocco ImpaginaAritmetica(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaAritmetica(const DatiBlocco& dati, Rung& rung);

LayoutBlocco ImpaginaScalaSposta(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaScalaSposta(const DatiBlocco& dati, Rung& rung);
