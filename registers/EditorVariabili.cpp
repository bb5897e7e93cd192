#include "registers/EditorVariabili.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "base/TestoSalvabile.h"
#include "comm/Dispositivo.h"
#include "registers/Variabili.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
const QString kFormatoPredefinito = QStringLiteral("%+5.0f");
constexpr char kGeneri[] = {'f', 'e', 'x'};

const DefModello& Modello()
{
    return Modelli[std::min<size_t>(Controllore.Modello, NumModelli - 1)];
}

// Entries the editor lets the user fill: the model's limit, one below the
// table size so that a removal always has an entry to shift in.
int LimiteVariabili()
{
    return std::clamp<int>(Modello().MaxVariabili, 0, MaxVariabiliUsate);
}

int NumeroStringhe()
{
    return std::clamp<int>(Modello().NumStringhe, 0, int(Stringhe.size()));
}

// A field read as a whole number: none when the text is not a number, and
// `fuori` set when it is one but outside [minimo, massimo].
std::optional<int64_t> Intero(const QString& testo, int64_t minimo, int64_t massimo, bool& fuori)
{
    bool ok = false;
    const double v = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < double(minimo) || r > double(massimo)) {
        fuori = true;
        return std::nullopt;
    }
    return int64_t(r);
}

void ErroreMaschera()
{
    Prompt::MsgBox(QStringLiteral("Check values (Mask)"), Prompt::Critica, QStringLiteral("Error"));
}
} // namespace

QString TestoVoceTipo(int posizione)
{
    const bool offerto = (posizione >= 0 && posizione <= 4) || posizione == 13 || posizione == 14 ||
                         posizione == 16 || posizione == 17;
    return offerto ? TipiDato[size_t(posizione)] : QStringLiteral("---");
}

int DatoVoceTipo(int posizione)
{
    return TestoVoceTipo(posizione) == QLatin1String("---") ? 0 : posizione;
}

QString ComponiFormato(const FormatoUscita& f)
{
    const char genere = f.genere >= 0 && f.genere <= 2 ? kGeneri[f.genere] : 'f';
    return QStringLiteral("%") + (f.segno ? QLatin1Char('+') : QLatin1Char(' ')) + QString::number(f.cifre) +
           QLatin1Char('.') + QString::number(f.decimali) + QLatin1Char(genere);
}

void LeggiFormato(const QString& testo, FormatoUscita& f)
{
    auto car = [&testo](int posizione) { return posizione <= testo.size() ? testo[posizione - 1] : QChar(); };
    for (int g = 0; g < 3; ++g)
        if (car(6) == QLatin1Char(kGeneri[g])) f.genere = g;
    if (car(3) >= QLatin1Char('1') && car(3) <= QLatin1Char('9')) f.cifre = car(3).digitValue();
    if (car(5).isDigit()) f.decimali = car(5).digitValue();
    f.segno = car(2) != QLatin1Char(' ');
}

namespace {
// The list line from a variable's cells: an empty field before the CSV
// header name, and the string types give the format's field to the label.
QString RigaDaCelle(QStringList c, uint8_t tipo)
{
    c.insert(5, QString());
    if (tipo >= 13 && tipo <= 15) c.removeAt(3);
    return c.join(QLatin1Char('\t'));
}
} // namespace

QStringList CelleVariabile(int id)
{
    const Variabile& v = Variabili[size_t(id)];
    const QString nome = v.TipoVar <= 18 ? TipiDato[v.TipoVar] : QStringLiteral("---");
    const QString registro = v.TipoVar <= 15 ? QString::number(v.RegistroVar) : QString();
    const QString formato = v.TipoVar <= 12 ? v.FormatoVar : QString();
    const QString etichetta = v.TipoVar <= 15 ? v.EtichettaVar : QString();
    return {QString::number(id), registro, nome, formato, etichetta, v.NomeCampo};
}

QString RigaVariabile(int id)
{
    return RigaDaCelle(CelleVariabile(id), Variabili[size_t(id)].TipoVar);
}

