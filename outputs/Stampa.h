#pragma once
// The listing's printing routines: a running vertical position, rules and
// page breaks with the page header. Positions are twips; the font (size and
// bold) carries over from one routine to the next as the printer keeps it.
#include "outputs/Stampante.h"

#include <QString>
#include <array>

class Stampa {
public:
    static constexpr int Margine = 200;
    static constexpr int PuntiIntestazione = 10;
    static constexpr int PuntiCorpo = 8;

    explicit Stampa(Stampante& stampante) : m_s(stampante) {}

    int RigaCorrente = 0;
    int RigaSuccessiva = 0;
    int NumeroPagina = 1;   // wide enough for any listing
    std::array<QString, 3> Colonne;

    void Carattere(int punti, bool grassetto);
    void Grassetto(bool grassetto) { Carattere(m_punti, grassetto); }
    void Punti(int punti) { Carattere(punti, m_grassetto); }
    // False once a page could not be started: the listing stops there.
    bool Attiva() const { return m_attiva; }
    int Colonna(int k) const { return m_s.LarghezzaPagina() * k / 8 + Margine; }

    void StampaTesto(const QString& testo, int y, int x, bool avanza);
    void NuovaRiga(int y, int spessore = 1);
    void ControllaFinePagina(int y);
    void IntestazionePagina();
    void StampaColonnaACapo(const QString& testo);
    void StampaDueColonne();
    void StampaTreColonne();
    void StampaLogo(int icona, int y, int x, int scala);

private:
    Stampante& m_s;
    int m_punti = PuntiIntestazione;
    bool m_grassetto = false;
    bool m_attiva = true;
    bool m_inIntestazione = false;
};
