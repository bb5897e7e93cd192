#pragma once
// The communication blocks: the controller exchanges registers or coils with
// another node of its bus. A rung of this family is no program code: the
// compiler makes it an entry of its communication table, reading only the
// class, the node (slot 0), the remote register (slot 1), the count (slot 2),
// the local register (slot 3) and the delay (byte 0 of slots 4 and 5).
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/LayoutBlocco.h"

struct Rung;

LayoutBlocco ImpaginaComunicazione(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaComunicazione(const DatiBlocco& dati, Rung& rung);
