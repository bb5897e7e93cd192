// The listing on a recording printer (texts, rules, block pictures and page
// breaks in order), once through the print dialog into a PDF file, and into
// PDFs of several resolutions with their first page painted alike into a
// picture, where the header's letters and a rung's block picture are
// measured. As after start-up, the block editor is never opened here.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "comm/Dispositivo.h"
#include "outputs/StampantePagine.h"
#include "outputs/StampaProgetto.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/TabRegistri.h"
#include "support/StampanteRegistrata.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Test::Registratore;
using Test::Voce;

// Every call goes to the PDF; those of its first page also to the picture.
struct PrimaPagina : Stampante {
    Stampante &pdf, &immagine;
    bool prima = true;
    QRect icona;   // the first block picture's cell, twips
    PrimaPagina(Stampante& p, Stampante& i) : pdf(p), immagine(i) {}
    int LarghezzaPagina() const override { return pdf.LarghezzaPagina(); }
    int AltezzaPagina() const override { return pdf.AltezzaPagina(); }
    int AltezzaTesto() const override { return pdf.AltezzaTesto(); }
    void Carattere(int p, bool g) override { pdf.Carattere(p, g), immagine.Carattere(p, g); }
    void Testo(const QString& t, int x, int y) override
    {
        pdf.Testo(t, x, y);
        if (prima) immagine.Testo(t, x, y);
    }
    void Linea(int x1, int y1, int x2, int y2) override
    {
        pdf.Linea(x1, y1, x2, y2);
        if (prima) immagine.Linea(x1, y1, x2, y2);
    }
    void Icona(int i, int x, int y, int l, int a) override
    {
        pdf.Icona(i, x, y, l, a);
        if (!prima) return;
        immagine.Icona(i, x, y, l, a);
        if (icona.isNull()) icona = QRect(x, y, l, a);
    }
    bool NuovaPagina() override
    {
        prima = false;
        return pdf.NuovaPagina();
    }
};

// The box around the dark pixels of `zona`; empty when there are none.
QRect Inchiostro(const QImage& img, const QRect& zona)
{
    QRect r;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (qGray(img.pixel(x, y)) < 160) r |= QRect(x, y, 1, 1);
    return r;
}

Rung Blocco(const QString& etichetta, const QString& descrizione, int argomenti)
{
    Rung r{.Descrizione = descrizione, .Etichetta = etichetta, .Classe = 3, .Gruppo = 132};
    for (int k = 0; k < argomenti; ++k) {
        r.Riga.ArgVisibile[size_t(k)] = true;
        r.Riga.NomiArg[size_t(k)] = QStringLiteral("a%1").arg(k);
        r.Riga.ValoriArg[size_t(k)] = QStringLiteral("v%1").arg(k);
    }
    return r;
}
} // namespace

