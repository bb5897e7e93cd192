#include "comm/finestre/ScopertaAlbero.h"

#include <QTreeWidget>

QTreeWidgetItem* AlberoScoperta::Aggiungi(const QString& padre, const QString& chiave, const QString& testo,
                                          const QIcon& icona)
{
    if (m_nodi.contains(chiave)) return nullptr;   // keys are unique
    QTreeWidgetItem* n = nullptr;
    if (padre.isEmpty()) {
        n = new QTreeWidgetItem(m_albero);
    } else if (QTreeWidgetItem* p = m_nodi.value(padre)) {
        n = new QTreeWidgetItem(p);
    } else {
        return nullptr;
    }
    n->setText(0, testo);
    n->setData(0, Qt::UserRole, chiave);
    if (!icona.isNull()) n->setIcon(0, icona);
    m_nodi.insert(chiave, n);
    return n;
}

void AlberoScoperta::Rimuovi(const QString& chiave)
{
    QTreeWidgetItem* n = m_nodi.value(chiave);
    if (!n) return;
    QList<QTreeWidgetItem*> daVisitare{n};
    while (!daVisitare.isEmpty()) {
        QTreeWidgetItem* x = daVisitare.takeLast();
        m_nodi.remove(Chiave(x));
        for (int i = 0; i < x->childCount(); ++i) daVisitare.append(x->child(i));
    }
    delete n;
}

void AlberoScoperta::Svuota()
{
    m_albero->clear();
    m_nodi.clear();
}

QString AlberoScoperta::Chiave(const QTreeWidgetItem* nodo)
{
    return nodo ? nodo->data(0, Qt::UserRole).toString() : QString();
}
