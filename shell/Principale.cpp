#include "shell/Principale.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "shell/ComandiBarra.h"
#include "shell/ComandiComuni.h"
#include "shell/Finestre.h"
#include "shell/frm_Download.h"
#include "transfer/SequenzaDownload.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

namespace {
QPointer<Principale>& Unica()
{
    static QPointer<Principale> p;
    return p;
}

struct VocePulsante {
    const char* chiave;
    const char* immagine;
    const char* suggerimento;
    bool attivo;
};

// nullptr key = separator.
const VocePulsante kPulsanti[36] = {
    {"proj_new", "file_new", "New Project", true},
    {"proj_open", "file_open", "Open Project", true},
    {"proj_save", "file_save", "Save Project", true},
    {nullptr, nullptr, nullptr, true},
    {"connect", "connect", "Connect Controller", true},
    {"disconnect", "disconnect", "Disconnect Controller", true},
    {nullptr, nullptr, nullptr, true},
    {"download", "download", "Download", false},
    {"upload", "upload", "Upload", false},
    {nullptr, nullptr, nullptr, true},
    {"debug", "debug", "Set Debug Mode", false},
    {"release", "release", "Set Release Mode", false},
    {nullptr, nullptr, nullptr, true},
    {"run", "prog_run", "Run", false},
    {"runBr", "prog_runBr", "Run to Break", false},
    {"pause", "prog_halt", "Halt/Step", false},
    {"step", "prog_step", "Animate", false},
    {"stop", "prog_stop", "Stop", false},
    {nullptr, nullptr, nullptr, true},
    {"rung_add_before", "rung_new_before", "Insert Before", false},
    {"rung_add_after", "rung_new_after", "Insert After", false},
    {"rung_move_up", "rung_move_up", "Move Up", false},
    {"rung_move_down", "rung_move_down", "Move Down", false},
    {"rung_copy", "rung_copy", "Copy", false},
    {"rung_paste", "rung_paste", "Paste", false},
    {"rung_mod", "rung_modifica", "Modify", false},
    {"rung_del", "rung_delete", "Delete", false},
    {"rung_redo", "rung_redo", "Redo", false},
    {"new_sub", "new_sub", "New Subroutine", false},
    {"rung_break", "rung_break", "Toggle Break", false},
    {nullptr, nullptr, nullptr, true},
    {"proj_comp", "proj_comp", "Compile Project", true},
    {"view_log", "view_log", "View Log", true},
    {nullptr, nullptr, nullptr, true},
    {"view_reg", "view_reg", "View Registers", true},
    {"view_http", "http", "View Web Pages", true},
};

struct Gruppo {
    const char* nome;
    QList<const char*> membri;
};

const QList<Gruppo>& Gruppi()
{
    static const QList<Gruppo> g = {
        {"Puls_Project", {"proj_new", "proj_open", "proj_save"}},
        {"Puls_DebugRelease", {"debug", "release"}},
        {"Puls_Download", {"download"}},
        {"Puls_Debug", {"run", "runBr", "pause", "step", "stop"}},
        {"Puls_FunctionBlock",
         {"rung_add_before", "rung_add_after", "rung_move_up", "rung_move_down", "rung_copy", "rung_mod",
          "rung_del", "rung_break", "proj_comp"}},
        {"Puls_Compila", {"proj_comp"}},
    };
    return g;
}
} // namespace

Principale* Principale::Istanza()
{
    if (!Unica()) Unica() = new Principale();
    return Unica();
}

bool Principale::Esiste()
{
    return !Unica().isNull();
}

