#include "resources/TabellaStringhe.h"

#include <algorithm>
#include <iterator>

namespace {

struct TestoInterfaccia {
    int k;
    const char* italiano;
    const char* inglese;   // nullptr: the same text in both languages
};

// Interface texts by number. Spelling is kept as the product has always
// shown it (Italian 65 "Regisro", English 36 "Immages" and 208 "Lenght").
const TestoInterfaccia kTesti[] = {
    // Month names
    {7, "Gennaio", "January"},
    {8, "Febbraio", "February"},
    {9, "Marzo", "March"},
    {10, "Aprile", "April"},
    {11, "Maggio", "May"},
    {12, "Giugno", "June"},
    {13, "Luglio", "July"},
    {14, "Agosto", "August"},
    {15, "Settembre", "September"},
    {16, "Ottobre", "October"},
    {17, "Novembre", "November"},
    {18, "Dicembre", "December"},
    // Main menu
    {19, "Progetto", "Project"},
    {20, "Nuovo", "New"},
    {21, "Apri...", "Open..."},
    {22, "Chiudi", "Close"},
    {23, "Salva", "Save"},
    {24, "Salva come...", "Save as..."},
    {25, "Esci", "Exit"},
    {26, "Impostazioni", "Settings"},
    {27, "Controllore", "Controller"},
    {28, "Workspace", nullptr},
    {29, "Visualizza", "View"},
    {30, "Progetto", "Project"},
    {31, "Programma", "Program"},
    {32, "Registri", "Registers"},
    {33, "Log", nullptr},
    {34, "Strumenti", "Tools"},
    {35, "Ricerca", "Search"},
    {36, "Immagini", "Immages"},
    {37, "Configura", "Config"},
    {38, "Variabili", "Variables"},
    {39, "Modbus", nullptr},
    {40, "Display", nullptr},
    {41, "Tabelle", "Tables"},
    {42, "?", nullptr},
    {43, "Informazioni", "About"},
    {171, "Esporta", "Export"},
    // Compiler report
    {44, "Controllo errori", "Error check"},
    {45, "Errore", "Error"},
    {46, "Utilizzo Risorse", "Resource usage"},
    {49, "Compilazione in corso", "Compiling"},
    {50, "Compilato", "Compiled"},
    {51, "Impossibile compilare", "Impossible to compile"},
    {52, "Errore Etichetta", "Label Error"},
    {211, "Il programma deve contenere almeno 1 blocco funzione",
     "The application must contain at least 1 function block"},
    {230, "Blocco non codificabile", "Block cannot be encoded"},
    {231, "Tabella non definita", "Table not defined"},
    {232, "Tabella con troppi punti", "Table has too many points"},
    {233, "Call Page: da 1 a 8 pagine", "Call Page: 1 to 8 pages"},
    // Scheduler tasks that do not fit
    {240, "Logger: troppi campi", "Logger: too many fields"},
    {241, "Cartella: al massimo 12 caratteri", "Directory: at most 12 characters"},
    {242, "SMS: al massimo 8 task", "SMS: at most 8 tasks"},
    {243, "Messaggio SMS troppo lungo", "SMS message too long"},
    {244, "Bit di trigger: da 0 a 15", "Trigger bit: 0 to 15"},
    {245, "Campo non definito", "Field not defined"},
    {246, "Task non codificabile", "Task cannot be encoded"},
    {247, "Lo scheduler contiene al massimo 32 task", "The scheduler holds at most 32 tasks"},
    // Display pages
    {260, "La nuova subroutine occuperebbe il programma di una pagina del display",
     "The new subroutine would take the program of a display page"},
    {261, "La nuova pagina occuperebbe il programma di una subroutine",
     "The new page would take the program of a subroutine"},
    {262, "Una pagina contiene al massimo 32 oggetti", "A page holds at most 32 objects"},
    {263, "Al massimo 9 pagine", "At most 9 pages"},
    {264, "Bit fuori da 0..15", "Bit outside 0..15"},
    {265, "Il programma della pagina è una subroutine", "The page's program is a subroutine"},
    {266, "Valore non valido: %1", "Invalid value: %1"},
    // Rung list
    {53, "Programma", "Program"},
    // Register window and value dialog
    {54, "Tabella Registri", "Registers Table"},
    {55, "Registro", "Register"},
    {56, "Nome", "Name"},
    {57, "Valore", "Value"},
    {58, "Tipo", "Type"},
    {59, "Imposta Registro", "Set Register"},
    // Block dialog
    {60, "Funzioni", "Functions"},
    {61, "Funzioni", "Functions"},
    {62, "Opzioni", "Options"},
    {64, "Indirizzo", "Address"},
    {65, "Regisro", "Register"},
    {66, "Numero", "Number"},
    {67, "Dest", nullptr},
    {68, "Ritardo", "Delay"},
    {69, "Sorgente", "Source"},
    {70, "Dispositivo", "Device"},
    {71, "Risorsa", "Resource"},
    {72, "Da", "From"},
    {73, "A", "To"},
    {74, "Maschera", "Mask"},
    {75, "Funzione", "Function"},
    {76, "Blocco", "Block"},
    {77, "Se Vero Goto", "Goto if True"},
    {78, "Se Falso Goto", "Goto if False"},
    {152, "Latch", nullptr},
    // Table editor
    {80, "Tabelle", "Tables"},
    {81, "Tabella", "Table"},
    {82, "Nome", "Name"},
    {83, "N Punti", "N Points"},
    {84, "Elenco Punti", "Point List"},
    {85, "Lista Tabelle", "Table List"},
    {86, "Carica da File", "Load from File"},
    {87, "Salva su File", "Save to File"},
    // Settings dialog
    {88, "Impostazioni", "Settings"},
    {89, "Controllore", "Controller"},
    {90, "Tipo", "Type"},
    {91, "Nodo ID", "Node ID"},
    {92, "Canale", "Channel"},
    {93, "Ethernet", nullptr},
    {94, "Porta COM", "COM Port"},
    {95, "Indirizzo IP", "IP Address"},
    {96, "Porta", "Port"},
    {97, "Workspace", nullptr},
    {98, "Modalità Debug", "Debug Mode"},
    {99, "Agg. continuo registri", "Automatic reg. update"},
    {100, "Velocità 'Animate'", "'Animate' time"},
    // Device search
    {101, "Ricerca Dispositivi", "Search Devices"},
    {102, "Porta", "Port"},
    {103, "Timeout", nullptr},
    {104, "Indirizzi", "Address"},
    {105, "Da:", "From:"},
    {106, "A:", "To:"},
    {107, "Baud Rate", nullptr},
    {108, "Cerca", "Search"},
    {109, "Termina", "Stop"},
    // Module configuration
    {111, "Configura Dispositivi", "Configure Devices"},
    {112, "Indirizzo", "Address"},
    {113, "Modello", "Type"},
    {114, "Leggi", "Update"},
    {115, "Start", nullptr},
    {116, "Stop", nullptr},
    {117, "Prog", nullptr},
    {119, "Eventi", "Events"},
    {121, "RTCC", nullptr},
    {122, "Display", nullptr},
    {123, "Indirizzo", "Address"},
    {124, "ID Modulo", nullptr},
    {125, "Nome Modulo", nullptr},
    {126, "PowerUp", nullptr},
    {127, "WatchDog", nullptr},
    {128, "Modo", "Mode"},
    {129, "POS", nullptr},
    {130, "NEG", nullptr},
    {131, "Luminosità", "Brightness"},
    {132, "Contrasto", "Contrast"},
    {133, "Slave", nullptr},
    {134, "Master", nullptr},
    {135, "Baud Rate", nullptr},
    {136, "Delay", nullptr},
    {141, "Ab.", "En."},
    {142, "Valore Ingresso", "Input Value"},
    {143, "Break", nullptr},
    {144, "Sync", nullptr},
    {145, "Sincr.", "Sync"},
    {146, "Uscite Analogiche", "Analog Outputs"},
    {147, "Tipo", "Type"},
    {148, "Valore Uscita", "Output Value"},
    {149, "Valore Sicur.", "Safe Value"},
    {150, "Ingressi Digitali", "Digital Inputs"},
    {151, "Uscite Digitali", "Digital Outputs"},
    {153, "Resetta Latch", "Clear Latch"},
    {155, "Sicur.", "Safe"},
    // Variables editor
    {156, "Variabili", "Variables"},
    {157, "ID", nullptr},
    {158, "Reg", nullptr},
    {159, "Tipo", "Type"},
    {160, "Formato", "Format"},
    // Display pages
    {161, "Etichetta", "Label"},
    {164, "Display", nullptr},
    {165, "Pagine", "Pages"},
    {166, "Oggetti", "Objects"},
    {167, "Posizione", "Position"},
    {168, "Negativo", "Reverse"},
    {169, "Bit [0÷15]", nullptr},
    {170, "Immagine", "Picture"},
    {207, "Alternativa", "Alternative"},
    {208, "Lunghezza", "Lenght"},
    {209, "Larghezza", "Width"},
    {210, "Spess. Bordo", "Line Width"},
    // Scheduler
    {177, "Minuti", "Minute"},
    {178, "Secondi", "Second"},
    {179, "Anni", "Years"},
    {180, "Mesi", "Months"},
    {181, "Giorni", "Days"},
    {182, "Ore", "Hours"},
    {183, "Schedulatore", "Scheduler"},
    {184, "Logger", nullptr},
    {185, "Validità", "Lifetime"},
    {188, "GG", "DD"},
    {189, "MM", nullptr},
    {190, "AA", "YY"},
    {191, "hh", nullptr},
    {192, "mm", nullptr},
    {193, "ss", nullptr},
    {194, "File", nullptr},
    {195, "Directory", nullptr},
    {196, "Nuovo File ogni...", "New File each..."},
    {197, "Ora", "Hour"},
    {198, "Giorno", "Day"},
    {199, "Mese", "Month"},
    {200, "Anno", "Year"},
    {201, "Trigger", nullptr},
    {202, "a Tempo", "Time"},
    {203, "su Variazione", "Trigger"},
    {205, "Tipo Evento", "Event Type"},
    {248, "Un Logger registra al massimo 58 campi", "A logger records at most 58 fields"},
    // Save question
    {172, "Salvare i cambiamenti?", "Do you want to save your changes?"},
};

// Brand tables by position; position 0 is never read and has no entry.
constexpr int kPosizioni = 28;
using TabellaMarchio = const char* const[kPosizioni];

const TabellaMarchio kMarchio600 = {
    nullptr, "Mirok",
    "QVR4555", "QVR4555-IO", "QVR4555-DL", "QVR4555-DL-IO", "QVR4566", "QVR4566-DL", "QVR4005",
    "QVR8566", "QVR8569", "QVR8560", "QVR8561", "QVR8562", "QVR8563", "QVR8577", "QVR8579",
    "QVR8573", "QVR8685", "QVR8695", "QVR8693", "QVR8633", "QVR8035-MBTCP", "QVR0573",
    "QVR8564", "QVR8563-P", "QVR4555-USB", "QVR4566-USB"};

const TabellaMarchio kMarchio650 = {
    nullptr, "Brixa",
    "ZM-RS485-ETH", "ZM-RS485-ETH IO", "ZM-RS485-ETH DL", "---", "ZM-E4566", "ZM-E4566-DL", "ZM-E4005",
    "ZM-E8566", "ZM-E8569", "ZM-E8560", "ZM-E8561", "ZM-E8562", "ZM-E8563", "ZM-E8577", "ZM-E8579",
    "ZM-E8573", "ZM-E8685", "ZM-E8695", "ZM-E8693", "ZM-E8633", "ZM-E8035-MBTCP", "ZM-E0573",
    "QVR8564", "QVR8563-P", "ZM-RS485-ETH DL/IO", "ZM-E4566-USB"};

const TabellaMarchio kMarchio700 = {
    nullptr, "PRWCON3",
    "PRW3", "PRW3 (IO)", "PRW3 (DL)", "PRW3 (DL-IO)", "---", "---", "---",
    "---", "---", "---", "---", "---", "---", "---", "---",
    "---", "---", "---", "---", "---", "---", "---",
    "---", "---", "PRW3 (USB)", "---"};

// Catalogue block names, 1200 + i. 17 and 36 are the same text.
const char* const kNomiFunzione[63] = {
    "Read Input", "Write", "Read Device", "Scale", "Add", "Sub", "A>B", "Move", "SQRT", "Write Device",
    "Compare", "Goto", " ", "If(bit) -> Goto", "Call", "Return", "Timer", "Bit Set", "Mult", "Div",
    "Trip", "AND(word)", "OR(word)", "XOR(word)", "NOT", "Shift R", "Shift L", "Rotate R", "Rotate L",
    "Average", "Linearization", "Read/Write", "ABS", "AND(bit)", "OR(bit)", "XOR(bit)", "Bit Set",
    "Bit Reset", "e^(x)", "x^y", "Read Holding", "Log Write", "If(bit) -> Call", "Call Page",
    "Display Refresh", "Clear WatchDog", "Block Move", "A = B", "A <> B", "A > B", "A < B", "A >= B",
    "A <= B", "Limit (Int)", "Limit (Ext)", "PID", "POS", "NEG", "TOGGLE up", "TOGGLE down",
    "Read Coils", "Write Coils", "Write Coil"};

void AggiungiMarchio(QHash<int, QString>& t, int offset, const TabellaMarchio& voci)
{
    for (int p = 1; p < kPosizioni; ++p) t.insert(BaseMarchio + offset + p, QString::fromUtf8(voci[p]));
}

QHash<int, QString> Costruisci()
{
    QHash<int, QString> t;
    for (const TestoInterfaccia& v : kTesti) {
        t.insert(BaseItaliano + v.k, QString::fromUtf8(v.italiano));
        t.insert(BaseInglese + v.k, QString::fromUtf8(v.inglese ? v.inglese : v.italiano));
    }
    AggiungiMarchio(t, 0, kMarchio600);
    AggiungiMarchio(t, 50, kMarchio650);
    AggiungiMarchio(t, 100, kMarchio700);
    // The fourth brand is the main brand's table again, product name included.
    AggiungiMarchio(t, 150, kMarchio600);

    t.insert(IdEtichettaLingua, QStringLiteral("Lingua"));
    t.insert(IdEtichettaLingua + 1, QStringLiteral("Language"));
    t.insert(IdNomiLingua, QStringLiteral("Italiano"));
    t.insert(IdNomiLingua + 1, QStringLiteral("English"));

    for (int i = 0; i < int(std::size(kNomiFunzione)); ++i)
        t.insert(BaseNomiFunzione + i, QString::fromLatin1(kNomiFunzione[i]));

    t.insert(IdVersione, QStringLiteral("1.8"));
    return t;
}

} // namespace

QHash<int, QString>& TabellaStringhe()
{
    static QHash<int, QString> tabella = Costruisci();
    return tabella;
}

const QList<int>& NumeriTestiInterfaccia()
{
    static const QList<int> numeri = [] {
        QList<int> n;
        for (const TestoInterfaccia& v : kTesti) n.append(v.k);
        std::sort(n.begin(), n.end());
        return n;
    }();
    return numeri;
}
