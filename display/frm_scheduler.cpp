#include "display/frm_scheduler.h"

#include "base/Globali.h"
#include "base/Testi.h"
#include "display/ServiziScheduler.h"
#include "resources/Immagini.h"
#include "shell/AttesaEditore.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {
QRect Rett(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

template <class T> T* In(QWidget* padre, const QString& nome, int x, int y, int w, int h)
{
    T* c = Crea<T>(padre, nome);
    c->setGeometry(Rett(x, y, w, h));
    return c;
}

template <class T> T* In(QWidget* padre, const QString& nome, const QString& testo, int x, int y, int w, int h)
{
    T* c = Crea<T>(padre, nome, testo);
    c->setGeometry(Rett(x, y, w, h));
    return c;
}

QToolButton* Pulsante(QWidget* padre, const QString& nome, const char* immagine, int x, int y, int lato)
{
    auto* b = In<QToolButton>(padre, nome, x, y, lato, lato);
    b->setIcon(DisegnaImmagine(QString::fromLatin1(immagine)));
    b->setIconSize(QSize(Twips(lato) - 8, Twips(lato) - 8));
    return b;
}

QString Nome(const char* base, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i);
}

void Righe(QComboBox* c, const QStringList& voci)
{
    const QSignalBlocker blocca(c);
    c->clear();
    c->addItems(voci);
    c->setCurrentIndex(0);
}

// An editable combo shows the text; a list item of that text is selected.
void TestoCombo(QComboBox* c, const QString& t)
{
    const int i = c->findText(t, Qt::MatchExactly);
    if (i >= 0) c->setCurrentIndex(i);
    c->setEditText(t);
}

void Indice(QComboBox* c, int i)
{
    c->setCurrentIndex(i >= 0 && i < c->count() ? i : -1);
}

void Scrivi(QLineEdit* e, const QString& t)
{
    if (e->text() != t) e->setText(t);
}

void Voci(QListWidget* l, const QStringList& voci, int selezione)
{
    QStringList ora;
    for (int i = 0; i < l->count(); ++i) ora.append(l->item(i)->text());
    if (ora != voci) {
        l->clear();
        l->addItems(voci);
    }
    if (selezione >= 0 && selezione < l->count()) {
        l->setCurrentRow(selezione);
    } else {
        l->setCurrentItem(nullptr);
        l->clearSelection();
    }
}

// The selected line, -1 for none (a current line without a selection is none).
int Riga(const QListWidget* l)
{
    const QList<QListWidgetItem*> s = l->selectedItems();
    return s.isEmpty() ? -1 : l->row(s.first());
}

} // namespace

frm_scheduler::frm_scheduler()
{
    resize(sizeHint());

    m_frame5 = In<QGroupBox>(this, QStringLiteral("Frame5"), 120, 60, 2520, 6600);
    m_lstOgg = In<QListWidget>(m_frame5, QStringLiteral("lst_Ogg"), 120, 300, 2280, 4320);
    m_tipi = new QButtonGroup(this);
    const char* tipi[] = {"task_logger", "task_trend", "task_messaggio", "task_messaggio"};
    const char* liste[] = {"lista_nuovo", "lista_cancella", "lista_su", "lista_giu"};
    for (int i = 0; i < 4; ++i) {
        m_optType[size_t(i)] = Pulsante(m_frame5, Nome("opt_Type", i), tipi[i], 120 + i * 570, 4740, 510);
        m_optType[size_t(i)]->setCheckable(true);
        m_tipi->addButton(m_optType[size_t(i)], i);
        m_cmdOgg[size_t(i)] = Pulsante(m_frame5, Nome("cmd_Ogg", i), liste[i], 120 + i * 570, 5400, 510);
        connect(m_cmdOgg[size_t(i)], &QToolButton::clicked, this,
                [this, i] { Esegui([this, i] { m_editor.Esegui(EditorScheduler::Comando(i)); }); });
    }
    m_command4 = In<QPushButton>(this, QStringLiteral("Command4"), 120, 6780, 2520, 450);
    m_command4->setIcon(DisegnaImmagine(QStringLiteral("conferma")));
    m_command4->setIconSize(QSize(24, 24));
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    m_frame2 = In<QFrame>(this, QStringLiteral("Frame2"), 2760, 60, 7560, 7170);
    m_objType = In<QLineEdit>(m_frame2, QStringLiteral("txt_ObjType"), 0, 30, 1800, 315);
    m_objType->setReadOnly(true);
    m_cmdSet = In<QPushButton>(m_frame2, QStringLiteral("cmd_set_0"), QStringLiteral("Set"), 5880, 0, 1680, 375);
    connect(m_cmdSet, &QPushButton::clicked, this, [this] { Esegui([this] { m_editor.Memorizza(); }); });
    CreaValidita(m_frame2);
    CreaTrigger(m_frame2);
    CreaTipi(m_frame2);

    connect(m_lstOgg, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* v) { Esegui([this, v] { m_editor.ListaClick(m_lstOgg->row(v)); }); });
    connect(m_lstOgg, &QListWidget::currentRowChanged, this,
            [this](int riga) { Esegui([this, riga] { m_editor.ListaClick(riga); }); });

    Didascalie();
    m_editor.Carica();
    Mostra();
}

