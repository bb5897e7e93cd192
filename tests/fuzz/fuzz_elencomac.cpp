// The MAC list file on any bytes, loaded from disk by the MAC tool. A list
// that loads is saved by the tool and loads back equal, and its bytes are
// then what the list writes; a refused file leaves the tool's list and file
// name as they were and says which line it could not read.
#include "Cartella.h"

#include "base/Prompt.h"
#include "production/mac/RegistroMAC.h"

#include <QFile>

namespace {
using Fuzz::Fallisce;

QString Percorso(const char* nome)
{
    return Fuzz::Cartella() + QLatin1Char('/') + QLatin1String(nome);
}

void Scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(byte) != byte.size())
        Fallisce("cannot write", percorso);
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) Fallisce("cannot read", percorso);
    return f.readAll();
}

// The tool with a list of its own, saved under another name.
void Prepara(RegistroMAC& r)
{
    r.ElencoMAC = {VoceMAC{QStringLiteral("00-04-A3-12-34-56"), 7, QStringLiteral("123"), QStringLiteral("09"),
                           QStringLiteral("kept")}};
    r.NomeFileElenco = Percorso("kept.txt");
    r.ElencoModificato = false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray testo(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString file = Percorso("list.txt");
    Scrivi(file, testo);

    RegistroMAC r;
    Prepara(r);
    const QList<VoceMAC> prima = r.ElencoMAC;
    r.NomeFileElenco = file;
    int rigaErrata = 0;
    const auto voci = LeggiFileElenco(testo, &rigaErrata);
    Prompt::RegistraStorico(false);
    Prompt::RegistraStorico(true);
    if (r.CaricaFile() != voci.has_value()) Fallisce("the tool and the list reader disagree");
    if (!voci) {
        if (r.ElencoMAC != prima) Fallisce("a refused file changed the list");
        if (rigaErrata < 1 || Prompt::Storico().isEmpty()
            || !Prompt::Storico().last().testo.startsWith(QStringLiteral("Riga %1 ").arg(rigaErrata)))
            Fallisce("the refusal does not name its line");
        return 0;
    }
    if (r.ElencoMAC != *voci) Fallisce("the tool holds other than the file's entries");

    const QString salvato = Percorso("saved.txt");
    r.NomeFileElenco = salvato;
    if (!r.SalvaFile()) Fallisce("the list was not saved");
    const QByteArray scritto = Leggi(salvato);
    if (scritto != TestoFileElenco(*voci)) Fallisce("the tool saved other than the list's bytes");
    RegistroMAC ancora;
    ancora.NomeFileElenco = salvato;
    if (!ancora.CaricaFile()) Fallisce("a saved list does not load:", QString::fromLatin1(scritto));
    if (ancora.ElencoMAC != *voci) Fallisce("a saved list loads differently:", QString::fromLatin1(scritto));
    return 0;
}
