#include "registers/EditorTabelle.h"

#include "base/Conversioni.h"
#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/TestoSalvabile.h"
#include "projectfiles/CartellaDialoghi.h"
#include "registers/FileTabella.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <stdexcept>

int EditorTabelle::TabellaCorrente = 0;

namespace {
const QString kFiltro = QStringLiteral(" (*.csv);;(*.*)");

// The whole part of the count field; nothing when it is not a number.
std::optional<int> PuntiCampo(const QString& testo)
{
    const auto v = NumeroCampo(testo);
    if (!v || std::fabs(*v) > 1e9) return std::nullopt;
    return int(std::floor(*v));
}

void MessaggioFile(EsitoFileTabella esito)
{
    switch (esito) {
    case EsitoFileTabella::Ok: break;
    case EsitoFileTabella::NonApribile: Prompt::MsgBox(QStringLiteral("The file cannot be read or written")); break;
    case EsitoFileTabella::Malformato: Prompt::MsgBox(QStringLiteral("The table file is not valid")); break;
    case EsitoFileTabella::ConteggioFuori: Prompt::MsgBox(QStringLiteral("Check N points")); break;
    }
}
} // namespace

VistaPunti PassoScorrimento(int posizione, int punti)
{
    if (posizione + EditorTabelle::RigheVisibili > punti && punti > EditorTabelle::RigheVisibili)
        posizione = punti - EditorTabelle::RigheVisibili;
    const int quante = std::clamp(punti - posizione, 0, EditorTabelle::RigheVisibili);
    return VistaPunti{posizione, posizione, quante};
}

std::optional<double> NumeroCampo(const QString& testo)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = loc.toDouble(testo.trimmed(), &ok);
    // Beyond what the files can write back, the point would not reopen.
    if (!ok || !std::isfinite(v) || std::fabs(v) > MassimoFile) return std::nullopt;
    return v;
}

QString TestoCampo(double valore)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    // Shown as the files would write it, so OK takes back what is shown.
    return loc.toString(EntroFile(valore), 'g', 15);
}

void EditorTabelle::Carica()
{
    Nome.clear();
    Lista = NomiTabelle();
    Selezione = -1;
    m_inserita = -1;
    for (int k = 0; k < NumRighe; ++k) {
        TestoX[size_t(k)] = QStringLiteral("0");
        TestoY[size_t(k)] = QStringLiteral("0");
    }
    Conteggio = QStringLiteral("8");
    CambioConteggio();
    ListaClick(TabellaCorrente);
}

void EditorTabelle::ListaClick(int indice)
{
    if (indice < 0 || indice >= Lista.size() || indice >= NumTabelle) return;
    Selezione = indice;
    m_inserita = -1;
    const Tabella& t = Tabelle[size_t(indice)];
    Nome = t.NomeTabella;
    Conteggio = QString::number(t.NPunti);
    for (int k = 0; k < t.NPunti && k < NumRighe; ++k) {
        TestoX[size_t(k)] = TestoCampo(t.X[size_t(k)]);
        TestoY[size_t(k)] = TestoCampo(t.Y[size_t(k)]);
    }
    CambioConteggio();
}

void EditorTabelle::CambioConteggio()
{
    const auto n = PuntiCampo(Conteggio);
    if (!n) return;   // typing is tolerated
    if (*n < MinPunti || *n > MaxPunti) {
        Prompt::MsgBox(QStringLiteral("N = 2 to 32"));
        return;
    }
    Massimo = *n;
    ScorrimentoAttivo = *n > RigheVisibili;
    Scorri(0);
}

void EditorTabelle::Scorri(int posizione)
{
    const auto n = PuntiCampo(Conteggio);
    Vista = PassoScorrimento(posizione, n && *n >= MinPunti && *n <= MaxPunti ? *n : Massimo);
    Posizione = Vista.posizione;
}