void frm_scheduler::CreaValidita(QWidget* padre)
{
    m_frmValid = In<QGroupBox>(padre, QStringLiteral("frm_valid"), 0, 420, 5040, 1380);
    // Columns: day, month, year, hour, minute, second.
    const int x[] = {120, 960, 2520, 3540, 4020, 4500};
    const int w[] = {780, 1500, 960, 420, 420, 420};
    for (int k = 0; k < 6; ++k) m_label2[size_t(k)] = In<QLabel>(m_frmValid, Nome("Label2", k), x[k], 240, w[k], 255);
    for (int i = 0; i < 2; ++i) {
        RigaData& r = m_date[size_t(i)];
        const int y = 510 + i * 420;
        r.giorno = In<QComboBox>(m_frmValid, Nome("txt_giorno", i), x[0], y, w[0], 315);
        r.mese = In<QComboBox>(m_frmValid, Nome("txt_mese", i), x[1], y, w[1], 315);
        r.anno = In<QComboBox>(m_frmValid, Nome("txt_anno", i), x[2], y, w[2], 315);
        // Typed texts are stored as they stand; they never join the lists.
        for (QComboBox* c : {r.giorno, r.anno}) {
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
        }
        r.ore = In<QLineEdit>(m_frmValid, Nome("txt_ore", i), x[3], y, w[3], 315);
        r.minuti = In<QLineEdit>(m_frmValid, Nome("txt_min", i), x[4], y, w[4], 315);
        r.secondi = In<QLineEdit>(m_frmValid, Nome("txt_sec", i), x[5], y, w[5], 315);
    }

    m_frmAbil = In<QGroupBox>(padre, QStringLiteral("frm_Abil"), QStringLiteral("Flag"), 5160, 420, 2400, 1380);
    m_chkAbil = In<QCheckBox>(m_frmAbil, QStringLiteral("chk_Abil"), 120, 270, 2100, 285);
    In<QLabel>(m_frmAbil, QStringLiteral("lbl_AbilReg"), QStringLiteral("Reg"), 120, 630, 560, 255);
    m_abilReg = In<QLineEdit>(m_frmAbil, QStringLiteral("txt_AbilReg"), 720, 600, 1560, 315);
    In<QLabel>(m_frmAbil, QStringLiteral("lbl_AbilBit"), QStringLiteral("Bit"), 120, 1000, 560, 255);
    m_abilBit = In<QLineEdit>(m_frmAbil, QStringLiteral("txt_AbilBit"), 720, 970, 1560, 315);
}

