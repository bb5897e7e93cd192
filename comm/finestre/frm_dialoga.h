#pragma once
// The Modbus terminal: compose a raw request byte by byte, send it once or
// repeatedly, see the reply bytes and the round-trip time; plus the random
// output test for endurance runs. Captions are fixed English texts.
#include <QList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frm_dialoga : public QWidget {
    Q_OBJECT
public:
    frm_dialoga();

    QLineEdit* txt_comando(int i) const { return m_comando[i]; }
    QLineEdit* Text1 = nullptr;
    // Several lines: a long reply stays readable without scrolling sideways.
    QPlainTextEdit* txt_buff_rx = nullptr;
    QCheckBox* chk_err = nullptr;

    // How long the random test keeps an output on, then all off (seconds).
    double SecondiAcceso = 10;
    double SecondiSpento = 15;

public slots:
    void cmd_invia_Click();
    void cmd_start_Click();
    void cmd_stop_Click();
    void Command2_Click();
    void Command3_Click();

private:
    // Sends the request of the fields and shows the round-trip time: -1 when
    // the fields gave no request (nothing sent), else Comunica's result.
    int Invia();
    // One pass of the repeat loops: send, show the time, let events run.
    // False when the window was closed (and deleted) during the pass.
    bool Passo();
    // Loop and Cont: repeat until ComErr (failure or Stop) or only until Stop.
    void Ripeti(bool fermaSuErrore);

    // While a loop or the random test runs, the buttons that would start a
    // second request are off: the transaction under way would refuse it.
    void Occupata(bool si);

    QLineEdit* m_comando[39] = {};
    QList<QPushButton*> m_avvii;
    // The field refused last in this run of Send or Loop: a loop logs a
    // refusal once, not at every pass.
    int m_rifiutato = -2;
    int m_occupata = 0;
};

// Opens the terminal (created on first use) and brings it to the front.
void MostraTerminale();
// Sets the terminal's reply box when the terminal is loaded.
void RispostaTerminale(const QString& testo);