class TestStampa : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init()
    {
        for (int i = 0; i < NumBlocchi; ++i) NomiFunzione[size_t(i)] = QStringLiteral("B%1").arg(i);
        TipiDato[0] = QStringLiteral("uInt");
        TipiDato[3] = QStringLiteral("Long");
        Controllore.Modello = 0;
        Modelli[0] = DefModello{.Nome = QStringLiteral("QVR"), .NumRegistri = 10, .PrimoRegistroLong = 8};
        TabRegistri.fill(DefRegistro{});
        auto reg = [](int i, const char* nome, int categoria, int tipo) {
            TabRegistri[size_t(i)] = DefRegistro{QStringLiteral("R%1").arg(i), QString::fromLatin1(nome), uint8_t(categoria), uint8_t(tipo)};
        };
        reg(0, "zero", 0, 0);   // first end of the range
        reg(5, "", 0, 0);       // unnamed
        reg(6, "sys", 1, 0);
        reg(7, "sys2", 2, 0);
        reg(4, "below", 3, 0);  // just below the 32-bit area, still a candidate
        reg(8, "long", 3, 3);
        reg(10, "last", 0, 3);  // last end
        reg(11, "past", 0, 3);
        NomeProgetto = QStringLiteral("C:/p/Demo");
        Programmi[0] = Programma{};
        ProgCorrente = 3;
    }

    void testi_data()
    {
        QTest::addColumn<QList<Rung>>("rung");
        QTest::addColumn<QString>("programma");   // between "MAIN program" and the Registers heading
        // "Return" (block 15) and its picture 14.
        const QString n = QStringLiteral("B15|@14");
        QTest::newRow("no rungs") << QList<Rung>{} << "";
        QTest::newRow("two rows, two empty lines") << QList<Rung>{Blocco("L", "d", 2)}
            << "1[L         ] d|" + n + "|a0|v0|a1|v1||";
        QTest::newRow("six rows, no empty line") << QList<Rung>{Blocco("", "x", 6)}
            << "1[          ] x|" + n + "|a0|v0|a1|v1|a2|v2|a3|v3|a4|v4|a5|v5";
        QTest::newRow("label LOOP, description emptied, long label whole")
            << QList<Rung>{Blocco("ETICHETTALUNGA", "w", 4), Blocco("", "", 4), Blocco("LOOP", "<...>", 4)}
            << "1[ETICHETTALUNGA] w|" + n + "|a0|v0|a1|v1|a2|v2|a3|v3|2[          ] |" + n + "|a0|v0|a1|v1|a2|v2|a3|v3|"
               "3[LOOP      ] |" + n + "|a0|v0|a1|v1|a2|v2|a3|v3";
    }
    void testi()
    {
        QFETCH(QList<Rung>, rung);
        QFETCH(QString, programma);
        Programmi[0].NumRung = int16_t(rung.size());
        std::copy(rung.begin(), rung.end(), Programmi[0].Rung.begin() + 1);
        Registratore r;
        StampaProgetto(r);
        QString atteso = "Mirok|Page 1|-|C:/p/Demo|Controller: QVR|-|MAIN program|-|" + programma;
        if (!programma.isEmpty()) atteso += u'|';
        atteso += "-|Registers|-|Register|Label|Type|R0|zero|uInt|R4|below|uInt|R8(*)|long|Long|R10(*)|last|Long";
        QCOMPARE(r.Testi(), atteso);
        QCOMPARE(ProgCorrente, int16_t(0));
        if (rung.size() == 3) QCOMPARE(Programmi[0].Rung[3].Descrizione, QString());
        // Header at 10 points (its project line bold), body at 8; the register rows keep the heading's bold.
        QCOMPARE(r.voci[3].punti, 10);
        QVERIFY(r.voci[3].grassetto && !r.voci[4].grassetto);
        QCOMPARE(r.voci.last().punti, 8);
        QVERIFY(r.voci.last().grassetto);
    }

    // Each rung's block picture is the one its row in the rung list shows,
    // whatever window was opened before; an identity no block has prints
    // as "Read Input", as it opens.
    void immagini_data()
    {
        QTest::addColumn<int>("classe");
        QTest::addColumn<int>("gruppo");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("blocco");
        auto r = [](const char* nome, int c, int g, int o, const char* atteso) {
            QTest::newRow(nome) << c << g << o << QString::fromLatin1(atteso);
        };
        r("Read Input", 2, 0, 0, "B0|@1");
        r("Read Holding", 4, 0, 0, "B40|@4");
        r("Add", 3, 1, 0, "B4|@17");
        r("Log Write", 3, 138, 0, "B41|@42");
        r("Limit (Ext)", 3, 141, 7, "B54|@56");
        r("Write Coil, the last block", 8, 0, 0, "B62|@64");
        r("A>B comes back as Read Input", 3, 3, 0, "B0|@1");
        r("unknown class", 5, 1, 0, "B0|@1");
    }
    void immagini()
    {
        QFETCH(int, classe);
        QFETCH(int, gruppo);
        QFETCH(int, op);
        Rung g = Blocco("L", "d", 4);
        g.Classe = int16_t(classe);
        g.Gruppo = int16_t(gruppo);
        g.Op = uint8_t(op);
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1] = g;
        Registratore r;
        StampaProgetto(r);
        const QStringList t = r.Testi().split(u'|');
        const qsizetype titolo = t.indexOf(QStringLiteral("1[L         ] d"));
        QVERIFY(titolo > 0);
        QTEST(t.mid(titolo + 1, 2).join(u'|'), "blocco");
        // The picture sits at the name's column, at the top of the line below it.
        const Voce& nome = r.voci[int(titolo) + 1];
        const Voce& icona = r.voci[int(titolo) + 2];
        QCOMPARE(icona.x, nome.x);
        QCOMPARE(icona.y, nome.y + 20 * nome.punti);
    }

    void pagine_data()
    {
        QTest::addColumn<int>("altezza");
        QTest::addColumn<int>("rung");
        QTest::addColumn<int>("pagine");
        QTest::newRow("one page") << 16000 << 10 << 1;
        QTest::newRow("several pages") << 3000 << 10 << 6;
        QTest::newRow("past page 255") << 1200 << 256 << 517;
    }
    void pagine()
    {
        QFETCH(int, altezza);
        QFETCH(int, rung);
        Programmi[0].NumRung = int16_t(rung);
        for (int i = 1; i <= rung; ++i) Programmi[0].Rung[size_t(i)] = Blocco("L", "d", 1);
        Registratore r;
        r.altezza = altezza;
        StampaProgetto(r);
        QTEST(r.pagina, "pagine");
        const int limite = altezza - 200;
        for (int i = 0; i < r.voci.size(); ++i) {
            const Voce& v = r.voci[i];
            // Nothing starts below the limit; a page starts with its header.
            if (v.testo != u"#") QVERIFY2(v.y <= limite, qPrintable(v.testo));
            if (v.testo != u"#") continue;
            QCOMPARE(r.voci[i + 1].testo, QStringLiteral("Mirok"));
            QCOMPARE(r.voci[i + 1].y, 200);
            QCOMPARE(r.voci[i + 2].testo, QStringLiteral("Page %1").arg(v.pagina));
            QCOMPARE(r.voci[i + 2].x, 8200 * 7 / 8 + 200);
            QCOMPARE(r.voci[i + 3].testo, QStringLiteral("-"));
            // The listing goes on at the size it had, bold off.
            if (i + 4 < r.voci.size() && r.voci[i + 4].testo != u"-") {
                QCOMPARE(r.voci[i + 4].punti, 8);
                QVERIFY(!r.voci[i + 4].grassetto);
            }
        }
        QCOMPARE(r.voci.last().testo, QStringLiteral("Long"));
    }

    void pdf_data()
    {
        QTest::addColumn<bool>("annulla");
        QTest::addColumn<int>("pagine");   // at least; -1: no file
        QTest::newRow("cancel prints nothing") << true << -1;
        QTest::newRow("60 rungs break the page") << false << 2;
    }
    void pdf()
    {
        QFETCH(bool, annulla);
        QFETCH(int, pagine);
        const QString file = dir.filePath(QStringLiteral("l%1.pdf").arg(annulla));
        Programmi[0].NumRung = 60;
        for (int i = 1; i <= 60; ++i) Programmi[0].Rung[size_t(i)] = Blocco("L", "d", 1);
        Prompt::ImpostaRisponditore([&](const Prompt::Richiesta& q) {
            Prompt::Risposta_ out;
            out.annullato = annulla || q.tipo != Prompt::Tipo::Stampa;
            if (!out.annullato) {
                q.stampante->setOutputFormat(QPrinter::PdfFormat);
                q.stampante->setPageSize(QPageSize(QPageSize::A4));
                q.stampante->setOutputFileName(file);
            }
            return out;
        });
        QCOMPARE(StampaProgetto(), !annulla);
        Prompt::ImpostaRisponditore({});
        QFile f(file);
        QCOMPARE(f.exists(), pagine >= 0);
        if (pagine < 0) return;
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)"))) >= pagine);
    }

    // The header's 10-point letters come out 10 points high at any
    // resolution, and the rung's block picture fills its cell.
    void risoluzioni_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void risoluzioni()
    {
        QFETCH(int, dpi);
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1] = Blocco("L", "d", 2);
        const QString file = dir.filePath(QStringLiteral("r%1.pdf").arg(dpi));
        QPdfWriter pdf(file);
        pdf.setResolution(dpi);
        pdf.setPageSize(QPageSize(QSizeF(3, 3), QPageSize::Inch));
        pdf.setPageMargins(QMarginsF());
        QImage img(pdf.width(), pdf.height(), QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setDotsPerMeterX(qRound(dpi / 0.0254));
        img.setDotsPerMeterY(qRound(dpi / 0.0254));
        {
            StampantePagine carta(pdf), pagina(img);
            QVERIFY(carta.Attiva() && pagina.Attiva());
            PrimaPagina doppia(carta, pagina);
            StampaProgetto(doppia);
            carta.Carattere(10, true);
            const int altezza = carta.AltezzaTesto();
            carta.Chiudi();
            pagina.Chiudi();
            QVERIFY(!doppia.icona.isNull());
            const double s = dpi / 1440.0;   // pixels per twip
            // "Mirok": from the top of the page to just above the header's rule.
            const int regola = int((200 + altezza) * s);
            const QRect mirok = Inchiostro(img, QRect(0, 0, int((doppia.LarghezzaPagina() * 7 / 8 + 200) * s), regola - 2));
            QFont f = QGuiApplication::font();
            f.setPointSize(10);
            f.setBold(true);
            const double atteso = QFontMetricsF(f, &img).tightBoundingRect(QStringLiteral("Mirok")).height();
            QVERIFY2(std::abs(mirok.height() - atteso) <= 0.1 * atteso,
                     qPrintable(QStringLiteral("%1 px, %2 expected").arg(mirok.height()).arg(atteso)));
            // The picture: ink in its cell, across most of it.
            const QRectF cella(doppia.icona.x() * s, doppia.icona.y() * s, doppia.icona.width() * s, doppia.icona.height() * s);
            const QRect disegno = Inchiostro(img, cella.toRect());
            QVERIFY(disegno.width() > cella.width() / 2 && disegno.height() > cella.height() / 2);
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().startsWith("%PDF"));
    }

};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
