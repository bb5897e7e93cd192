#include "blockeditor/comandi.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "base/TestoSalvabile.h"
#include "blockeditor/Argomenti.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/PulsanteFunzione.h"
#include "blockeditor/SchedeFunzioni.h"
#include "blockeditor/Servizi.h"
#include "comm/Dispositivo.h"
#include "program/Agganci.h"
#include "program/Programmi.h"
#include "registers/TabRegistri.h"
#include "shell/AttesaEditore.h"
#include "shell/NonDisponibile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// The texts the rung keeps in the project file, the label and the rows in
// sight, each one checked where the user can still mend it.
bool TestiAccettati(const DatiBlocco& d, int rung)
{
    auto campo = [rung](const QString& nome) { return QStringLiteral("%1 of rung %2").arg(nome).arg(rung); };
    if (!TestoAccettato(campo(QStringLiteral("Label")), d.etichetta)) return false;
    for (const RigaBlocco& r : d.righe)
        if (r.visibile && !TestoAccettato(campo(r.didascalia), r.testo)) return false;
    return true;
}

QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

const char* const kRiga = "riga";
const char* const kInvio = "invio";

// A column of captions, each beside its field: the captions take the width
// the widest shown one needs (at least the designed width, in pixels) and the
// height their text needs, centred on their field; the fields then start the
// designed gap after them and keep their right edge.
void AdattaColonna(std::initializer_list<std::pair<QLabel*, QWidget*>> righe, int sinistra, int larghezza, int campo)
{
    const int spazio = campo - sinistra - larghezza;
    for (const auto& [l, f] : righe)
        if (!l->isHidden()) larghezza = std::max(larghezza, l->sizeHint().width());
    const int inizio = std::max(campo, sinistra + larghezza + spazio);
    for (const auto& [l, f] : righe) {
        const QRect g = f->geometry();
        const int altezza = std::max(Twips(195), l->sizeHint().height());
        l->setGeometry(sinistra, g.center().y() - (altezza - 1) / 2, larghezza, altezza);
        f->setGeometry(inizio, g.y(), g.x() + g.width() - inizio, g.height());
    }
}
} // namespace

// ---------------------------------------------------------------------------

comandi::comandi()
{
    CostruisciControlli();
    Form_Load();
}

