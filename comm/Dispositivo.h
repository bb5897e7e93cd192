#pragma once
// A Modbus device together with the way to reach it.
#include <QString>
#include <array>
#include <cstdint>

// How a device is reached.
enum TipoCollegamento : uint8_t { CollegamentoEthernet = 0, CollegamentoSeriale = 1 };

struct Dispositivo {
    uint8_t Modello = 0;
    TipoCollegamento TipoConnessione = CollegamentoEthernet;   // Modbus TCP or RTU
    QString BaudRate;
    bool DueStop = false;
    QString IndirizzoIP;
    std::array<uint8_t, 5> IPByte{};
    QString Subnet;
    std::array<uint8_t, 5> SubnetByte{};
    int16_t Porta = 0;              // TCP port, or serial port number
    QString MAC;
    std::array<uint8_t, 7> MACByte{};
    uint8_t Nodo = 0;
    int16_t ModoDebug = 0;          // -1 debug, 0 release
    int16_t TimeoutTCP = 0;         // milliseconds
    bool Connesso = false;
    uint8_t UltimoComando = 0;      // last value written to the command register
    bool Modem = false;
    bool InitAttivo = false;
    QString NomeDispositivo;
};

inline Dispositivo Controllore;
inline std::array<Dispositivo, 256> Dispositivi;
inline int16_t NumDispositivi = 0;
