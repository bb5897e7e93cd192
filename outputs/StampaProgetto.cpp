#include "outputs/StampaProgetto.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "comm/Dispositivo.h"
#include "outputs/Stampa.h"
#include "outputs/StampantePagine.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/TabRegistri.h"

#include <QPrinter>

#include <algorithm>

namespace {

constexpr int RigheArgomentiMinime = 4;
constexpr int LarghezzaEtichetta = 10;
constexpr int ScalaIcona = 10;

void StampaRung(Stampa& s, int r, Rung& rung)
{
    s.Grassetto(true);
    if (rung.Descrizione == DescrizioneVuota) rung.Descrizione.clear();
    const QString titolo = QString::number(r) + u'[' + rung.Etichetta.leftJustified(LarghezzaEtichetta, u' ') +
                           QStringLiteral("] ") + rung.Descrizione;
    s.StampaTesto(titolo, s.RigaCorrente, Stampa::Margine, true);
    // A rung without a block (class 0) shows none in the rung list: its
    // identity would name the first block of the catalogue. The name line
    // stays, empty, so every rung keeps its layout.
    if (rung.Classe == 0) {
        s.StampaTesto(QString(), s.RigaCorrente, s.Colonna(1), true);
    } else {
        const int i = FunzToOpt(rung.Classe, rung.Gruppo, rung.Op);
        s.StampaTesto(NomiFunzione[size_t(i)], s.RigaCorrente, s.Colonna(1), true);
        s.StampaLogo(CatalogoFunzioni(i).Icona, s.RigaCorrente, s.Colonna(1), ScalaIcona);
    }
    s.Grassetto(false);
    // The rows as the rung list shows them for this rung, kept with the rung.
    int righe = 0;
    for (int k = 0; k < 8; ++k) {
        if (!rung.Riga.ArgVisibile[size_t(k)]) continue;
        s.Colonne[0] = rung.Riga.NomiArg[size_t(k)];
        s.Colonne[1] = rung.Riga.ValoriArg[size_t(k)];
        s.StampaDueColonne();
        ++righe;
    }
    for (; righe < RigheArgomentiMinime; ++righe) s.StampaTesto(QString(), s.RigaCorrente, Stampa::Margine, true);
}

void StampaRegistri(Stampa& s)
{
    s.StampaColonnaACapo(QStringLiteral("Registers"));
    s.Colonne = {QStringLiteral("Register"), QStringLiteral("Label"), QStringLiteral("Type")};
    s.StampaTreColonne();
    const DefModello& m = Modelli[Controllore.Modello];
    const int ultimo = std::min<int>(m.NumRegistri, UltimoRegistro);
    for (int i = 0; i <= ultimo && s.Attiva(); ++i) {
        const DefRegistro& reg = TabRegistri[size_t(i)];
        if (reg.Nome.isEmpty() || reg.Categoria == 1 || reg.Categoria == 2) continue;
        const QString lungo = i >= m.PrimoRegistroLong ? QStringLiteral("(*)") : QString();
        s.Colonne = {reg.Indirizzo + lungo, reg.Nome, TipiDato[std::min<size_t>(reg.Tipo, TipiDato.size() - 1)]};
        s.StampaTreColonne();
    }
}

} // namespace

void StampaProgetto(Stampante& stampante)
{
    Stampa s(stampante);
    s.NumeroPagina = 1;
    s.IntestazionePagina();
    s.Grassetto(true);
    s.StampaTesto(NomeProgetto, s.RigaCorrente, Stampa::Margine, true);
    s.Grassetto(false);
    s.StampaTesto(QStringLiteral("Controller: ") + Modelli[Controllore.Modello].Nome, s.RigaCorrente, Stampa::Margine, true);
    s.Punti(Stampa::PuntiCorpo);
    s.StampaColonnaACapo(QStringLiteral("MAIN program"));
    ProgCorrente = 0;
    Programma& main = Programmi[0];
    const int n = std::clamp<int>(main.NumRung, 0, MaxRung);
    for (int r = 1; r <= n && s.Attiva(); ++r) StampaRung(s, r, main.Rung[size_t(r)]);
    StampaRegistri(s);
}

bool StampaProgetto()
{
    QPrinter stampante(QPrinter::HighResolution);
    if (!Prompt::Stampa(&stampante)) return false;
    StampantePagine pagine(stampante);
    if (!pagine.Attiva()) return false;
    StampaProgetto(pagine);
    pagine.Chiudi();
    return true;
}