bool EditorTabelle::ControllaTabella()
{
    if (Nome.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("Check Table Name"));
        return false;
    }
    if (!TestoAccettato(QStringLiteral("Table name"), Nome)) return false;
    const auto n = PuntiCampo(Conteggio);
    if (!n || *n < MinPunti || *n > MaxPunti) {
        Prompt::MsgBox(QStringLiteral("Check N points"));
        return false;
    }
    // Every point is read before any is kept, so a refused field leaves the
    // checked table as it was.
    Tabella t = TabellaModifica;
    for (int k = 0; k < *n; ++k) {
        const auto x = NumeroCampo(TestoX[size_t(k)]);
        const auto y = NumeroCampo(TestoY[size_t(k)]);
        if (!x || !y) {
            Prompt::ErroreValori();
            return false;
        }
        t.X[size_t(k)] = *x;
        t.Y[size_t(k)] = *y;
    }
    t.NomeTabella = Nome;
    t.NPunti = uint8_t(*n);
    TabellaModifica = t;
    return true;
}

int EditorTabelle::TabellaDelNome(const QString& nome) const
{
    // The table being edited first: a project from an earlier build may hold
    // two of one name, and the one being edited is the one meant.
    for (int i : {Selezione, m_inserita})
        if (i >= 0 && i < NumTabelle && Tabelle[size_t(i)].NomeTabella == nome) return i;
    for (int i = 0; i < std::min<int>(NumTabelle, MaxTabelle); ++i)
        if (Tabelle[size_t(i)].NomeTabella == nome) return i;
    return -1;
}

bool EditorTabelle::Inserisci()
{
    if (!ControllaTabella()) return false;
    // A block row offers the tables by name: two of one name could not be
    // told apart there, so a name in use replaces its table, and another
    // table only once the user agrees.
    int destinazione = TabellaDelNome(TabellaModifica.NomeTabella);
    if (destinazione >= 0 && destinazione != Selezione && destinazione != m_inserita &&
        Prompt::MsgBox(QStringLiteral("A table named %1 exists. Replace it?").arg(TabellaModifica.NomeTabella),
                       Prompt::SiNo) != Prompt::Si)
        return false;
    if (destinazione < 0) {
        if (NumTabelle >= MaxTabelle) {
            Prompt::MsgBox(QStringLiteral("A project holds at most %1 tables").arg(MaxTabelle));
            return false;
        }
        Lista.append(TabellaModifica.NomeTabella);
        ++NumTabelle;
        destinazione = NumTabelle - 1;
    }
    Tabella& t = Tabelle[size_t(destinazione)];
    t.NomeTabella = TabellaModifica.NomeTabella;
    t.NPunti = TabellaModifica.NPunti;
    for (int k = 0; k < t.NPunti; ++k) {
        t.X[size_t(k)] = TabellaModifica.X[size_t(k)];
        t.Y[size_t(k)] = TabellaModifica.Y[size_t(k)];
    }
    m_inserita = destinazione;
    ProgettoModificato = true;
    return true;
}

bool EditorTabelle::Ok()
{
    try {
        if (!Inserisci()) return false;
        CalcolaTabelle();
        TabellaCorrente = Selezione;
    } catch (const std::exception&) {
        Prompt::MsgBox(QStringLiteral("Error"));
        return false;
    }
    ProgettoModificato = true;
    return true;
}

void EditorTabelle::Annulla()
{
    ProgettoModificato = true;
}

void EditorTabelle::CaricaDaFile()
{
    const QString file = Prompt::FileApri(QString(), kFiltro, CartellaDialoghi());
    if (file.isEmpty()) return;
    RicordaCartella(file);
    Tabella letta = TabellaModifica;
    const EsitoFileTabella esito = LeggiFileTabella(file, letta);
    if (esito != EsitoFileTabella::Ok) {
        MessaggioFile(esito);
        return;
    }
    TabellaModifica = letta;
    Nome = letta.NomeTabella;
    Conteggio = QString::number(letta.NPunti);
    CambioConteggio();
    for (int k = 0; k < letta.NPunti; ++k) {
        TestoX[size_t(k)] = TestoCampo(letta.X[size_t(k)]);
        TestoY[size_t(k)] = TestoCampo(letta.Y[size_t(k)]);
    }
    CambioConteggio();
}

void EditorTabelle::SalvaSuFile()
{
    const QString file = Prompt::FileSalva(QString(), kFiltro, CartellaDialoghi());
    RicordaCartella(file);
    if (!ControllaTabella()) return;
    if (file.isEmpty()) return;
    GuastoScrittura guasto;
    if (ScriviFileTabella(file, TabellaModifica, &guasto) != EsitoFileTabella::Ok)
        Prompt::MsgBox(QStringLiteral("The table was not saved: %1: %2").arg(guasto.file, guasto.motivo));
}
