#include "program/Program.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "program/Programmi.h"
#include "program/RigaProgramma.h"
#include "resources/Immagini.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {
QRect R(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

RigaProgramma* RigaDi(QObject* o)
{
    for (; o; o = o->parent())
        if (auto* r = qobject_cast<RigaProgramma*>(o)) return r;
    return nullptr;
}
} // namespace

ContenitoreProcesso::ContenitoreProcesso(int processo, QWidget* padre) : QWidget(padre), m_processo(processo)
{
    setObjectName(QStringLiteral("prog_%1").arg(processo));
}

Program::Program()
{
    setObjectName(QStringLiteral("Program"));
    setFixedWidth(Twips(6315));
    resize(Twips(6315), Twips(6480));

    m_tab = new QTabBar(this);
    m_tab->setObjectName(QStringLiteral("Tab_Prog"));
    m_tab->setExpanding(false);

    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setGeometry(R(120, 480, 4455, 405));
    m_note->setPlainText(QStringLiteral("Main Program\n"));
    // One line shows; the line break after it needs no scroll bar.
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pn = m_note->palette();
    pn.setColor(QPalette::Text, QColor(0xC0, 0x00, 0x00));
    m_note->setPalette(pn);

    m_formato = new QToolButton(this);
    m_formato->setObjectName(QStringLiteral("cmd_Formato"));
    m_formato->setGeometry(R(5400, 420, 435, 435));
    m_formato->setIconSize(m_formato->size() - QSize(6, 6));
    connect(m_formato, &QToolButton::clicked, this, [this] { cmd_Formato_Click(); });

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll"));
    m_scroll->setGeometry(R(5880, 1020, 315, 5355));
    m_scroll->setRange(0, 0);
    m_scroll->setSingleStep(1);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { VScroll_Change(); });

    // Form_Load: the tabs of the processes the project has.
    m_tabInterno = true;
    m_tab->setTabData(m_tab->addTab(QStringLiteral("Main")), QStringLiteral("Main"));
    // The strip's height is known once it holds a tab.
    m_tab->setGeometry(Twips(60), Twips(60), Twips(6195), m_tab->sizeHint().height());
    for (int s = 1; s <= NumSub && s < NumProcessi; ++s) AggiungiTab(s);
    m_tabInterno = true;
    if (ProgCorrente < m_tab->count()) m_tab->setCurrentIndex(ProgCorrente);
    m_tabInterno = false;
    connect(m_tab, &QTabBar::currentChanged, this, [this](int i) {
        if (!m_tabInterno) Tab_Prog_Click(i);
    });

    MostraContenitore(ProgCorrente);
    SetRes();
    Aperto = true;

    NotificaRigaRung = [](int processo, int rung) {
        if (Program* w = FinestraProgramma(false)) w->RidisegnaRiga(processo, rung);
    };
    ColoraNumeroRung = [](int rung, uint32_t colore) {
        if (Program* w = FinestraProgramma(false)) w->ColoraNumero(rung, QColor(QRgb(colore)));
    };
    MostraProcessoCorrente = [](int p) {
        if (Program* w = FinestraProgramma(false)) w->MostraProcesso(p);
    };
    RidisegnaProcessoCorrente = RidisegnaDallInizio;
    MenuFB();
    Ridisegna();
}

Program::~Program() = default;

QSize Program::sizeHint() const
{
    return QSize(Twips(6315), Twips(6480));
}

void Program::SetRes()
{
    setWindowTitle(Testo(53));
}

ContenitoreProcesso* Program::prog(int p, bool crea)
{
    if (p < 0 || p >= NumProcessi) return nullptr;
    for (ContenitoreProcesso* c : m_prog)
        if (c->Processo() == p) return c;
    if (!crea) return nullptr;
    auto* c = new ContenitoreProcesso(p, this);
    c->setGeometry(R(120, 900, 5715, 5355));
    c->resize(c->width(), qMax(10, height() - Twips(1020)));
    c->hide();
    m_prog.append(c);
    return c;
}