void CaricaVariabiliSistema()
{
    struct Voce {
        int indice;
        std::optional<int32_t> registro;
        uint8_t tipo;
        bool formato;
        const char* etichetta;
        bool nomeCampo;
    };
    static const Voce kVoci[] = {
        {24, 1024, 0, true, "ddnsSta", false}, {25, 1025, 0, true, "mailSta", false},
        {26, 1220, 13, false, "storDir", false}, {28, std::nullopt, 16, false, "Date", false},
        {29, std::nullopt, 17, false, "Time", false}, {35, 0, 14, false, "Model", true},
        {36, 1, 14, false, "SN", true}, {37, 2, 14, false, "Site", true},
        {38, 3, 14, false, "Country", true},
    };
    for (const Voce& s : kVoci) {
        Variabile& v = Variabili[size_t(s.indice)];
        if (s.registro) v.RegistroVar = *s.registro;
        v.TipoVar = s.tipo;
        if (s.formato) v.FormatoVar = kFormatoPredefinito;
        v.EtichettaVar = QString::fromLatin1(s.etichetta);
        if (s.nomeCampo) v.NomeCampo = v.EtichettaVar;
    }
}

void EditorVariabili::Apri()
{
    Didascalie();
    PosizioneTipo = 0;
    Disposizione();
    CaricaVariabili();
    CaricaStringhe();
    CaricaBlocchi();
}

void EditorVariabili::Didascalie()
{
    Didascalia[0] = Testo(157);
    Didascalia[1] = Testo(158);
    Didascalia[2] = QStringLiteral("Label");
    Didascalia[3] = Testo(160);
    SceltaScheda(Scheda);
}

void EditorVariabili::SceltaScheda(int scheda)
{
    Scheda = std::clamp(scheda, 0, 2);
    PaginaVisibile = {false, false, false};
    const QString& nome = Modello().Nome;
    if (Scheda == PaginaVariabili || nome == NomiModello[4] || nome == NomiModello[7])
        PaginaVisibile[size_t(Scheda)] = true;
}

void EditorVariabili::SceltaTipo(int posizione)
{
    PosizioneTipo = posizione;
    Disposizione();
}

void EditorVariabili::Disposizione()
{
    Vista = VistaCampi{};
    Vista.campo[0] = Vista.didascalia[0] = true;
    Vista.campo[2] = Vista.didascalia[2] = true;
    // A type without an entry (only a loaded file can hold one) shows the
    // label alone, like the types that have no register.
    const int t = PosizioneTipo >= 0 ? DatoVoceTipo(PosizioneTipo) : 18;
    if (t <= 12) {
        Vista.campo[1] = Vista.didascalia[1] = Vista.formato = true;
        Didascalia[1] = QStringLiteral("Input Reg");
    } else if (t == 13 || t == 14) {
        Vista.campo[1] = Vista.didascalia[1] = true;
        Vista.gruppoAlternativo = Vista.swap = Vista.alternativa = true;
        Didascalia[1] = t == 13 ? QStringLiteral("Location Reg (Default)") : QStringLiteral("String ID (Default)");
        Didascalia[3] = t == 13 ? QStringLiteral("Location Reg (Alt)") : QStringLiteral("String ID (Alt)");
        SceltaAlternativa(Campo[5] != QLatin1String("0"));
    }
}

void EditorVariabili::SceltaAlternativa(bool attiva)
{
    Alternativa = attiva;
    if (!Vista.alternativa) return;
    for (int k = 3; k <= 5; ++k) Vista.campo[size_t(k)] = Vista.didascalia[size_t(k)] = attiva;
}

void EditorVariabili::Seleziona(int indice)
{
    if (indice < 0 || indice >= Righe.size()) {
        Selezione = -1;
        return;
    }
    MostraVariabile(indice);
}

void EditorVariabili::MostraVariabile(int i)
{
    Selezione = i;
    const Variabile& v = Variabili[size_t(i)];
    Campo[0] = QString::number(i);
    Campo[1] = QString::number(v.RegistroVar);
    PosizioneTipo = v.TipoVar < VociTipoVariabile ? v.TipoVar : -1;
    if (v.TipoVar <= 12) {
        Campo[3] = v.FormatoVar;
        LeggiFormato(v.FormatoVar, Formato);
    } else if (v.TipoVar <= 15) {
        Campo[3] = QString::number(v.Registro2);
        Campo[4] = QString::number(v.RegTrigger);
        Campo[5] = QString::number(v.Maschera);
        Swap = v.Swap != 0;
    }
    Campo[2] = v.EtichettaVar;
    NomeCampo = v.NomeCampo;
    Disposizione();
}

