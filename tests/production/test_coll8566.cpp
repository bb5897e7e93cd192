// The QVR8566 bench window opened from its menu item: its list and rows,
// "Connetti Banco", an input row and an output row end to end with the
// labels they colour, and a close asked for while a row runs.
#include "BancoFinto.h"
#include "production/coll8566.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Test;

class TestColl8566 : public QObject {
    Q_OBJECT
    BancoFinto b;
    coll8566* w = nullptr;

    void Clicca(const QString& nome) { C<QPushButton>(w, nome)->click(); }
    QString Etichette(const char* nome, int riga, const char* proprieta)
    {
        return C<QLabel>(w, QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(riga))->property(proprieta).toString();
    }
    // The three points of a row as "caption colour" items.
    QStringList Punti(int riga)
    {
        QStringList out;
        for (const char* n : {"lbl_coll_zero", "lbl_coll_half", "lbl_coll_span"})
            out << Etichette(n, riga, "text") + QLatin1Char(' ') + Etichette(n, riga, "colore");
        return out;
    }

private slots:
    void initTestCase()
    {
        AvviaWorkbench();
        QLocale::setDefault(QLocale::c());
        QVERIFY(b.Avvia());
        Principale::Istanza()->Menu(QStringLiteral("mnu_coll_8566"))->trigger();
        w = Finestre::SeCaricata<coll8566>();
        QVERIFY(w && w->isVisible());
    }
    void init() { b.Azzera(); }

    void finestra()
    {
        auto* l = C<QListWidget>(w, QStringLiteral("lst_device"));
        QCOMPARE(l->count(), 4);
        QCOMPARE(l->item(0)->text(), QStringLiteral("QVR8566"));
        QCOMPARE(l->item(3)->data(Qt::UserRole).toInt(), 3);
        QCOMPARE(C<QCheckBox>(w, QStringLiteral("chk_coll_10"))->text(), QStringLiteral("Dig OUT"));
        QVERIFY(!w->findChild<QLabel*>(QStringLiteral("lbl_coll_K_7")) && w->findChild<QLabel*>(QStringLiteral("lbl_coll_K_span_8")));
        Clicca(QStringLiteral("cmd_banco"));
        QVERIFY(Controllore.Connesso && Seriale_switch().Aperta() && w->Banco().SerialeMult().Aperta());
        Clicca(QStringLiteral("cmd_coll_6"));
        Clicca(QStringLiteral("cmd_start"));
        QVERIFY(b.fake.Richieste.isEmpty() && BancoFinto::Ricevuti(b.rele).isEmpty());
        QCOMPARE(Etichette("lbl_coll_zero", 6, "colore"), QString());
    }

    // Row 0 reads 99.8 % of the calibrator: K 1.0020 green and written.
    void ingresso()
    {
        b.modulo = [](double v) { return int(std::lround(v * 99.8)); };
        Clicca(QStringLiteral("cmd_coll_0"));
        b.modulo = nullptr;
        QCOMPARE(b.fake.Richieste, (QList<QByteArray>{W(1, 1216, 0), M(247, 43, K(1)), R(1, 26), M(247, 43, K(100 / 99.8)),
                                                      R(1, 26), R(1, 26), R(1, 26)}));
        QCOMPARE(Etichette("lbl_coll_K", 0, "text"), QStringLiteral("99.80(1.0020)"));
        QCOMPARE(Etichette("lbl_coll_K", 0, "colore"), QStringLiteral("65280"));
        QCOMPARE(Punti(0), (QStringList{"0.00 65280", "49.90 255", "99.80 255"}));
        QCOMPARE(BancoFinto::Ricevuti(b.rele), LineeRele({{1, 5}, {1, 9}, {1, 13}}));
        QCOMPARE(b.messaggi, (QStringList{"Set Cal : 100", "Set Cal : 100", "Set Cal : 0", "Set Cal : 50", "Set Cal : 100"}));
    }

    // Row 8: the multimeter set up, the constants of output 1 reset, the
    // output driven; only the zero point can pass on the fixed reading.
    void uscita()
    {
        Clicca(QStringLiteral("cmd_coll_8"));
        QCOMPARE(b.fake.Richieste, (QList<QByteArray>{M(1, 24, QByteArray::fromHex("0000204e")), W(1, 33, 0), W(1, 33, 20000),
                                                      W(1, 33, 0), W(1, 33, 10000), W(1, 33, 20000)}));
        QCOMPARE(BancoFinto::Ricevuti(b.mult), QByteArray(":SYST:REM\r\n:CONF:CURR:DC\r\n"));
        QCOMPARE(BancoFinto::Ricevuti(b.rele), LineeRele({{2, 3}, {2, 4}, {2, 5}}));
        QCOMPARE(Etichette("lbl_coll_K_zero", 8, "colore") + Etichette("lbl_coll_K_span", 8, "colore"),
                 QStringLiteral("6553565535"));
        QCOMPARE(Punti(8), (QStringList{"0.00 65280", "0.00 255", "0.00 255"}));
        QVERIFY(b.messaggi.isEmpty());
    }

    // Closed while "Dig IN" runs: the row ends, then the window goes.
    void chiusura()
    {
        QTimer::singleShot(200, w, [this] { QVERIFY(!w->parentWidget()->close()); });
        Clicca(QStringLiteral("cmd_coll_9"));
        QCOMPARE(b.fake.Richieste.size(), 6);
        QTRY_VERIFY(!Finestre::SeCaricata<coll8566>());
    }
};

QTEST_MAIN(TestColl8566)
#include "test_coll8566.moc"
