#include "registers/Input_Tab.h"

#include "base/Globali.h"
#include "base/Testi.h"
#include "blockeditor/Servizi.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

constexpr int kAltezzaRiga = 390;
constexpr int kPrimaRiga = 600;
} // namespace

Input_Tab::Input_Tab()
{
    resize(sizeHint());

    m_tabella = Crea<QGroupBox>(this, QStringLiteral("f_tabella"));
    m_tabella->setGeometry(Rett(120, 60, 4320, 5580));
    m_lblNome = Crea<QLabel>(m_tabella, QStringLiteral("Label1"));
    m_lblNome->setGeometry(Rett(120, 330, 1000, 255));
    m_nome = Crea<QLineEdit>(m_tabella, QStringLiteral("txt_NomeTab"));
    m_nome->setGeometry(Rett(1200, 270, 2900, 315));
    m_lblPunti = Crea<QLabel>(m_tabella, QStringLiteral("Label2"));
    m_lblPunti->setGeometry(Rett(120, 690, 1000, 255));
    m_conteggio = Crea<QLineEdit>(m_tabella, QStringLiteral("txt_Npunti"));
    m_conteggio->setGeometry(Rett(1200, 630, 700, 315));

    m_punti = Crea<QGroupBox>(m_tabella, QStringLiteral("f_Tab"));
    m_punti->setGeometry(Rett(120, 1050, 4080, 3900));
    Crea<QLabel>(m_punti, QStringLiteral("lbl_Input"), QStringLiteral("Input"))->setGeometry(Rett(600, 300, 1400, 255));
    Crea<QLabel>(m_punti, QStringLiteral("lbl_Output"), QStringLiteral("Output"))->setGeometry(Rett(2100, 300, 1400, 255));
    for (int k = 0; k < EditorTabelle::NumRighe; ++k) {
        RigaPunto& r = m_righe[size_t(k)];
        r.p = Crea<QWidget>(m_punti, QStringLiteral("pTab_%1").arg(k));
        r.p->setGeometry(Rett(60, -1000, 3600, kAltezzaRiga));
        r.p->setAutoFillBackground(true);
        QPalette pal = r.p->palette();
        pal.setColor(QPalette::Window, k % 2 == 0 ? QColor(0xE0, 0xE0, 0xE0) : QColor(0xF0, 0xF0, 0xF0));
        r.p->setPalette(pal);
        r.numero = Crea<QLabel>(r.p, QStringLiteral("lbl_TabA_%1").arg(k), QString::number(k + 1));
        r.numero->setGeometry(Rett(60, 60, 400, 255));
        r.a = Crea<QLineEdit>(r.p, QStringLiteral("txt_TabA_%1").arg(k));
        r.a->setGeometry(Rett(480, 30, 1450, 315));
        r.b = Crea<QLineEdit>(r.p, QStringLiteral("txt_TabB_%1").arg(k));
        r.b->setGeometry(Rett(1980, 30, 1450, 315));
        auto* linea = Crea<QFrame>(r.p, QStringLiteral("Line_%1").arg(k));
        linea->setFrameShape(QFrame::HLine);
        linea->setGeometry(Rett(0, kAltezzaRiga - 15, 3600, 15));
        r.p->hide();
        connect(r.a, &QLineEdit::textEdited, this, [this, k](const QString& t) { m_editor.TestoX[size_t(k)] = t; });
        connect(r.b, &QLineEdit::textEdited, this, [this, k](const QString& t) { m_editor.TestoY[size_t(k)] = t; });
    }
    m_scroll = Crea<QScrollBar>(m_punti, QStringLiteral("VScroll1"));
    m_scroll->setOrientation(Qt::Vertical);
    m_scroll->setGeometry(Rett(3720, kPrimaRiga, 255, EditorTabelle::RigheVisibili * kAltezzaRiga));
    m_scroll->setPageStep(1);

    m_carica = Crea<QPushButton>(m_tabella, QStringLiteral("cmd_Load"));
    m_carica->setGeometry(Rett(120, 5070, 1980, 375));
    m_salva = Crea<QPushButton>(m_tabella, QStringLiteral("cmd_Save"));
    m_salva->setGeometry(Rett(2220, 5070, 1980, 375));

    m_inserisci = Crea<QPushButton>(this, QStringLiteral("cmd_Insert"), QStringLiteral(">>"));
    m_inserisci->setGeometry(Rett(4560, 2640, 555, 375));

    m_elenco = Crea<QGroupBox>(this, QStringLiteral("Frame1"));
    m_elenco->setGeometry(Rett(5220, 60, 2640, 5580));
    m_lista = Crea<QListWidget>(m_elenco, QStringLiteral("ListaTab"));
    m_lista->setGeometry(Rett(120, 300, 2400, 5160));

    for (int i : {1, 0}) {
        m_ok[size_t(i)] = Crea<QPushButton>(this, QStringLiteral("cmd_ok_%1").arg(i),
                                            i ? QStringLiteral("OK") : QStringLiteral("Annulla"));
        m_ok[size_t(i)]->setGeometry(Rett(i ? 5220 : 6600, 5760, 1260, 375));
        connect(m_ok[size_t(i)], &QPushButton::clicked, this, [this, i] { cmd_ok_Click(i); });
    }

    connect(m_nome, &QLineEdit::textEdited, this, [this](const QString& t) { m_editor.Nome = t; });
    connect(m_conteggio, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_editor.Conteggio = t;
        m_editor.CambioConteggio();
        Mostra();
    });
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) {
        m_editor.Scorri(v);
        Mostra();
    });
    // A click on the entry already selected loads it again, as any click does.
    auto clic = [this](int riga) {
        m_editor.ListaClick(riga);
        Mostra();
    };
    connect(m_lista, &QListWidget::currentRowChanged, this, clic);
    connect(m_lista, &QListWidget::itemClicked, this, [this, clic](QListWidgetItem* v) { clic(m_lista->row(v)); });
    auto azione = [this](QPushButton* b, void (EditorTabelle::*f)()) {
        connect(b, &QPushButton::clicked, this, [this, f] {
            (m_editor.*f)();
            Mostra();
        });
    };
    azione(m_carica, &EditorTabelle::CaricaDaFile);
    azione(m_salva, &EditorTabelle::SalvaSuFile);
    connect(m_inserisci, &QPushButton::clicked, this, [this] {
        m_editor.Inserisci();
        Mostra();
    });
    SetRes();
}

