#pragma once
// Modbus ASCII framing: ":" + two upper-case hex characters per message byte
// + the LRC as two hex characters + CR LF. The frame builder and the reply
// decoder are plain functions; the transport around them sends on the serial
// port of the hidden window frm_comunica, never on the main window's port.
#include <QByteArray>
#include <QString>
#include <cstdint>

// Two's complement of the low byte of the byte sum (the sum is taken modulo
// 256, so any length of any bytes gives a result). Empty input gives 0.
uint8_t LrcModbus(const uint8_t* dati, int n);

// The wire text of the n message bytes (unit address, function, data):
// 2n + 5 characters.
QByteArray TramaASCII(const uint8_t* dati, int n);

// What the decoder found in a received text. The checks keep the order in
// which their boxes are shown: CR, then LF, then LRC.
struct RispostaASCII {
    bool vuota = false;      // nothing received at all
    bool erroreCR = false;   // second-to-last character is not CR
    bool erroreLF = false;   // last character is not LF
    bool erroreLRC = false;  // LRC mismatch, or a body that is not hex pairs
    int n = 0;               // bytes written to the destination: message + LRC
    QString eco;             // the reply-box text: ":" + blank + each pair + blank

    bool Ok() const { return !vuota && !erroreCR && !erroreLF && !erroreLRC; }
};

// Decodes the pairs that start at the second character and end before the
// last two characters into dest (at most capienza bytes; a longer body fails
// the LRC check and nothing beyond capienza is written).
RispostaASCII DecodificaASCII(const QByteArray& testo, uint8_t* dest, int capienza);

// The ASCII port: belongs to the hidden window frm_comunica, opened on
// demand; porta is a serial port number (COMk), impostazioni the settings
// text, e.g. "9600,n,8,1". On success the link counts as connected and the
// next transactions go out in ASCII framing (Canale 0). Nothing else selects
// this mode: Connetti only ever chooses RTU or TCP.
bool ApriASCII(int porta, const QString& impostazioni);
// Closes the ASCII port; the link counts as closed while Canale is 0.
void ChiudiASCII();
bool PortaASCIIAperta();

// Sends the first n bytes of buffer as one ASCII frame; buffer gets the LRC,
// 13 and 10 at n, n+1, n+2 and n grows by 3. False (nothing sent, n unchanged)
// when the port is closed or the buffer cannot take the three bytes.
bool InviaASCII(uint8_t* buffer, int capienza, int16_t& n);

// Waits (events keep running) until a frame ends with CR LF or ComTimeout
// seconds pass, then decodes it into buff_rx/n_rx (message bytes and the
// received LRC) and shows the box of each failed check, whoever asked. True
// when a frame arrived and passed every check.
bool RiceviASCII();

// The transaction's framing on Canale 0 is TransazioneASCII (comm/Comunica.h):
// InviaASCII, then RiceviASCII.
