#include "display/frm_display.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "display/AnteprimaDisplay.h"
#include "display/CompilatorePagine.h"
#include "display/OperazioniPagine.h"
#include "display/TelaDisplay.h"
#include "resources/FigureDisplay.h"
#include "resources/Immagini.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

QLabel* Didascalia(QWidget* padre, const QString& nome, const QString& testo, int x, int y, int w = 900)
{
    auto* l = Crea<QLabel>(padre, nome, testo);
    l->setGeometry(Rett(x, y, w, 255));
    return l;
}

QLineEdit* Campo(QWidget* padre, const QString& nome, int x, int y, int w = 800)
{
    auto* c = Crea<QLineEdit>(padre, nome);
    c->setGeometry(Rett(x, y, w, 315));
    return c;
}

void Testo_(QLineEdit* c, const QString& t)
{
    // A text from a file may exceed the room the box gives to typing.
    if (c->maxLength() < t.size()) c->setMaxLength(int(t.size()));
    if (c->text() != t) c->setText(t);
}

} // namespace

frm_display::frm_display()
{
    resize(Rett(0, 0, 9200, 7460).size());
    // Pages.
    m_quadroPagine = Crea<QGroupBox>(this, QStringLiteral("frm_pages"));
    m_quadroPagine->setGeometry(Rett(120, 60, 2400, 2200));
    m_pagine = Crea<QListWidget>(m_quadroPagine, QStringLiteral("lst_page"));
    m_pagine->setGeometry(Rett(120, 270, 2160, 1380));
    for (int k = 0; k < 4; ++k) {
        m_cmdPagina[size_t(k)] = Crea<QPushButton>(m_quadroPagine, QStringLiteral("cmd_page_%1").arg(k));
        m_cmdPagina[size_t(k)]->setGeometry(Rett(120 + k * 540, 1740, 480, 375));
        connect(m_cmdPagina[size_t(k)], &QPushButton::clicked, this, [this, k] { ComandoPagina(k); });
    }
    // Objects.
    m_quadroOggetti = Crea<QGroupBox>(this, QStringLiteral("frm_objects"));
    m_quadroOggetti->setGeometry(Rett(120, 2340, 2400, 4980));
    m_oggetti = Crea<QListWidget>(m_quadroOggetti, QStringLiteral("lst_Ogg"));
    m_oggetti->setGeometry(Rett(120, 270, 2160, 2200));
    m_tipi = new QButtonGroup(this);
    // The hidden kinds go last, so the shown ones sit side by side.
    static constexpr int kPosto[9] = {0, 1, 5, 6, 2, 3, 4, 7, 8};
    for (int k = 0; k < 9; ++k) {
        auto* b = Crea<QToolButton>(m_quadroOggetti, QStringLiteral("opt_Type_%1").arg(k));
        b->setCheckable(true);
        b->setIconSize(QSize(Twips(300), Twips(300)));
        b->setGeometry(Rett(120 + kPosto[k] % 5 * 435, 2560 + kPosto[k] / 5 * 435, 405, 405));
        m_tipi->addButton(b, k);
        m_tipo[size_t(k)] = b;
    }
    for (int k = 0; k < 5; ++k) {
        auto* b = Crea<QPushButton>(m_quadroOggetti, QStringLiteral("cmd_Ogg_%1").arg(k));
        b->setGeometry(k < 4 ? Rett(120 + k * 540, 3540, 480, 375) : Rett(120, 4000, 2160, 375));
        if (k == 4) b->setText(QStringLiteral("Redraw"));
        m_cmdOggetto[size_t(k)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] { ComandoOggetto(k); });
    }

    // The device's front: the display and its keypad.
    auto* fronte = Crea<QGroupBox>(this, QStringLiteral("Frame1"), QStringLiteral("QVR4005"));
    fronte->setGeometry(Rett(2640, 60, 6420, 2800));
    fronte->setStyleSheet(QStringLiteral("QGroupBox#Frame1 { background: #5b646e; color: white; border-radius: 6px;"
                                         " margin-top: 0px; padding-top: 16px; font-weight: bold; }"
                                         "QGroupBox#Frame1::title { left: 10px; top: 3px; }"));
    auto* cornice = Crea<QWidget>(fronte, QStringLiteral("Bezel"));
    cornice->setGeometry(Rett(420, 360, 5532, 1560));
    cornice->setStyleSheet(QStringLiteral("background: #20262c; border-radius: 4px;"));
    m_tela = new TelaDisplay(fronte);
    m_tela->setObjectName(QStringLiteral("Picture1"));
    m_tela->setGeometry(Rett(480, 420, int(Anteprima::Larghezza), int(Anteprima::Altezza)));
    const char* tasti[8] = {"F1", "F2", "F3", "F4", "^", "v", "<", ">"};
    for (int k = 0; k < 8; ++k) {
        auto* b = Crea<QPushButton>(fronte, QStringLiteral("Command2_%1").arg(k), QString::fromLatin1(tasti[k]));
        b->setGeometry(Rett(480 + k * 690, 2100, 600, 480));
        connect(b, &QPushButton::clicked, this, [this, k] { Tastiera(k); });
    }
    m_puntatore = Campo(this, QStringLiteral("Text1"), 2640, 2960, 1500);
    m_puntatore->setReadOnly(true);
    auto* griglia = Crea<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("Griglia"));
    griglia->setGeometry(Rett(4260, 2940, 1100, 375));
    auto* ridisegna = Crea<QPushButton>(this, QStringLiteral("Command6"), QStringLiteral("Redraw"));
    ridisegna->setGeometry(Rett(5460, 2940, 1100, 375));
    auto* rimuovi = Crea<QPushButton>(this, QStringLiteral("Command7"), QStringLiteral("Remove All"));
    rimuovi->setGeometry(Rett(6660, 2940, 1300, 375));
    auto* compila = Crea<QPushButton>(this, QStringLiteral("Command4"));
    compila->setGeometry(Rett(8160, 2900, 900, 455));
    compila->setIconSize(QSize(Twips(360), Twips(360)));

    // The property panel.
    m_pannelloBox = Crea<QGroupBox>(this, QStringLiteral("Frame2"));
    m_pannelloBox->setGeometry(Rett(2640, 3440, 6420, 3880));
    auto* pos = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_Pos"));
    pos->setGeometry(Rett(120, 180, 2000, 1960));
    m_lblPos = Didascalia(pos, QStringLiteral("lbl_pos"), {}, 120, 120, 1700);
    Didascalia(pos, QStringLiteral("Label4"), QStringLiteral("X"), 120, 470, 200);
    m_posX = Campo(pos, QStringLiteral("txt_PosX"), 330, 440, 560);
    Didascalia(pos, QStringLiteral("Label5"), QStringLiteral("Y"), 1000, 470, 200);
    m_posY = Campo(pos, QStringLiteral("txt_PosY"), 1210, 440, 560);
    m_negato = Crea<QCheckBox>(pos, QStringLiteral("chk_negato"));
    m_negato->setGeometry(Rett(120, 860, 300, 255));
    m_lblRev = Didascalia(pos, QStringLiteral("lbl_rev"), {}, 420, 860, 1400);
    Didascalia(pos, QStringLiteral("Label6"), QStringLiteral("Direction"), 120, 1200, 1700);
    const char* direzioni[2] = {"Orizz", "Vert"};
    for (int k = 0; k < 2; ++k) {
        m_direzione[size_t(k)] = Crea<QRadioButton>(pos, QStringLiteral("opt_direz_%1").arg(k), QString::fromLatin1(direzioni[k]));
        m_direzione[size_t(k)]->setGeometry(Rett(120 + k * 900, 1500, 860, 300));
    }

    m_gruppoFormato = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_formato"));
    m_gruppoFormato->setGeometry(Rett(2220, 180, 2000, 1180));
    m_lblFormatoTipo = Didascalia(m_gruppoFormato, QStringLiteral("Label3"), {}, 120, 120, 1700);
    m_nomeTipo = Campo(m_gruppoFormato, QStringLiteral("txt_ObjType"), 120, 420, 1760);
    m_nomeTipo->setReadOnly(true);
    m_taglia = Crea<QComboBox>(m_gruppoFormato, QStringLiteral("cmb_type"));
    m_taglia->setGeometry(Rett(120, 780, 1760, 330));

    m_gruppoRegistro = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_Reg"));
    m_gruppoRegistro->setGeometry(Rett(4320, 180, 1980, 1180));
    m_lblReg = Didascalia(m_gruppoRegistro, QStringLiteral("lbl_reg"), {}, 120, 150, 700);
    m_reg = Campo(m_gruppoRegistro, QStringLiteral("txt_reg"), 840, 120, 1020);
    m_lblTipoReg = Didascalia(m_gruppoRegistro, QStringLiteral("lbl_regType"), {}, 120, 510, 700);
    m_tipoReg = Crea<QComboBox>(m_gruppoRegistro, QStringLiteral("cmb_regType"));
    m_tipoReg->setGeometry(Rett(840, 480, 1020, 330));
    m_lblBit = Didascalia(m_gruppoRegistro, QStringLiteral("lbl_regBit"), {}, 120, 870, 1200);
    m_bit = Campo(m_gruppoRegistro, QStringLiteral("txt_bit"), 1340, 840, 520);

    m_gruppoTesti = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_format"));
    m_gruppoTesti->setGeometry(Rett(2220, 1440, 4080, 1300));
    for (int k = 0; k < 2; ++k) {
        m_lblFormato[size_t(k)] = Didascalia(m_gruppoTesti, QStringLiteral("lbl_regFormat_%1").arg(k), {}, 120, 150 + k * 420, 1200);
        m_formato[size_t(k)] = Campo(m_gruppoTesti, QStringLiteral("txt_format_%1").arg(k), 1380, 120 + k * 420, 2580);
    }
    m_formato[0]->setMaxLength(22);
    m_formato[1]->setMaxLength(11);
    m_altern = Crea<QCheckBox>(m_gruppoTesti, QStringLiteral("chk_altern"), QStringLiteral("Alt."));
    m_altern->setGeometry(Rett(120, 930, 1200, 300));

    m_gruppoFigure = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_Picture"));
    m_gruppoFigure->setGeometry(Rett(2220, 1440, 4080, 1900));
    const char* stati[2] = {"[Off]", "[On]"};
    for (int k = 0; k < 2; ++k) {
        const int x = 120 + k * 2000;
        m_lblFigura[size_t(k)] = Didascalia(m_gruppoFigure, QStringLiteral("lbl_picture_%1").arg(k), {}, x, 120, 1000);
        Didascalia(m_gruppoFigure, QStringLiteral("lbl_stato_%1").arg(k), QString::fromLatin1(stati[k]), x + 1000, 120, 700);
        m_idFigura[size_t(k)] = Didascalia(m_gruppoFigure, QStringLiteral("lbl_IdPicture_%1").arg(k), QStringLiteral("0"), x, 440, 300);
        auto* passo = Crea<QWidget>(m_gruppoFigure, QStringLiteral("Sel_Pict_%1").arg(k));
        passo->setGeometry(Rett(x + 300, 400, 300, 600));
        for (int s = 0; s < 2; ++s) {
            auto* b = Crea<QToolButton>(passo, s ? QStringLiteral("down") : QStringLiteral("up"));
            b->setArrowType(s ? Qt::DownArrow : Qt::UpArrow);
            b->setGeometry(Rett(0, s * 300, 300, 300));
            connect(b, &QToolButton::clicked, this, [this, k, s] { SelectPicture(k, s ? -1 : 1); });
        }
        m_imgFigura[size_t(k)] = Crea<QLabel>(m_gruppoFigure, QStringLiteral("img_Format_%1").arg(k));
        m_imgFigura[size_t(k)]->move(Rett(x + 700, 400, 0, 0).topLeft());
    }

    m_gruppoDimensioni = Crea<QGroupBox>(m_pannelloBox, QStringLiteral("frm_dim"));
    m_gruppoDimensioni->setGeometry(Rett(120, 2200, 2000, 1640));
    m_lblDimX = Didascalia(m_gruppoDimensioni, QStringLiteral("lbl_dimX"), {}, 120, 150, 1000);
    m_dimX = Campo(m_gruppoDimensioni, QStringLiteral("txt_DimX"), 1140, 120, 720);
    m_lblDimY = Didascalia(m_gruppoDimensioni, QStringLiteral("lbl_dimY"), {}, 120, 450, 1000);
    m_dimY = Campo(m_gruppoDimensioni, QStringLiteral("txt_dimY"), 1140, 420, 720);
    m_lblSpess = Didascalia(m_gruppoDimensioni, QStringLiteral("lbl_spess"), {}, 120, 750, 1000);
    m_spess = Campo(m_gruppoDimensioni, QStringLiteral("txt_Spess"), 1140, 720, 720);
    m_lblMax = Didascalia(m_gruppoDimensioni, QStringLiteral("lbl_max"), QStringLiteral("MAX"), 120, 1050, 1000);
    m_max = Campo(m_gruppoDimensioni, QStringLiteral("txt_max"), 1140, 1020, 720);
    m_lblMin = Didascalia(m_gruppoDimensioni, QStringLiteral("lbl_min"), QStringLiteral("MIN"), 120, 1350, 1000);
    m_min = Campo(m_gruppoDimensioni, QStringLiteral("txt_min"), 1140, 1320, 720);

    auto* set = Crea<QPushButton>(m_pannelloBox, QStringLiteral("cmd_set"), QStringLiteral("Set"));
    set->setGeometry(Rett(5100, 3380, 1200, 375));

    connect(m_pagine, &QListWidget::currentRowChanged, this, [this](int r) { ScegliPagina(r); });
    connect(m_oggetti, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) SelezionaOggetto(r + 1);
    });
    connect(m_tela, &TelaDisplay::Cliccato, this, [this](int n) { SelezionaOggetto(n); });
    connect(m_tela, &TelaDisplay::Puntatore, this,
            [this](const QPoint& t) { m_puntatore->setText(QStringLiteral("%1,%2").arg(t.x()).arg(t.y())); });
    connect(m_altern, &QCheckBox::toggled, this, [this](bool v) {
        m_pannello.Alternativo = v;
        ApplicaAlternativo();
    });
    connect(griglia, &QPushButton::clicked, m_tela, &TelaDisplay::MostraGriglia);
    connect(ridisegna, &QPushButton::clicked, this, [this] { DrawDisplay(PaginaCorrente); });
    connect(rimuovi, &QPushButton::clicked, m_tela, &TelaDisplay::Svuota);
    connect(compila, &QPushButton::clicked, this, [this] { CompilaEChiudi(); });
    connect(set, &QPushButton::clicked, this, [this] { cmd_set_Click(); });

    // Loading: captions, page 1, the data types, no selection.
    SetRes();
    PaginaCorrente = 0;
    DrawPages();
    for (int t = 0; t <= 4; ++t) m_tipoReg->addItem(TipiDato[size_t(t)]);
    OggettoCorrente = 0;
    DrawDisplay(PaginaCorrente);
    ViewPar(PaginaCorrente, 0);
}

