#pragma once
// A recording implementation of the link's events, installed while it lives.
#include "comm/EventiCollegamento.h"

#include <QList>
#include <QStringList>
#include <array>

namespace Test {

struct EventiRegistrati : EventiCollegamento {
    QString pannello4;                    // the last transaction text
    QStringList log;                      // Log lines; a separator is "--"
    int stati = 0;                        // StatoCambiato calls
    int modelli = 0;                      // ModelloVerificato calls
    QList<std::array<int, 3>> rung;       // RungInEsecuzione: pc, before, before that

    EventiRegistrati() { ImpostaEventiCollegamento(this); }
    ~EventiRegistrati() override { ImpostaEventiCollegamento(nullptr); }

    void EsitoTransazione(const QString& testo) override { pannello4 = testo; }
    void Evento(const QString& testo, bool separa) override
    {
        if (separa) log << QStringLiteral("--");
        log << testo;
    }
    void StatoCambiato() override { ++stati; }
    void RungInEsecuzione(int pc, int penultimo, int terzultimo) override { rung.append({pc, penultimo, terzultimo}); }
    void ModelloVerificato() override { ++modelli; }

    // The lines since `da` without the separators.
    QStringList Righe(int da = 0) const
    {
        QStringList out;
        for (int i = da; i < log.size(); ++i)
            if (log[i] != QLatin1String("--")) out << log[i];
        return out;
    }
};

} // namespace Test
