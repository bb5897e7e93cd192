#include "outputs/Stampa.h"

void Stampa::Carattere(int punti, bool grassetto)
{
    m_punti = punti;
    m_grassetto = grassetto;
    m_s.Carattere(punti, grassetto);
}

void Stampa::StampaTesto(const QString& testo, int y, int x, bool avanza)
{
    if (!m_attiva) return;
    m_s.Testo(testo, x, y);
    RigaSuccessiva = y + m_s.AltezzaTesto();
    if (!avanza) return;
    RigaCorrente = RigaSuccessiva;
    ControllaFinePagina(RigaCorrente);
}

void Stampa::NuovaRiga(int y, int spessore)
{
    if (!m_attiva) return;
    RigaSuccessiva = y + m_s.AltezzaTesto();
    ControllaFinePagina(RigaSuccessiva);
    RigaCorrente = RigaSuccessiva;
    m_s.Linea(Margine, RigaCorrente, m_s.LarghezzaPagina() - Margine, RigaCorrente + spessore - 1);
}

void Stampa::ControllaFinePagina(int y)
{
    // The header's own lines never break (a page too short for it would
    // otherwise start pages without end).
    if (m_inIntestazione || !m_attiva || y <= m_s.AltezzaPagina() - Margine) return;
    const int punti = m_punti;
    ++NumeroPagina;
    if (!m_s.NuovaPagina()) {
        m_attiva = false;
        return;
    }
    IntestazionePagina();
    RigaSuccessiva = RigaCorrente;
    Punti(punti);
}

void Stampa::IntestazionePagina()
{
    m_inIntestazione = true;
    RigaCorrente = Margine;
    Carattere(PuntiIntestazione, true);
    StampaTesto(QStringLiteral("Mirok"), RigaCorrente, Margine, false);
    Grassetto(false);
    StampaTesto(QStringLiteral("Page ") + QString::number(NumeroPagina), RigaCorrente, Colonna(7), true);
    NuovaRiga(RigaCorrente);
    m_inIntestazione = false;
}

void Stampa::StampaColonnaACapo(const QString& testo)
{
    NuovaRiga(RigaCorrente);
    Carattere(PuntiCorpo, true);
    StampaTesto(testo, RigaCorrente, Margine, true);
    NuovaRiga(RigaCorrente);
}

void Stampa::StampaDueColonne()
{
    StampaTesto(Colonne[0], RigaCorrente, Colonna(2), false);
    StampaTesto(Colonne[1], RigaCorrente, Colonna(3), true);
}

void Stampa::StampaTreColonne()
{
    StampaTesto(Colonne[0], RigaCorrente, Colonna(1), false);
    StampaTesto(Colonne[1], RigaCorrente, Colonna(2), false);
    StampaTesto(Colonne[2], RigaCorrente, Colonna(3), true);
}

void Stampa::StampaLogo(int icona, int y, int x, int scala)
{
    if (m_attiva) m_s.Icona(icona, x, y, 60 * scala, 50 * scala);
}