void comandi::CostruisciControlli()
{
    setObjectName(QStringLiteral("comandi"));
    setModal(false);
    setFixedSize(Twips(9300), Twips(5420));

    f_Funzioni = new QGroupBox(this);
    f_Funzioni->setObjectName(QStringLiteral("f_Funzioni"));
    f_Funzioni->setGeometry(Rett(60, 60, 3675, 5235));

    // Three rows of tabs fill the room above the first row of blocks.
    Tab_Funzioni = new SchedeFunzioni(f_Funzioni);
    Tab_Funzioni->setObjectName(QStringLiteral("Tab_Funzioni"));
    Tab_Funzioni->setGeometry(Rett(60, 300, 3555, 1080));
    connect(Tab_Funzioni, &SchedeFunzioni::currentChanged, this, [this] { Tab_Funzioni_Click(); });

    m_gruppo = new QButtonGroup(this);
    m_gruppo->setExclusive(true);
    for (int i = 0; i < NumBlocchi; ++i) {
        auto* b = new PulsanteFunzione(f_Funzioni);
        b->setObjectName(QStringLiteral("opt_Funzione_%1").arg(i));
        b->setGeometry(Rett(LeftPalette(0), TopPalette(0), 975, 495));
        b->hide();
        m_gruppo->addButton(b, i);
        opt_Funzione[size_t(i)] = b;
    }
    connect(m_gruppo, &QButtonGroup::idToggled, this, [this](int id, bool acceso) {
        if (acceso) opt_Funzione_Click(id);
    });

    f_argomenti = new QGroupBox(this);
    f_argomenti->setObjectName(QStringLiteral("f_argomenti"));
    f_argomenti->setGeometry(Rett(3780, 60, 5415, 5235));

    lbl_nomeFunz = new QLabel(f_argomenti);
    lbl_nomeFunz->setObjectName(QStringLiteral("lbl_nomeFunz"));
    lbl_nomeFunz->setGeometry(Rett(120, 300, 1695, 195));
    QFont grassetto = lbl_nomeFunz->font();
    grassetto.setBold(true);
    lbl_nomeFunz->setFont(grassetto);

    Label1 = new QLabel(QStringLiteral("Label:"), f_argomenti);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Rett(420, 660, 900, 195));

    txt_Label = new QLineEdit(f_argomenti);
    txt_Label->setObjectName(QStringLiteral("txt_Label"));
    txt_Label->setGeometry(Rett(1380, 600, 855, 285));
    txt_Label->setProperty(kInvio, true);
    txt_Label->installEventFilter(this);

    lbl_Delay = new QLabel(f_argomenti);
    lbl_Delay->setObjectName(QStringLiteral("lbl_Delay"));
    lbl_Delay->setGeometry(Rett(3300, 660, 1150, 195));
    txt_delay = new QLineEdit(f_argomenti);
    txt_delay->setObjectName(QStringLiteral("txt_delay"));
    txt_delay->setGeometry(Rett(4500, 600, 615, 285));

    auto nuovaCombo = [this](QWidget* padre, const QString& nome, int riga, bool modificabile) {
        auto* c = new QComboBox(padre);
        c->setObjectName(nome);
        c->setEditable(modificabile);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setProperty(kRiga, riga);
        c->setProperty(kInvio, true);
        c->installEventFilter(this);
        if (QLineEdit* le = c->lineEdit()) {
            le->setProperty(kRiga, riga);
            le->setProperty(kInvio, true);
            le->installEventFilter(this);
        }
        return c;
    };

    for (int i = 0; i < 8; ++i) {
        auto* l = new QLabel(f_argomenti);
        l->setObjectName(QStringLiteral("lbl_Var_%1").arg(i));
        l->setGeometry(Rett(180, 1140 + 360 * i, 1095, 195));
        lbl_Var[size_t(i)] = l;

        QComboBox* v = nuovaCombo(f_argomenti, QStringLiteral("txt_Var_%1").arg(i), i, true);
        v->setGeometry(Rett(1380, 1080 + 360 * i, 1875, 315));
        connect(v, &QComboBox::activated, this, [this, i] { txt_Var_Click(i); });
        txt_Var[size_t(i)] = v;

        auto* s = new QPushButton(QStringLiteral("Set"), f_argomenti);
        s->setObjectName(QStringLiteral("cmd_set_%1").arg(i));
        s->setGeometry(Rett(3360, 1080 + 360 * i, 375, 315));
        s->setAutoDefault(false);
        connect(s, &QPushButton::clicked, this, [this, i] { cmd_set_Click(i); });
        cmd_set[size_t(i)] = s;

        QComboBox* o = nuovaCombo(f_argomenti, QStringLiteral("txt_Opt_%1").arg(i), i, false);
        o->setGeometry(Rett(3840, 1080 + 360 * i, 1335, 315));
        connect(o, &QComboBox::activated, this, [this, i] { txt_Opt_Click(i); });
        txt_Opt[size_t(i)] = o;
    }

    frm_trig = new QGroupBox(QStringLiteral("Trigger"), f_argomenti);
    frm_trig->setObjectName(QStringLiteral("frm_trig"));
    frm_trig->setGeometry(Rett(840, 3960, 3255, 1155));
    chk_trig = new QCheckBox(QStringLiteral("En"), frm_trig);
    chk_trig->setObjectName(QStringLiteral("chk_trig"));
    chk_trig->setGeometry(Rett(120, 300, 600, 255));
    lbl_Var[8] = new QLabel(QStringLiteral("Reg"), frm_trig);
    lbl_Var[8]->setObjectName(QStringLiteral("lbl_Var_8"));
    lbl_Var[8]->setGeometry(Rett(840, 330, 500, 195));
    txt_Var[8] = nuovaCombo(frm_trig, QStringLiteral("txt_Var_8"), 8, true);
    txt_Var[8]->setGeometry(Rett(1400, 270, 1695, 315));
    lbl_Var[9] = new QLabel(QStringLiteral("Mask"), frm_trig);
    lbl_Var[9]->setObjectName(QStringLiteral("lbl_Var_9"));
    lbl_Var[9]->setGeometry(Rett(840, 750, 500, 195));
    txt_Opt[8] = nuovaCombo(frm_trig, QStringLiteral("txt_Opt_8"), 8, true);
    txt_Opt[8]->setGeometry(Rett(1400, 690, 1215, 315));
    cmd_set[8] = new QPushButton(QStringLiteral("Set"), frm_trig);
    cmd_set[8]->setObjectName(QStringLiteral("cmd_set_8"));
    cmd_set[8]->setGeometry(Rett(2700, 690, 375, 315));
    cmd_set[8]->setAutoDefault(false);   // the trigger's button has no action

    cmd_AddFunc = new QPushButton(QStringLiteral("OK"), f_argomenti);
    cmd_AddFunc->setObjectName(QStringLiteral("cmd_AddFunc"));
    cmd_AddFunc->setGeometry(Rett(4380, 4380, 735, 375));
    cmd_AddFunc->setAutoDefault(false);
    connect(cmd_AddFunc, &QPushButton::clicked, this, [this] { cmd_AddFunc_Click(); });

    // Every control states its own visibility, so "visible" below always
    // means the control's own flag, whether the window is shown or not.
    QList<QWidget*> controlli = {f_Funzioni, Tab_Funzioni, f_argomenti, lbl_nomeFunz, Label1, txt_Label,
                                 lbl_Delay, txt_delay, frm_trig, chk_trig, cmd_AddFunc};
    for (auto* w : lbl_Var) controlli << w;
    for (auto* w : txt_Var) controlli << w;
    for (auto* w : cmd_set) controlli << w;
    for (auto* w : txt_Opt) controlli << w;
    for (QWidget* w : controlli) w->show();
}

