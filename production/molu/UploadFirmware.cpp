#include "production/molu/UploadFirmware.h"

#include "base/Attesa.h"
#include "base/Prompt.h"
#include "comm/Rete.h"
#include "production/molu/RichiestaUpload.h"

namespace {
void Errore(const QString& testo, Prompt::Icona icona)
{
    Prompt::MsgBox(testo, icona, QStringLiteral("ERROR"));
}
}  // namespace

UploadFirmware::UploadFirmware()
{
    EUT_Socket.setObjectName(QStringLiteral("EUT_Socket"));
    connect(&EUT_Socket, &QTcpSocket::connected, this, [this] { m_connesso = true; });
    connect(&EUT_Socket, &QTcpSocket::readyRead, this, [this] { EUT_Socket.readAll(); });
    connect(&EUT_Socket, &QTcpSocket::disconnected, this, [this] {
        EUT_Socket.close();
        m_connesso = false;
    });
    connect(&EUT_Socket, &QTcpSocket::errorOccurred, this, &UploadFirmware::EUT_Socket_Error);
}

void UploadFirmware::EUT_Socket_Error(QAbstractSocket::SocketError errore)
{
    // The device closing its side is how an upload ends, not an error.
    if (errore == QAbstractSocket::RemoteHostClosedError) return;
    m_errore = true;
    Errore(EUT_Socket.errorString(), Prompt::Avviso);
    EUT_Socket.abort();
    m_connesso = false;
}

UploadFirmware::Esito UploadFirmware::UploadFile(const QString& host, quint16 porta, const QString& path)
{
    if (m_connesso || m_inCorso) return Esito::Occupato;
    m_inCorso = true;
    const Esito esito = Invia(host, porta, path);
    m_inCorso = false;
    return esito;
}

UploadFirmware::Esito UploadFirmware::Invia(const QString& host, quint16 porta, const QString& path)
{
    QString errore;
    const QByteArray data = RichiestaUpload::LeggiFile(path, &errore);
    if (!errore.isEmpty()) {
        Errore(errore, Prompt::Critica);
        return Esito::FileIlleggibile;
    }
    const QByteArray richiesta = RichiestaUpload::CreaPostMultipart(
        data, host, QStringLiteral("i"), path, QStringLiteral("application/octet-stream"),
        RichiestaUpload::StringaCasuale(32));

    m_errore = false;
    EUT_Socket.abort();
    if (!ConnettiSocket(EUT_Socket, host, porta)) return Esito::Rifiutato;
    if (!AttendiFinche([this] { return m_connesso || m_errore; }, AttesaConnessioneMs)) {
        EUT_Socket.abort();
        Errore(QStringLiteral("Connection Timeout [%1]").arg(host), Prompt::Avviso);
        return Esito::Scaduto;
    }
    if (m_errore) return Esito::ErroreSocket;

    EUT_Socket.write(richiesta);
    EUT_Socket.flush();
    const bool chiuso = AttendiFinche(
        [this] { return EUT_Socket.state() == QAbstractSocket::UnconnectedState; }, AttesaChiusuraMs);
    if (m_errore) return Esito::ErroreSocket;
    if (!chiuso) {
        EUT_Socket.abort();
        m_connesso = false;
        Errore(QStringLiteral("No end of upload from [%1]").arg(host), Prompt::Avviso);
        return Esito::Scaduto;
    }
    return Esito::Inviato;
}
