#pragma once
// The device tree of the search windows: every node is found by its key
// ("rete", "nodo3", "mac3"...), which the node also carries for clicks.
#include <QHash>
#include <QIcon>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

class AlberoScoperta {
public:
    explicit AlberoScoperta(QTreeWidget* albero) : m_albero(albero) {}

    // A node under `padre` (at the top when empty); nullptr when the key is
    // taken or the parent is missing.
    QTreeWidgetItem* Aggiungi(const QString& padre, const QString& chiave, const QString& testo,
                              const QIcon& icona = QIcon());
    QTreeWidgetItem* Nodo(const QString& chiave) const { return m_nodi.value(chiave); }
    // The node and every node below it.
    void Rimuovi(const QString& chiave);
    void Svuota();
    static QString Chiave(const QTreeWidgetItem* nodo);

private:
    QTreeWidget* m_albero;
    QHash<QString, QTreeWidgetItem*> m_nodi;
};