frm_display* frm_display::Apri()
{
    frm_display* w = Finestre::Get<frm_display>();
    Finestre::Mostra(w);
    return w;
}

void frm_display::SetRes()
{
    setWindowTitle(Testo(164));
    m_quadroPagine->setTitle(Testo(165));
    m_quadroOggetti->setTitle(Testo(166));
    for (int k = 0; k < 4; ++k) {
        m_cmdPagina[size_t(k)]->setIcon(IconaRisorsa(142 + k));
        m_cmdOggetto[size_t(k)]->setIcon(IconaRisorsa(142 + k));
    }
    m_cmdOggetto[2]->setToolTip(QStringLiteral("Send to Back"));
    m_cmdOggetto[3]->setToolTip(QStringLiteral("Bring to Front"));
    m_lblFormatoTipo->setText(Testo(160));
    m_lblReg->setText(Testo(158));
    m_lblTipoReg->setText(Testo(159));
    m_lblPos->setText(Testo(167));
    m_lblRev->setText(Testo(168));
    m_lblDimX->setText(Testo(208));
    m_lblDimY->setText(Testo(209));
    m_lblSpess->setText(Testo(210));
    static constexpr int kFigure[9] = {137, 138, 141, 140, 149, 150, 148, 139, 156};
    const char* suggerimenti[9] = {"Label", "Number", "Date", "Time", "ProgressBar", "Rectangle", "Picture", "Image", "Graph"};
    for (int k = 0; k < 9; ++k) {
        m_tipo[size_t(k)]->setIcon(IconaRisorsa(kFigure[k]));
        m_tipo[size_t(k)]->setToolTip(QString::fromLatin1(suggerimenti[k]));
        m_tipo[size_t(k)]->setVisible(k != 2 && k != 3 && k != 7 && k != 8);
    }
    m_lblFormato[0]->setText(Testo(161));
    m_lblFormato[1]->setText(Testo(207));
    findChild<QPushButton*>(QStringLiteral("Command4"))->setIcon(IconaRisorsa(146));
    m_lblBit->setText(Testo(169));
    for (QLabel* l : m_lblFigura) l->setText(Testo(170));
}