void frm_scheduler::CreaTrigger(QWidget* padre)
{
    m_frmRecord = In<QGroupBox>(padre, QStringLiteral("frm_record"), 0, 1920, 7560, 1620);
    m_chkInterv = In<QCheckBox>(m_frmRecord, QStringLiteral("chk_interv"), 120, 300, 1200, 285);
    m_txtInterv[0] = In<QLineEdit>(m_frmRecord, Nome("txt_interv", 0), 1380, 285, 720, 315);
    m_cmbInterv = In<QComboBox>(m_frmRecord, Nome("cmb_interv", 0), 2160, 285, 1500, 315);
    m_lblRepeat = In<QLabel>(m_frmRecord, QStringLiteral("lbl_Repeat"), QStringLiteral("Repeat"), 4200, 315, 1200, 255);
    m_repeat = In<QLineEdit>(m_frmRecord, QStringLiteral("txt_Repeat"), 5460, 285, 720, 315);

    m_lblTrig = In<QLabel>(m_frmRecord, QStringLiteral("lbl_trig"), 120, 735, 1500, 255);
    // Part of the design; nothing reads it.
    m_chkTrig = In<QCheckBox>(m_frmRecord, QStringLiteral("chk_trig"), QStringLiteral("Su variazione"), 1680, 720, 1680, 285);
    const char* fronti[] = {"0 --> 1", "1 --> 0"};
    for (int i = 0; i < 2; ++i)
        m_chkTrigLatch[size_t(i)] = In<QCheckBox>(m_frmRecord, Nome("chk_TrigLatch", i), QString::fromLatin1(fronti[i]),
                                                  3420 + i * 1140, 720, 1080, 285);
    m_chkFlag = In<QCheckBox>(m_frmRecord, QStringLiteral("chk_flag"), QStringLiteral("Su flag"), 120, 1140, 1200, 285);
    m_chkTrigRes = In<QCheckBox>(m_frmRecord, QStringLiteral("chk_TrigRes"), QStringLiteral("Trig reset"), 1380, 1140, 1500, 285);
    m_lblTrigReg = In<QLabel>(m_frmRecord, QStringLiteral("lbl_TrigReg"), 3420, 1170, 480, 255);
    m_trigReg = In<QLineEdit>(m_frmRecord, QStringLiteral("txt_TrigReg"), 3960, 1125, 900, 315);
    In<QLabel>(m_frmRecord, QStringLiteral("lbl_TrigBit"), QStringLiteral("Bit"), 5040, 1170, 360, 255);
    m_trigBit = In<QLineEdit>(m_frmRecord, QStringLiteral("txt_TrigBit"), 5460, 1125, 720, 315);
}