Principale::Principale()
{
    setObjectName(QStringLiteral("Principale"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("Area"));
    setCentralWidget(m_area);

    m_toolbar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    connect(m_toolbar, &QToolBar::actionTriggered, this, [](QAction* a) {
        if (!a->objectName().isEmpty()) Toolbar1_ButtonClick(a->objectName());
    });

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    const int larghezze[7] = {0, 110, 110, 60, 110, 170, 140};
    for (int i = 1; i <= 6; ++i) {
        m_pannelli[i] = new QLabel(this);
        m_pannelli[i]->setObjectName(QStringLiteral("Panels_%1").arg(i));
        m_pannelli[i]->setMinimumWidth(larghezze[i]);
        m_pannelli[i]->setFrameShape(QFrame::StyledPanel);
        statusBar()->addWidget(m_pannelli[i], i == 6 ? 1 : 0);
    }
    CreaMenu();
}

QIcon Principale::Immagine(const QString& chiave) const
{
    for (const auto& p : ImageList1)
        if (p.first == chiave) return p.second;
    return QIcon();
}

void Principale::CreaToolBar()
{
    // A second build replaces the buttons instead of adding to them.
    const QList<QAction*> vecchi = m_toolbar->actions();
    m_toolbar->clear();
    qDeleteAll(vecchi);
    for (const VocePulsante& v : kPulsanti) {
        if (!v.chiave) {
            m_toolbar->addSeparator();
            continue;
        }
        const QString chiave = QString::fromLatin1(v.chiave);
        // The key names the button; the text is what the toolbar's overflow
        // menu shows when the window is too narrow for every button.
        const QString suggerimento = QString::fromLatin1(v.suggerimento);
        QAction* a = m_toolbar->addAction(Immagine(QString::fromLatin1(v.immagine)), suggerimento);
        a->setObjectName(chiave);
        a->setToolTip(suggerimento);
        // The description; not a status tip, which would cover the panels.
        a->setWhatsThis(a->toolTip());
        a->setEnabled(v.attivo);
    }
}

QAction* Principale::Pulsante(const QString& chiave) const
{
    for (QAction* a : m_toolbar->actions())
        if (a->objectName() == chiave) return a;
    return nullptr;
}

void Principale::AbilitaPulsanti(const QString& gruppo, bool abilita)
{
    for (const Gruppo& g : Gruppi()) {
        if (gruppo != QLatin1String(g.nome)) continue;
        for (const char* k : g.membri)
            if (QAction* a = Pulsante(QString::fromLatin1(k))) a->setEnabled(abilita);
        return;
    }
}

QString Principale::Pannello(int i) const
{
    return (i >= 1 && i <= 6) ? m_pannelli[i]->text() : QString();
}

void Principale::ImpostaPannello(int i, const QString& testo)
{
    if (i >= 1 && i <= 6) m_pannelli[i]->setText(testo);
}

void Principale::AggiornaStato()
{
    // A model index past the table names no model: no family, no menus.
    const bool valido = Controllore.Modello < NumModelli;
    const QString N = valido ? Modelli[Controllore.Modello].Nome : QString();
    auto e = [&](int k) { return valido && N == NomiModello[k]; };

    AbilitaPulsanti(QStringLiteral("Puls_Project"), true);
    AbilitaPulsanti(QStringLiteral("Puls_DebugRelease"), false);
    AbilitaPulsanti(QStringLiteral("Puls_Download"), false);
    AbilitaPulsanti(QStringLiteral("Puls_Debug"), false);
    AbilitaPulsanti(QStringLiteral("Puls_Compila"), true);

    QAction* display = Menu(QStringLiteral("mnu_display"));
    QAction* program = Menu(QStringLiteral("mnu_program"));
    if (display) display->setVisible(false);
    if (program) program->setVisible(false);
    bool primi = false;
    for (int k = 0; k <= 7; ++k) primi = primi || e(k);
    const bool famiglia = primi || e(8);
    if (primi) {
        if (program) program->setVisible(true);
    } else if (e(8)) {
        if (display) display->setVisible(true);
        if (program) program->setVisible(true);
    } else if (e(9) && (ModoProduzione || Marchio650)) {
        if (program) program->setVisible(true);
    }

    if (Controllore.Connesso) {
        if (famiglia || ((e(9) || e(25)) && ModoProduzione)) {
            AbilitaPulsanti(QStringLiteral("Puls_DebugRelease"), true);
            if (Controllore.ModoDebug != 0) {
                ImpostaPannello(2, QStringLiteral("Debug Mode"));
                AbilitaPulsanti(QStringLiteral("Puls_Debug"), true);
                AbilitaPulsanti(QStringLiteral("Puls_Download"), true);
                AbilitaPulsanti(QStringLiteral("Puls_FunctionBlock"), true);
            } else {
                ImpostaPannello(2, QStringLiteral("Release Mode"));
                AbilitaPulsanti(QStringLiteral("Puls_Debug"), false);
            }
            const bool inMarcia = Controllore.UltimoComando == 255 || Controllore.UltimoComando == 90;
            ImpostaPannello(3, inMarcia ? QStringLiteral("RUN") : QStringLiteral("Stop"));
        }
        // The link as it was opened, with the node the next request goes to:
        // Settings change the channel and address only for the next connect.
        const Dispositivo& aperto = CollegamentoAperto();
        if (aperto.TipoConnessione == 0) {
            ImpostaPannello(1, QStringLiteral("Connected"));
            ImpostaPannello(5, QStringLiteral("%1 [%2]").arg(aperto.IndirizzoIP).arg(int(Controllore.Nodo)));
        } else {
            ImpostaPannello(1, QStringLiteral("Port Open"));
            ImpostaPannello(5, QStringLiteral("COM%1 [%2]").arg(int(aperto.Porta)).arg(int(Controllore.Nodo)));
        }
        ImpostaPannello(6, N);
    } else {
        ImpostaPannello(1, Controllore.TipoConnessione == 0 ? QStringLiteral("Not Connected")
                                                            : QStringLiteral("Port Closed"));
        ImpostaPannello(5, QString());
        ImpostaPannello(2, QString());
        ImpostaPannello(3, QString());
    }
}

void Principale::closeEvent(QCloseEvent* e)
{
    if (SequenzaDownload::InCorso()) {
        // The transfer runs inside a handler below this event: the window
        // cannot go now. Stopped, it closes once the transfer has ended.
        if (auto* d = Finestre::SeCaricata<frm_Download>()) d->ChiediFermata(true);
        e->ignore();
        return;
    }
    if (ProgettoModificato &&
        Prompt::MsgBox(Testo(172), Prompt::OkAnnulla, windowTitle()) == Prompt::Ok &&
        !SalvaProgettoCorrente(true)) {
        // The user asked for the changes to be kept and they were not saved:
        // closing now would lose them.
        e->ignore();
        return;
    }
    // A live loop still running inside a toolbar click would keep the
    // program alive behind a closed window.
    ComErr = 1;
    e->accept();
}
