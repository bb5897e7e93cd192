#pragma once
// The FTP browser without its window: a click lists the server's root with
// the account of the endpoint settings; when the listing is complete, and
// only while the "DIR" operation is pending, its lines follow two fixed
// items. "Command2" opens the local export file.
#include "production/ftp/ClientFTP.h"

#include <QObject>
#include <QStringList>

// One entry per non-empty line ended by CR LF; what follows the last CR LF
// is dropped.
QStringList RigheElenco(const QByteArray& dati);

class VistaFTP {
public:
    virtual ~VistaFTP() = default;
    virtual void SvuotaElenco() = 0;
    // icona: the image index of the entry, -1 none.
    virtual void AggiungiVoce(const QString& testo, int icona) = 0;
};

class ElencoFTP : public QObject {
    Q_OBJECT
public:
    explicit ElencoFTP(VistaFTP& vista);

    void Command1_Click();
    void Command2_Click();
    // The transfer is over: dati when errore is empty.
    void RispostaCompletata(const QByteArray& dati, const QString& errore);

    QString Operazione;
    ClientFTP& Inet1() { return m_inet; }

private:
    VistaFTP& m_vista;
    ClientFTP m_inet;
};