void frm_scheduler::CreaTipi(QWidget* padre)
{
    // Frames of different task types share their place.
    const int y = 3660;
    m_frmFile = In<QGroupBox>(padre, QStringLiteral("frm_file"), 0, y, 2760, 3480);
    m_label5 = In<QLabel>(m_frmFile, QStringLiteral("Label5"), 120, 300, 2400, 255);
    m_dir = In<QLineEdit>(m_frmFile, QStringLiteral("txt_dir"), 120, 580, 2520, 315);
    m_frame1 = In<QGroupBox>(m_frmFile, QStringLiteral("Frame1"), 120, 1020, 2520, 2340);
    for (int k = 0; k < 4; ++k)
        m_optFile[size_t(k)] = In<QRadioButton>(m_frame1, Nome("opt_file", k), 120, 330 + k * 480, 1500, 300);
    m_txtInterv[1] = In<QLineEdit>(m_frame1, Nome("txt_interv", 1), 1680, 315, 600, 315);

    m_frmVar = In<QGroupBox>(padre, QStringLiteral("frm_var"), QStringLiteral("Formato Record"), 2880, y, 4680, 3480);
    m_lstOggRecord = In<QListWidget>(m_frmVar, QStringLiteral("lst_OggRecord"), 120, 300, 1920, 2580);
    m_lstRecord = In<QListWidget>(m_frmVar, QStringLiteral("lst_Record"), 2640, 300, 1920, 2580);
    const char* liste[] = {"lista_nuovo", "lista_cancella", "lista_su", "lista_giu"};
    for (int i = 0; i < 4; ++i) {
        m_cmdOggRecord[size_t(i)] = Pulsante(m_frmVar, Nome("cmd_OggRecord", i), liste[i], 2130, 600 + i * 510, 450);
        connect(m_cmdOggRecord[size_t(i)], &QToolButton::clicked, this,
                [this, i] { Esegui([this, i] { m_editor.EseguiCampo(EditorScheduler::ComandoCampo(i)); }); });
    }
    m_command2 = In<QPushButton>(m_frmVar, QStringLiteral("Command2"), QStringLiteral("Set Formats"), 120, 2980, 1920, 375);
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    m_frmCsv = In<QGroupBox>(padre, QStringLiteral("frm_csv"), QStringLiteral("Formato Record"), 2880, y, 4680, 3480);
    In<QLabel>(m_frmCsv, QStringLiteral("Label13"), QStringLiteral("Header Format"), 120, 300, 2400, 255);
    m_header = In<QComboBox>(m_frmCsv, QStringLiteral("cmb_header"), 120, 580, 2400, 315);
    In<QLabel>(m_frmCsv, QStringLiteral("Label14"), QStringLiteral("Record Format"), 120, 1020, 2400, 255);
    m_recordFmt = In<QComboBox>(m_frmCsv, QStringLiteral("cmb_record"), 120, 1300, 2400, 315);

    m_frmTrend = In<QGroupBox>(padre, QStringLiteral("frm_trend"), QStringLiteral("Trend"), 0, y, 7560, 1500);
    struct Campo {
        const char *etichetta, *testo, *nome;
        QLineEdit** campo;
        int x, y;
    };
    const Campo trend[] = {
        {"Label7", "Reg", "txt_TrendReg", &m_trendReg, 120, 330},
        {"Label8", "Min", "txt_TrendMin", &m_trendMin, 2580, 330},
        {"Label9", "Max", "txt_TrendMax", &m_trendMax, 5040, 330},
        {"Label6", "Dim X", "txt_TrendDim", &m_trendDim, 120, 810},
        {"Label10", "Dim Y", "txt_trendAlt", &m_trendAlt, 2580, 810},
    };
    for (const Campo& c : trend) {
        In<QLabel>(m_frmTrend, QString::fromLatin1(c.etichetta), QString::fromLatin1(c.testo), c.x, c.y + 30, 700, 255);
        *c.campo = In<QLineEdit>(m_frmTrend, QString::fromLatin1(c.nome), c.x + 720, c.y, 1560, 315);
    }

    m_frmSMS = In<QGroupBox>(padre, QStringLiteral("frm_SMS"), QStringLiteral("SMS"), 0, y, 7560, 1500);
    In<QLabel>(m_frmSMS, QStringLiteral("Label11"), QStringLiteral("Phone Number"), 120, 360, 1980, 255);
    m_smsNum = In<QLineEdit>(m_frmSMS, QStringLiteral("txt_SMS_Num"), 2160, 330, 3000, 315);
    In<QLabel>(m_frmSMS, QStringLiteral("Label12"), QStringLiteral("Text"), 120, 780, 1980, 255);
    m_smsMess = In<QLineEdit>(m_frmSMS, QStringLiteral("txt_SMS_Mess"), 2160, 750, 5280, 315);
}

QSize frm_scheduler::sizeHint() const
{
    return Rett(0, 0, 10440, 7320).size();
}

frm_scheduler* frm_scheduler::Carica()
{
    const bool nuova = !Finestre::SeCaricata<frm_scheduler>();
    QMdiArea* area = Principale::Istanza()->Area();
    QMdiSubWindow* davanti = area->activeSubWindow();
    frm_scheduler* w = Finestre::Get<frm_scheduler>();
    if (!nuova) return w;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
        sub->show();
        Finestre::DentroArea(w);
        // The window that was in front stays there.
        if (davanti) area->setActiveSubWindow(davanti);
    } else {
        w->show();
    }
    return w;
}

