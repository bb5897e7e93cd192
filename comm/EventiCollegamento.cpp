#include "comm/EventiCollegamento.h"

namespace {
EventiCollegamento g_silenzioso;
EventiCollegamento* g_eventi = &g_silenzioso;
} // namespace

void ImpostaEventiCollegamento(EventiCollegamento* eventi)
{
    g_eventi = eventi ? eventi : &g_silenzioso;
}

EventiCollegamento& Eventi()
{
    return *g_eventi;
}
