#pragma once
// A list drawn as columns under the captions laid out above it: each line's
// cells start where their caption starts and end where it ends, so the
// values stand under their headings whatever the font's tab stops. A cell
// too long for its column ends in an ellipsis instead of running into the
// next one.
#include <QList>
#include <QPointer>
#include <QStyledItemDelegate>

class QListWidget;

class DelegatoColonne : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The item's cells; an item without them is split at its Tab characters.
    static constexpr int RuoloCelle = Qt::UserRole + 1;

    // Installs itself on `lista`; `intestazioni` are the captions, left to right.
    DelegatoColonne(QListWidget* lista, const QList<QWidget*>& intestazioni);

    // Where column `colonna` of the line shown in `riga` is drawn, in the
    // coordinates of the list's viewport.
    QRect Cella(const QRect& riga, int colonna) const;
    // The cells of one item, as they are drawn.
    static QStringList Celle(const QModelIndex& indice);

    void paint(QPainter* pittore, const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override;
    QSize sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override;

private:
    QListWidget* m_lista;
    QList<QPointer<QWidget>> m_intestazioni;
};