void comandi::SetRes()
{
    setWindowTitle(Testo(60));
    f_Funzioni->setTitle(Testo(61));
    f_argomenti->setTitle(Testo(62));
}

void comandi::Form_Load()
{
    SetRes();
    Aperto = true;
    m_caricato = true;
    m_conBersaglio = false;
    ArgCorrente = 0;
    m_funzioneScelta = 0;

    // The controls as the form was designed.
    txt_Label->clear();
    txt_delay->clear();
    lbl_nomeFunz->clear();
    lbl_Delay->clear();
    for (int i = 0; i < 8; ++i) MostraRiga(i, RigaBlocco{});
    AdattaDidascalie();
    txt_Var[8]->clear();
    txt_Var[8]->setEditText(QString());
    txt_Opt[8]->clear();
    txt_Opt[8]->setEditText(QString());
    chk_trig->setChecked(false);
    frm_trig->hide();
    txt_delay->hide();
    lbl_Delay->hide();

    // The palette.
    m_gruppo->setExclusive(false);
    for (int i = 0; i < NumBlocchi; ++i) {
        PulsanteFunzione* b = opt_Funzione[size_t(i)];
        b->setChecked(false);
        b->setText(NomiFunzione[size_t(i)]);
        b->Colore = QColor::fromRgb(RgbDaBgr(VoceFunzione(i).coloreBGR));
        b->raise();
        b->update();
    }
    m_gruppo->setExclusive(true);

    {
        const QSignalBlocker blocca(Tab_Funzioni);
        while (Tab_Funzioni->count() > 0) Tab_Funzioni->removeTab(0);
        for (const QString& s : SchedePalette()) Tab_Funzioni->addTab(s);
        Tab_Funzioni->setCurrentIndex(0);
    }
    Tab_Funzioni_Click();
}

void comandi::Form_Unload()
{
    Aperto = false;
    m_caricato = false;
    m_conBersaglio = false;
    hide();
}

void comandi::AssicuraCaricato()
{
    if (!m_caricato) Form_Load();
}

void comandi::reject()
{
    Form_Unload();
}

void comandi::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

bool comandi::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) {
        const QVariant riga = o->property(kRiga);
        if (riga.isValid()) ArgCorrente = riga.toInt();
    } else if (e->type() == QEvent::KeyPress && o->property(kInvio).toBool()) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            // A typed row's combo takes the key from the keyboard and hands
            // it to its line edit by a direct call that no filter sees; taken
            // here, the line edit never gets it, so the block is encoded once.
            cmd_AddFunc_Click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

