// The real message box: a long title over a short text shows whole in a
// window manager's frame.
#include "shell/PromptFinestre.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

class TestPromptFinestre : public QObject {
    Q_OBJECT
private slots:
    void titoloIntero_data()
    {
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<int>("icona");
        QTest::newRow("long title, no icon") << "Bench QVR8566: calibration of channel 3 failed" << int(QMessageBox::NoIcon);
        QTest::newRow("long title, critical") << "MOD-RTU read of the configuration window" << int(QMessageBox::Critical);
        QTest::newRow("short title") << "MOD-RTU" << int(QMessageBox::NoIcon);
    }
    void titoloIntero()
    {
        QFETCH(QString, titolo);
        QFETCH(int, icona);
        QMessageBox box(QMessageBox::Icon(icona), titolo, QStringLiteral("a"));
        Prompt::AdattaAlTitolo(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // The title in a frame's bold face, with an icon and three buttons.
        QFont grassetto = QApplication::font("QMdiSubWindowTitleBar");
        grassetto.setBold(true);
        const int testo = QFontMetrics(grassetto).horizontalAdvance(titolo) + 100;
        QVERIFY2(box.width() >= testo, qPrintable(QStringLiteral("%1 < %2").arg(box.width()).arg(testo)));
        box.hide();
    }
};

QTEST_MAIN(TestPromptFinestre)
#include "test_promptfinestre.moc"