void frm_scheduler::Didascalie()
{
    setWindowTitle(Testo(183));
    m_frame5->setTitle(QStringLiteral("Task"));
    const char* suggerimenti[] = {nullptr, "Trend", "SMS", "E-MAIL"};
    for (int i = 0; i < 4; ++i)
        m_optType[size_t(i)]->setToolTip(i == 0 ? Testo(184) : QString::fromLatin1(suggerimenti[i]));
    // From the window only loggers and e-mails are created.
    m_optType[1]->setEnabled(false);
    m_optType[2]->setVisible(false);
    m_cmdOgg[2]->setEnabled(false);
    m_cmdOgg[3]->setEnabled(false);

    m_frmValid->setTitle(Testo(185));
    m_frmFile->setTitle(Testo(194));
    m_label5->setText(Testo(195));
    m_frame1->setTitle(Testo(196));
    for (int k = 0; k < 4; ++k) m_optFile[size_t(k)]->setText(Testo(197 + k));
    m_frmRecord->setTitle(Testo(201));
    m_chkInterv->setText(Testo(202));
    m_lblTrig->setText(Testo(203));
    for (int k = 0; k < 6; ++k) m_label2[size_t(k)]->setText(Testo(188 + k));
    m_lblTrigReg->setText(Testo(158));

    QStringList giorni, mesi, anni, unita;
    for (int d = 1; d <= 31; ++d) giorni.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    for (int m = 1; m <= 12; ++m) mesi.append(NomiMese[size_t(m)]);
    for (int a = 2000; a <= 2099; ++a) anni.append(QString::number(a));
    for (int t : {178, 177, 182, 181, 180, 179}) unita.append(Testo(t));
    for (RigaData& r : m_date) {
        Righe(r.giorno, giorni);
        Righe(r.mese, mesi);
        Righe(r.anno, anni);
    }
    Righe(m_cmbInterv, unita);
}

void frm_scheduler::SetRes()
{
    Raccogli();
    Didascalie();
    m_editor.SetRes();
    Mostra();
}

template <class F> void frm_scheduler::Esegui(F f)
{
    Raccogli();
    f();
    Mostra();
}

void frm_scheduler::Raccogli()
{
    EditorScheduler& e = m_editor;
    CampiTask& c = e.Campi;
    for (int i = 0; i < 2; ++i) {
        const RigaData& r = m_date[size_t(i)];
        DataCampi& d = c.validita[size_t(i)];
        d.giorno = r.giorno->currentText();
        d.mese = r.mese->currentIndex();
        d.anno = r.anno->currentText();
        d.ore = r.ore->text();
        d.minuti = r.minuti->text();
        d.secondi = r.secondi->text();
    }
    c.abilita = m_chkAbil->isChecked();
    c.regAbil = m_abilReg->text();
    c.bitAbil = m_abilBit->text();
    c.ripeti = m_repeat->text();
    c.aTempo = m_chkInterv->isChecked();
    c.intervallo = m_txtInterv[0]->text();
    c.unita = m_cmbInterv->currentIndex();
    c.salita = m_chkTrigLatch[0]->isChecked();
    c.discesa = m_chkTrigLatch[1]->isChecked();
    c.reset = m_chkTrigRes->isChecked();
    c.flag = m_chkFlag->isChecked();
    c.regTrigger = m_trigReg->text();
    c.bitTrigger = m_trigBit->text();
    c.nuovoFile = -1;
    for (int k = 0; k < 4; ++k)
        if (m_optFile[size_t(k)]->isChecked()) c.nuovoFile = k;
    c.fileOgniOra = m_txtInterv[1]->text();
    c.cartella = m_dir->text();
    c.intestazione = m_header->currentIndex();
    c.formatoRecord = m_recordFmt->currentIndex();
    c.regTrend = m_trendReg->text();
    c.maxTrend = m_trendMax->text();
    c.minTrend = m_trendMin->text();
    c.dimX = m_trendDim->text();
    c.dimY = m_trendAlt->text();
    c.numeroSMS = m_smsNum->text();
    c.testoSMS = m_smsMess->text();
    e.TipoNuovo = m_tipi->checkedId();
    e.SelezioneTask = Riga(m_lstOgg);
    e.SelezioneCampo = Riga(m_lstOggRecord);
    e.SelezioneRecord = Riga(m_lstRecord);
}

