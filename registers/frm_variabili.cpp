#include "registers/frm_variabili.h"

#include "base/Globali.h"
#include "base/Testi.h"
#include "display/ServiziScheduler.h"
#include "resources/Immagini.h"
#include "shell/AttesaEditore.h"
#include "shell/Controlli.h"
#include "shell/DelegatoColonne.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>

int frm_variabili::s_scelta = -1;

namespace {
bool s_sceltaFatta = false;

QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

// The variables list is wide enough for its six columns at their widest
// (a 7-character label, "String (Eprom)"); the fields stand to its right.
constexpr int kLista = 6900;
constexpr int kDestra = 120 + kLista + 120;
constexpr int kCampi = kDestra + 1920;
constexpr int kLarghezza = kCampi + 1500 + 420;

template <class T> void Imposta(QLineEdit* c, const T& testo)
{
    if (c->text() != testo) c->setText(testo);
}

void MostraLista(QListWidget* l, const QStringList& righe, int selezione, const QList<QStringList>& celle = {})
{
    const QSignalBlocker blocca(l);
    if (l->count() != righe.size()) {
        l->clear();
        l->addItems(righe);
    } else {
        for (int i = 0; i < righe.size(); ++i) l->item(i)->setText(righe[i]);
    }
    for (int i = 0; i < celle.size() && i < l->count(); ++i) l->item(i)->setData(DelegatoColonne::RuoloCelle, celle[i]);
    l->setCurrentRow(selezione);
    if (selezione < 0) l->clearSelection();
}
} // namespace