void Program::AggiungiTab(int sub)
{
    const bool era = m_tabInterno;
    m_tabInterno = true;
    while (m_tab->count() <= sub) {
        const QString nome = QStringLiteral("Sub%1").arg(m_tab->count());
        m_tab->setTabData(m_tab->addTab(nome), nome);
    }
    m_tabInterno = era;
    prog(sub);
}

void Program::MostraContenitore(int p)
{
    for (ContenitoreProcesso* c : m_prog) {
        if (c->Processo() == p) continue;
        for (RigaProgramma* r : c->Righe) {
            r->Parcheggia();
            c->Liberi.append(r);
        }
        c->Righe.clear();
        c->hide();
    }
    if (ContenitoreProcesso* c = prog(p)) {
        c->show();
        c->raise();
    }
    m_scroll->raise();
}

void Program::MostraProcesso(int p)
{
    if (p < 0 || p >= NumProcessi) return;
    if (p < m_tab->count() && m_tab->currentIndex() != p) {
        m_tab->setCurrentIndex(p);   // the tab handler shows it
        return;
    }
    Tab_Prog_Click(p);
}

void Program::Tab_Prog_Click(int indice)
{
    if (indice < 0 || indice >= NumProcessi) return;
    ProgCorrente = int16_t(indice);
    MostraContenitore(indice);
    Ridisegna();
}

RigaProgramma* Program::PrendiRiga(ContenitoreProcesso* c, int k)
{
    RigaProgramma* r = nullptr;
    if (!c->Liberi.isEmpty()) {
        r = c->Liberi.takeLast();
    } else {
        r = new RigaProgramma(c);
        for (QWidget* w : r->Cliccabili()) w->installEventFilter(this);
        r->txt_desc->installEventFilter(this);
        connect(r->txt_desc, &QLineEdit::textEdited, this, [this, r](const QString& t) {
            if (r->Indice() >= 0) txt_desc_Change(r->Indice(), t);
        });
    }
    r->Assegna(k);
    c->Righe.insert(k, r);
    return r;
}

void Program::Disegna(RigaProgramma* r, int processo, int k)
{
    const Programma& P = Programmi[processo];
    ContenitoreProcesso* c = prog(processo);
    r->Mostra(P.Rung[k], P.Formato, processo == ProgCorrente && k == RungCorrente, c->ColoriNumero.value(k));
}