void frm_display::DrawPages()
{
    const QSignalBlocker blocca(m_pagine);
    m_pagine->clear();
    for (int p = 0; p < NumPagine; ++p) m_pagine->addItem(QStringLiteral("PAGE [%1]").arg(p + 1));
    m_pagine->setCurrentRow(PaginaCorrente);
}

void frm_display::DrawDisplay(int pagina)
{
    m_tela->Svuota();
    const QSignalBlocker blocca(m_oggetti);
    m_oggetti->clear();
    if (pagina < 0 || pagina >= MaxPagine) return;
    const Pagina& p = Pagine[size_t(pagina)];
    for (int i = 1; i <= p.NumOggetti && i <= MaxOggetti; ++i) {
        DrawObject(pagina, i);
        m_oggetti->addItem(Anteprima::RigaElenco(i, p.Oggetti[size_t(i)]));
    }
}

void frm_display::DrawObject(int pagina, int i)
{
    m_tela->Aggiungi(Pagine[size_t(pagina)].Oggetti[size_t(i)]);
}

void frm_display::ScegliPagina(int riga)
{
    if (riga < 0) return;
    PaginaCorrente = uint8_t(riga);
    OggettoCorrente = 0;
    DrawDisplay(PaginaCorrente);
    ViewPar(PaginaCorrente, 0);
}

