#pragma once
// The bit-operation blocks (class 3 group 133), the comparisons and limits
// (group 141) and the old "Compare" (group 128): layouts and encoders as
// functions of the rows' data, registered by RegistraBitConfronto.
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/LayoutBlocco.h"

struct Rung;

LayoutBlocco ImpaginaBit(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaBit(const DatiBlocco& dati, Rung& rung);
LayoutBlocco ImpaginaConfronto(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaConfronto(const DatiBlocco& dati, Rung& rung);
