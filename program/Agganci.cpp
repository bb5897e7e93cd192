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
