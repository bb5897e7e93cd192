#include "display/ParteDisplay.h"

#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "compiler/Compilatore.h"
#include "compiler/ImmagineCodice.h"
#include "registers/Immagini.h"

#include <algorithm>

using CompilatorePagine::Guasto;

int ParteDisplay::VociRiservate()
{
    programmi_.clear();
    guasti_.clear();
    attiva_ = ModelloDisplay();
    if (!attiva_) return 0;
    // The pages may have changed since the editor last compiled them.
    guasti_ = CompilatorePagine::CompilaOggetti();
    int voci = 0;
    for (int p = 0; p < std::min<int>(NumPagine, MaxPagine); ++p) {
        const bool occupata = std::any_of(guasti_.begin(), guasti_.end(), [p](const auto& g) {
            return g.programma == p + 1 && g.tipo == Guasto::ProgrammaSubroutine;
        });
        if (occupata) continue;
        programmi_.append(p + 1);
        voci += Programmi[size_t(p + 1)].NumRung;
    }
    return voci;
}

bool ParteDisplay::Compila()
{
    if (!attiva_) return true;
    for (int p = 0; p < std::min<int>(NumPagine, MaxPagine); ++p) {
        const int prog = p + 1;
        if (programmi_.contains(prog) && !CompilaRungProgramma(prog)) return false;
        for (const auto& g : guasti_) {
            if (g.programma != prog) continue;
            const int testo = g.tipo == Guasto::ProgrammaSubroutine ? TestoPaginaOccupata : TestoBitFuoriIntervallo;
            if (!RegistraErrore(g.tipo == Guasto::ProgrammaSubroutine ? prog : g.rung, Testo(testo))) return false;
        }
    }
    return true;
}

int32_t ParteDisplay::DopoPercorso(int32_t lunghezza)
{
    if (!attiva_) return lunghezza;
    // One after another from the end of the code, so that no image overlaps
    // another or any code and the length covers them all. Bytes past the
    // program area are not written: the compile fails on the length then.
    const int area = std::min<int>(Modelli[Controllore.Modello].DimensioneProgramma, DimensioneImmagineCodice);
    int32_t fine = lunghezza;
    for (int i = 0; i < std::min<int>(NumImmagini, MaxImmagini); ++i) {
        ImmagineDisplay& im = Immagini[size_t(i)];
        const int n = std::clamp<int>(im.NumByte, 0, MaxByteImmagine);
        im.IndirizzoImmagine = int16_t(IndirizzoBaseCodice + fine);
        for (int k = 0; k < n && fine + k < area; ++k) ImmagineCodice[size_t(fine + k)] = im.Pixel[size_t(k)];
        fine += n;
    }
    return fine;
}

void InstallaParteDisplay()
{
    static ParteDisplay parte;
    ImpostaParteImmagine(PostoParte::Pagine, &parte);
}