bool EditorVariabili::Memorizza()
{
    // Every field is checked before anything is written: a refusal leaves
    // the entry exactly as it was.
    bool fuori = false;
    const auto id = Intero(Campo[0], std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), fuori);
    if (!id) return false;
    if (*id < 0 || *id >= NumVariabili) {
        Prompt::ErroreValori();
        return false;
    }
    Variabile& v = Variabili[size_t(*id)];
    const int t = PosizioneTipo >= 0 ? DatoVoceTipo(PosizioneTipo) : v.TipoVar;
    if (t <= 12 || t == 16 || t == 17) Campo[3] = ComponiFormato(Formato);
    // The typed texts (the format is composed, or a number).
    const QString variabile = QStringLiteral(" of variable %1").arg(*id);
    if (!TestoAccettato(QStringLiteral("Label") + variabile, Campo[2]) ||
        !TestoAccettato(QStringLiteral("CSV header") + variabile, NomeCampo))
        return false;

    constexpr int64_t min32 = std::numeric_limits<int32_t>::min(), max32 = std::numeric_limits<int32_t>::max();
    const auto registro = Intero(Campo[1], min32, max32, fuori);
    const auto registro2 = Intero(Campo[3], min32, max32, fuori);
    const auto trigger = Intero(Campo[4], min32, max32, fuori);
    // A register field in sight without a number would keep the old
    // register while the store looks done.
    const bool senzaNumero =
        (Vista.campo[1] && !registro) || (Vista.campo[3] && !registro2) || (Vista.campo[4] && !trigger);
    if (fuori || senzaNumero) {
        Prompt::ErroreValori();
        return false;
    }
    std::optional<int64_t> maschera;
    if (Alternativa) {
        if (Campo[5] == QLatin1String("0")) {
            ErroreMaschera();
            return false;
        }
        maschera = Intero(Campo[5], -32768, 65535, fuori);
        if (fuori) {
            ErroreMaschera();
            return false;
        }
    }

    if (registro) v.RegistroVar = int32_t(*registro);
    v.TipoVar = uint8_t(t);
    v.FormatoVar = Campo[3];
    v.EtichettaVar = Campo[2];
    if (registro2) v.Registro2 = int32_t(*registro2);
    if (trigger) v.RegTrigger = int32_t(*trigger);
    if (!Alternativa)
        v.Maschera = 0;
    else if (maschera)
        v.Maschera = int16_t(uint16_t(*maschera & 0xFFFF));
    v.Swap = Swap ? 1 : 0;
    v.NomeCampo = NomeCampo;

    const int selezione = Selezione;
    CaricaVariabili();
    Selezione = selezione < Righe.size() ? selezione : -1;
    ProgettoModificato = true;
    return true;
}

void EditorVariabili::Aggiungi()
{
    // A full table (every new project starts full) takes no more, and the
    // user is told why.
    if (NumVariabili >= LimiteVariabili()) {
        Prompt::MsgBox(QStringLiteral("A project holds at most %1 variables").arg(LimiteVariabili()));
        return;
    }
    const int n = NumVariabili;
    NumVariabili = uint8_t(n + 1);
    Variabile& v = Variabili[size_t(n)];
    v.FormatoVar = kFormatoPredefinito;
    v.EtichettaVar = QStringLiteral("Var") + QString::number(n);
    v.RegistroVar = v.Registro2 = Modello().PrimoRegistroUtente;
    v.TipoVar = 0;
    v.RegTrigger = 0;
    v.Maschera = 1;
    v.Swap = 0;
    v.NomeCampo = v.EtichettaVar;
    CaricaVariabili();
    Seleziona(n);
    ProgettoModificato = true;
}

