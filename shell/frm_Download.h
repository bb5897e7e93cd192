#pragma once
// The download dialog: the boxes choose what the download sequence
// (build/SequenzaDownload.h) sends; "Download" runs it and the dialog
// unloads itself at its end, whatever the outcome. Modal, so nothing else
// can change the project or start a transfer while it runs.
#include <QDialog>

class QCheckBox;
class QProgressBar;
class QPushButton;
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

private:
    QCheckBox *chk_download, *chk_var, *chk_str, *chk_sms, *chk_Verify, *chk_Clear, *chk_run;
    QProgressBar* Barra;
    QPushButton* cmdDownload;
};