void Program::PosizionaRung(int primo)
{
    const int p = ProgCorrente;
    ContenitoreProcesso* c = prog(p);
    if (!c) return;
    const Programma& P = Programmi[p];
    if (P.Formato == 0) AltezzaRiga = 1800;
    else if (P.Formato == 1) AltezzaRiga = 565;
    const int altezzaPannello = Twips(AltezzaRiga == 565 ? 400 : 1515);
    primo = qBound(0, primo, int(MaxRung));
    c->Primo = primo;

    // Rows are placed from the top until one reaches the main window's
    // height; the rest stay out of view and have no widgets.
    const int limite = Principale::Istanza()->frameGeometry().height();
    QList<int> posti;
    int fondo = Twips(PrimoTop - AltezzaRiga) + altezzaPannello;
    for (int i = primo; fondo < limite && i < P.NumRung;) {
        ++i;
        posti.append(i);
        fondo = Twips(PrimoTop + AltezzaRiga * (i - primo - 1)) + altezzaPannello;
    }
    for (auto it = c->Righe.begin(); it != c->Righe.end();) {
        if (posti.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->Parcheggia();
        c->Liberi.append(it.value());
        it = c->Righe.erase(it);
    }
    for (int i : posti) {
        RigaProgramma* r = c->Righe.value(i);
        if (!r) r = PrendiRiga(c, i);
        Disegna(r, p, i);
        r->move(Twips(60), Twips(PrimoTop - 60 + AltezzaRiga * (i - primo - 1)));
        r->show();
    }
}

void Program::VScroll_Change()
{
    PosizionaRung(m_scroll->value());
}

void Program::Ridisegna()
{
    ContenitoreProcesso* c = prog(ProgCorrente);
    if (!c) return;
    IconaFormato();
    const int n = Programmi[ProgCorrente].NumRung;
    m_scroll->blockSignals(true);
    m_scroll->setMaximum(n);
    m_scroll->setValue(qMin(c->Primo, n));
    m_scroll->blockSignals(false);
    PosizionaRung(m_scroll->value());
}

void Program::DopoAggiunta()
{
    const int n = Programmi[ProgCorrente].NumRung;
    m_scroll->blockSignals(true);
    m_scroll->setMaximum(n);
    if (n > 3) {
        m_scroll->setVisible(true);
        m_scroll->setValue(m_scroll->value() + 1);
    } else {
        m_scroll->setValue(0);
    }
    m_scroll->blockSignals(false);
    VScroll_Change();
}

void Program::RidisegnaRiga(int processo, int k)
{
    if (processo != ProgCorrente) return;
    ContenitoreProcesso* c = prog(processo, false);
    if (!c) return;
    if (RigaProgramma* r = c->Righe.value(k)) Disegna(r, processo, k);
}

void Program::AggiornaSelezione(int vecchio, int nuovo)
{
    ContenitoreProcesso* c = prog(ProgCorrente, false);
    if (!c) return;
    if (RigaProgramma* r = c->Righe.value(vecchio)) r->Seleziona(false);
    if (RigaProgramma* r = c->Righe.value(nuovo)) r->Seleziona(true);
}

void Program::ColoraNumero(int k, QColor colore)
{
    ContenitoreProcesso* c = prog(ProgCorrente, false);
    if (!c) return;
    c->ColoriNumero.insert(k, colore);
    RidisegnaRiga(ProgCorrente, k);
}

RigaProgramma* Program::Riga(int k) const
{
    for (ContenitoreProcesso* c : m_prog)
        if (c->Processo() == ProgCorrente) return c->Righe.value(k);
    return nullptr;
}

void Program::IconaFormato()
{
    // Compact rows offer to enlarge (plus), full rows to shrink (minus).
    const bool compatto = Programmi[ProgCorrente].Formato == 1;
    const QString chiave = QLatin1String(compatto ? "zoom_on" : "zoom_off");
    if (m_formato->property("chiave").toString() == chiave) return;
    m_formato->setIcon(DisegnaImmagine(chiave));
    m_formato->setProperty("chiave", chiave);
}

void Program::cmd_Formato_Click()
{
    uint8_t& f = Programmi[ProgCorrente].Formato;
    if (f == 0) f = 1;
    else if (f == 1) f = 0;
    IconaFormato();
    PassoPagina();
    // The current rung becomes the top row.
    PosizionaRung(RungCorrente - 1);
    m_scroll->setValue(RungCorrente - 1);
}

void Program::txt_desc_Change(int k, const QString& testo)
{
    if (k < 0 || k > MaxRung) return;
    QString& d = Programmi[ProgCorrente].Rung[k].Descrizione;
    const QString nuova = SenzaVirgole(testo);
    if (d == nuova) return;
    d = nuova;
    ProgettoModificato = true;
}

void Program::txt_desc_Click(int k)
{
    ::SelezionaRung(k);
    RigaProgramma* r = Riga(k);
    if (r && r->txt_desc->text() == DescrizioneVuota) {
        r->txt_desc->setText(QString());
        txt_desc_Change(k, QString());
    }
}

bool Program::eventFilter(QObject* o, QEvent* e)
{
    const auto t = e->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick) return false;
    RigaProgramma* r = RigaDi(o);
    if (!r || r->Indice() < 1) return false;
    const int k = r->Indice();
    if (o == r->txt_desc) {
        if (t == QEvent::MouseButtonPress) txt_desc_Click(k);
        return false;
    }
    auto* m = static_cast<QMouseEvent*>(e);
    ::SelezionaRung(k);
    if (t == QEvent::MouseButtonDblClick) {
        ModificaRung(RungCorrente);
        return true;
    }
    if (m->button() == Qt::RightButton) MenuFB()->popup(m->globalPosition().toPoint());
    return true;
}

