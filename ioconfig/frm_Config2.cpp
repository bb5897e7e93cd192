#include "ioconfig/frm_Config2.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "ioconfig/Lampada.h"
#include "ioconfig/LayoutConfig.h"
#include "ioconfig/ListeConfig.h"
#include "ioconfig/ModelliConfig.h"
#include "ioconfig/TipoIngresso.h"
#include "resources/Immagini.h"
#include "shell/Finestre.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

template <class T> T* frm_Config2::Nuovo(const QString& nome, QWidget* padre)
{
    T* w = new T(padre);
    w->setObjectName(nome);
    m_ctl.insert(nome, w);
    return w;
}

frm_Config2::frm_Config2()
{
    Costruisci();
}

namespace {
QGridLayout* Griglia(QWidget* w)
{
    auto* g = new QGridLayout(w);
    g->setContentsMargins(6, 6, 6, 6);
    return g;
}
} // namespace

void frm_Config2::Costruisci()
{
    auto* v = new QVBoxLayout(this);
    auto* barra = Nuovo<QGroupBox>(Ctl("Frame6"), this);
    auto* hb = new QHBoxLayout(barra);
    hb->addWidget(Nuovo<QLabel>(Ctl("Label1", 1), barra));
    auto* modello = Nuovo<QComboBox>(Ctl("modello"), barra);
    modello->setMinimumContentsLength(14);
    hb->addWidget(modello);
    hb->addWidget(Nuovo<QLabel>(Ctl("Label1", 0), barra));
    auto* indirizzo = Nuovo<QLineEdit>(Ctl("Indirizzo"), barra);
    indirizzo->setMaximumWidth(60);
    hb->addWidget(indirizzo);
    auto* start = Nuovo<QPushButton>(Ctl("cmd_start"), barra);
    auto* stop = Nuovo<QPushButton>(Ctl("cmd_stop"), barra);
    hb->addWidget(start);
    hb->addWidget(stop);
    hb->addStretch();
    auto* leggi = Nuovo<QPushButton>(Ctl("cmd_read", 0), barra);
    hb->addWidget(leggi);
    v->addWidget(barra);

    m_tab = Nuovo<QTabBar>(Ctl("TabStrip1"), this);
    v->addWidget(m_tab);
    // Every section sits in the same place; the layout shows at most one.
    // A section taller than the window scrolls instead of squeezing its rows.
    auto* scorri = new QScrollArea(this);
    scorri->setWidgetResizable(true);
    scorri->setFrameShape(QFrame::NoFrame);
    auto* area = new QWidget(scorri);
    auto* ga = new QGridLayout(area);
    ga->setContentsMargins(0, 0, 0, 0);
    for (QWidget* s : {SezioneSistema(), SezioneComm(), SezioneAnalogIn(), SezioneAnalogOut(), SezioneDigitalIn(), SezioneDigitalOut(), SezioneTrip()}) {
        s->setParent(area);
        s->hide();
        // Spare room goes below and right of a section's frames.
        auto* g = static_cast<QGridLayout*>(s->layout());
        g->setRowStretch(g->rowCount(), 1);
        g->setColumnStretch(g->columnCount(), 1);
        ga->addWidget(s, 0, 0);
    }
    scorri->setWidget(area);
    v->addWidget(scorri, 1);

    connect(modello, &QComboBox::activated, this, [this] { MostraTab(); });
    // The write, output and calibration buttons carry a word in place of a picture.
    for (auto it = m_ctl.cbegin(); it != m_ctl.cend(); ++it)
        for (const char* n : {"cmd_invia_", "cmd_Output_", "cmd_Out_Cal_", "cmd_Write_Trip_", "cmd_set_0"})
            if (it.key().startsWith(QLatin1String(n))) ImpostaTesto(it.key(), QStringLiteral("Write"));
    connect(m_tab, &QTabBar::tabBarClicked, this, [this](int i) {
        m_tab->setCurrentIndex(i);
        MostraTab();
    });
    AlClic(leggi, [this] { cmd_read_Click(0); });
    AlClic(start, [this] { cmd_start_Click(); });
    AlClic(stop, [this] { cmd_stop_Click(); });

    Collega("cmd_invia", 10, &InvioConfig::cmd_invia_Click);
    Collega("cmd_In_Zero", 8, &InvioConfig::cmd_In_Zero_Click);
    Collega("cmd_In_Span", 8, &InvioConfig::cmd_In_Span_Click);
    Collega("cmd_Out_Cal", 8, &InvioConfig::cmd_Out_Cal_Click);
    Collega("cmd_Output", 8, &InvioConfig::cmd_Output_Click);
    Collega("cmd_set", 3, &InvioConfig::cmd_set_Click);
    Collega("cmd_Write_Trip", 4, &InvioConfig::cmd_Write_Trip_Click);
    Collega("cmd_Toggle", 3, &InvioConfig::cmd_Toggle_Click);
    // A check box acts on every change of its value, the read's included.
    Collega("chk_En", 8, &InvioConfig::chk_En_Click);
    Collega("chk_OutputBit", 8, &InvioConfig::chk_OutputBit_Click);
    Collega("chk_PupBit", 8, &InvioConfig::chk_PupBit_Click);
    Collega("chk_SafeBit", 8, &InvioConfig::chk_SafeBit_Click);
    AlClic(qobject_cast<QAbstractButton*>(Cerca(Ctl("cmd_sync"))), [this] { m_invio.cmd_sync_Click(); });
    AlClic(qobject_cast<QAbstractButton*>(Cerca(Ctl("cmd_clear_latch"))), [this] { m_invio.cmd_clear_latch_Click(); });
    for (int i = 0; i < 2; ++i)
        AlClic(qobject_cast<QAbstractButton*>(Cerca(Ctl("cmd_ClockSync", i))), [this, i] { m_orologio.cmd_ClockSync_Click(i); });
}