void EditorVariabili::Rimuovi()
{
    if (NumVariabili == 0) return;
    const int i = Selezione;
    if (i < 0 || i >= NumVariabili) {
        CaricaVariabili();
        Seleziona(0);
        ProgettoModificato = true;
        return;
    }
    for (int k = i; k < NumVariabili && k + 1 < MaxVariabiliTabella; ++k)
        Variabili[size_t(k)] = Variabili[size_t(k + 1)];
    NumVariabili = uint8_t(NumVariabili - 1);
    CaricaVariabili();
    Seleziona(i - 1);
    ProgettoModificato = true;
}

void EditorVariabili::Su()
{
    const int i = Selezione;
    CaricaVariabili();
    if (i >= 1 && i < NumVariabili) {
        std::swap(Variabili[size_t(i)], Variabili[size_t(i - 1)]);
        CaricaVariabili();
        Seleziona(i - 1);
    }
    ProgettoModificato = true;
}

void EditorVariabili::Giu()
{
    const int i = Selezione;
    if (i >= 0 && i < NumVariabili - 1) {
        std::swap(Variabili[size_t(i)], Variabili[size_t(i + 1)]);
        CaricaVariabili();
        Seleziona(i + 1);
    } else if (i >= 0 && i == NumVariabili - 1) {
        CaricaVariabili();
        Selezione = i;
    }
    ProgettoModificato = true;
}

bool EditorVariabili::PulsantiLista() const
{
    return NumVariabili != 0;
}

void EditorVariabili::CaricaVariabili()
{
    Righe.clear();
    Celle.clear();
    for (int i = 0; i < NumVariabili && i < MaxVariabiliTabella; ++i) {
        Celle << CelleVariabile(i);
        Righe << RigaDaCelle(Celle.last(), Variabili[size_t(i)].TipoVar);
    }
    Selezione = -1;
}

void EditorVariabili::CaricaStringhe()
{
    RigheStringhe.clear();
    for (int i = 0; i < NumeroStringhe(); ++i)
        RigheStringhe << QString::number(i) + QLatin1Char('\t') + Stringhe[size_t(i)].TestoVoce;
    SelezioneStringa = -1;
}

void EditorVariabili::CaricaBlocchi()
{
    RigheBlocchi.clear();
    for (int i = 0; i < MaxBlocchiTesto; ++i) RigheBlocchi << QStringLiteral("*00") + QString::number(i);
    SelezionaBlocco(0);
}

void EditorVariabili::SelezionaStringa(int indice)
{
    SelezioneStringa = indice >= 0 && indice < RigheStringhe.size() ? indice : -1;
    if (SelezioneStringa >= 0) TestoStringa = Stringhe[size_t(indice)].TestoVoce;
}

void EditorVariabili::MemorizzaStringa()
{
    if (SelezioneStringa < 0) return;
    if (!TestoAccettato(QStringLiteral("String %1").arg(SelezioneStringa), TestoStringa)) return;
    Stringhe[size_t(SelezioneStringa)].TestoVoce = TestoStringa;
    CaricaStringhe();
    ProgettoModificato = true;
}

void EditorVariabili::SelezionaBlocco(int indice)
{
    SelezioneBlocco = indice >= 0 && indice < MaxBlocchiTesto ? indice : -1;
    if (SelezioneBlocco >= 0) TestoBlocco = Blocchi[size_t(indice)].TestoVoce;
}

void EditorVariabili::MemorizzaBlocco()
{
    if (SelezioneBlocco < 0) return;
    if (!TestoAccettato(QStringLiteral("Text block *00%1").arg(SelezioneBlocco), TestoBlocco)) return;
    if (!TestoBloccoSalvabile(TestoBlocco)) return Prompt::ErroreValori();
    Blocchi[size_t(SelezioneBlocco)].TestoVoce = TestoBlocco;
    ProgettoModificato = true;
}

void EditorVariabili::VariabiliSistema()
{
    if (Prompt::MsgBox(QStringLiteral("Overwrite system variables?"), Prompt::SiNo) != Prompt::Si) return;
    CaricaVariabiliSistema();
    CaricaVariabili();
    ProgettoModificato = true;
}

void EditorVariabili::Ok()
{
    ProgettoModificato = true;
    SceltaAperta = false;
}