QSize Input_Tab::sizeHint() const
{
    return Rett(0, 0, 7980, 6240).size();
}

Input_Tab* Input_Tab::Apri()
{
    Input_Tab* w = Finestre::Get<Input_Tab>();
    if (!w->Caricato()) w->Form_Load();
    Finestre::Mostra(w);
    return w;
}

void Input_Tab::SetRes()
{
    setWindowTitle(Testo(80));
    m_tabella->setTitle(Testo(81));
    m_lblNome->setText(Testo(82));
    m_lblPunti->setText(Testo(83));
    m_punti->setTitle(Testo(84));
    m_elenco->setTitle(Testo(85));
    m_carica->setText(Testo(86));
    m_salva->setText(Testo(87));
}

void Input_Tab::Form_Load()
{
    SetRes();
    m_editor = EditorTabelle();
    m_editor.Carica();
    m_caricato = true;
    Mostra();
}

void Input_Tab::Form_Unload()
{
    m_caricato = false;
    // Hidden, not destroyed: a wait on this window ends the same way, and
    // the next opening loads it afresh.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
}

void Input_Tab::closeEvent(QCloseEvent* e)
{
    // The close box unloads like Annulla, without its side effects: the
    // window stays for the next opening.
    e->ignore();
    Form_Unload();
}

void Input_Tab::cmd_ok_Click(int indice)
{
    if (indice == 1 && !m_editor.Ok()) {
        Mostra();
        return;
    }
    if (indice == 0) m_editor.Annulla();
    Form_Unload();
}

void Input_Tab::Mostra()
{
    const EditorTabelle& e = m_editor;
    {
        const QSignalBlocker blocca(m_lista);
        if (m_lista->count() != e.Lista.size()) {
            m_lista->clear();
            m_lista->addItems(e.Lista);
        } else {
            for (int i = 0; i < e.Lista.size(); ++i) m_lista->item(i)->setText(e.Lista[i]);
        }
        m_lista->setCurrentRow(e.Selezione);
    }
    if (m_nome->text() != e.Nome) m_nome->setText(e.Nome);
    if (m_conteggio->text() != e.Conteggio) m_conteggio->setText(e.Conteggio);
    for (int k = 0; k < EditorTabelle::NumRighe; ++k) {
        RigaPunto& r = m_righe[size_t(k)];
        if (r.a->text() != e.TestoX[size_t(k)]) r.a->setText(e.TestoX[size_t(k)]);
        if (r.b->text() != e.TestoY[size_t(k)]) r.b->setText(e.TestoY[size_t(k)]);
        r.p->hide();
    }
    {
        const QSignalBlocker blocca(m_scroll);
        m_scroll->setMaximum(e.Massimo);
        m_scroll->setValue(e.Posizione);
        m_scroll->setEnabled(e.ScorrimentoAttivo);
    }
    for (int j = 0; j < e.Vista.quante; ++j) {
        RigaPunto& r = m_righe[size_t(e.Vista.prima + j)];
        r.p->move(r.p->x(), Twips(kPrimaRiga + j * kAltezzaRiga));
        r.p->show();
    }
}

void InstallaServiziTabelle()
{
    ServiziEditor::ApriEditorTabelle = [](int tabella) -> QWidget* {
        EditorTabelle::TabellaCorrente = tabella;
        return Input_Tab::Apri();
    };
    ServiziEditor::TabellaEditor = [] { return EditorTabelle::TabellaCorrente; };
}