void frm_display::Tastiera(int k)
{
    // Only "^" and "v" act: they step through the pages, wrapping round.
    const int n = m_pagine->count();
    if ((k != 4 && k != 5) || n == 0) return;
    m_pagine->setCurrentRow((m_pagine->currentRow() + (k == 4 ? n - 1 : 1)) % n);
}

void frm_display::Esito(int esito)
{
    const QString rifiuto = TestoRifiuto(EsitoPagine(esito));
    if (!rifiuto.isEmpty()) Prompt::MsgBox(rifiuto);
    ProgettoModificato = true;
}

void frm_display::ComandoPagina(int k)
{
    EsitoPagine (*const comandi[4])(uint8_t&) = {NuovaPagina, CancellaPagina, PaginaPrima, PaginaDopo};
    const EsitoPagine esito = comandi[k](PaginaCorrente);
    DrawPages();
    OggettoCorrente = 0;
    DrawDisplay(PaginaCorrente);
    ViewPar(PaginaCorrente, 0);
    Esito(int(esito));
}

void frm_display::ComandoOggetto(int k)
{
    const int pagina = PaginaCorrente;
    EsitoPagine esito = EsitoPagine::Nulla;
    switch (k) {
    case 0: {
        const auto nuovo = OggettoNuovo(m_tipi->checkedId());
        if (!nuovo) return;     // no kind chosen
        if (nuovo->TipoOgg == NumeroPiccolo) m_tipoReg->setCurrentIndex(0);
        esito = AddObject(pagina, *nuovo, OggettoCorrente);
        if (esito == EsitoPagine::Fatto) {
            DrawDisplay(pagina);
            ViewPar(pagina, OggettoCorrente);
            cmd_set_Click();    // the panel's conversions apply to the new object
            SelezionaOggetto(OggettoCorrente);
        }
        break;
    }
    case 1:
        if (OggettoCorrente) DeleteObject(pagina, OggettoCorrente, OggettoCorrente);
        DrawDisplay(pagina);
        break;
    case 2:
    case 3:
        esito = k == 2 ? OggettoIndietro(pagina, OggettoCorrente) : OggettoAvanti(pagina, OggettoCorrente);
        DrawDisplay(pagina);
        ViewPar(pagina, OggettoCorrente);
        if (OggettoCorrente) SelezionaOggetto(OggettoCorrente);
        break;
    default:
        DrawDisplay(pagina);
        break;
    }
    Esito(int(esito));
}

