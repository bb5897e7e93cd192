#pragma once
// Everything the project file set carries, as one value: the writer takes it
// from memory, the reader fills a fresh one, and only a set read whole is
// put in place of the current project.
#include "display/Pagine.h"
#include "display/SMS.h"
#include "display/Task.h"
#include "program/Programmi.h"
#include "registers/Tabelle.h"
#include "registers/Variabili.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

struct VoceRegistroFile {
    QString Nome;
    uint8_t Tipo = 0;
    bool operator==(const VoceRegistroFile&) const = default;
};

// The ten files, in the order they are written.
enum class FileSet { Prj, Lst, Wtc, Ptb, Dsp, Skd, Fmt, Str, Blk, Msg };
constexpr int NumFileSet = 10;
// ".prj", ".lst", ...
QString Estensione(FileSet f);

struct ProgettoSalvato {
    // The files the set held; a missing one leaves its tables as the new
    // project (or, for .ptb, the current tables) have them.
    std::array<bool, NumFileSet> presente{};

    QString versione;                     // the .prj's first line
    QList<Rung> rung;                     // the main program's rungs 1 .. n
    QList<VoceRegistroFile> registri;     // from address 0 on
    QList<int16_t> watch;                 // the watched registers, in order
    uint8_t numTabelle = 0;
    std::array<Tabella, MaxTabelle> tabelle{};
    uint8_t numVariabili = 0;
    std::array<Variabile, MaxVariabiliTabella> variabili{};
    QStringList stringhe;
    std::array<QString, MaxBlocchiTesto> blocchi;
    uint8_t numPagine = 0;
    std::array<Pagina, MaxPagine> pagine{};   // objects in slots 1 .. NumOggetti
    QList<Task> task;                     // tasks 1 .. n, compiled fields left out
    QStringList numeriSMS;                // the SMS tables' texts only
    QStringList testiSMS;

    bool Presente(FileSet f) const { return presente[size_t(f)]; }
};

// The current project as the files store it: program 0, the selected model's
// register and string counts.
ProgettoSalvato ProgettoInMemoria();
// Puts the tables of a set read whole in place (program 0's rungs, the user
// registers from PrimoRegistroUtente on, variables, strings, blocks, watch
// list, linearisation tables, display pages, tasks, SMS texts); tables of a missing file
// are left alone.
void ApplicaProgetto(const ProgettoSalvato& p);
// Puts the tables of the set that the project refresh leaves alone as the
// program starts with them: no register names of the user's, no watched
// registers, linearisation tables, tasks (their strings included), SMS
// entries, text blocks or display objects; one page. The refresh then sets
// the rungs, variables and strings of a new project.
void TabelleIniziali();