void frm_Config2::Collega(const char* nome, int n, void (InvioConfig::*handler)(int))
{
    for (int i = 0; i < n; ++i) {
        auto* b = qobject_cast<QAbstractButton*>(Cerca(Ctl(nome, i)));
        auto azione = [this, handler, i] { (m_invio.*handler)(i); };
        if (b->isCheckable()) connect(b, &QAbstractButton::toggled, this, Tenuto(azione));
        else AlClic(b, azione);
    }
}

QWidget* frm_Config2::SezioneSistema()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_prog"), this);
    auto* g = Griglia(s);
    auto* prog = Nuovo<QGroupBox>(Ctl("Frm_Prog"), s);
    auto* gp = Griglia(prog);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label5"), prog), 0, 0);
    gp->addWidget(Nuovo<QLineEdit>(Ctl("txt_nome"), prog), 0, 1);
    gp->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 0), prog), 0, 2);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label6"), prog), 1, 0);
    Nuovo<QLineEdit>(Ctl("txt_vers"), prog)->setReadOnly(true);
    gp->addWidget(Cerca(Ctl("txt_vers")), 1, 1);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label10"), prog), 2, 0);
    gp->addWidget(Nuovo<QLineEdit>(Ctl("txt_add"), prog), 2, 1);
    gp->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 2), prog), 2, 2);
    g->addWidget(prog, 0, 0);

    auto* flag = Nuovo<QGroupBox>(Ctl("frm_PupSafe"), s);
    auto* gf = Griglia(flag);
    gf->addWidget(Nuovo<QLabel>(Ctl("Label18", 0), flag), 0, 0);
    gf->addWidget(Nuovo<QLabel>(Ctl("Label21"), flag), 0, 1);
    auto* wd = Nuovo<QGroupBox>(Ctl("Frame1"), flag);
    wd->setTitle(QStringLiteral("WatchDog"));
    auto* gw = Griglia(wd);
    gw->addWidget(Nuovo<QLabel>(Ctl("Label12", 0), wd), 0, 0);
    gw->addWidget(Nuovo<QLineEdit>(Ctl("txt_wdt", 0), wd), 0, 1);
    gw->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 9), wd), 0, 2);
    gw->addWidget(Nuovo<QLabel>(Ctl("Label18", 1), wd), 1, 0);
    gf->addWidget(wd, 1, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        QWidget* cont = i == 0 ? wd : Nuovo<QGroupBox>(Ctl("Ev", i), flag);
        auto* lamp = new Lampada(true, ColoreGrigio, cont);
        lamp->setObjectName(Ctl("Led_Ev", i));
        m_ctl.insert(lamp->objectName(), lamp);
        auto* toggle = Nuovo<QPushButton>(Ctl("cmd_Toggle", i), cont);
        toggle->setText(QString::number(i));
        if (i == 0) {
            gw->addWidget(toggle, 1, 1);
            gw->addWidget(lamp, 1, 2);
        } else {
            auto* h = new QHBoxLayout(cont);
            h->addWidget(toggle);
            h->addWidget(lamp);
            gf->addWidget(cont, 1 + i, 0, 1, 2);
        }
    }
    g->addWidget(flag, 1, 0);

    auto* rtc = Nuovo<QGroupBox>(Ctl("frm_RTC"), s);
    auto* gr = Griglia(rtc);
    gr->addWidget(Nuovo<QComboBox>(Ctl("txt_giorno", 0), rtc), 0, 0);
    gr->addWidget(Nuovo<QComboBox>(Ctl("txt_mese", 0), rtc), 0, 1);
    gr->addWidget(Nuovo<QComboBox>(Ctl("txt_anno", 0), rtc), 0, 2);
    auto* cal = Nuovo<QToolButton>(Ctl("cmd_calendar"), rtc);
    cal->setIcon(DisegnaImmagine(QStringLiteral("calendar")));
    cal->setIconSize(QSize(18, 18));
    gr->addWidget(cal, 0, 3);
    const char* const ora[3] = {"txt_ore", "txt_min", "txt_sec"};
    const char* const caption[3] = {"Ora", "Min", "Sec"};
    for (int i = 0; i < 3; ++i) {
        Nuovo<QLabel>(Ctl("Label2", 3 + i), rtc)->setText(QString::fromLatin1(caption[i]));
        gr->addWidget(Cerca(Ctl("Label2", 3 + i)), 1, i);
        auto* t = Nuovo<QLineEdit>(Ctl(ora[i], 0), rtc);
        t->setMaximumWidth(40);
        gr->addWidget(t, 2, i);
    }
    gr->addWidget(Nuovo<QPushButton>(Ctl("cmd_ClockSync", 0), rtc), 3, 0);
    gr->addWidget(Nuovo<QPushButton>(Ctl("cmd_ClockSync", 1), rtc), 3, 1);
    gr->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 4), rtc), 3, 2);
    g->addWidget(rtc, 0, 1);
    auto* mese = Nuovo<QCalendarWidget>(Ctl("MonthView1"), s);
    mese->hide();
    g->addWidget(mese, 1, 1, 2, 1);
    connect(cal, &QToolButton::clicked, this, [this] { cmd_calendar_Click(); });
    connect(mese, &QCalendarWidget::clicked, this, [this](QDate d) { MonthView1_DateClick(d); });

    auto* disp = Nuovo<QGroupBox>(Ctl("frm_Disp"), s);
    auto* gd = Griglia(disp);
    gd->addWidget(Nuovo<QLabel>(Ctl("lbl_Mode"), disp), 0, 0);
    gd->addWidget(Nuovo<QRadioButton>(Ctl("opt_DispMode", 0), disp), 0, 1);
    gd->addWidget(Nuovo<QRadioButton>(Ctl("opt_DispMode", 1), disp), 0, 2);
    const char* const barre[2][2] = {{"lbl_Contr", "bar_Contr"}, {"lbl_Lumin", "bar_Lumin"}};
    for (int i = 0; i < 2; ++i) {
        gd->addWidget(Nuovo<QLabel>(Ctl(barre[i][0]), disp), 1 + i, 0);
        auto* b = Nuovo<QScrollBar>(Ctl(barre[i][1]), disp);
        b->setOrientation(Qt::Horizontal);
        b->setRange(0, 15);
        gd->addWidget(b, 1 + i, 1, 1, 2);
    }
    gd->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 5), disp), 3, 2);
    g->addWidget(disp, 2, 0);
    ImpostaTesto(Ctl("cmd_ClockSync", 0), QStringLiteral("Sync PC"));
    ImpostaTesto(Ctl("cmd_ClockSync", 1), QStringLiteral("Sync UTC"));
    return s;
}

