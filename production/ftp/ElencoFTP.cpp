#include "production/ftp/ElencoFTP.h"

#include "base/Prompt.h"
#include "comm/EventiCollegamento.h"
#include "comm/PuntiRete.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {
constexpr int kIconaVoce = 1;
}

QStringList RigheElenco(const QByteArray& dati)
{
    QStringList righe;
    qsizetype da = 0;
    for (qsizetype fine; (fine = dati.indexOf("\r\n", da)) >= 0; da = fine + 2)
        if (fine > da) righe << QString::fromUtf8(dati.mid(da, fine - da));
    return righe;
}

ElencoFTP::ElencoFTP(VistaFTP& vista) : m_vista(vista)
{
    connect(&m_inet, &ClientFTP::Completato, this, &ElencoFTP::RispostaCompletata);
}

void ElencoFTP::Command1_Click()
{
    if (m_inet.InCorso()) return;
    const QString host = PuntiRete::Valore(QStringLiteral("ftp/host"));
    if (host.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("No FTP server set (ftp/host in %1)").arg(PuntiRete::PercorsoFile()), Prompt::Avviso);
        return;
    }
    Operazione = QStringLiteral("DIR");
    const QString rifiuto = m_inet.Elenca(host, PuntiRete::Intero(QStringLiteral("ftp/porta")),
                                          PuntiRete::Valore(QStringLiteral("ftp/utente")),
                                          PuntiRete::Valore(QStringLiteral("ftp/password")));
    m_vista.SvuotaElenco();
    m_vista.AggiungiVoce(QStringLiteral("Directory/"), -1);
    m_vista.AggiungiVoce(QStringLiteral("../"), kIconaVoce);
    if (!rifiuto.isEmpty()) RispostaCompletata({}, rifiuto);
}

void ElencoFTP::RispostaCompletata(const QByteArray& dati, const QString& errore)
{
    if (Operazione != QLatin1String("DIR")) return;
    Operazione.clear();
    // A failed listing must not pass for an empty directory.
    if (!errore.isEmpty()) {
        Eventi().Evento(QStringLiteral("FTP listing failed: ") + errore);
        return;
    }
    for (const QString& riga : RigheElenco(dati)) m_vista.AggiungiVoce(riga, kIconaVoce);
}

void ElencoFTP::Command2_Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("export.txt"))));
}
