#include "program/Agganci.h"

namespace {
EditorBlocco*& Attivo()
{
    static EditorBlocco* e = nullptr;
    return e;
}
} // namespace

void ImpostaEditorBlocco(EditorBlocco* editor)
{
    Attivo() = editor;
}

EditorBlocco* EditorBloccoAttivo()
{
    return Attivo();
}

namespace {
EventiProgetto*& EventiInstallati()
{
    static EventiProgetto* e = nullptr;
    return e;
}
} // namespace

void ImpostaEventiProgetto(EventiProgetto* eventi)
{
    EventiInstallati() = eventi;
}

EventiProgetto& EventiProg()
{
    static EventiProgetto silenzio;
    EventiProgetto* e = EventiInstallati();
    return e ? *e : silenzio;
}
