#include "shell/DelegatoColonne.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

DelegatoColonne::DelegatoColonne(QListWidget* lista, const QList<QWidget*>& intestazioni)
    : QStyledItemDelegate(lista), m_lista(lista)
{
    for (QWidget* w : intestazioni) m_intestazioni << w;
    lista->setItemDelegate(this);
}

QRect DelegatoColonne::Cella(const QRect& riga, int colonna) const
{
    if (colonna < 0 || colonna >= m_intestazioni.size() || !m_intestazioni[colonna]) return {};
    const QWidget* intestazione = m_intestazioni[colonna];
    QWidget* vista = m_lista->viewport();
    const int sinistra = vista->mapFromGlobal(intestazione->mapToGlobal(QPoint(0, 0))).x();
    const int destra = std::min(sinistra + intestazione->width(), vista->width());
    return QRect(QPoint(sinistra, riga.top()), QPoint(destra - 1, riga.bottom()));
}

QStringList DelegatoColonne::Celle(const QModelIndex& indice)
{
    const QVariant celle = indice.data(RuoloCelle);
    if (celle.isValid()) return celle.toStringList();
    return indice.data(Qt::DisplayRole).toString().split(QLatin1Char('\t'));
}

void DelegatoColonne::paint(QPainter* pittore, const QStyleOptionViewItem& opzione, const QModelIndex& indice) const
{
    // The style draws the line's background, selection and focus; the cells
    // are drawn over it.
    QStyleOptionViewItem opz = opzione;
    initStyleOption(&opz, indice);
    opz.text.clear();
    QStyle* stile = opz.widget ? opz.widget->style() : QApplication::style();
    stile->drawControl(QStyle::CE_ItemViewItem, &opz, pittore, opz.widget);

    const QPalette::ColorGroup gruppo = !(opz.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (opz.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole ruolo =
        (opz.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    pittore->save();
    pittore->setPen(opz.palette.color(gruppo, ruolo));
    pittore->setFont(opz.font);
    const QStringList celle = Celle(indice);
    for (int k = 0; k < celle.size() && k < m_intestazioni.size(); ++k) {
        const QRect r = Cella(opzione.rect, k);
        if (r.width() <= 0) continue;
        pittore->drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                          opz.fontMetrics.elidedText(celle[k], Qt::ElideRight, r.width()));
    }
    pittore->restore();
}

QSize DelegatoColonne::sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const
{
    // As wide as the columns, so that the list has nothing to scroll sideways.
    int larghezza = 0;
    for (int k = 0; k < m_intestazioni.size(); ++k) larghezza = std::max(larghezza, Cella(QRect(), k).right() + 1);
    return QSize(larghezza, QStyledItemDelegate::sizeHint(opzione, indice).height());
}
