#pragma once
// The register table: one entry per Modbus register address 0..2048.
#include <QString>
#include <array>
#include <cstdint>

struct DefRegistro {
    QString Indirizzo;   // display address, prefix + number
    QString Nome;
    uint8_t Categoria = 0;
    uint8_t Tipo = 0;    // index into TipiDato
    int32_t Valore = 0;
    bool Cambiato = false;
};

inline std::array<DefRegistro, 2049> TabRegistri;

// Rebuilds the table for the model in Controllore.Modello; with `utente`
// the user area is reset too.
void CaricaRegistriSistema(bool utente);
