#include "production/ftp/ClientFTP.h"

#include "comm/Rete.h"

#include <QHostAddress>
#include <curl/curl.h>
#include <sys/socket.h>

namespace {
size_t Scarta(char*, size_t, size_t n, void*)
{
    return n;
}

// A listing is always an ASCII transfer, and in one libcurl turns every CR
// LF (and a lone CR) into LF before the write callback sees it. The line
// rules need the bytes as the server sent them: those are the data of the
// debug stream, which comes before the conversion.
int Ricevi(CURL*, curl_infotype tipo, char* dati, size_t n, void* destinazione)
{
    if (tipo == CURLINFO_DATA_IN) static_cast<QByteArray*>(destinazione)->append(dati, qsizetype(n));
    return 0;
}

// libcurl asks here for every socket; a refused address never gets one.
curl_socket_t ApriSocket(void* rifiutato, curlsocktype, curl_sockaddr* a)
{
    if (!IndirizzoConsentito(QHostAddress(reinterpret_cast<const sockaddr*>(&a->addr)))) {
        *static_cast<bool*>(rifiutato) = true;
        return CURL_SOCKET_BAD;
    }
    return ::socket(a->family, a->socktype, a->protocol);
}
}  // namespace

ClientFTP::ClientFTP()
{
    static const bool iniziato = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(iniziato);
    m_passo.setInterval(10);
    connect(&m_passo, &QTimer::timeout, this, &ClientFTP::Passo);
}

ClientFTP::~ClientFTP()
{
    Chiudi();
    if (m_multi) curl_multi_cleanup(m_multi);
}

QString ClientFTP::Elenca(const QString& host, int porta, const QString& utente, const QString& password)
{
    if (InCorso()) return QStringLiteral("a listing is running");
    // A name is not resolved under the guard; the socket check covers what
    // a resolved name turns into.
    if (!IndirizzoConsentito(host)) return QStringLiteral("Address refused (loopback only) [%1]").arg(host);
    if (!m_multi) m_multi = curl_multi_init();
    m_easy = curl_easy_init();
    if (!m_multi || !m_easy) {
        Chiudi();
        return QStringLiteral("libcurl could not start");
    }
    m_dati.clear();
    m_erroreCurl = QByteArray(CURL_ERROR_SIZE, '\0');
    m_rifiutato = false;
    const QString nome = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    const QByteArray url = QStringLiteral("ftp://%1:%2/").arg(nome).arg(porta).toUtf8();
    curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(m_easy, CURLOPT_USERNAME, utente.toUtf8().constData());
    curl_easy_setopt(m_easy, CURLOPT_PASSWORD, password.toUtf8().constData());
    curl_easy_setopt(m_easy, CURLOPT_PROXY, "");   // no proxy from the environment
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, long(TempoMassimoMs));
    // Each click logs in afresh, and the session ends with the listing: the
    // closing QUIT is awaited inside libcurl, so its wait is kept short.
    curl_easy_setopt(m_easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, 10L);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, Scarta);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGFUNCTION, Ricevi);
    curl_easy_setopt(m_easy, CURLOPT_DEBUGDATA, &m_dati);
    curl_easy_setopt(m_easy, CURLOPT_VERBOSE, 1L);   // the debug stream runs only while verbose
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_erroreCurl.data());
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETFUNCTION, ApriSocket);
    curl_easy_setopt(m_easy, CURLOPT_OPENSOCKETDATA, &m_rifiutato);
    curl_multi_add_handle(m_multi, m_easy);
    m_passo.start();
    return {};
}

void ClientFTP::Passo()
{
    int attivi = 0;
    curl_multi_perform(m_multi, &attivi);
    int restanti = 0;
    while (CURLMsg* m = curl_multi_info_read(m_multi, &restanti)) {
        if (m->msg != CURLMSG_DONE) continue;
        const CURLcode esito = m->data.result;
        QString errore;
        if (m_rifiutato)
            errore = QStringLiteral("Address refused (loopback only)");
        else if (esito != CURLE_OK)
            errore = m_erroreCurl.front() ? QString::fromUtf8(m_erroreCurl.constData()) : QString::fromUtf8(curl_easy_strerror(esito));
        const QByteArray dati = m_dati;
        Chiudi();
        emit Completato(dati, errore);
        return;
    }
}

void ClientFTP::Chiudi()
{
    m_passo.stop();
    if (m_easy) {
        if (m_multi) curl_multi_remove_handle(m_multi, m_easy);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
}
