#include "shell/EventiFinestre.h"

#include "program/RungInEsecuzione.h"
#include "registers/TabRegistri.h"
#include "shell/Log.h"
#include "shell/Principale.h"

void EventiFinestre::EsitoTransazione(const QString& testo)
{
    Principale::Istanza()->ImpostaPannello(4, testo);
}

void EventiFinestre::Evento(const QString& testo, bool separa)
{
    if (separa) LogStart();
    LogWrite(testo);
}

void EventiFinestre::StatoCambiato()
{
    Principale::Istanza()->AggiornaStato();
}

void EventiFinestre::RungInEsecuzione(int pc, int penultimo, int terzultimo)
{
    MostraRungInEsecuzione(pc, penultimo, terzultimo);
}

void EventiFinestre::ModelloVerificato()
{
    CaricaRegistriSistema(false);
}

void InstallaEventiFinestre()
{
    static EventiFinestre eventi;
    ImpostaEventiCollegamento(&eventi);
}
