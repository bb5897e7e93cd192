#include "production/mac/RegistroMAC.h"

#include "base/Prompt.h"
#include "base/ScritturaFile.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Richiesta.h"
#include "projectfiles/CartellaDialoghi.h"

#include <QFile>
#include <algorithm>

namespace {
const QString kFiltroElenco = QStringLiteral(" (*.csv);;(*.*)");
const QString kFiltroReport = QStringLiteral(" (*.txt);;(*.*)");

void ErroreFile(const QString& percorso, const QString& motivo = QString())
{
    Prompt::MsgBox(QStringLiteral("Errore nel file ") + percorso + (motivo.isEmpty() ? QString() : QStringLiteral(": ") + motivo),
                   Prompt::Critica);
}

// The tool's file dialogs start where the project's do, never in the
// process's current folder, which the settings save moves.
QString ChiediFile(Prompt::Tipo dialogo, const QString& filtro)
{
    const QString partenza = CartellaDialoghi();
    const QString scelto = dialogo == Prompt::Tipo::FileSalva ? Prompt::FileSalva(QString(), filtro, partenza)
                                                              : Prompt::FileApri(QString(), filtro, partenza);
    RicordaCartella(scelto);
    return scelto;
}

// The old file stays when the new one cannot be written whole.
bool Scrivi(const QString& percorso, const QByteArray& testo)
{
    const auto guasto = ScritturaFile::Scrivi(percorso, testo);
    if (guasto) ErroreFile(percorso, guasto->motivo);
    return !guasto;
}
} // namespace

QStringList RegistroMAC::RigheElenco() const
{
    QStringList out;
    for (const VoceMAC& v : ElencoMAC) out << RigaElenco(v);
    return out;
}

int32_t RegistroMAC::ProssimoNumero() const
{
    int32_t massimo = 0;
    for (const VoceMAC& v : ElencoMAC) massimo = std::max(massimo, v.Numero);
    return massimo + 1;
}

bool RegistroMAC::CampiValidi(const CampiMAC& campi) const
{
    if (CampiAmmessi(campi.pfc, campi.anno, campi.cliente)) return true;
    Prompt::MsgBox(QStringLiteral("PFC, Anno e Cliente non possono contenere TAB o a capo, l'Anno nemmeno \"/\""),
                   Prompt::Critica);
    return false;
}

bool RegistroMAC::LeggiMAC(const CampiMAC& campi)
{
    if (!CampiValidi(campi)) return false;
    // Unit 1 always: the tool reads the controller on the bench, whatever
    // node the connection is set to.
    ComponiRichiesta({UnitaMAC, 4, Alto(RegistroMAC_), Basso(RegistroMAC_), 0, 3});
    EcoTerminale = false;
    if (Comunica(true) != ComOk || LunghezzaRisposta() < 9) {
        Prompt::MsgBox(QStringLiteral("Errore Lettura"), Prompt::Critica);
        return false;
    }
    UltimoMAC = TestoMAC(buff_rx.data() + 3);
    if (UltimoMAC == MACNonProgrammato) {
        Prompt::MsgBox(QStringLiteral("MAC non valido"), Prompt::Critica);
        return false;
    }
    bool presente = false;
    for (const VoceMAC& v : ElencoMAC) {
        if (v.TestoMAC != UltimoMAC) continue;
        Prompt::MsgBox(QStringLiteral("MAC già inserito"), Prompt::Avviso);
        presente = true;
    }
    if (presente) return false;
    if (ElencoMAC.size() >= MaxVoci) {
        Prompt::MsgBox(QStringLiteral("Elenco pieno: %1 MAC").arg(MaxVoci), Prompt::Critica);
        return false;
    }
    ElencoMAC.append(VoceMAC{UltimoMAC, ProssimoNumero(), campi.pfc, campi.anno, campi.cliente});
    ElencoModificato = true;
    return true;
}

bool RegistroMAC::Assegna(int indice, const CampiMAC& campi)
{
    if (indice < 0 || indice >= ElencoMAC.size()) {
        Prompt::MsgBox(QStringLiteral("Selezionare un MAC"), Prompt::Info);
        return false;
    }
    if (!CampiValidi(campi)) return false;
    VoceMAC& v = ElencoMAC[indice];
    if (!v.PFC.isEmpty() && Prompt::MsgBox(QStringLiteral("MAC già in uso. Continuare?"), Prompt::SiNo) != Prompt::Si)
        return false;
    v.PFC = campi.pfc;
    v.Anno = campi.anno;
    v.Cliente = campi.cliente;
    ElencoModificato = true;
    return true;
}

bool RegistroMAC::OffriSalvataggio()
{
    if (!ElencoModificato) return true;
    switch (Prompt::MsgBox(QStringLiteral("L'elenco è stato modificato. Salvare il file?"), Prompt::SiNoAnnulla)) {
    case Prompt::Si: return SalvaFile();
    case Prompt::No: return true;
    default: return false;
    }
}

bool RegistroMAC::CaricaFile()
{
    if (!OffriSalvataggio()) return false;
    QString percorso = NomeFileElenco;
    if (percorso.isEmpty()) percorso = ChiediFile(Prompt::Tipo::FileApri, kFiltroElenco);
    if (percorso.isEmpty()) return false;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        ErroreFile(percorso);
        return false;
    }
    int rigaErrata = 0;
    const auto voci = LeggiFileElenco(f.readAll(), &rigaErrata);
    if (!voci) {
        // Half a list, saved later over the file, would lose the rest of it.
        Prompt::MsgBox(QStringLiteral("Riga %1 non leggibile: file non caricato\n").arg(rigaErrata) + percorso,
                       Prompt::Critica);
        return false;
    }
    NomeFileElenco = percorso;
    ElencoMAC = *voci;
    return true;
}

bool RegistroMAC::SalvaFile()
{
    if (NomeFileElenco.isEmpty()) NomeFileElenco = ChiediFile(Prompt::Tipo::FileSalva, kFiltroElenco);
    if (NomeFileElenco.isEmpty()) return false;
    if (!Scrivi(NomeFileElenco, TestoFileElenco(ElencoMAC))) return false;
    ElencoModificato = false;
    return true;
}

bool RegistroMAC::CreaReport(SceltaReport scelta, const CampiMAC& campi)
{
    const QString percorso = ChiediFile(Prompt::Tipo::FileSalva, kFiltroReport);
    if (percorso.isEmpty()) return false;
    return Scrivi(percorso, TestoReport(ElencoMAC, scelta, campi.pfc, campi.anno, campi.cliente,
                                        QDateTime::currentDateTime()));
}

bool RegistroMAC::PuoChiudere()
{
    return OffriSalvataggio();
}
