#pragma once
// The bootloader tool without its window: its own serial port (COM 5 at
// 38400,n,8,1), the firmware image loaded from "qvr8685TCP.hex", and the
// identification query (TAB every 0.5 s until the bootloader answers).
// The image is never sent to the device: no programming protocol is defined.
#include "production/bootloader/FirmwareHex.h"
#include "production/bootloader/IdentitaBoot.h"

#include <QSerialPort>

enum class EsitoIdentifica { Identificato, PortaChiusa, NessunaRisposta, Interrotta };

class Bootloader {
public:
    static constexpr int PortaBoot = 5;
    static inline const QString ImpostazioniBoot = QStringLiteral("38400,n,8,1");
    static constexpr double PassoQuery = 0.5;

    ImmagineFirmware Immagine{};
    // How long the query repeats before it gives up, seconds.
    double TempoMassimo = 10;

    // "Open": opens the port when it is closed; true when it is open.
    bool Apri();
    bool PortaAperta() const { return m_porta.isOpen(); }
    void Chiudi();

    // CaricaHex: the file of the current directory into Immagine.
    CaricamentoHex CaricaHex();

    // The query: with the port open, TAB until the first input arrives; the
    // later bytes are not read.
    EsitoIdentifica Identifica(IdentitaBoot& identita);
    bool InCorso() const { return m_inCorso; }
    // Ends a running query at its next step.
    void Interrompi() { m_interrotta = true; }

private:
    QSerialPort m_porta;
    bool m_inCorso = false;
    bool m_interrotta = false;
};