QWidget* frm_Config2::SezioneComm()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_com"), this);
    auto* g = Griglia(s);
    // Label7 2/3 serve port 0, 0/1 port 1; the write buttons are 3 and 8.
    const int par[2] = {2, 0}, invia[2] = {3, 8};
    for (int p = 0; p < 2; ++p) {
        auto* f = Nuovo<QGroupBox>(Ctl("Frm_com", p), s);
        auto* gf = Griglia(f);
        gf->addWidget(Nuovo<QLabel>(Ctl("Label8", p), f), 0, 0);
        auto* baud = Nuovo<QComboBox>(Ctl("cmb_baud", p), f);
        gf->addWidget(baud, 0, 1);
        gf->addWidget(Nuovo<QLabel>(Ctl("Label7", par[p]), f), 1, 0);
        gf->addWidget(Nuovo<QComboBox>(Ctl("cmb_par", p), f), 1, 1);
        gf->addWidget(Nuovo<QLabel>(Ctl("Label7", par[p] + 1), f), 2, 0);
        gf->addWidget(Nuovo<QComboBox>(Ctl("cmb_stop", p), f), 2, 1);
        gf->addWidget(Nuovo<QLabel>(Ctl("Label11", p), f), 3, 0);
        gf->addWidget(Nuovo<QLineEdit>(Ctl("txt_delay", p), f), 3, 1);
        gf->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", invia[p]), f), 4, 1);
        g->addWidget(f, 0, p);
    }
    // Port 0's baud list is never rebuilt: the same eight rates from the start.
    auto* baud0 = qobject_cast<QComboBox*>(Cerca(Ctl("cmb_baud", 0)));
    for (const VoceConfig& b : VociBaud()) baud0->addItem(QString::fromLatin1(b.testo), b.codice);
    baud0->setCurrentIndex(-1);
    return s;
}

