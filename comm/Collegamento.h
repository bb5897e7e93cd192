#pragma once
// The serial port and the socket of the controller link, with their receive
// events. They live as long as the application and are created on first use.
#include <QObject>
#include <QString>

class QSerialPort;
class QTcpSocket;

class Collegamento : public QObject {
    Q_OBJECT
public:
    static Collegamento* Istanza();

    QSerialPort* MSComm1() const { return m_seriale; }
    QTcpSocket* Winsock1() const { return m_socket; }

    // Serial receive event: only raises DatiArrivati; the bytes stay in the
    // port until the RTU wait takes them.
    void MSComm1_OnComm();
    // Socket receive event: appends what arrived to str_rx and raises
    // DatiArrivati (the TCP wait collects a reply that comes in pieces).
    void Winsock1_DataArrival();
    // Socket close event: the device (or the network) ended a TCP link that
    // was open. The link counts as closed from then on, so the next command
    // reports "not connected" at once rather than waiting out a time-out.
    void Winsock1_Close();
    // A socket found closed while the link counts as open: the close event.
    void ControllaSocket();

private:
    Collegamento();
    QSerialPort* m_seriale;
    QTcpSocket* m_socket;
};

// Serial port number k ("COM" k) to a device path on this machine. Rule:
// with the environment variable WORKBENCH_COM_DIR set, COMk is the file or
// link "<dir>/COM<k>" (tests point it at a pseudo-terminal); otherwise the
// system's serial ports sorted by port name, COM1 the first. Empty when there
// is no such port.
QString NomePortaSeriale(int k);

// "38400,n,8,1" style settings onto the port; false when the text is not valid.
bool ImpostaSeriale(QSerialPort& porta, const QString& impostazioni);
