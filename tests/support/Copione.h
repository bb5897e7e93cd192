#pragma once
// A scripted answerer for every prompt, so no dialog ever blocks a run.
#include "base/Prompt.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Test {

// Answers queued in order; when the queue is empty, messages get Ok and
// input/file dialogs are cancelled. Every request is recorded.
struct Copione {
    QList<Prompt::Risposta_> risposte;
    QList<Prompt::Richiesta> richieste;
    void Installa()
    {
        Prompt::ImpostaRisponditore([this](const Prompt::Richiesta& r) {
            richieste.append(r);
            if (!risposte.isEmpty()) return risposte.takeFirst();
            Prompt::Risposta_ out;
            out.annullato = r.tipo != Prompt::Tipo::Messaggio;
            return out;
        });
    }
    void Rispondi(int scelta) { risposte.append(Prompt::Risposta_{scelta, {}, false}); }
    void RispondiTesto(const QString& t) { risposte.append(Prompt::Risposta_{Prompt::Ok, t, false}); }
    void Annulla() { risposte.append(Prompt::Risposta_{Prompt::Annulla, {}, true}); }
    QStringList Messaggi() const
    {
        QStringList out;
        for (const auto& r : richieste)
            if (r.tipo == Prompt::Tipo::Messaggio) out << r.testo;
        return out;
    }
};

} // namespace Test