// --- Palette ---------------------------------------------------------------

void comandi::Tab_Funzioni_Click()
{
    for (auto* b : opt_Funzione) b->hide();
    const int k = Tab_Funzioni->currentIndex();
    if (k < 0) return;
    const QString didascalia = Tab_Funzioni->tabText(k);
    QString codice;
    if (Controllore.Modello < NumModelli) codice = Modelli[Controllore.Modello].Codice;
    for (const CellaPalette& c : BlocchiScheda(didascalia, codice, Marchio700))
        PosizionaFunzione(c.indice, c.riga, c.colonna);
}

void comandi::PosizionaFunzione(int indice, int riga, int colonna)
{
    if (indice < 0 || indice >= NumBlocchi) return;
    PulsanteFunzione* b = opt_Funzione[size_t(indice)];
    b->move(Twips(LeftPalette(colonna)), Twips(TopPalette(riga)));
    b->show();
}

void comandi::opt_Funzione_Click(int indice)
{
    m_funzioneScelta = indice;
    ImpostaFunzione(indice);
}

void comandi::SelezionaFunzione(int indice)
{
    AssicuraCaricato();
    if (indice < 0 || indice >= NumBlocchi) {
        ImpostaFunzione(indice);
        return;
    }
    PulsanteFunzione* b = opt_Funzione[size_t(indice)];
    if (!b->isChecked())
        b->setChecked(true);   // the group's toggle runs opt_Funzione_Click
    else
        ImpostaFunzione(indice);
}

// --- Layout ----------------------------------------------------------------

void comandi::ImpostaFunzione(int indice)
{
    AssicuraCaricato();
    const bool nelCatalogo = indice >= 0 && indice < NumBlocchi;

    // 1. The palette shows the block's family (tab 10 does not exist).
    if (nelCatalogo) {
        const int scheda = CatalogoFunzioni(indice).Scheda;
        if (scheda >= 1 && scheda <= Tab_Funzioni->count()) Tab_Funzioni->setCurrentIndex(scheda - 1);
    }
    // 4.
    if (nelCatalogo) lbl_nomeFunz->setText(opt_Funzione[size_t(indice)]->text());
    lbl_Delay->setText(Testo(68));
    // 5. An out-of-range model index leaves the frame as it is.
    if (Controllore.Modello < NumModelli) frm_trig->setVisible(Modelli[Controllore.Modello].AmmetteTrigger);
    // 2, 3 and 6, and the family's rows: from data, shown back. What a block
    // writes on being chosen goes to a copy of the rung: only OK stores, so
    // leaving the window any other way finds the rung as it was.
    DatiBlocco d = Raccogli();
    Rung* bersaglio = RungBersaglio();
    Rung copia = bersaglio ? *bersaglio : Rung{};
    const LayoutBlocco layout = ImpaginaBlocco(d, indice, bersaglio ? &copia : nullptr, Argomenti);
    MostraRighe(d);
    if (!layout.ordine.isEmpty()) ArgCorrente = layout.ordine.last();
}

void comandi::ShowArg(int riga)
{
    if (riga < 0 || riga > 7) return;
    ArgCorrente = riga;
    RigaBlocco r = RaccogliRiga(riga);
    MostraArgomento(r, Argomenti[size_t(riga)], ContestoCorrente(ProcessoBersaglio()).tabelle);
    MostraRiga(riga, r);
    AdattaDidascalie();
}

RigaBlocco comandi::RaccogliRiga(int i) const
{
    RigaBlocco r;
    const QComboBox* val = txt_Var[size_t(i)];
    const QComboBox* tipo = txt_Opt[size_t(i)];
    r.visibile = !val->isHidden();
    r.tipoVisibile = !tipo->isHidden();
    r.pulsanteSet = !cmd_set[size_t(i)]->isHidden();
    r.didascalia = lbl_Var[size_t(i)]->text();
    r.testo = val->currentText();
    for (int k = 0; k < tipo->count(); ++k) r.tipi.append({tipo->itemText(k), tipo->itemData(k).toInt()});
    r.sceltaTipo = tipo->currentIndex();
    for (int k = 0; k < val->count(); ++k) r.lista.append({val->itemText(k), val->itemData(k).toInt()});
    r.scelta = val->currentIndex();
    r.nome = val->property("rigaNome").toBool();
    r.registro = val->property("rigaRegistro").toBool();
    return r;
}

