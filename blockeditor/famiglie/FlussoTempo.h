#pragma once
// The flow-control and log blocks, "Timer" and "Trip", and "PID": layouts and
// encoders as functions of the rows' data, registered by RegistraFlussoTempo.
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/LayoutBlocco.h"

struct Rung;

LayoutBlocco ImpaginaFlusso(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaFlusso(const DatiBlocco& dati, Rung& rung);
LayoutBlocco ImpaginaTimerTrip(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaTimerTrip(const DatiBlocco& dati, Rung& rung);
LayoutBlocco ImpaginaPid(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaPid(const DatiBlocco& dati, Rung& rung);