QWidget* frm_Config2::SezioneAnalogIn()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_AI"), this);
    auto* g = Griglia(s);
    auto* ai = Nuovo<QWidget>(Ctl("AI", 0), s);
    auto* ga = Griglia(ai);
    const char* const teste[7] = {"Ch", "Type", "En", "Value", "Br", "Sync", "Offset"};
    for (int c = 0; c < 7; ++c) {
        Nuovo<QLabel>(Ctl("Label9", c), ai)->setText(QString::fromLatin1(teste[c]));
        ga->addWidget(Cerca(Ctl("Label9", c)), 0, c);
    }
    auto* cal = Nuovo<QGroupBox>(Ctl("frm_In_Cal"), s);
    cal->setTitle(QStringLiteral("Cal"));
    auto* gc = Griglia(cal);
    for (int ch = 0; ch < 8; ++ch) {
        Nuovo<QLabel>(Ctl("Label3", ch), ai)->setText(QString::number(ch));
        ga->addWidget(Cerca(Ctl("Label3", ch)), ch + 1, 0);
        ga->addWidget(Nuovo<QComboBox>(Ctl("cmb_InputType", ch), ai), ch + 1, 1);
        auto* en = Nuovo<QCheckBox>(Ctl("chk_En", ch), ai);
        ga->addWidget(en, ch + 1, 2);
        Nuovo<QLineEdit>(Ctl("txt_Input", ch), ai)->setReadOnly(true);
        ga->addWidget(Cerca(Ctl("txt_Input", ch)), ch + 1, 3);
        auto* br = new Lampada(false, ColoreBianco, ai);
        br->setObjectName(Ctl("pBreak", ch));
        m_ctl.insert(br->objectName(), br);
        ga->addWidget(br, ch + 1, 4);
        Nuovo<QLineEdit>(Ctl("txt_Input_sync", ch), ai)->setReadOnly(true);
        ga->addWidget(Cerca(Ctl("txt_Input_sync", ch)), ch + 1, 5);
        ga->addWidget(Nuovo<QLineEdit>(Ctl("txt_Input_Offset", ch), ai), ch + 1, 6);
        Nuovo<QPushButton>(Ctl("cmd_In_Zero", ch), cal)->setText(QStringLiteral("Zero"));
        Nuovo<QPushButton>(Ctl("cmd_In_Span", ch), cal)->setText(QStringLiteral("Span"));
        gc->addWidget(Cerca(Ctl("cmd_In_Zero", ch)), ch, 0);
        gc->addWidget(Cerca(Ctl("cmd_In_Span", ch)), ch, 1);
    }
    ga->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 6), ai), 9, 6);
    ga->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 7), ai), 9, 1);
    ga->addWidget(Nuovo<QPushButton>(Ctl("cmd_sync"), ai), 9, 5);
    g->addWidget(ai, 0, 0);
    g->addWidget(cal, 0, 1);
    return s;
}

