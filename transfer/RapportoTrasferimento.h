#pragma once
// What a transfer to the controller reports besides its Log lines: the
// progress of the current step, the busy pointer, the pauses between blocks
// and the register page to clear; and the user's request to stop it. The download dialog implements it; the
// default does nothing but wait, so a transfer runs without any window.
#include "compiler/Rapporto.h"

class RapportoTrasferimento : public Rapporto {
public:
    // Progress of the current transfer, 1 to 101.
    virtual void Barra(double valore) { (void)valore; }
    // The busy pointer on (true) or back (false); calls nest.
    virtual void Clessidra(bool attiva) { (void)attiva; }
    // A pause that keeps the interface alive.
    virtual void Attendi(double secondi);
    // Zero the user registers in the controller and read the register page again.
    virtual void AzzeraRegistri() {}

    // The user asked to stop: a transfer sends no further block and ends
    // with its " Stopped" line. Asked during a wait, so it takes effect
    // between blocks, never in the middle of one.
    void Ferma() { m_fermato = true; }
    bool Fermato() const { return m_fermato; }
    void Riprendi() { m_fermato = false; }

private:
    bool m_fermato = false;
};

// The busy pointer for as long as the object lives, whatever way the scope ends.
class ClessidraAttiva {
public:
    explicit ClessidraAttiva(RapportoTrasferimento& r) : m_r(r) { m_r.Clessidra(true); }
    ~ClessidraAttiva() { m_r.Clessidra(false); }
    ClessidraAttiva(const ClessidraAttiva&) = delete;
    ClessidraAttiva& operator=(const ClessidraAttiva&) = delete;

private:
    RapportoTrasferimento& m_r;
};