void comandi::MostraRiga(int i, const RigaBlocco& r)
{
    QComboBox* val = txt_Var[size_t(i)];
    QComboBox* tipo = txt_Opt[size_t(i)];
    lbl_Var[size_t(i)]->setText(r.didascalia);
    {
        const QSignalBlocker blocca(tipo);
        tipo->clear();
        for (const VoceLista& v : r.tipi) tipo->addItem(v.testo, v.dato);
        tipo->setCurrentIndex(r.sceltaTipo);
    }
    {
        const QSignalBlocker blocca(val);
        val->clear();
        for (const VoceLista& v : r.lista) val->addItem(v.testo, v.dato);
        val->setCurrentIndex(r.scelta);
        val->setEditText(r.testo);
        val->setProperty("rigaNome", r.nome);
        val->setProperty("rigaRegistro", r.registro);
    }
    lbl_Var[size_t(i)]->setVisible(r.visibile);
    val->setVisible(r.visibile);
    tipo->setVisible(r.tipoVisibile);
    cmd_set[size_t(i)]->setVisible(r.pulsanteSet);
}

// Every caption shows whole, whatever its language and the font: the designed
// sizes are the least each takes.
void comandi::AdattaDidascalie()
{
    AdattaColonna({{lbl_Var[0], txt_Var[0]}, {lbl_Var[1], txt_Var[1]}, {lbl_Var[2], txt_Var[2]},
                   {lbl_Var[3], txt_Var[3]}, {lbl_Var[4], txt_Var[4]}, {lbl_Var[5], txt_Var[5]},
                   {lbl_Var[6], txt_Var[6]}, {lbl_Var[7], txt_Var[7]}},
                  Twips(180), Twips(1095), Twips(1380));
    AdattaColonna({{lbl_Var[8], txt_Var[8]}, {lbl_Var[9], txt_Opt[8]}}, Twips(840), Twips(500), Twips(1400));
    AdattaColonna({{Label1, txt_Label}}, Twips(420), Twips(900), Twips(1380));
    AdattaColonna({{lbl_Delay, txt_delay}}, Twips(3300), Twips(1150), Twips(4500));
    // The block's name has the line to itself.
    lbl_nomeFunz->resize(std::max(Twips(1695), lbl_nomeFunz->sizeHint().width()),
                         std::max(Twips(195), lbl_nomeFunz->sizeHint().height()));
}

DatiBlocco comandi::Raccogli() const
{
    DatiBlocco d;
    d.indice = m_funzioneScelta;
    d.nomeFunzione = opt_Funzione[size_t(m_funzioneScelta)]->text();
    for (int i = 0; i < 8; ++i) d.righe[size_t(i)] = RaccogliRiga(i);
    d.etichetta = txt_Label->text();
    d.trigger = chk_trig->isChecked();
    d.testoTrigReg = txt_Var[8]->currentText();
    d.testoTrigMask = txt_Opt[8]->currentText();
    d.ritardo = txt_delay->text();
    d.ritardoVisibile = !txt_delay->isHidden();
    d.contesto = ContestoCorrente(ProcessoBersaglio());
    return d;
}

void comandi::MostraRighe(const DatiBlocco& d)
{
    for (int i = 0; i < 8; ++i) {
        RigaBlocco attuale = RaccogliRiga(i);
        attuale.valore = d.righe[size_t(i)].valore;
        if (!(attuale == d.righe[size_t(i)])) MostraRiga(i, d.righe[size_t(i)]);
    }
    if (txt_delay->text() != d.ritardo) txt_delay->setText(d.ritardo);
    txt_delay->setVisible(d.ritardoVisibile);
    lbl_Delay->setVisible(d.ritardoVisibile);
    // Once every caption is set and shown or hidden: the columns are laid
    // out from all of them together.
    AdattaDidascalie();
    chk_trig->setChecked(d.trigger);
    if (txt_Var[8]->currentText() != d.testoTrigReg) txt_Var[8]->setEditText(d.testoTrigReg);
    if (txt_Opt[8]->currentText() != d.testoTrigMask) txt_Opt[8]->setEditText(d.testoTrigMask);
}