QWidget* frm_Config2::SezioneAnalogOut()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_ao"), this);
    auto* g = Griglia(s);
    auto* ao = Nuovo<QGroupBox>(Ctl("frm_AO"), s);
    auto* gao = Griglia(ao);
    auto* pic = Nuovo<QWidget>(Ctl("Picture2"), ao);
    auto* gp = Griglia(pic);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label17"), pic), 0, 0);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label20"), pic), 0, 1);
    gp->addWidget(Nuovo<QLabel>(Ctl("Label19"), pic), 0, 3);
    auto* cal = Nuovo<QGroupBox>(Ctl("frm_Out_Cal"), s);
    cal->setTitle(QStringLiteral("Cal"));
    auto* gc = Griglia(cal);
    gc->addWidget(Nuovo<QLabel>(Ctl("Label13", 0), cal), 0, 0);
    Nuovo<QLabel>(Ctl("Label13", 1), cal)->setText(QStringLiteral("Span"));
    gc->addWidget(Cerca(Ctl("Label13", 1)), 0, 1);
    for (int ch = 0; ch < 8; ++ch) {
        auto* tipo = Nuovo<QComboBox>(Ctl("cmb_Out", ch), pic);
        tipo->addItems({QStringLiteral("mA"), QStringLiteral("V")});
        gp->addWidget(tipo, ch + 1, 0);
        gp->addWidget(Nuovo<QLineEdit>(Ctl("txt_Output", ch), pic), ch + 1, 1);
        gp->addWidget(Nuovo<QPushButton>(Ctl("cmd_Output", ch), pic), ch + 1, 2);
        gp->addWidget(Nuovo<QLineEdit>(Ctl("txt_Safe", ch), pic), ch + 1, 3);
        gc->addWidget(Nuovo<QLineEdit>(Ctl("txt_Out_Zero", ch), cal), ch + 1, 0);
        gc->addWidget(Nuovo<QLineEdit>(Ctl("txt_Out_Span", ch), cal), ch + 1, 1);
        gc->addWidget(Nuovo<QPushButton>(Ctl("cmd_Out_Cal", ch), cal), ch + 1, 2);
    }
    gp->addWidget(Nuovo<QPushButton>(Ctl("cmd_set", 0), pic), 9, 3);
    gao->addWidget(pic, 0, 0, 1, 2);
    Nuovo<QPushButton>(Ctl("cmd_set", 1), ao)->setText(QStringLiteral("Set All"));
    Nuovo<QPushButton>(Ctl("cmd_set", 2), ao)->setText(QStringLiteral("Set All"));
    gao->addWidget(Cerca(Ctl("cmd_set", 1)), 1, 0);
    gao->addWidget(Cerca(Ctl("cmd_set", 2)), 1, 1);
    g->addWidget(ao, 0, 0);
    g->addWidget(cal, 0, 1);
    return s;
}

