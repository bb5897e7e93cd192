#pragma once
// "Collaudo QVR8572": the set-up form of QVR8566 and QVR0573 modules on the
// production bench, over ImpostazioneQVR8566. Captions are fixed texts.
#include "ioconfig/FinestraModulo.h"
#include "production/qvrforms/ImpostazioneQVR8566.h"

class ConfQVR8566 : public FinestraModulo {
    Q_OBJECT
public:
    ConfQVR8566();

    void ScriviK(uint8_t primo, uint8_t ultimo) { m_logica.ScriviK(primo, ultimo); }

protected:
    void Ferma() override { m_logica.FermaCommand11(); }

private:
    QWidget* Griglia();
    QWidget* Programma();
    QWidget* UsciteAnalogiche();

    ImpostazioneQVR8566 m_logica{*this};
};