// Selects the last entry of the row's type list whose item data is `tipo`,
// and reacts as to a click; no entry, no selection.
void comandi::SelezionaTipo(int riga, int tipo)
{
    QComboBox* c = txt_Opt[size_t(riga)];
    int trovato = -1;
    for (int k = 0; k < c->count(); ++k)
        if (c->itemData(k).toInt() == tipo) trovato = k;
    {
        const QSignalBlocker blocca(c);
        c->setCurrentIndex(trovato);
    }
    if (trovato >= 0) txt_Opt_Click(riga);
}

void comandi::txt_Opt_Click(int riga)
{
    if (riga < 0 || riga > 7) return;
    QComboBox* c = txt_Opt[size_t(riga)];
    if (c->currentIndex() < 0) return;
    // The row's own type: storing into the focused row instead mixed up two
    // rows whenever the list was used without focusing it first.
    Argomenti[size_t(riga)].Tipo = uint8_t(c->currentData().toInt());
    const uint8_t t = Argomenti[size_t(riga)].Tipo;
    cmd_set[size_t(riga)]->setVisible(t == TipoKLong || t == TipoTable);
}

void comandi::cmd_set_Click(int riga)
{
    if (riga < 0 || riga > 7) return;
    QComboBox* val = txt_Var[size_t(riga)];
    switch (Argomenti[size_t(riga)].Tipo) {
    case TipoKLong:
        if (!ServiziEditor::ApriValoreTesto) {
            NonDisponibile(QStringLiteral("Input_Box"));
            return;
        }
        DialogoAperto = true;
        TestoInput = val->currentText();
        AttesaEditore::Attendi(ServiziEditor::ApriValoreTesto());
        val->setEditText(TestoInput);
        break;
    case TipoTable: {
        if (!ServiziEditor::ApriEditorTabelle) {
            NonDisponibile(QStringLiteral("Input_Tab"));
            return;
        }
        DialogoAperto = true;
        AttesaEditore::Attendi(ServiziEditor::ApriEditorTabelle(val->currentIndex()));
        const QSignalBlocker blocca(val);
        val->clear();
        for (const QString& t : ContestoCorrente(ProcessoBersaglio()).tabelle) val->addItem(t, val->count());
        const int corrente = ServiziEditor::TabellaEditor ? ServiziEditor::TabellaEditor() : 0;
        if (corrente >= 0 && corrente < val->count()) val->setCurrentIndex(corrente);
        break;
    }
    default:
        break;
    }
}

void comandi::RiempiEtichette(int riga)
{
    if (riga < 0 || riga > 8) return;
    QComboBox* c = txt_Var[size_t(riga)];
    const QSignalBlocker blocca(c);
    for (const VoceLista& v : ContestoCorrente(ProcessoBersaglio()).etichette) c->addItem(v.testo, v.dato);
    if (c->count() > 0) c->setCurrentIndex(0);
}

void comandi::txt_Var_Click(int indice)
{
    AssicuraCaricato();
    const GestoreFamiglia* g = GestoreBlocco(m_funzioneScelta);
    if (!g || !g->ValoreScelto) return;
    DatiBlocco d = Raccogli();
    g->ValoreScelto(d, indice);
    MostraRighe(d);
}

void comandi::ImpostaRegistroRiga(int registro)
{
    if (!Aperto || ArgCorrente < 0 || ArgCorrente > 7) return;
    const int riga = ArgCorrente;
    DefArgomento& a = Argomenti[size_t(riga)];
    if (!a.DaRegistro) return;
    a.Valore = registro;
    // A register type the row does not offer would leave the row with a type
    // it cannot encode: the row keeps its own.
    uint8_t tipo = a.Tipo;
    if (registro >= 0 && registro < int(TabRegistri.size())) {
        const uint8_t t = TabRegistri[size_t(registro)].Tipo;
        if (t < 13 && a.TipiAmmessi[t]) tipo = t;
    }
    a.Tipo = tipo;
    ShowArg(riga);
    if (a.Tipo != tipo) {   // the Table entry takes over in ShowArg
        a.Tipo = tipo;
        SelezionaTipo(riga, tipo);
    }
    txt_Var[size_t(riga)]->setEditText(QStringLiteral("%R") + QString::number(registro));
}

