#include "registers/frm_watch.h"

#include "base/Globali.h"
#include "registers/Watch.h"
#include "resources/Immagini.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace {
QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}
} // namespace

frm_watch::frm_watch()
{
    resize(sizeHint());
    m_reg = Crea<QComboBox>(this, QStringLiteral("cmb_reg"));
    m_reg->setEditable(true);
    m_reg->setInsertPolicy(QComboBox::NoInsert);
    m_reg->setGeometry(Rett(120, 120, 3600, 315));
    m_aggiungi = Crea<QPushButton>(this, QStringLiteral("cmd_Reg_0"));
    m_aggiungi->setGeometry(Rett(3840, 90, 420, 375));
    m_rimuovi = Crea<QPushButton>(this, QStringLiteral("cmd_Reg_1"));
    m_rimuovi->setGeometry(Rett(4320, 90, 420, 375));
    m_vista = Crea<QTreeWidget>(this, QStringLiteral("RegView"));
    m_vista->setRootIsDecorated(false);
    m_vista->setGeometry(Rett(120, 570, 6000, 4800));
    m_leggi = Crea<QPushButton>(this, QStringLiteral("cmd_Read"), QStringLiteral("Refresh"));
    m_leggi->setGeometry(Rett(120, 5490, 1200, 375));
    m_continuo = Crea<QCheckBox>(this, QStringLiteral("chk_cont"), QStringLiteral("cont."));
    m_continuo->setGeometry(Rett(1440, 5520, 1000, 315));

    connect(m_aggiungi, &QPushButton::clicked, this, [this] {
        if (AggiungiWatch(m_reg->currentText(), m_reg->currentData().isValid() ? m_reg->currentData().toInt() : -1) ==
            EsitoWatch::Aggiunto)
            AggiornaWatch();
    });
    connect(m_rimuovi, &QPushButton::clicked, this, [this] {
        const QModelIndex i = m_vista->currentIndex();
        if (i.isValid() && m_vista->selectionModel()->isSelected(i) && RimuoviWatch(i.row() + 1)) AggiornaWatch();
    });
    connect(m_leggi, &QPushButton::clicked, this, [this] { cmd_Read_Click(); });
    SetRes();
}

QSize frm_watch::sizeHint() const
{
    return Rett(0, 0, 6240, 6000).size();
}

frm_watch* frm_watch::Apri()
{
    frm_watch* w = Finestre::Get<frm_watch>();
    Finestre::Mostra(w);
    w->SetRes();
    w->AggiornaWatch();
    return w;
}

void frm_watch::SetRes()
{
    setWindowTitle(QStringLiteral("Watch"));
    m_aggiungi->setIcon(IconaRisorsa(142));
    m_rimuovi->setIcon(IconaRisorsa(143));
    m_reg->clear();
    for (const auto& [testo, registro] : VociWatch()) m_reg->addItem(testo, registro);
    m_reg->setCurrentIndex(-1);
    m_vista->clear();
    m_vista->setHeaderLabels({QStringLiteral("Reg"), QStringLiteral("Label"), QStringLiteral("Value"),
                              QStringLiteral("Format")});
}

void frm_watch::AggiornaWatch()
{
    LeggiWatch();
    // The selection survives the redraw, so a row can be removed while the
    // continuous refresh runs.
    const int selezionata = m_vista->selectionModel()->hasSelection() ? m_vista->currentIndex().row() : -1;
    m_vista->clear();
    for (const RigaWatch& r : RigheWatch()) {
        auto* v = new QTreeWidgetItem(m_vista, {r.registro, r.nome, r.valore, r.tipo});
        if (r.coloreNomeValido) v->setForeground(1, r.coloreNome);
        v->setForeground(2, r.coloreValore);
    }
    if (selezionata >= 0 && selezionata < m_vista->topLevelItemCount())
        m_vista->setCurrentItem(m_vista->topLevelItem(selezionata));
}

void frm_watch::cmd_Read_Click()
{
    if (!m_continuo->isChecked()) {
        AggiornaWatch();
        return;
    }
    const QPointer<frm_watch> io(this);
    CicloWatch([io] { return io && io->m_continuo->isChecked(); },
               [io] {
                   if (io) io->AggiornaWatch();
               });
}

void frm_watch::closeEvent(QCloseEvent* e)
{
    // Unticking ends a running loop after its current wait; the window is
    // only hidden, so the loop never reads into a destroyed one.
    m_continuo->setChecked(false);
    e->ignore();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
}