QWidget* frm_Config2::SezioneDigitalIn()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_di"), this);
    auto* g = Griglia(s);
    auto* di = Nuovo<QGroupBox>(Ctl("frm_DI"), s);
    auto* gd = Griglia(di);
    for (int i = 0; i < 16; ++i) {
        auto* f = Nuovo<QGroupBox>(Ctl("DI", i), di);
        f->setTitle(QString::number(i));
        auto* h = new QHBoxLayout(f);
        auto* led = new Lampada(true, ColoreGrigio, f);
        led->setObjectName(Ctl("Led", i));
        m_ctl.insert(led->objectName(), led);
        h->addWidget(led);
        gd->addWidget(f, i / 8, i % 8);
    }
    gd->addWidget(Nuovo<QPushButton>(Ctl("cmd_clear_latch"), di), 2, 0, 1, 3);
    g->addWidget(di, 0, 0);
    return s;
}

QWidget* frm_Config2::SezioneDigitalOut()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_do"), this);
    auto* g = Griglia(s);
    auto* dout = Nuovo<QGroupBox>(Ctl("frm_DO"), s);
    auto* gd = Griglia(dout);
    auto* f2 = Nuovo<QGroupBox>(Ctl("Frame2"), dout);
    auto* gf = Griglia(f2);
    Nuovo<QLabel>(Ctl("Label2", 0), f2)->setText(QStringLiteral("PwrUp"));
    gf->addWidget(Cerca(Ctl("Label2", 0)), 0, 0);
    gf->addWidget(Nuovo<QLabel>(Ctl("Label4"), f2), 1, 0);
    for (int i = 0; i < 8; ++i) {
        auto* out = Nuovo<QCheckBox>(Ctl("chk_OutputBit", i), dout);
        out->setText(QString::number(i));
        gd->addWidget(out, 0, i);
        const char* const bit[2] = {"chk_PupBit", "chk_SafeBit"};
        for (int r = 0; r < 2; ++r) gf->addWidget(Nuovo<QCheckBox>(Ctl(bit[r], i), f2), r, i + 1);
        for (const QString& nome : {Ctl("chk_OutputBit", i), Ctl("chk_PupBit", i), Ctl("chk_SafeBit", i)}) Colore(nome, ColoreBianco);
    }
    gf->addWidget(Nuovo<QPushButton>(Ctl("cmd_invia", 1), f2), 2, 8);
    gd->addWidget(f2, 1, 0, 1, 8);
    g->addWidget(dout, 0, 0);
    return s;
}

QWidget* frm_Config2::SezioneTrip()
{
    auto* s = Nuovo<QWidget>(Ctl("frm_tab_trip"), this);
    auto* g = Griglia(s);
    for (int i = 0; i < 4; ++i) {
        auto* f = Nuovo<QGroupBox>(Ctl("frm_Trip", i), s);
        f->setTitle(QStringLiteral("Trip %1").arg(i));
        auto* gf = Griglia(f);
        Nuovo<QLabel>(Ctl("lbl_trip_lo", i), f)->setText(QStringLiteral("LO"));
        Nuovo<QLabel>(Ctl("lbl_trip_hi", i), f)->setText(QStringLiteral("HI"));
        gf->addWidget(Cerca(Ctl("lbl_trip_lo", i)), 0, 0);
        gf->addWidget(Nuovo<QLineEdit>(Ctl("txt_Trip_LO", i), f), 0, 1);
        gf->addWidget(Cerca(Ctl("lbl_trip_hi", i)), 1, 0);
        gf->addWidget(Nuovo<QLineEdit>(Ctl("txt_Trip_HI", i), f), 1, 1);
        gf->addWidget(Nuovo<QPushButton>(Ctl("cmd_Write_Trip", i), f), 2, 1);
        g->addWidget(f, i / 2, i % 2);
    }
    auto* leggi = Nuovo<QPushButton>(Ctl("cmd_read", 7), s);
    leggi->setText(QStringLiteral("Update"));
    g->addWidget(leggi, 2, 1);
    AlClic(leggi, [this] { cmd_read_Click(7); });
    return s;
}

void frm_Config2::Form_Load()
{
    SetRes();
    m_lettura.AbilitaInvio = true;
    ImpostaTesto(Ctl("Indirizzo"), QString::number(Controllore.Nodo));
    auto* modello = qobject_cast<QComboBox*>(Cerca(Ctl("modello")));
    {
        const QSignalBlocker blocco(modello);
        modello->clear();
        for (int k : ModelliOfferti(Marchio700)) modello->addItem(NomiModello[k]);
        modello->setCurrentIndex(-1);
    }
    m_tab->setCurrentIndex(0);
    // Every equal entry is selected in turn, so the last one stays; each
    // selection lays the window out.
    for (int i = 0; i < modello->count(); ++i)
        if (modello->itemText(i) == NomeModello) {
            modello->setCurrentIndex(i);
            MostraTab();
        }
}