// --- What the user types and chooses --------------------------------------

void comandi::ImpostaEtichetta(const QString& testo)
{
    txt_Label->setText(testo);
}

void comandi::ImpostaTestoRiga(int riga, const QString& testo)
{
    if (riga >= 0 && riga <= 8) txt_Var[size_t(riga)]->setEditText(testo);
}

void comandi::ImpostaDelay(const QString& testo)
{
    txt_delay->setText(testo);
}

void comandi::ImpostaTrigger(bool attivo, const QString& registro, const QString& maschera)
{
    chk_trig->setChecked(attivo);
    txt_Var[8]->setEditText(registro);
    txt_Opt[8]->setEditText(maschera);
}

void comandi::ScegliTipo(int riga, int voce)
{
    if (riga < 0 || riga > 7) return;
    txt_Opt[size_t(riga)]->setCurrentIndex(voce);
    txt_Opt_Click(riga);
}

void comandi::ScegliValore(int riga, int voce)
{
    if (riga < 0 || riga > 8) return;
    const QSignalBlocker blocca(txt_Var[size_t(riga)]);
    txt_Var[size_t(riga)]->setCurrentIndex(voce);
}

// --- Target rung -----------------------------------------------------------

void comandi::ImpostaBersaglio(int processo, int rung)
{
    AssicuraCaricato();
    m_conBersaglio = true;
    m_processo = processo;
    m_rung = rung;
}

int comandi::ProcessoBersaglio() const
{
    return m_conBersaglio ? m_processo : ProgCorrente;
}

int comandi::NumeroRungBersaglio() const
{
    return m_conBersaglio ? m_rung : RungCorrente;
}

Rung* comandi::RungBersaglio() const
{
    const int p = ProcessoBersaglio(), r = NumeroRungBersaglio();
    if (m_conBersaglio ? !BersaglioEsiste(p, r) : (p < 0 || p >= NumProcessi || r < 0 || r > MaxRung)) return nullptr;
    return &Programmi[size_t(p)].Rung[size_t(r)];
}

// --- Encoding --------------------------------------------------------------

uint16_t comandi::CompilaComando()
{
    AssicuraCaricato();
    Rung* r = RungBersaglio();
    if (!r) return 0;
    DatiBlocco d = Raccogli();
    // Encoded into a copy, stored whole: a refused block leaves the rung (and
    // its row) as it was, for the user to mend the rows or close the window.
    Rung codificato = *r;
    const EsitoCodifica esito = CodificaBlocco(d, codificato);
    // The fields show the texts as read (decimal commas rewritten).
    for (int i = 0; i < 8; ++i) {
        Argomenti[size_t(i)].Valore = d.righe[size_t(i)].valore;
        if (txt_Var[size_t(i)]->currentText() != d.righe[size_t(i)].testo)
            txt_Var[size_t(i)]->setEditText(d.righe[size_t(i)].testo);
    }
    if (!esito.Memorizzato()) return 0;
    *r = codificato;
    if (ServiziEditor::RidisegnaRegistri) ServiziEditor::RidisegnaRegistri();
    if (NotificaRigaRung) NotificaRigaRung(ProcessoBersaglio(), NumeroRungBersaglio());
    return 65535;
}

bool comandi::cmd_AddFunc_Click()
{
    AssicuraCaricato();
    if (!RungBersaglio()) {
        Prompt::MsgBox(QStringLiteral("The rung being edited no longer exists"));
        return false;
    }
    if (!TestiAccettati(Raccogli(), NumeroRungBersaglio())) return false;
    if (CompilaComando() == 65535) {
        Form_Unload();
        ProgettoModificato = true;
        return true;
    }
    Prompt::ErroreValori();
    return false;
}