frm_variabili::frm_variabili()
{
    resize(sizeHint());
    m_schede = Crea<QTabBar>(this, QStringLiteral("TabStrip1"));
    m_schede->setGeometry(Rett(120, 60, kLarghezza - 240, 360));
    for (const char* t : {"Variables", "Strings", "Text"}) m_schede->addTab(QString::fromLatin1(t));
    for (int p = 0; p < 3; ++p) {
        m_pagine[size_t(p)] = Crea<QWidget>(this, QStringLiteral("Pagina_%1").arg(p));
        m_pagine[size_t(p)]->setGeometry(Rett(120, 420, kLarghezza - 240, 6000));
    }

    // Variables page.
    QWidget* pv = m_pagine[0];
    // Each heading spans its column; the last one ends at the scroll bar.
    const int colonne[7] = {0, 450, 1260, 2760, 3660, 5040, kLista - 300};
    for (int k = 0; k < 6; ++k) {
        m_intestazioni[size_t(k)] = Crea<QLabel>(pv, QStringLiteral("lbl_List1_%1").arg(k));
        m_intestazioni[size_t(k)]->setGeometry(Rett(180 + colonne[k], 60, colonne[k + 1] - colonne[k] - 60, 255));
    }
    m_lista = Crea<QListWidget>(pv, QStringLiteral("List1"));
    m_lista->setGeometry(Rett(120, 330, kLista, 5100));
    new DelegatoColonne(m_lista, {m_intestazioni.begin(), m_intestazioni.end()});
    const char* pulsanti[4] = {"+", "-", "^", "v"};
    const char* nomiPulsanti[4] = {"cmd_add", "cmd_remove", "cmd_up", "cmd_down"};
    for (int k = 0; k < 4; ++k) {
        m_pulsantiLista[size_t(k)] =
            Crea<QPushButton>(pv, QString::fromLatin1(nomiPulsanti[k]), QString::fromLatin1(pulsanti[k]));
        m_pulsantiLista[size_t(k)]->setGeometry(Rett(kDestra + k * 480, 330, 450, 375));
    }
    const int yCampo[3] = {840, 1230, 1620};
    for (int k : {0, 1, 2}) {
        m_didascalie[size_t(k)] = Crea<QLabel>(pv, QStringLiteral("lbl_WebReg_%1").arg(k));
        m_didascalie[size_t(k)]->setGeometry(Rett(kDestra, yCampo[k] + 60, 1900, 255));
        m_campi[size_t(k)] = Crea<QLineEdit>(pv, QStringLiteral("txt_WebReg_%1").arg(k));
        m_campi[size_t(k)]->setGeometry(Rett(kCampi, yCampo[k], 1500, 315));
    }
    m_campi[0]->setReadOnly(true);
    m_campi[2]->setMaxLength(7);
    m_lblTipo = Crea<QLabel>(pv, QStringLiteral("lbl_type"));
    m_lblTipo->setGeometry(Rett(kDestra, 2070, 1900, 255));
    m_tipo = Crea<QComboBox>(pv, QStringLiteral("cmb_type"));
    m_tipo->setGeometry(Rett(kCampi, 2010, 1500, 315));
    for (int k = 0; k < VociTipoVariabile; ++k) m_tipo->addItem(TestoVoceTipo(k), DatoVoceTipo(k));
    m_swap = Crea<QCheckBox>(pv, QStringLiteral("chk_swap"), QStringLiteral("Swap"));
    m_swap->setGeometry(Rett(kCampi, 2400, 1500, 255));
    Crea<QLabel>(pv, QStringLiteral("lbl_nomeCampo"), QStringLiteral("CSV Header Name"))
        ->setGeometry(Rett(kDestra, 2790, 1900, 255));
    m_nomeCampo = Crea<QLineEdit>(pv, QStringLiteral("txt_nomeCampo"));
    m_nomeCampo->setGeometry(Rett(kCampi, 2730, 1500, 315));
    m_nomeCampo->setMaxLength(12);

    // The output format and the alternate source share one place.
    m_formato = Crea<QGroupBox>(pv, QStringLiteral("frm_format"), QStringLiteral("Output Format"));
    m_formato->setGeometry(Rett(kDestra, 3150, 3420, 1500));
    m_segno = Crea<QCheckBox>(m_formato, QStringLiteral("chk_sign"), QStringLiteral("Signed"));
    m_segno->setGeometry(Rett(120, 330, 1200, 255));
    m_genere = Crea<QComboBox>(m_formato, QStringLiteral("cmb_outFormat"));
    m_genere->setGeometry(Rett(1500, 300, 1800, 315));
    m_genere->addItems({QStringLiteral("Decimal"), QStringLiteral("Exp"), QStringLiteral("Hex")});
    // Each caption clear of its field: "Decimals" needs more room than "Digits".
    const char* nomiScroll[2] = {"Digits", "Decimals"};
    const int xDidascalia[2] = {120, 1620}, lDidascalia[2] = {700, 1000}, xCampo[2] = {840, 2640};
    for (int k = 0; k < 2; ++k) {
        Crea<QLabel>(m_formato, QStringLiteral("lbl_scroll_%1").arg(k), QString::fromLatin1(nomiScroll[k]))
            ->setGeometry(Rett(xDidascalia[k], 900, lDidascalia[k], 255));
        m_txtScroll[size_t(k)] = Crea<QLineEdit>(m_formato, QStringLiteral("txt_scroll_%1").arg(k));
        m_txtScroll[size_t(k)]->setGeometry(Rett(xCampo[k], 840, 360, 315));
        // One digit each: the editor reads a format back by position.
        m_txtScroll[size_t(k)]->setMaxLength(1);
        m_txtScroll[size_t(k)]->setValidator(new QRegularExpressionValidator(
            QRegularExpression(k == 0 ? QStringLiteral("[1-9]") : QStringLiteral("[0-9]")), m_txtScroll[size_t(k)]));
        m_scroll[size_t(k)] = Crea<QScrollBar>(m_formato, QStringLiteral("scroll_%1").arg(k));
        m_scroll[size_t(k)]->setOrientation(Qt::Vertical);
        m_scroll[size_t(k)]->setInvertedAppearance(true);
        m_scroll[size_t(k)]->setRange(k == 0 ? 1 : 0, 9);
        m_scroll[size_t(k)]->setGeometry(Rett(xCampo[k] + 380, 810, 255, 375));
    }
    m_alternativo = Crea<QGroupBox>(pv, QStringLiteral("frm_alt"));
    m_alternativo->setGeometry(m_formato->geometry());
    m_altern = Crea<QCheckBox>(m_alternativo, QStringLiteral("chk_altern"), QStringLiteral("Set Altern."));
    m_altern->setGeometry(Rett(120, 150, 1800, 255));
    const int limiti[3] = {8, 6, 6};
    for (int k : {3, 4, 5}) {
        m_didascalie[size_t(k)] = Crea<QLabel>(m_alternativo, QStringLiteral("lbl_WebReg_%1").arg(k));
        m_didascalie[size_t(k)]->setGeometry(Rett(120, 510 + (k - 3) * 330, 1900, 255));
        m_campi[size_t(k)] = Crea<QLineEdit>(m_alternativo, QStringLiteral("txt_WebReg_%1").arg(k));
        m_campi[size_t(k)]->setGeometry(Rett(2100, 450 + (k - 3) * 330, 1200, 315));
        m_campi[size_t(k)]->setMaxLength(limiti[k - 3]);
    }
    m_didascalie[4]->setText(QStringLiteral("Trigger Reg"));
    m_didascalie[5]->setText(QStringLiteral("Mask"));

    auto* salva = Crea<QPushButton>(pv, QStringLiteral("cmd_RegistriWEB_0"));
    salva->setIcon(DisegnaImmagine(QStringLiteral("file_save")));
    salva->setGeometry(Rett(kDestra, 4800, 600, 450));
    auto* sistema = Crea<QPushButton>(pv, QStringLiteral("cmd_SysVar"), QStringLiteral("Set System Var"));
    sistema->setGeometry(Rett(kDestra + 720, 4800, 1500, 450));
    auto* ok = Crea<QPushButton>(this, QStringLiteral("cmd_ok"), QStringLiteral("OK"));
    ok->setGeometry(Rett(kLarghezza - 1440, 5880, 1200, 450));

    // Strings page.
    m_stringhe = Crea<QListWidget>(m_pagine[1], QStringLiteral("lst_strings"));
    m_stringhe->setGeometry(Rett(120, 330, 5160, 5100));
    auto* idStringa = Crea<QLabel>(m_pagine[1], QStringLiteral("lbl_strings_0"), QStringLiteral("ID"));
    idStringa->setGeometry(Rett(180, 60, 600, 255));
    auto* testoStringa = Crea<QLabel>(m_pagine[1], QStringLiteral("lbl_strings_1"), QStringLiteral("Text"));
    testoStringa->setGeometry(Rett(900, 60, 5160 - 300 - 780, 255));
    new DelegatoColonne(m_stringhe, {idStringa, testoStringa});
    m_stringa = Crea<QLineEdit>(m_pagine[1], QStringLiteral("txt_stringa"));
    m_stringa->setGeometry(Rett(5400, 330, 3420, 315));
    m_stringa->setMaxLength(32);
    auto* salvaStringa = Crea<QPushButton>(m_pagine[1], QStringLiteral("cmd_SetString"));
    salvaStringa->setIcon(DisegnaImmagine(QStringLiteral("file_save")));
    salvaStringa->setGeometry(Rett(5400, 780, 600, 450));

    // Text page.
    m_blocchi = Crea<QListWidget>(m_pagine[2], QStringLiteral("lst_block"));
    m_blocchi->setGeometry(Rett(120, 330, 2000, 5100));
    Crea<QLabel>(m_pagine[2], QStringLiteral("lbl_block_0"), QStringLiteral("ID"))->setGeometry(Rett(180, 60, 600, 255));
    Crea<QLabel>(m_pagine[2], QStringLiteral("lbl_block_1"), QStringLiteral("Text"))->setGeometry(Rett(900, 60, 900, 255));
    m_blocco = Crea<QPlainTextEdit>(m_pagine[2], QStringLiteral("txt_block"));
    m_blocco->setGeometry(Rett(2280, 330, 6540, 4300));
    m_blocco->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_blocco->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_blocco->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* salvaBlocco = Crea<QPushButton>(m_pagine[2], QStringLiteral("cmd_RegistriWEB_1"));
    salvaBlocco->setIcon(DisegnaImmagine(QStringLiteral("file_save")));
    salvaBlocco->setGeometry(Rett(2280, 4800, 600, 450));

    // Every action runs on the logic, then the window shows the result.
    auto fai = [this](auto f) {
        return [this, f](auto&&...) {
            f();
            Mostra();
        };
    };
    connect(m_schede, &QTabBar::currentChanged, this, [this](int s) {
        m_editor.SceltaScheda(s);
        Mostra();
    });
    connect(m_lista, &QListWidget::itemClicked, this, [this](QListWidgetItem* v) {
        m_editor.Seleziona(m_lista->row(v));
        Mostra();
    });
    connect(m_lista, &QListWidget::currentRowChanged, this, [this](int r) {
        m_editor.Seleziona(r);
        Mostra();
    });
    for (int k = 0; k < 6; ++k)
        connect(m_campi[size_t(k)], &QLineEdit::textEdited, this,
                [this, k](const QString& t) { m_editor.Campo[size_t(k)] = t; });
    connect(m_tipo, &QComboBox::activated, this, [this](int p) {
        m_editor.SceltaTipo(p);
        Mostra();
    });
    connect(m_swap, &QCheckBox::clicked, this, [this](bool v) { m_editor.Swap = v; });
    connect(m_altern, &QCheckBox::clicked, this, [this](bool v) {
        m_editor.SceltaAlternativa(v);
        Mostra();
    });
    connect(m_segno, &QCheckBox::clicked, this, [this](bool v) { m_editor.Formato.segno = v; });
    connect(m_genere, &QComboBox::activated, this, [this](int g) { m_editor.Formato.genere = g; });
    for (int k = 0; k < 2; ++k) {
        int FormatoUscita::*campo = k == 0 ? &FormatoUscita::cifre : &FormatoUscita::decimali;
        connect(m_scroll[size_t(k)], &QScrollBar::valueChanged, this, [this, campo](int v) {
            m_editor.Formato.*campo = v;
            Mostra();
        });
        connect(m_txtScroll[size_t(k)], &QLineEdit::textEdited, this, [this, campo](const QString& t) {
            if (t.size() == 1) m_editor.Formato.*campo = t[0].digitValue();
            Mostra();
        });
    }
    connect(m_nomeCampo, &QLineEdit::textEdited, this, [this](const QString& t) { m_editor.NomeCampo = t; });
    connect(salva, &QPushButton::clicked, this, fai([this] { m_editor.Memorizza(); }));
    connect(m_pulsantiLista[0], &QPushButton::clicked, this, fai([this] { m_editor.Aggiungi(); }));
    connect(m_pulsantiLista[1], &QPushButton::clicked, this, fai([this] { m_editor.Rimuovi(); }));
    connect(m_pulsantiLista[2], &QPushButton::clicked, this, fai([this] { m_editor.Su(); }));
    connect(m_pulsantiLista[3], &QPushButton::clicked, this, fai([this] { m_editor.Giu(); }));
    connect(sistema, &QPushButton::clicked, this, fai([this] { m_editor.VariabiliSistema(); }));
    connect(m_stringhe, &QListWidget::itemClicked, this, [this](QListWidgetItem* v) {
        m_editor.SelezionaStringa(m_stringhe->row(v));
        Mostra();
    });
    connect(m_stringhe, &QListWidget::currentRowChanged, this, [this](int r) {
        m_editor.SelezionaStringa(r);
        Mostra();
    });
    connect(m_stringa, &QLineEdit::textEdited, this, [this](const QString& t) { m_editor.TestoStringa = t; });
    connect(salvaStringa, &QPushButton::clicked, this, fai([this] { m_editor.MemorizzaStringa(); }));
    connect(m_blocchi, &QListWidget::currentRowChanged, this, [this](int r) {
        m_editor.SelezionaBlocco(r);
        Mostra();
    });
    connect(m_blocco, &QPlainTextEdit::textChanged, this, [this] {
        // The block keeps its lines joined by CR LF, at most 254 characters.
        QString t = m_blocco->toPlainText();
        t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        m_editor.TestoBlocco = t.left(254);
    });
    connect(salvaBlocco, &QPushButton::clicked, this, fai([this] { m_editor.MemorizzaBlocco(); }));
    connect(ok, &QPushButton::clicked, this, [this] { cmd_ok_Click(); });

    SetRes();
    m_editor.Apri();
    Mostra();
}

