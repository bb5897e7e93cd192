#include "program/RungInEsecuzione.h"

#include "program/Agganci.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "program/RigaProgramma.h"
#include "program/StatoProgramma.h"

#include <QScrollBar>

namespace {
constexpr uint32_t kGiallo = 0xFFFF00;   // 0xRRGGBB
constexpr uint32_t kBianco = 0xFFFFFF;

// A rung-number cell that does not exist ends the colouring.
bool Colora(int rung, uint32_t colore)
{
    if (ProgCorrente < 0 || ProgCorrente >= int(Programmi.size())) return false;
    if (rung < 1 || rung > Programmi[ProgCorrente].NumRung) return false;
    if (ColoraNumeroRung) ColoraNumeroRung(rung, colore);
    return true;
}

// The rung at the program counter (pc + 1) becomes the first row when its
// panel is not wholly inside the process area.
void Scorri(int pc)
{
    Program* w = FinestraProgramma(false);
    QWidget* area = w ? w->prog(ProgCorrente, false) : nullptr;
    if (!area) return;
    bool fuori = true;
    if (const RigaProgramma* r = w->Riga(pc + 1); r && r->isVisible()) {
        const int alto = r->shRung->mapTo(area, QPoint(0, 0)).y();
        fuori = alto < 0 || alto + r->shRung->height() > area->height();
    }
    if (fuori) w->VScroll()->setValue(pc);
}
} // namespace

void MostraRungInEsecuzione(int pc, int penultimo, int terzultimo)
{
    const int rung = pc + 1;
    if (Colora(rung, kBianco) && Colora(terzultimo + 1, kBianco) && Colora(penultimo + 1, kBianco) &&
        Colora(rung, kGiallo))
        Scorri(pc);
}
