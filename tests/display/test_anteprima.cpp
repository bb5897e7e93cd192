// The page editor's panel and preview without the window: Set per kind with
// its refusals, what the panel shows, the preview geometry in twips and a
// painted page.
#include "display/AnteprimaDisplay.h"
#include "display/OperazioniPagine.h"
#include "display/PannelloOggetto.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
OggettoDisplay Ogg(uint8_t tipo, int x = 0, int y = 0, int dx = 0, int dy = 0, bool vert = false)
{
    OggettoDisplay o;
    o.TipoOgg = tipo;
    o.PosX = uint8_t(x);
    o.PosY = uint8_t(y);
    o.DimX = uint8_t(dx);
    o.DimY = uint8_t(dy);
    o.Direzione = vert;
    o.FormatoOgg = QStringLiteral("ABC");
    o.RegOgg = 12;
    return o;
}
} // namespace

class TestAnteprima : public QObject {
    Q_OBJECT
private slots:
    // One box edited on a panel showing the object, then Set.
    void imposta()
    {
        using P = PannelloOggetto;
        const struct {
            const char* nome;
            uint8_t tipo;
            QString P::*campo;
            const char* valore;
            CampoPannello rifiuto;
            bool (*atteso)(const OggettoDisplay&);
        } casi[] = {
            {"label reg leading number", EtichettaPiccola, &P::Registro, "12ab", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.RegOgg == 12 && o.TipoReg == 0; }},
            {"label reg empty", EtichettaPiccola, &P::Registro, "", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.RegOgg == 0; }},
            {"label reg beyond 16 bits", EtichettaPiccola, &P::Registro, "40000", CampoPannello::Registro, nullptr},
            {"bit 16", EtichettaPiccola, &P::Bit, "16", CampoPannello::Bit, nullptr},
            {"bit -1 on a Led", Led8, &P::Bit, "-1", CampoPannello::Bit, nullptr},
            {"bit 15", Led8, &P::Bit, "15", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.BitOgg == 15; }},
            {"x not a number", Rettangolo, &P::PosX, "7a", CampoPannello::PosX, nullptr},
            {"y past a byte", Rettangolo, &P::PosY, "256", CampoPannello::PosY, nullptr},
            {"x half to even", Rettangolo, &P::PosX, "12.5", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.PosX == 12; }},
            {"height empty", BarraProgresso, &P::DimY, "", CampoPannello::DimY, nullptr},
            {"number reg read whole", NumeroPiccolo, &P::Registro, "12ab", CampoPannello::Registro, nullptr},
            {"number reg", NumeroPiccolo, &P::Registro, "300", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.RegOgg == 300; }},
            {"thickness past a byte", Rettangolo, &P::Spessore, "300", CampoPannello::Spessore, nullptr},
            {"thickness", Rettangolo, &P::Spessore, "2.5x", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.Spessore == 2; }},
            {"bar limits", BarraProgresso, &P::Max, "1e3 x", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.MaxOgg == 1000; }},
            // Texts only where the panel shows them.
            {"hidden text kept", Rettangolo, nullptr, "", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.FormatoOgg == QLatin1String("ABC") && o.Testo2.isEmpty(); }},
            {"number takes the first text only", NumeroPiccolo, nullptr, "", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.FormatoOgg == QLatin1String("new") && o.Testo2.isEmpty(); }},
            {"label takes both", EtichettaPiccola, nullptr, "", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.FormatoOgg == QLatin1String("new") && o.Testo2 == QLatin1String("alt"); }},
            // An Image keeps its picture's size, text and address.
            {"image", Immagine, &P::DimX, "x", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.DimX == 5 && o.FormatoOgg == QLatin1String("ABC") && o.RegOgg == 12; }},
            // The Led stores its fixed pictures whatever the steppers show.
            {"led pictures", Led8, nullptr, "", CampoPannello::Nessuno, [](const OggettoDisplay& o) { return o.IdPicture == 1 && o.IdPicture2 == 0; }},
        };
        for (const auto& c : casi) {
            OggettoDisplay o = Ogg(c.tipo, 1, 2, 5, 6);
            PannelloOggetto p;
            p.Formato = {QStringLiteral("prev"), QStringLiteral("prev")};
            MostraOggetto(p, o);
            p.Formato = {QStringLiteral("new"), QStringLiteral("alt")};
            p.Figura = {1, 0};
            if (c.campo) p.*c.campo = QString::fromLatin1(c.valore);
            if (c.tipo != Immagine && c.tipo != Led8 && c.tipo != EtichettaPiccola && c.tipo != NumeroPiccolo)
                p.Formato = {QStringLiteral("prev"), QStringLiteral("prev")};   // hidden boxes
            const OggettoDisplay prima = o;
            const EsitoImposta e = ImpostaOggetto(p, o);
            QVERIFY2(e.campo == c.rifiuto, c.nome);
            if (!e.fatto()) QVERIFY2(o == prima, c.nome);
            else QVERIFY2(c.atteso(o), c.nome);
        }
    }

    // Size list line for each family, and what Set makes of each line.
    void taglie()
    {
        const struct { uint8_t tipo; int riga; uint8_t dopo[3]; } casi[] = {
            {EtichettaPiccola, 0, {1, 2, 0}}, {NumeroGrande, 2, {4, 5, 3}}, {DataMedia, 1, {8, 9, 7}},
            {OraPiccola, 0, {11, 12, 10}}, {Led32, 2, {14, 15, 13}}, {Rettangolo, -1, {17, 17, 17}},
        };
        for (const auto& c : casi) {
            PannelloOggetto p;
            const OggettoDisplay o = Ogg(c.tipo);
            MostraOggetto(p, o);
            QCOMPARE(p.Taglia, c.riga);
            for (int riga = 0; riga < 3; ++riga) {
                OggettoDisplay t = o;
                p.Taglia = riga;
                QVERIFY(ImpostaOggetto(p, t).fatto());
                QCOMPARE(t.TipoOgg, c.dopo[riga]);
                if (c.tipo == Led32) QCOMPARE((QList<int>{t.DimX, t.DimY}), (QList<int>{8 << riga, 8 << riga}));
            }
        }
        // The alternative text is offered below 12 characters.
        PannelloOggetto p;
        OggettoDisplay l = Ogg(EtichettaPiccola);
        l.FormatoOgg = QStringLiteral("New Label 0");
        MostraOggetto(p, l);
        QVERIFY(p.Alternativo && p.LunghezzaTesto(0) == 11);
        l.FormatoOgg += QLatin1Char('!');
        MostraOggetto(p, l);
        QVERIFY(!p.Alternativo && p.LunghezzaTesto(0) == 22);
    }

    void geometria()
    {
        using Anteprima::ElementoOggetto;
        const struct {
            const char* nome;
            OggettoDisplay o;
            QRectF rett;
            int figura;
        } casi[] = {
            {"led at the far corner", Ogg(Led8, 131, 31, 8, 8), {5371, 1395, 328, 360}, 400},
            {"led large", Ogg(Led32, 1, 1, 32, 32), {41, 45, 1312, 1440}, 404},
            {"small text one row up", Ogg(EtichettaPiccola, 131, 31), {5371, 1350, 3 * 246, 360}, 0},
            {"large number", Ogg(NumeroGrande, 0, 1), {0, 0, 4 * 984, 1440}, 0},
            {"vertical medium date", Ogg(DataMedia, 2, 2, 0, 0, true), {82, 45, 720, 3 * 492}, 0},
            {"bar", Ogg(BarraProgresso, 0, 0, 8, 32), {0, 0, 328, 1526.4}, 406},
            {"bar vertical", Ogg(BarraProgresso, 0, 0, 8, 32, true), {0, 0, 1440, 347.68}, 407},
            {"graph", Ogg(Grafico, 3, 0, 88, 32), {123, 0, 3608, 1440}, 409},
        };
        for (const auto& c : casi) {
            const Anteprima::Elemento e = ElementoOggetto(c.o);
            QVERIFY2(qAbs(e.rett.x() - c.rett.x()) < 1e-6 && qAbs(e.rett.y() - c.rett.y()) < 1e-6, c.nome);
            QVERIFY2(qAbs(e.rett.width() - c.rett.width()) < 1e-6 && qAbs(e.rett.height() - c.rett.height()) < 1e-6, c.nome);
            QVERIFY2(e.figura == c.figura, c.nome);
        }
        QCOMPARE(ElementoOggetto(Ogg(DataMedia)).punti, 36);
        QCOMPARE(ElementoOggetto(Ogg(OraGrande)).punti, 72);
        QCOMPARE(ElementoOggetto(Ogg(EtichettaPiccola)).stampe, (QList<QPointF>{{0, -20}}));
        QCOMPARE(ElementoOggetto(Ogg(EtichettaPiccola, 0, 0, 0, 0, true)).stampe, (QList<QPointF>{{0, -20}, {0, 308}, {0, 636}}));
        OggettoDisplay r = Ogg(Rettangolo, 0, 0, 16, 10);
        r.Spessore = 2;
        QCOMPARE(ElementoOggetto(r).bande, (QList<QRectF>{{0, 0, 615, 90}, {0, 315, 615, 90}, {0, 0, 82, 405}, {533, 0, 82, 405}}));
        QCOMPARE(Anteprima::RigaElenco(1, Ogg(NumeroPiccolo)), QStringLiteral("[1] %R12"));
        QCOMPARE(Anteprima::RigaElenco(2, Ogg(Led16)), QStringLiteral("[2] Picture"));
        QCOMPARE(Anteprima::RigaElenco(3, Ogg(DataGrande)), QStringLiteral("[3] ABC"));
    }

    // A page painted at a tenth of a twip per pixel: the rectangle's band is
    // ink, its inside the display's face; an unreadable image is a placeholder.
    void disegno()
    {
        OggettoDisplay r = Ogg(Rettangolo, 10, 4, 20, 20);
        r.Spessore = 2;
        OggettoDisplay img = Ogg(Immagine, 80, 0, 20, 20);
        img.FormatoOgg = QStringLiteral("/nonexistent/picture.bmp");
        QImage tela(542, 144, QImage::Format_RGB32);
        QPainter p(&tela);
        p.scale(0.1, 0.1);
        Anteprima::DisegnaTela(p, {r, img}, 1, false);
        p.end();
        const QRgb faccia = tela.pixel(5, 5);
        QCOMPARE(qGray(tela.pixel(41 + 2, 18 + 4)), 0);            // top band
        QCOMPARE(tela.pixel(41 + 40, 18 + 40), faccia);             // inside
        QVERIFY(tela.pixel(328 + 41, 45) != faccia);                // placeholder
        QCOMPARE(Anteprima::ElementoIn({r, img}, QPointF(500, 300)), 1);
        QCOMPARE(Anteprima::ElementoIn({r, img}, QPointF(3000, 300)), 0);
    }
};

QTEST_MAIN(TestAnteprima)
#include "test_anteprima.moc"
