#pragma once
// Lays out every line of a list with uniform line sizes as wide as its
// widest line, so none is cut short or ends in an ellipsis; a line wider than
// the list scrolls into view sideways. Each line is measured once, when the
// list first lays it out, so a list that grows for the whole run stays quick.
#include <QStyledItemDelegate>

class QListView;

class DelegatoRigheIntere : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Installs itself on `lista`, whose model stays the same.
    explicit DelegatoRigheIntere(QListView* lista);

    QSize sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override;

private:
    void Ricomincia();

    mutable int m_misurate = 0;     // lines 0 .. m_misurate - 1 are measured
    mutable int m_larghezza = 0;    // the widest of them
};
