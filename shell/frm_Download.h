#pragma once
// The download dialog: the boxes choose what the download sequence
// (transfer/SequenzaDownload.h) sends; "Download" runs it. A completed
// download unloads the dialog; one that failed or was stopped says so in
// the Log and in a box, and the dialog stays, showing where it ended, until
// the user closes it. Modal until the transfer starts; while it runs the
// toolbar and the menus refuse everything but the views, and closing the
// dialog or the main window asks whether to stop it.
#include <QDialog>

class QCheckBox;
class QProgressBar;
class QPushButton;
class RapportoTrasferimento;
struct OpzioniDownload;

class frm_Download : public QDialog {
    Q_OBJECT
public:
    frm_Download();

    // The toolbar's "download": creates the dialog when needed, with the
    // download button offered, and brings it to the front.
    static void Apri();

    // Read when the dialog loads: offer the download button.
    bool ModoDownload = false;

    void Form_Load();
    void cmdDownload_Click();
    // What the boxes ask for.
    OpzioniDownload Opzioni() const;

    // Closing during a transfer: asks whether to stop it; true when the
    // user chose to. With `principale` the main window closes once the
    // transfer has ended.
    bool ChiediFermata(bool principale);

protected:
    // The close box and Escape: the stop question while a transfer runs.
    void reject() override;

private:
    RapportoTrasferimento* m_rapporto = nullptr;   // the running transfer's
    bool m_chiudiPrincipale = false;
    bool m_concluso = false;                      // ended short: unload on close

    QCheckBox *chk_download, *chk_var, *chk_str, *chk_sms, *chk_Verify, *chk_Clear, *chk_run;
    QProgressBar* Barra;
    QPushButton* cmdDownload;
};