void frm_Config2::SetRes()
{
    setWindowTitle(::Testo(111));
    static const QList<QPair<const char*, int>> kTesti = {
        {"Label1_0", 112}, {"Label1_1", 113}, {"cmd_read_0", 114}, {"cmd_start", 115}, {"cmd_stop", 116},
        {"Frm_Prog", 117}, {"frm_PupSafe", 119}, {"frm_RTC", 121}, {"frm_Disp", 122}, {"Label10", 123},
        {"Label6", 124}, {"Label5", 125}, {"Label21", 126}, {"Label18_0", 127}, {"lbl_Mode", 128},
        {"opt_DispMode_1", 129}, {"opt_DispMode_0", 130}, {"lbl_Lumin", 131}, {"lbl_Contr", 132},
        {"Label8_0", 135}, {"Label8_1", 135}, {"Label13_0", 142}, {"cmd_sync", 145}, {"frm_AO", 146},
        {"Label17", 147}, {"Label20", 148}, {"Label19", 149}, {"frm_DI", 150}, {"frm_DO", 151},
        {"cmd_clear_latch", 153}, {"Label4", 155},
    };
    for (const auto& [nome, n] : kTesti) ImpostaTesto(QString::fromLatin1(nome), ::Testo(n));
    ImpostaTesto(Ctl("Frm_com", 0), QStringLiteral("Port 0 (RS485 ") + ::Testo(133) + u')');
    ImpostaTesto(Ctl("Frm_com", 1), QStringLiteral("Port 1 (RS485 ") + ::Testo(134) + u')');
    ImpostaTesto(Ctl("Label11", 0), ::Testo(136) + QStringLiteral(" (ms)"));
    ImpostaTesto(Ctl("Label12", 0), QStringLiteral("Timeout"));
    ImpostaTesto(Ctl("Label18", 1), QStringLiteral("En"));
    ImpostaTesto(Ctl("Label11", 1), QStringLiteral("Timeout (ms)"));
    RiempiListeFisse(*this);
}

void frm_Config2::MostraTab()
{
    {
        // The rebuild keeps the tab the user clicked.
        const QSignalBlocker blocco(m_tab);
        const int scelta = m_tab->currentIndex();
        while (m_tab->count() > 0) m_tab->removeTab(0);
        for (const char* c : kCaptionSchede) m_tab->addTab(QString::fromLatin1(c));
        m_tab->setCurrentIndex(scelta);
    }
    MostraSezione(*this, ModelloConfig(Testo(Ctl("modello"))), m_tab->currentIndex() + 1, ModoProduzione);
}

void frm_Config2::LeggiTipoIngresso(uint8_t nodo, int canale) { ::LeggiTipoIngresso(*this, nodo, canale); }
void frm_Config2::ScriviTipoIngresso(uint8_t nodo, int canale) { ::ScriviTipoIngresso(*this, nodo, canale); }

void frm_Config2::cmd_calendar_Click() { Mostra(Ctl("MonthView1"), true); }

void frm_Config2::MonthView1_DateClick(const QDate& data)
{
    Posizione(Ctl("txt_giorno", 0), data.day() - 1);
    Posizione(Ctl("txt_mese", 0), data.month() - 1);
    if (data.year() >= 2000 && data.year() <= 2099) Posizione(Ctl("txt_anno", 0), data.year() - 2000);
    Mostra(Ctl("MonthView1"), false);
}

void ApriConfigurazione()
{
    const bool caricata = Finestre::SeCaricata<frm_Config2>() != nullptr;
    frm_Config2* f = Finestre::Get<frm_Config2>();
    f->NomeModello = Modelli[Controllore.Modello % NumModelli].Nome;
    if (!caricata) f->Form_Load();
    Finestre::Mostra(f);
}
