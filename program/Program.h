#pragma once
// The rung list window: one tab per process, and the rungs of the current
// process as rows drawn from the rung records. Only the rows in view have
// widgets; they are taken from a small pool and named after the rung they
// show (shRung_5, txt_desc_5, ...), so a long program opens at once.
#include <QColor>
#include <QHash>
#include <QList>
#include <QMap>
#include <QWidget>

class QTabBar;
class QScrollBar;
class QToolButton;
class QPlainTextEdit;
class QMenu;
class RigaProgramma;
struct Rung;

// The rows of one process (prog_p).
class ContenitoreProcesso : public QWidget {
    Q_OBJECT
public:
    ContenitoreProcesso(int processo, QWidget* padre);
    int Processo() const { return m_processo; }
    int Primo = 0;                          // rows scrolled past
    QMap<int, RigaProgramma*> Righe;        // rung number -> row in view
    QList<RigaProgramma*> Liberi;           // parked rows ready for reuse
    QHash<int, QColor> ColoriNumero;        // run monitor marks
private:
    int m_processo;
};

class Program : public QWidget {
    Q_OBJECT
public:
    Program();
    ~Program() override;

    Q_INVOKABLE void SetRes();
    bool Aperto = false;
    // The design size: the workspace frame opens the window at it.
    QSize sizeHint() const override;

    QTabBar* Tab_Prog() const { return m_tab; }
    QScrollBar* VScroll() const { return m_scroll; }
    QToolButton* cmd_Formato() const { return m_formato; }
    ContenitoreProcesso* prog(int p, bool crea = true);

    // Lays out the rows of the current process after `primo` rows scrolled past.
    void PosizionaRung(int primo);
    void VScroll_Change();
    // A rung record changed: redraw its row when it is in view.
    void RidisegnaRiga(int processo, int k);
    // Redraws every row in view of the current process (count may have changed).
    void Ridisegna();
    void AggiornaSelezione(int vecchio, int nuovo);
    void ColoraNumero(int k, QColor colore);
    // The scroll step of an append (the new row advances the view after 3).
    void DopoAggiunta();

    void AggiungiTab(int sub);
    // Makes process p current and shows its rows, selecting its tab.
    void MostraProcesso(int p);

    // Row k of the current process, if it is in view.
    RigaProgramma* Riga(int k) const;
    bool InChiusura() const { return m_chiusura; }
    // "Close Project?": on OK the window is closing (a new project empties
    // it without asking again); false on Cancel.
    bool ConfermaChiusura();
    // The close was given up after the question: the window stays open.
    void AnnullaChiusura();

    // Event handlers.
    void Tab_Prog_Click(int indice);
    void cmd_Formato_Click();
    void txt_desc_Change(int k, const QString& testo);
    void txt_desc_Click(int k);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    RigaProgramma* PrendiRiga(ContenitoreProcesso* c, int k);
    void Disegna(RigaProgramma* r, int processo, int k);
    void MostraContenitore(int p);
    // The format button shows what a click on it will do for this process.
    void IconaFormato();
    void PassoPagina();

    QTabBar* m_tab = nullptr;
    QScrollBar* m_scroll = nullptr;
    QToolButton* m_formato = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QList<ContenitoreProcesso*> m_prog;
    bool m_chiusura = false;
    bool m_tabInterno = false;
};

// The loaded rung list window, also while its close runs; with `crea` it is
// created (and shown) when there is none.
Program* FinestraProgramma(bool crea);

// Appends one empty row for one new rung of the current process (NumRung
// grows by one). False at the rung limit (the user has been told).
bool DisegnaProgramma();
void PosizionaRung(int primo);
void SelezionaRung(int n);

// The rung pop-up menu of the main window, built on first use.
QMenu* MenuFB();

// Makes process p current, its tab shown when the rung list window is open.
void ScegliProcesso(int p);
// Draws the current process's rows once, scrolled to the top.
void RidisegnaDallInizio();