frm_variabili::~frm_variabili()
{
    SceltaAperta = false;
}

QSize frm_variabili::sizeHint() const
{
    return Rett(0, 0, kLarghezza, 6480).size();
}

bool frm_variabili::Scegli()
{
    s_scelta = -1;
    s_sceltaFatta = false;
    SceltaAperta = true;
    frm_variabili* w = Finestre::Get<frm_variabili>();
    Finestre::Mostra(w);
    AttesaEditore::Attendi(w);
    SceltaAperta = false;
    return s_sceltaFatta;
}

void frm_variabili::SetRes()
{
    setWindowTitle(Testo(156));
    for (int k = 0; k < 4; ++k) m_intestazioni[size_t(k)]->setText(Testo(157 + k));
    m_intestazioni[4]->setText(QStringLiteral("Label"));
    m_intestazioni[5]->setText(QStringLiteral("CSV Header"));
    m_lblTipo->setText(Testo(159));
    m_editor.Didascalie();
    Mostra();
}

void frm_variabili::closeEvent(QCloseEvent* e)
{
    // Whatever the way it closes, a scheduler waiting on it stops waiting.
    SceltaAperta = false;
    e->accept();
}

void frm_variabili::cmd_ok_Click()
{
    s_scelta = m_editor.Selezione;
    s_sceltaFatta = true;
    m_editor.Ok();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void frm_variabili::Mostra()
{
    const EditorVariabili& e = m_editor;
    {
        const QSignalBlocker blocca(m_schede);
        m_schede->setCurrentIndex(e.Scheda);
    }
    for (int p = 0; p < 3; ++p) m_pagine[size_t(p)]->setVisible(e.PaginaVisibile[size_t(p)]);

    MostraLista(m_lista, e.Righe, e.Selezione, e.Celle);
    for (QPushButton* b : {m_pulsantiLista[1], m_pulsantiLista[2], m_pulsantiLista[3]}) b->setEnabled(e.PulsantiLista());
    for (int k = 0; k < 6; ++k) {
        Imposta(m_campi[size_t(k)], e.Campo[size_t(k)]);
        m_campi[size_t(k)]->setVisible(e.Vista.campo[size_t(k)]);
        m_didascalie[size_t(k)]->setVisible(e.Vista.didascalia[size_t(k)]);
        if (k != 4 && k != 5) m_didascalie[size_t(k)]->setText(e.Didascalia[size_t(k)]);
    }
    {
        const QSignalBlocker blocca(m_tipo);
        m_tipo->setCurrentIndex(e.PosizioneTipo);
    }
    m_swap->setChecked(e.Swap);
    m_swap->setVisible(e.Vista.swap);
    m_altern->setChecked(e.Alternativa);
    m_altern->setVisible(e.Vista.alternativa);
    m_alternativo->setVisible(e.Vista.gruppoAlternativo);
    m_formato->setVisible(e.Vista.formato);
    Imposta(m_nomeCampo, e.NomeCampo);
    m_segno->setChecked(e.Formato.segno);
    {
        const QSignalBlocker blocca(m_genere);
        m_genere->setCurrentIndex(e.Formato.genere);
    }
    const int valori[2] = {e.Formato.cifre, e.Formato.decimali};
    for (int k = 0; k < 2; ++k) {
        const QSignalBlocker blocca(m_scroll[size_t(k)]);
        m_scroll[size_t(k)]->setValue(valori[k]);
        Imposta(m_txtScroll[size_t(k)], QString::number(valori[k]));
    }

    MostraLista(m_stringhe, e.RigheStringhe, e.SelezioneStringa);
    Imposta(m_stringa, e.TestoStringa);
    MostraLista(m_blocchi, e.RigheBlocchi, e.SelezioneBlocco);
    QString blocco = e.TestoBlocco;
    blocco.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_blocco->toPlainText() != blocco) {
        const QSignalBlocker blocca(m_blocco);
        m_blocco->setPlainText(blocco);
    }
}

void InstallaServiziVariabili()
{
    ServiziScheduler::ApriVariabili = []() -> QWidget* {
        frm_variabili* w = Finestre::Get<frm_variabili>();
        Finestre::Mostra(w);
        return w;
    };
}
