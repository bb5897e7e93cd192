#include "production/ftp/ClientFTP.h"

#include "comm/Rete.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {
QString Secondi(int ms)
{
    return QString::number(ms / 1000.0, 'g', 3);
}
}  // namespace

ClientFTP::ClientFTP()
{
    m_limite.setSingleShot(true);
    m_silenzio.setSingleShot(true);
    connect(&m_limite, &QTimer::timeout, this,
            [this] { Termina(QStringLiteral("Operation timed out after %1 s").arg(Secondi(TempoMassimoMs))); });
    connect(&m_silenzio, &QTimer::timeout, this,
            [this] { Termina(QStringLiteral("No answer from the server for %1 s").arg(Secondi(TempoRispostaMs))); });
    connect(&m_controllo, &QTcpSocket::readyRead, this, &ClientFTP::LeggiControllo);
    connect(&m_controllo, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (InCorso()) Termina(m_controllo.errorString());
    });
    connect(&m_dati, &QTcpSocket::connected, this, [this] { Invia("LIST", Fase::Elenco); });
    connect(&m_dati, &QTcpSocket::readyRead, this, [this] {
        m_elenco += m_dati.readAll();
        m_silenzio.start(TempoRispostaMs);
    });
    connect(&m_dati, &QAbstractSocket::disconnected, this, &ClientFTP::FineDati);
    connect(&m_dati, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // The server closing the data connection is how a listing ends.
        if (e == QAbstractSocket::RemoteHostClosedError) return FineDati();
        if (InCorso()) Termina(m_dati.errorString());
    });
}

ClientFTP::~ClientFTP()
{
    m_fase = Fase::Ferma;
    m_dati.abort();
    m_controllo.abort();
}

QString ClientFTP::Elenca(const QString& host, int porta, const QString& utente, const QString& password)
{
    if (InCorso()) return QStringLiteral("a listing is running");
    if (!IndirizzoConsentito(host)) return QStringLiteral("Address refused (loopback only) [%1]").arg(host);
    if (porta < 1 || porta > 65535) return QStringLiteral("Port not valid [%1]").arg(porta);
    m_controllo.abort();
    m_dati.abort();
    m_ricevuto.clear();
    m_multiriga = 0;
    m_elenco.clear();
    m_datiFiniti = m_elencoConfermato = false;
    m_utente = utente.toUtf8();
    m_password = password.toUtf8();
    m_fase = Fase::Saluto;
    m_limite.start(TempoMassimoMs);
    m_silenzio.start(TempoRispostaMs);
    if (!ConnettiSocket(m_controllo, host, quint16(porta))) {
        m_fase = Fase::Ferma;
        m_limite.stop();
        m_silenzio.stop();
        return QStringLiteral("Address refused (loopback only) [%1]").arg(host);
    }
    return {};
}

void ClientFTP::LeggiControllo()
{
    m_ricevuto += m_controllo.readAll();
    if (InCorso()) m_silenzio.start(TempoRispostaMs);
    qsizetype fine;
    while (InCorso() && (fine = m_ricevuto.indexOf('\n')) >= 0) {
        const QByteArray riga = m_ricevuto.left(fine).trimmed();
        m_ricevuto.remove(0, fine + 1);
        bool ok = false;
        const int codice = riga.left(3).toInt(&ok);
        const bool numerata = ok && riga.size() >= 3;
        // A multi-line reply runs from "123-" to the line "123 ".
        if (m_multiriga) {
            if (numerata && codice == m_multiriga && (riga.size() == 3 || riga[3] == ' ')) {
                m_multiriga = 0;
                Risposta(codice, riga);
            }
            continue;
        }
        if (!numerata) continue;
        if (riga.size() > 3 && riga[3] == '-') {
            m_multiriga = codice;
            continue;
        }
        Risposta(codice, riga);
    }
}

void ClientFTP::Invia(const QByteArray& comando, Fase fase)
{
    m_fase = fase;
    m_controllo.write(comando + "\r\n");
    m_silenzio.start(TempoRispostaMs);
}

void ClientFTP::Risposta(int codice, const QByteArray& riga)
{
    const auto rifiuto = [&] { Termina(QStringLiteral("Server answered: %1").arg(QString::fromUtf8(riga))); };
    switch (m_fase) {
    case Fase::Saluto:
        if (codice == 220) return Invia("USER " + m_utente, Fase::Utente);
        if (codice / 100 == 1) return;
        return rifiuto();
    case Fase::Utente:
        if (codice == 331) return Invia("PASS " + m_password, Fase::Password);
        if (codice == 230) return Invia("TYPE A", Fase::Tipo);
        return rifiuto();
    case Fase::Password:
        if (codice == 230 || codice == 202) return Invia("TYPE A", Fase::Tipo);
        return rifiuto();
    case Fase::Tipo:
        if (codice == 200) return Invia("EPSV", Fase::Epsv);
        return rifiuto();
    case Fase::Epsv: {
        if (codice != 229) return Invia("PASV", Fase::Pasv);
        static const QRegularExpression kPorta(QStringLiteral("\\(([^0-9])\\1\\1(\\d+)\\1\\)"));
        const QRegularExpressionMatch m = kPorta.match(QString::fromLatin1(riga));
        if (!m.hasMatch()) return rifiuto();
        return ApriDati(quint16(m.captured(2).toUInt()));
    }
    case Fase::Pasv: {
        if (codice != 227) return rifiuto();
        // The address the server names is not used: the data connection goes
        // to the host already connected, as a server behind NAT needs.
        static const QRegularExpression kPorta(QStringLiteral("(\\d+),(\\d+),(\\d+),(\\d+),(\\d+),(\\d+)"));
        const QRegularExpressionMatch m = kPorta.match(QString::fromLatin1(riga));
        if (!m.hasMatch()) return rifiuto();
        return ApriDati(quint16(m.captured(5).toUInt() * 256 + m.captured(6).toUInt()));
    }
    case Fase::Elenco:
        if (codice / 100 == 1) return;
        if (codice != 226 && codice != 250) return rifiuto();
        m_elencoConfermato = true;
        return ControllaFine();
    case Fase::Ferma:
        return;
    }
}

void ClientFTP::ApriDati(quint16 porta)
{
    m_silenzio.start(TempoRispostaMs);
    if (porta == 0 || !ConnettiSocket(m_dati, m_controllo.peerAddress().toString(), porta))
        Termina(QStringLiteral("The data connection could not be opened"));
}

void ClientFTP::FineDati()
{
    if (m_fase != Fase::Elenco || m_datiFiniti) return;
    m_elenco += m_dati.readAll();
    m_datiFiniti = true;
    ControllaFine();
}

void ClientFTP::ControllaFine()
{
    if (m_datiFiniti && m_elencoConfermato) Termina({});
}

void ClientFTP::Termina(const QString& errore)
{
    if (!InCorso()) return;
    m_fase = Fase::Ferma;
    m_limite.stop();
    m_silenzio.stop();
    m_dati.abort();
    if (errore.isEmpty() && m_controllo.state() == QAbstractSocket::ConnectedState) {
        // The session ends politely, without waiting for the reply to QUIT.
        m_controllo.write("QUIT\r\n");
        m_controllo.disconnectFromHost();
    } else {
        m_controllo.abort();
    }
    emit Completato(errore.isEmpty() ? m_elenco : QByteArray(), errore);
}
