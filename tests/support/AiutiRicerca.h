#pragma once
// What the search-window tests share besides the fake devices.
#include "support/FakeUdp.h"

#include <QObject>
#include <QStringList>

class QTreeWidgetItem;
class QUrl;
class frm_search;

namespace Test {

// A TCP/IP search of the device search window for the chosen families.
void CercaTcp(frm_search* w, bool controllori, bool gateway, const QString& timeout = QStringLiteral("150"));

// The texts of a tree node's children.
QStringList Figli(QTreeWidgetItem* n);

// While it lives, the web pages and local files the program opens are
// recorded here instead of opened.
class PagineAperte : public QObject {
    Q_OBJECT
public:
    PagineAperte();
    ~PagineAperte() override;
    QStringList aperti;
public slots:
    void apri(const QUrl& u);
};

} // namespace Test