bool Program::ConfermaChiusura()
{
    if (Prompt::MsgBox(QStringLiteral("Close Project?"), Prompt::OkAnnulla, QStringLiteral("Mirok")) != Prompt::Ok)
        return false;
    Aperto = false;
    m_chiusura = true;
    return true;
}

void Program::AnnullaChiusura()
{
    Aperto = true;
    m_chiusura = false;
}

void Program::closeEvent(QCloseEvent* e)
{
    // Closed from inside a new project that already had the answer.
    if (m_chiusura) {
        e->accept();
        return;
    }
    if (!ConfermaChiusura()) {
        e->ignore();
        return;
    }
    if (!NuovoProgetto()) {
        // The project could not be saved: it stays, and so does its window.
        AnnullaChiusura();
        e->ignore();
        return;
    }
    e->accept();
}

void Program::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int h = qMax(10, height() - Twips(1020));
    for (ContenitoreProcesso* c : m_prog) c->resize(c->width(), h);
    m_scroll->resize(m_scroll->width(), h);
    PassoPagina();
}

void Program::PassoPagina()
{
    // A page is the rows in view, so the thumb's share of the track is the
    // share of the program on show.
    const int passo = Programmi[ProgCorrente].Formato == 1 ? 565 : 1800;
    m_scroll->setPageStep(qMax(1, m_scroll->height() / Twips(passo)));
}

void Program::wheelEvent(QWheelEvent* e)
{
    // The wheel over the rows scrolls them as the bar would.
    RotellaAllaBarra(m_scroll, e);
}

Program* FinestraProgramma(bool crea)
{
    Program* w = Finestre::SeCaricata<Program>();
    if (!w && crea) {
        w = Finestre::Get<Program>();
        Finestre::Mostra(w);
    }
    return w;
}

bool DisegnaProgramma()
{
    Programma& P = Programmi[ProgCorrente];
    if (P.NumRung >= MaxRung) {
        Prompt::MsgBox(QStringLiteral("A process holds at most %1 rungs").arg(MaxRung));
        return false;
    }
    P.NumRung += 1;
    const int n = P.NumRung;
    RigheCaricate = int16_t(n);
    AltezzaRiga = 1800;
    PrimoTop = 200;
    // The new row is empty whatever the slot held: what it shows goes with it.
    Rung& r = P.Rung[n];
    r.Riga = RigaRung{};
    r.Descrizione = DescrizioneVuota;
    FinestraProgramma(true)->DopoAggiunta();
    return true;
}

void PosizionaRung(int primo)
{
    if (Program* w = FinestraProgramma(false)) w->PosizionaRung(primo);
}

void SelezionaRung(int n)
{
    const int vecchio = RungCorrente;
    RungCorrente = int16_t(n);
    if (Program* w = FinestraProgramma(false)) w->AggiornaSelezione(vecchio, n);
}

QMenu* MenuFB()
{
    // The rung menu belongs to the main window's menu tree, which also routes
    // its items to the rung commands.
    Principale* p = Principale::Istanza();
    if (!p->Popup(QStringLiteral("mnu_FB"))) p->CreaMenu();
    return p->Popup(QStringLiteral("mnu_FB"));
}

void ScegliProcesso(int p)
{
    if (p < 0 || p >= NumProcessi) return;
    ProgCorrente = int16_t(p);
    if (Program* w = FinestraProgramma(false)) w->MostraProcesso(p);
}

void RidisegnaDallInizio()
{
    Program* w = FinestraProgramma(false);
    if (!w) return;
    if (ContenitoreProcesso* c = w->prog(ProgCorrente)) c->Primo = 0;
    w->Ridisegna();
}
