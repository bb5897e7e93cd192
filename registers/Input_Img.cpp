#include "registers/Input_Img.h"

#include "base/Globali.h"
#include "base/Testi.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}
} // namespace

Input_Img::Input_Img()
{
    resize(sizeHint());
    auto* quadro = Crea<QGroupBox>(this, QStringLiteral("Frame1"), QStringLiteral("Picture"));
    quadro->setGeometry(Rett(120, 60, 4320, 5580));
    const char* etichette[3] = {"Name", "Width", "Height"};
    const char* nomi[3] = {"txt_NomeImg", "txt_DimX", "txt_dimY"};
    QLineEdit* campi[3];
    for (int k = 0; k < 3; ++k) {
        Crea<QLabel>(quadro, QStringLiteral("Label%1").arg(k + 1), QString::fromLatin1(etichette[k]))
            ->setGeometry(Rett(120, 330 + k * 390, 1000, 255));
        campi[k] = Crea<QLineEdit>(quadro, QString::fromLatin1(nomi[k]));
        campi[k]->setGeometry(Rett(1200, 270 + k * 390, k == 0 ? 2900 : 900, 315));
    }
    m_nome = campi[0];
    m_x = campi[1];
    m_y = campi[2];
    m_x->setReadOnly(true);
    m_y->setReadOnly(true);
    m_anteprima = Crea<QLabel>(quadro, QStringLiteral("Image1"));
    m_anteprima->setGeometry(Rett(120, 1500, 4080, 3000));
    m_anteprima->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* carica = Crea<QPushButton>(quadro, QStringLiteral("cmd_Load"), QStringLiteral("Load from File"));
    carica->setGeometry(Rett(120, 5070, 1980, 375));
    // No image file format is settled and nothing would read one back.
    auto* salva = Crea<QPushButton>(quadro, QStringLiteral("cmd_Save"), QStringLiteral("Save to File"));
    salva->setGeometry(Rett(2220, 5070, 1980, 375));
    salva->setEnabled(false);

    auto* inserisci = Crea<QPushButton>(this, QStringLiteral("cmd_Insert"), QStringLiteral(">>"));
    inserisci->setGeometry(Rett(4560, 2640, 555, 375));
    auto* elenco = Crea<QGroupBox>(this, QStringLiteral("Frame2"), QStringLiteral("Images"));
    elenco->setGeometry(Rett(5220, 60, 2640, 5580));
    m_lista = Crea<QListWidget>(elenco, QStringLiteral("ListaImg"));
    m_lista->setGeometry(Rett(120, 300, 2400, 5160));
    for (int i : {1, 0}) {
        auto* b = Crea<QPushButton>(this, QStringLiteral("cmd_ok_%1").arg(i),
                                    i ? QStringLiteral("OK") : QStringLiteral("Annulla"));
        b->setGeometry(Rett(i ? 5220 : 6600, 5760, 1260, 375));
        connect(b, &QPushButton::clicked, this, [this] { Chiudi(); });
    }

    connect(m_nome, &QLineEdit::textEdited, this, [this](const QString& t) { m_editor.Nome = t; });
    connect(m_lista, &QListWidget::currentRowChanged, this, [this](int r) { m_editor.Selezione = r; });
    connect(carica, &QPushButton::clicked, this, [this] {
        m_editor.CaricaDaFile();
        Mostra();
    });
    connect(inserisci, &QPushButton::clicked, this, [this] {
        m_editor.Inserisci();
        Mostra();
    });
    setWindowTitle(Testo(36));
}

QSize Input_Img::sizeHint() const
{
    return Rett(0, 0, 7980, 6240).size();
}

Input_Img* Input_Img::Apri()
{
    Input_Img* w = Finestre::Get<Input_Img>();
    if (!w->m_caricato) w->Form_Load();
    Finestre::Mostra(w);
    return w;
}

void Input_Img::Form_Load()
{
    setWindowTitle(Testo(36));
    m_editor.Carica();
    m_caricato = true;
    Mostra();
}

void Input_Img::Chiudi()
{
    // Nothing waits on this window: closing it touches no editor-open flag.
    m_caricato = false;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
}

void Input_Img::closeEvent(QCloseEvent* e)
{
    e->ignore();
    Chiudi();
}

void Input_Img::Mostra()
{
    const EditorImmagini& e = m_editor;
    {
        const QSignalBlocker blocca(m_lista);
        m_lista->clear();
        m_lista->addItems(e.Lista);
        m_lista->setCurrentRow(e.Selezione);
    }
    if (m_nome->text() != e.Nome) m_nome->setText(e.Nome);
    m_x->setText(e.TestoX);
    m_y->setText(e.TestoY);
    m_anteprima->setPixmap(e.Immagine.isNull() ? QPixmap() : QPixmap::fromImage(e.Immagine));
}
