#include "shell/Impostazioni.h"

#include "base/Conversioni.h"
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/ScritturaFile.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"
#include "shell/Cartelle.h"

#include <QDir>
#include <algorithm>

namespace {
const QString kSeparatore = QStringLiteral("-------------");

// Numbers go into the file the way existing settings files hold them:
// a blank where a plus sign would be, and one blank after.
QByteArray Numero(long long v)
{
    QByteArray s = QByteArray::number(v);
    if (v >= 0) s.prepend(' ');
    return s + ' ';
}

QByteArray Testo8(const QString& t)
{
    QByteArray out;
    out.reserve(t.size());
    for (QChar c : t) out.append(char(ByteCarattere(c)));
    return out;
}
} // namespace

QList<VoceModello> ElencoModelliImpostazioni()
{
    auto voce = [](int k, int record) { return VoceModello{NomiModello[size_t(k)], record}; };
    QList<VoceModello> out;
    if (Marchio700) {
        out << voce(3, 4);
        return out;
    }
    out << voce(0, 0) << voce(1, 1) << voce(2, 2);
    if (!Marchio650) out << voce(3, 3);
    out << voce(4, 5) << voce(5, 6) << voce(6, 7) << voce(7, 17) << voce(8, 9);
    if (Marchio650 || ModoProduzione) {
        out << VoceModello{kSeparatore, -1} << voce(9, 13) << voce(25, 11) << VoceModello{kSeparatore, -1};
    }
    out << voce(24, 12);
    return out;
}

std::optional<int> LeggiIntero(const QString& testo, int minimo, int massimo)
{
    bool ok = false;
    const qlonglong v = testo.trimmed().toLongLong(&ok);
    if (!ok || v < minimo || v > massimo) return std::nullopt;
    return int(v);
}

bool IndirizzoIPValido(const QString& testo)
{
    const QString t = testo.trimmed();
    const bool soloCifre = std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
    return t.isEmpty() || !soloCifre || IndirizzoDecimale(t).has_value();
}

bool CampiValidi(const CampiImpostazioni& c)
{
    if (!LeggiIntero(c.nodo, 0, 255)) return false;
    if (c.ethernet) {
        return IndirizzoIPValido(c.ip) && LeggiIntero(c.porta, 1, 65535) && LeggiIntero(c.timeoutTCP, 1, 32767);
    }
    return c.com >= 1 && c.com <= 32 && !c.baud.isEmpty();
}

void ApplicaImpostazioni(const CampiImpostazioni& c)
{
    if (c.ethernet) {
        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.IndirizzoIP = c.ip;
        // The 16-bit field holds the TCP port as its unsigned bit pattern.
        Controllore.Porta = int16_t(uint16_t(*LeggiIntero(c.porta, 1, 65535)));
        const int16_t timeout = int16_t(*LeggiIntero(c.timeoutTCP, 1, 32767));
        // The serial reply time-out follows the field only when it was
        // changed.
        if (timeout != Controllore.TimeoutTCP) {
            Controllore.TimeoutTCP = timeout;
            ComTimeout = SecondiComTimeout(timeout);
        }
    } else {
        Controllore.TipoConnessione = CollegamentoSeriale;
        Controllore.Porta = int16_t(c.com);
        Controllore.BaudRate = c.baud;
        Controllore.DueStop = c.dueStop;
        Controllore.Modem = c.modem;
    }
    Controllore.Nodo = uint8_t(*LeggiIntero(c.nodo, 0, 255));
    if (c.secondiCambiati) TempoAggiornamento = int16_t(c.secondi * 1000);
    AggiornamentoAuto = c.aggiornamentoAuto;
}

QByteArray TestoImpostazioni()
{
    const QByteArray fine("\r\n");
    QByteArray out;
    out += Numero(Lingua) + fine;
    out += Testo8(Controllore.Modello < NumModelli ? Modelli[Controllore.Modello].Codice : QString()) + fine;
    out += Numero(Controllore.TipoConnessione) + fine;
    out += Numero(Controllore.Nodo) + fine;
    out += Testo8(Controllore.IndirizzoIP) + fine;
    out += Numero(Controllore.TipoConnessione == 0 ? uint16_t(Controllore.Porta) : Controllore.Porta) + fine;
    out += Numero(Controllore.TimeoutTCP) + fine;
    out += Testo8(Controllore.BaudRate) + fine;
    out += Numero(Controllore.DueStop ? 1 : 0) + fine;
    out += Numero(Controllore.Modem ? 1 : 0) + fine;
    return out;
}

std::optional<GuastoScrittura> ScriviFileImpostazioni()
{
    const QString nome = QString::fromLatin1(NomeFileImpostazioni);
    const QString cartella = GetSpecialFolder(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE);
    if (cartella.isEmpty()) return GuastoScrittura{nome, QStringLiteral("the application-data folder is missing")};
    // Later relative file names of the program (the terminal's test log)
    // resolve in this folder; the file itself goes there by its full path,
    // whether or not the folder could be made the current one.
    QDir::setCurrent(cartella);
    // Written aside, so a full disk keeps the settings saved before.
    return ScritturaFile::Scrivi(QDir(cartella).filePath(nome), TestoImpostazioni());
}