void frm_display::SelezionaOggetto(int n)
{
    const Pagina& p = Pagine[size_t(PaginaCorrente)];
    if (n < 1 || n > p.NumOggetti) return;
    OggettoCorrente = uint8_t(n);
    {
        const QSignalBlocker blocca(m_oggetti);
        m_oggetti->setCurrentRow(n - 1);
    }
    // After "Remove All" the element is not there: the border is skipped.
    m_tela->Seleziona(n);
    ViewPar(PaginaCorrente, n);
}

void frm_display::ViewPar(int pagina, int n)
{
    if (n <= 0 || pagina < 0 || pagina >= MaxPagine || n > MaxOggetti) {
        m_pannelloBox->hide();
        return;
    }
    LeggiPannello();    // what the hidden boxes hold stays there
    MostraOggetto(m_pannello, Pagine[size_t(pagina)].Oggetti[size_t(n)]);
    MostraPannello();
    m_pannelloBox->show();
}

void frm_display::cmd_set_Click()
{
    const int n = OggettoCorrente;
    if (n < 1 || n > Pagine[size_t(PaginaCorrente)].NumOggetti) return;
    LeggiPannello();
    if (!TestiPannelloAccettati(m_pannello, PaginaCorrente, n)) return;
    const EsitoImposta esito = ImpostaOggetto(m_pannello, Pagine[size_t(PaginaCorrente)].Oggetti[size_t(n)]);
    if (!esito.fatto()) {
        Prompt::MsgBox(TestoRifiutoCampo(esito.campo));
        return;
    }
    DrawDisplay(PaginaCorrente);
    ProgettoModificato = true;
}

