// The Log window: line formats, selection, fixed width, unloading.
#include "base/Globali.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QDateTime>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QtTest>

namespace {
QListWidget* Lista() { return Finestre::Get<Log>()->Testo(); }
QMdiSubWindow* Cornice() { return qobject_cast<QMdiSubWindow*>(Finestre::Get<Log>()->parentWidget()); }
} // namespace

class TestLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init() { LogClear(); }

    // Each line kept as is behind two spaces; a new line is selected, a
    // separator leaves the selection alone.
    void righeESelezione()
    {
        for (const char* t : {"", "Compiled", "  x  "}) LogWrite(QString::fromLatin1(t));
        QStringList righe;
        for (int i = 0; i < Lista()->count(); ++i) righe << Lista()->item(i)->text();
        QCOMPARE(righe, (QStringList{"  ", "  Compiled", "    x  "}));
        Lista()->setCurrentRow(0);
        LogStart();
        QCOMPARE(Lista()->currentRow(), 0);
        LogWrite(QStringLiteral("d"));
        QCOMPARE(Lista()->currentRow(), 4);
        QCOMPARE(Lista()->selectedItems().size(), 1);
        QCOMPARE(Lista()->selectedItems().first()->text(), QStringLiteral("  d"));
    }

    void separatore()
    {
        const QDateTime prima = QDateTime::currentDateTime();
        LogStart();
        LogStart();
        const QDateTime dopo = QDateTime::currentDateTime();
        QCOMPARE(Lista()->count(), 2);
        const QString riga = Lista()->item(0)->text();
        QVERIFY(QRegularExpression(QStringLiteral("^-- .+ \\d\\d:\\d\\d:\\d\\d --$")).match(riga).hasMatch());
        QVERIFY(riga.contains(prima.time().toString(QStringLiteral("HH:mm:ss"))) ||
                riga.contains(dopo.time().toString(QStringLiteral("HH:mm:ss"))));
        if (prima.toSecsSinceEpoch() == dopo.toSecsSinceEpoch()) QCOMPARE(Lista()->item(1)->text(), riga);
    }

    void larghezzaFissa()
    {
        QMdiSubWindow* sub = Cornice();
        sub->showNormal();
        sub->resize(Log::Larghezza() + 200, Twips(4500));
        QCOMPARE(sub->width(), Log::Larghezza());
        QCOMPARE(sub->height(), Twips(4500));
        Log* log = Finestre::Get<Log>();
        QCOMPARE(Lista()->geometry(), log->rect());
        QVERIFY(log->width() < sub->width());
        // Too low for the list: it keeps a valid size and the window survives.
        sub->resize(50, 10);
        QCOMPARE(sub->width(), Log::Larghezza());
        QVERIFY(Lista()->height() >= 0);
        sub->showMaximized();
        QCOMPARE(sub->width(), Principale::Istanza()->Area()->viewport()->width());
        sub->showNormal();
        sub->setGeometry(0, 0, Log::Larghezza(), Twips(3000));
    }

    // Every line reads whole wherever it stands, one far wider than the
    // window included: its text fits where the list draws it, and the list
    // scrolls sideways to its end. Cleared, the list is as narrow as before.
    void righeIntere()
    {
        const QString lunga = QStringLiteral("Download Stopped: program");
        for (const QString& t : {QStringLiteral("Com OK"), lunga, lunga.repeated(3), QStringLiteral("Com OK")})
            LogWrite(t);
        QCoreApplication::processEvents();
        QListWidget* l = Lista();
        int larghissima = 0;
        for (int i = 0; i < l->count(); ++i) {
            QStyleOptionViewItem o;
            o.initFrom(l->viewport());
            o.rect = l->visualItemRect(l->item(i));
            o.text = l->item(i)->text();
            o.features = QStyleOptionViewItem::HasDisplay;
            const QRect testo = l->style()->subElementRect(QStyle::SE_ItemViewItemText, &o, l);
            QVERIFY2(testo.width() >= o.fontMetrics.horizontalAdvance(o.text), qPrintable(o.text));
            larghissima = qMax(larghissima, o.rect.width());
        }
        QVERIFY(larghissima > l->viewport()->width());
        QVERIFY(l->horizontalScrollBar()->maximum() + l->viewport()->width() >= larghissima);
        LogClear();
        LogWrite(QStringLiteral("Com OK"));
        QCoreApplication::processEvents();
        QCOMPARE(l->horizontalScrollBar()->maximum(), 0);
    }

    void chiusuraScartaLeRighe()
    {
        LogWrite(QStringLiteral("one"));
        LogWrite(QStringLiteral("two"));
        Cornice()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::SeCaricata<Log>());
        LogWrite(QStringLiteral("three"));
        QVERIFY(Finestre::SeCaricata<Log>());
        QVERIFY(Finestre::SeCaricata<Log>()->isVisible());
        QCOMPARE(Lista()->count(), 1);
        QCOMPARE(Lista()->item(0)->text(), QStringLiteral("  three"));
        Finestre::Scarica<Log>();
        LogClear();   // also loads it
        QVERIFY(Finestre::SeCaricata<Log>());
        QCOMPARE(Lista()->count(), 0);
    }
};

QTEST_MAIN(TestLog)
#include "test_log.moc"
