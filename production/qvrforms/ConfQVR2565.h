#pragma once
// "Collaudo QVR2565": the calibration form of the QVR2565 analog-input
// module, over CalibrazioneQVR2565. Captions are fixed texts.
#include "ioconfig/FinestraModulo.h"
#include "production/qvrforms/CalibrazioneQVR2565.h"

class ConfQVR2565 : public FinestraModulo {
    Q_OBJECT
public:
    ConfQVR2565();

protected:
    void Ferma() override
    {
        if (m_logica.InCorso()) m_logica.Command5_Click();
    }

private:
    CalibrazioneQVR2565 m_logica{*this};
};
