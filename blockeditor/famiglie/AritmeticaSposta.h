#pragma once
// The arithmetic and move blocks (class 3 group 1), and "Scale", "Block Move"
// and the display calls (class 3 groups 2, 6 and 3): layouts and encoders.
#include "blockeditor/Famiglie.h"

#include <initializer_list>

LayoutBlocco ImpaginaAritmetica(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaAritmetica(const DatiBlocco& dati, Rung& rung);

LayoutBlocco ImpaginaScalaSposta(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaScalaSposta(const DatiBlocco& dati, Rung& rung);

// Row `i` of a layout: caption, type, default value, register pick, the
// offered types and pointer variants (base codes); shown unless `mostrata`
// is false.
void RigaFamiglia(LayoutBlocco& l, int i, const QString& nome, uint8_t tipo, double valore, bool registro,
                  std::initializer_list<uint8_t> tipi, std::initializer_list<uint8_t> puntatori = {},
                  bool mostrata = true);
