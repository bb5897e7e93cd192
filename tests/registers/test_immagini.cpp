// The image editor on generated bitmaps: the packing (partial last band,
// near-black pixels), new and overwritten images, and the limits.
#include "base/Globali.h"
#include "registers/Immagini.h"
#include "registers/Input_Img.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
template <class T> T* C(const char* nome)
{
    T* c = Finestre::Get<Input_Img>()->findChild<T*>(QString::fromLatin1(nome));
    if (!c) qFatal("no control %s", nome);
    return c;
}
} // namespace

class TestImmagini : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Test::Copione m_copione;

    // A white w x h bitmap with the listed pixels black (or `nero`).
    QString Bitmap(const QString& nome, int w, int h, const QList<QPoint>& neri, QRgb nero = qRgb(0, 0, 0))
    {
        QImage im(w, h, QImage::Format_RGB32);
        im.fill(Qt::white);
        for (const QPoint& p : neri) im.setPixel(p, nero);
        const QString percorso = m_dir.filePath(nome + QStringLiteral(".bmp"));
        if (!im.save(percorso, "BMP")) qFatal("cannot write %s", qPrintable(percorso));
        return percorso;
    }
    // Loads `percorso` through the file chooser and presses ">>".
    void Inserisci(const QString& percorso, const QString& nome)
    {
        m_copione.RispondiTesto(percorso);
        C<QPushButton>("cmd_Load")->click();
        C<QLineEdit>("txt_NomeImg")->setText(nome);
        emit C<QLineEdit>("txt_NomeImg")->textEdited(nome);
        C<QPushButton>("cmd_Insert")->click();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(m_dir.isValid());
    }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        NumImmagini = 0;
        Input_Img::Apri()->Form_Load();
    }

    void impacchetta_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QList<QPoint>>("neri");
        QTest::addColumn<QRgb>("nero");
        QTest::addColumn<QByteArray>("attesi");
        const QRgb n = qRgb(0, 0, 0);
        QTest::newRow("2 x 8") << 2 << 8 << QList<QPoint>{{0, 0}, {0, 7}} << n << QByteArray::fromHex("8100");
        QTest::newRow("near black is clear") << 1 << 8 << QList<QPoint>{{0, 0}} << qRgb(1, 1, 1) << QByteArray(1, '\0');
        QByteArray dieci(20, '\0');
        dieci[13] = 1;
        dieci[2] = char(0x80);
        QTest::newRow("partial last band") << 10 << 9 << QList<QPoint>{{3, 8}, {2, 7}} << n << dieci;
    }
    void impacchetta()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(QList<QPoint>, neri);
        QFETCH(QRgb, nero);
        Inserisci(Bitmap(QStringLiteral("p"), w, h, neri, nero), QStringLiteral("logo"));
        QCOMPARE(int(NumImmagini), 1);
        const ImmagineDisplay& d = Immagini[0];
        QTEST(QByteArray(reinterpret_cast<const char*>(d.Pixel.data()), d.NumByte), "attesi");
        QCOMPARE(int(d.Larghezza), w);
        QCOMPARE(int(d.Altezza), h);
        QCOMPARE(C<QLineEdit>("txt_DimX")->text(), QString::number(w));
        QCOMPARE(C<QListWidget>("ListaImg")->item(0)->text(), QStringLiteral("logo"));
    }

    // The selected image is overwritten only by its own file, and keeps its name.
    void sovrascrive()
    {
        const QString a = Bitmap(QStringLiteral("a"), 2, 8, {{0, 0}});
        Inserisci(a, QStringLiteral("primo"));
        C<QListWidget>("ListaImg")->setCurrentRow(0);
        Inserisci(Bitmap(QStringLiteral("b"), 3, 8, {}), QStringLiteral("secondo"));
        QCOMPARE(int(NumImmagini), 2);
        C<QListWidget>("ListaImg")->setCurrentRow(0);
        Bitmap(QStringLiteral("a"), 4, 8, {{1, 1}});
        Inserisci(a, QStringLiteral("altro"));
        QCOMPARE(int(NumImmagini), 2);
        QCOMPARE(Immagini[0].NomeImmagine, QStringLiteral("primo"));
        QCOMPARE(int(Immagini[0].NumByte), 4);
        QCOMPARE(int(Immagini[0].Pixel[1]), 2);
    }

    void limiti_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("gia");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("display size fits") << 132 << 32 << 0 << "";
        QTest::newRow("too many bytes") << 132 << 33 << 0 << "An image packs into at most 529 bytes";
        QTest::newRow("too wide") << 256 << 1 << 0 << "Images up to 255 x 255 pixels";
        QTest::newRow("tenth image") << 1 << 1 << 9 << "At most 9 images";
    }
    void limiti()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, gia);
        QFETCH(QString, messaggio);
        NumImmagini = uint8_t(gia);
        for (int i = 0; i < gia; ++i) Immagini[size_t(i)].FileImmagine = QStringLiteral("x");
        Input_Img::Apri()->Form_Load();
        Inserisci(Bitmap(QStringLiteral("l"), w, h, {}), QStringLiteral("n"));
        QCOMPARE(m_copione.Messaggi(), messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
        QCOMPARE(int(NumImmagini), gia + (messaggio.isEmpty() ? 1 : 0));
        if (messaggio.isEmpty()) QCOMPARE(int(Immagini[0].NumByte), 528);
    }

    void chiusuraNonToccaAttese()
    {
        DialogoAperto = true;
        C<QPushButton>("cmd_ok_1")->click();
        QVERIFY(DialogoAperto);
        DialogoAperto = false;
        QVERIFY(!C<QPushButton>("cmd_Save")->isEnabled());
    }
};

QTEST_MAIN(TestImmagini)
#include "test_immagini.moc"
