#include "projectfiles/SalvaProgetto.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "comm/Dispositivo.h"
#include "program/StatoProgramma.h"
#include "projectfiles/CartellaDialoghi.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <vector>

namespace {
const QString kSuffisso = QStringLiteral(".prj");
}

QString BaseProgetto(const QString& scelto)
{
    return scelto.endsWith(kSuffisso, Qt::CaseInsensitive) ? scelto.chopped(kSuffisso.size()) : scelto;
}

std::optional<GuastoScrittura> ScriviFileSet(const QString& base, const ByteSet& byte)
{
    // Every file goes to a temporary beside it first; the old set is
    // replaced only once all ten were written.
    std::vector<std::unique_ptr<ScritturaFile>> file;
    for (int f = 0; f < NumFileSet; ++f) {
        auto s = std::make_unique<ScritturaFile>(base + Estensione(FileSet(f)));
        if (auto guasto = s->Prepara(byte[size_t(f)])) return guasto;
        file.push_back(std::move(s));
    }
    for (auto& s : file)
        if (auto guasto = s->Conferma()) return guasto;
    return std::nullopt;
}

namespace {
// The set written, or why not. A text with a character its file has no byte
// for would come back changed, and a text block the .blk cannot hold would
// cut itself short on reopening: nothing is written, and the text is named.
std::optional<GuastoScrittura> ScriviProgetto(const QString& base, const ProgettoSalvato& p, const DefModello& m)
{
    if (const auto t = TestoNonSalvabile(p, m))
        return GuastoScrittura{QFileInfo(base + Estensione(t->file)).fileName(), t->messaggio};
    if (const int b = BloccoNonSalvabile(p, m); b >= 0)
        return GuastoScrittura{QFileInfo(base + Estensione(FileSet::Blk)).fileName(),
                               QStringLiteral("text block *%1 holds a line \"<TEXT>\" or \"</TEXT>\", which the "
                                              "file cannot keep")
                                   .arg(b, 3, 10, QLatin1Char('0'))};
    return ScriviFileSet(base, ScriviSet(p, m));
}
} // namespace

QString FilePresenteDelSet(const QString& base)
{
    for (int f = 0; f < NumFileSet; ++f)
        if (const QString nome = base + Estensione(FileSet(f)); QFileInfo::exists(nome)) return nome;
    return {};
}

namespace {
// The base of a name the user chose; empty when the dialog was cancelled.
// The dialog only knows the name as typed: "victim" for victim.prj and its
// nine companions would pass unasked, so the whole set is looked at here.
QString ChiediBase()
{
    for (;;) {
        const QString scelto = Prompt::FileSalva(QStringLiteral("Save Project"), FiltroProgetto, CartellaDialoghi(),
                                                 Prompt::Sostituzione::ChiedeChiamante);
        if (scelto.isEmpty()) return {};
        RicordaCartella(scelto);
        const QString base = BaseProgetto(scelto);
        // The question names a file that is there: a set may have lost its
        // .prj and kept companions that the save would replace.
        const QString presente = FilePresenteDelSet(base);
        if (presente.isEmpty()) return base;
        const QString domanda = QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(presente);
        if (Prompt::MsgBox(domanda, int(Prompt::SiNo) | int(Prompt::Avviso), QStringLiteral("Save Project")) == Prompt::Si)
            return base;
    }
}
} // namespace

EsitoSalvataggio SalvaProgetto(bool saveAs)
{
    QString base = NomeFile.isEmpty() ? QString() : BaseProgetto(NomeFile);
    if (base.isEmpty() || saveAs) {
        base = ChiediBase();
        if (base.isEmpty()) return EsitoSalvataggio::Annullato;
    }
    if (NumSub > 0)
        Prompt::MsgBox(QStringLiteral("The project files hold the main program only: the subroutines are not saved"));
    const DefModello& m = Modelli[size_t(std::clamp<int>(Controllore.Modello, 0, NumModelli - 1))];
    if (const auto guasto = ScriviProgetto(base, ProgettoInMemoria(), m)) {
        Prompt::MsgBox(QStringLiteral("The project was not saved: %1: %2").arg(guasto->file, guasto->motivo));
        return EsitoSalvataggio::Fallito;
    }
    NomeProgetto = base;
    NomeFile = base + kSuffisso;
    ProgettoModificato = false;
    return EsitoSalvataggio::Salvato;
}