void frm_scheduler::Mostra()
{
    const EditorScheduler& e = m_editor;
    const CampiTask& c = e.Campi;
    const QSignalBlocker b1(m_lstOgg), b2(m_lstOggRecord), b3(m_lstRecord);
    Voci(m_lstOgg, e.ListaTask, e.SelezioneTask);
    m_frame2->setVisible(e.ProprietaVisibili);
    m_frmAbil->setVisible(e.Visibili.abilitazione);
    m_lblRepeat->setVisible(e.Visibili.ripetizione);
    m_repeat->setVisible(e.Visibili.ripetizione);
    m_frmFile->setVisible(e.Visibili.file);
    m_frmVar->setVisible(e.Visibili.var);
    m_frmCsv->setVisible(e.Visibili.csv);
    m_frmTrend->setVisible(e.Visibili.trend);
    m_frmSMS->setVisible(e.Visibili.sms);

    for (int i = 0; i < 2; ++i) {
        const RigaData& r = m_date[size_t(i)];
        const DataCampi& d = c.validita[size_t(i)];
        TestoCombo(r.giorno, d.giorno);
        Indice(r.mese, d.mese);
        TestoCombo(r.anno, d.anno);
        Scrivi(r.ore, d.ore);
        Scrivi(r.minuti, d.minuti);
        Scrivi(r.secondi, d.secondi);
    }
    m_chkAbil->setChecked(c.abilita);
    Scrivi(m_abilReg, c.regAbil);
    Scrivi(m_abilBit, c.bitAbil);
    Scrivi(m_repeat, c.ripeti);
    m_chkInterv->setChecked(c.aTempo);
    Scrivi(m_txtInterv[0], c.intervallo);
    Indice(m_cmbInterv, c.unita);
    m_chkTrigLatch[0]->setChecked(c.salita);
    m_chkTrigLatch[1]->setChecked(c.discesa);
    m_chkTrigRes->setChecked(c.reset);
    m_chkFlag->setChecked(c.flag);
    Scrivi(m_trigReg, c.regTrigger);
    Scrivi(m_trigBit, c.bitTrigger);
    Scrivi(m_objType, c.tipo);
    if (c.nuovoFile >= 0 && c.nuovoFile < 4) m_optFile[size_t(c.nuovoFile)]->setChecked(true);
    Scrivi(m_txtInterv[1], c.fileOgniOra);
    Scrivi(m_dir, c.cartella);

    QStringList blocchiTesto;
    for (int b = 0; b < c.blocchi; ++b) blocchiTesto.append(QStringLiteral("*00") + QString::number(b));
    for (QComboBox* cmb : {m_header, m_recordFmt}) {
        QStringList ora;
        for (int i = 0; i < cmb->count(); ++i) ora.append(cmb->itemText(i));
        if (ora != blocchiTesto) {
            cmb->clear();
            cmb->addItems(blocchiTesto);
        }
    }
    Indice(m_header, c.intestazione);
    Indice(m_recordFmt, c.formatoRecord);

    Scrivi(m_trendReg, c.regTrend);
    Scrivi(m_trendMax, c.maxTrend);
    Scrivi(m_trendMin, c.minTrend);
    Scrivi(m_trendDim, c.dimX);
    Scrivi(m_trendAlt, c.dimY);
    Scrivi(m_smsNum, c.numeroSMS);
    Scrivi(m_smsMess, c.testoSMS);

    QStringList campi;
    for (const VoceCampo& v : e.Selezionabili) campi.append(v.testo);
    Voci(m_lstOggRecord, campi, e.SelezioneCampo);
    Voci(m_lstRecord, e.Record, e.SelezioneRecord);
}

void frm_scheduler::Command2_Click()
{
    if (!ServiziScheduler::ApriVariabili) return;
    // The wait follows the variables window itself: it ends however that
    // window closes, not only through its OK.
    const QPointer<frm_scheduler> io(this);
    SceltaAperta = true;
    AttesaEditore::Attendi(ServiziScheduler::ApriVariabili());
    SceltaAperta = false;
    if (!io) return;
    // Variables added, removed or relabelled meanwhile.
    Esegui([this] { m_editor.DrawRecord(); });
}

void frm_scheduler::Command4_Click()
{
    bool chiudi = false;
    Esegui([this, &chiudi] { chiudi = m_editor.Ok(); });
    if (!chiudi) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
