#include "base/Prompt.h"

namespace Prompt {
namespace {
Risponditore& Attuale()
{
    static Risponditore r;
    return r;
}

Risponditore& Predefinito()
{
    static Risponditore r;
    return r;
}

bool& StoricoAttivo()
{
    static bool attivo = false;
    return attivo;
}

Risposta_ Chiedi(const Richiesta& r)
{
    if (StoricoAttivo()) Storico().append(r);
    if (Attuale()) return Attuale()(r);
    if (Predefinito()) return Predefinito()(r);
    // Nobody to ask (a program without windows): OK, or Cancel for input.
    Risposta_ out;
    out.annullato = r.tipo != Tipo::Messaggio;
    return out;
}
} // namespace

void ImpostaPredefinito(Risponditore r)
{
    Predefinito() = std::move(r);
}

Risponditore ImpostaRisponditore(Risponditore r)
{
    Risponditore vecchio = Attuale();
    Attuale() = std::move(r);
    return vecchio;
}

void RegistraStorico(bool attivo)
{
    StoricoAttivo() = attivo;
    if (!attivo) Storico().clear();
}

QList<Richiesta>& Storico()
{
    static QList<Richiesta> s;
    return s;
}

int MsgBox(const QString& testo, int pulsanti, const QString& titolo)
{
    return Chiedi(Richiesta{Tipo::Messaggio, testo, titolo, pulsanti, {}, {}}).scelta;
}

QString InputBox(const QString& testo, const QString& titolo, const QString& predefinito, bool* annullato)
{
    Risposta_ r = Chiedi(Richiesta{Tipo::Input, testo, titolo, SoloOk, predefinito, {}});
    if (annullato) *annullato = r.annullato;
    return r.testo;
}

void ErroreValori()
{
    MsgBox(QStringLiteral("Error: Check Values"));
}

QString FileApri(const QString& titolo, const QString& filtro, const QString& predefinito)
{
    Risposta_ r = Chiedi(Richiesta{Tipo::FileApri, {}, titolo, SoloOk, predefinito, filtro});
    return r.annullato ? QString() : r.testo;
}

QString FileSalva(const QString& titolo, const QString& filtro, const QString& predefinito, Sostituzione chiede)
{
    Richiesta q{Tipo::FileSalva, {}, titolo, SoloOk, predefinito, filtro};
    q.confermaSostituzione = chiede == Sostituzione::ChiedeDialogo;
    Risposta_ r = Chiedi(q);
    return r.annullato ? QString() : r.testo;
}

bool Stampa(QPrinter* stampante)
{
    Richiesta q{Tipo::Stampa, {}, {}, SoloOk, {}, {}};
    q.stampante = stampante;
    return !Chiedi(q).annullato;
}

} // namespace Prompt