void frm_display::SelectPicture(int indice, int passo)
{
    int& numero = m_pannello.Figura[size_t(indice)];
    numero = m_idFigura[size_t(indice)]->text().toInt();
    if (passo < 0 && numero > 0) --numero;
    if (passo > 0 && numero < 1) ++numero;
    m_idFigura[size_t(indice)]->setText(QString::number(numero));
    QLabel* img = m_imgFigura[size_t(indice)];
    const int riga = m_taglia->currentIndex();
    if (riga < 0 || riga > 2) return;
    const int lato = 8 << riga;
    img->resize(Rett(0, 0, int(lato * Anteprima::TwipX), int(lato * Anteprima::TwipY)).size());
    img->setPixmap(PixmapFigura(400 + 2 * riga + numero, img->size(), devicePixelRatioF()));
}

void frm_display::CompilaEChiudi()
{
    CompilatorePagine::CompilaOggetti();
    ProgettoModificato = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
        deleteLater();
    }
}

void frm_display::MostraPannello()
{
    const PannelloOggetto& p = m_pannello;
    const std::pair<QLineEdit*, const QString*> campi[] = {
        {m_posX, &p.PosX}, {m_posY, &p.PosY}, {m_dimX, &p.DimX}, {m_dimY, &p.DimY}, {m_spess, &p.Spessore},
        {m_reg, &p.Registro}, {m_bit, &p.Bit}, {m_max, &p.Max}, {m_min, &p.Min}, {m_nomeTipo, &p.NomeTipo}};
    for (const auto& [c, t] : campi) Testo_(c, *t);
    {
        const QSignalBlocker blocca(m_altern);
        m_altern->setChecked(p.Alternativo);
    }
    ApplicaAlternativo();
    for (int k = 0; k < 2; ++k) {
        Testo_(m_formato[size_t(k)], p.Formato[size_t(k)]);
        m_idFigura[size_t(k)]->setText(QString::number(p.Figura[size_t(k)]));
    }
    m_taglia->clear();
    m_taglia->addItems({QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")});
    m_taglia->setCurrentIndex(p.Taglia);
    m_tipoReg->setCurrentIndex(p.TipoReg);
    m_negato->setChecked(p.Negato);
    m_direzione[p.Verticale ? 1 : 0]->setChecked(true);

    const unsigned v = p.Vista;
    m_gruppoFormato->setVisible(v & PannelloFormato);
    m_gruppoTesti->setVisible(v & PannelloTesti);
    m_lblFormato[1]->setVisible(v & PannelloAlternativo);
    m_formato[1]->setVisible(v & PannelloAlternativo);
    m_altern->setVisible(v & PannelloAlternativo);
    m_gruppoRegistro->setVisible(v & PannelloRegistro);
    m_lblTipoReg->setVisible(v & PannelloTipoRegistro);
    m_tipoReg->setVisible(v & PannelloTipoRegistro);
    m_lblBit->setVisible(v & PannelloBit);
    m_bit->setVisible(v & PannelloBit);
    m_gruppoDimensioni->setVisible(v & PannelloDimensioni);
    for (QWidget* w : {static_cast<QWidget*>(m_lblMax), static_cast<QWidget*>(m_max), static_cast<QWidget*>(m_lblMin),
                       static_cast<QWidget*>(m_min)})
        w->setVisible(v & PannelloLimiti);
    m_lblSpess->setVisible(v & PannelloSpessore);
    m_spess->setVisible(v & PannelloSpessore);
    m_gruppoFigure->setVisible(v & PannelloFigure);
    if (v & PannelloFigure) {
        SelectPicture(0, 0);
        SelectPicture(1, 0);
    }
}

void frm_display::LeggiPannello()
{
    PannelloOggetto& p = m_pannello;
    const std::pair<QLineEdit*, QString*> campi[] = {
        {m_posX, &p.PosX}, {m_posY, &p.PosY}, {m_dimX, &p.DimX}, {m_dimY, &p.DimY}, {m_spess, &p.Spessore},
        {m_reg, &p.Registro}, {m_bit, &p.Bit}, {m_max, &p.Max}, {m_min, &p.Min}};
    for (const auto& [c, t] : campi) *t = c->text();
    for (int k = 0; k < 2; ++k) {
        p.Formato[size_t(k)] = m_formato[size_t(k)]->text();
        p.Figura[size_t(k)] = m_idFigura[size_t(k)]->text().toInt();
    }
    p.Taglia = m_taglia->currentIndex();
    p.TipoReg = m_tipoReg->currentIndex();
    p.Negato = m_negato->isChecked();
    p.Verticale = m_direzione[1]->isChecked();
    p.Alternativo = m_altern->isChecked();
}

void frm_display::ApplicaAlternativo()
{
    // The switch only sets the boxes' room; the compiler decides per Label.
    m_formato[0]->setMaxLength(qMax(m_pannello.LunghezzaTesto(0), int(m_formato[0]->text().size())));
    m_formato[1]->setEnabled(m_pannello.Alternativo);
}
