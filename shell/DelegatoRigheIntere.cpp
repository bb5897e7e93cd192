#include "shell/DelegatoRigheIntere.h"

#include <QListView>

DelegatoRigheIntere::DelegatoRigheIntere(QListView* lista) : QStyledItemDelegate(lista)
{
    lista->setUniformItemSizes(true);
    lista->setItemDelegate(this);
    QAbstractItemModel* m = lista->model();
    // Lines only ever added at the end keep what was measured.
    connect(m, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int primo, int) {
        if (primo < m_misurate) Ricomincia();
    });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this] { Ricomincia(); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { Ricomincia(); });
    connect(m, &QAbstractItemModel::dataChanged, this, [this] { Ricomincia(); });
}

void DelegatoRigheIntere::Ricomincia()
{
    m_misurate = 0;
    m_larghezza = 0;
}

QSize DelegatoRigheIntere::sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const
{
    // With uniform sizes the list asks for one line only: that answer
    // carries the width of every line it holds.
    QSize s = QStyledItemDelegate::sizeHint(opzione, indice);
    const QAbstractItemModel* m = indice.model();
    if (!m) return s;
    for (const int n = m->rowCount(indice.parent()); m_misurate < n; ++m_misurate) {
        const QModelIndex riga = m->index(m_misurate, indice.column(), indice.parent());
        m_larghezza = qMax(m_larghezza, QStyledItemDelegate::sizeHint(opzione, riga).width());
    }
    s.setWidth(qMax(s.width(), m_larghezza));
    return s;
}
