#pragma once
// The scheduler and logger task editor: the task list with its type and
// list buttons on the left, the shown task's properties on the right, and a
// logger's record-field editor. A child window of the workspace; OK stores,
// compiles the tasks and unloads it, the close box unloads it without
// storing. Its EditorScheduler does the work.
#include "display/EditorScheduler.h"

#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

class frm_scheduler : public QWidget {
    Q_OBJECT
public:
    frm_scheduler();

    // Loads the window when it is not loaded, without bringing it to the
    // front; the one way to open it.
    static frm_scheduler* Carica();

    int TaskCorrente() const { return m_editor.TaskCorrente; }
    Q_INVOKABLE void SetRes();
    QSize sizeHint() const override;

private:
    struct RigaData {
        QComboBox* giorno = nullptr;
        QComboBox* mese = nullptr;
        QComboBox* anno = nullptr;
        QLineEdit* ore = nullptr;
        QLineEdit* minuti = nullptr;
        QLineEdit* secondi = nullptr;
    };
    void CreaValidita(QWidget* padre);
    void CreaTrigger(QWidget* padre);
    void CreaTipi(QWidget* padre);
    // Captions and the fixed lists of the current language.
    void Didascalie();
    // The user's edits into the logic, and the logic's state onto the controls.
    void Raccogli();
    void Mostra();
    // Runs one operation of the logic between the two.
    template <class F> void Esegui(F f);
    void Command2_Click();
    void Command4_Click();

    EditorScheduler m_editor;

    QGroupBox* m_frame5;
    QListWidget* m_lstOgg;
    std::array<QToolButton*, 4> m_cmdOgg{};
    std::array<QToolButton*, 4> m_optType{};
    QButtonGroup* m_tipi;
    QPushButton* m_command4;

    QFrame* m_frame2;
    QLineEdit* m_objType;
    QPushButton* m_cmdSet;
    QGroupBox* m_frmValid;
    std::array<QLabel*, 6> m_label2{};
    std::array<RigaData, 2> m_date;
    QGroupBox* m_frmAbil;
    QCheckBox* m_chkAbil;
    QLineEdit* m_abilReg;
    QLineEdit* m_abilBit;

    QGroupBox* m_frmRecord;
    QCheckBox* m_chkInterv;
    std::array<QLineEdit*, 2> m_txtInterv{};
    QComboBox* m_cmbInterv;
    QLabel* m_lblTrig;
    QCheckBox* m_chkTrig;
    std::array<QCheckBox*, 2> m_chkTrigLatch{};
    QCheckBox* m_chkFlag;
    QCheckBox* m_chkTrigRes;
    QLabel* m_lblTrigReg;
    QLineEdit* m_trigReg;
    QLineEdit* m_trigBit;
    QLabel* m_lblRepeat;
    QLineEdit* m_repeat;

    QGroupBox* m_frmFile;
    QLabel* m_label5;
    QLineEdit* m_dir;
    QGroupBox* m_frame1;
    std::array<QRadioButton*, 4> m_optFile{};

    QGroupBox* m_frmVar;
    QListWidget* m_lstOggRecord;
    QListWidget* m_lstRecord;
    std::array<QToolButton*, 4> m_cmdOggRecord{};
    QPushButton* m_command2;

    QGroupBox* m_frmCsv;
    QComboBox* m_header;
    QComboBox* m_recordFmt;

    QGroupBox* m_frmTrend;
    QLineEdit* m_trendReg;
    QLineEdit* m_trendMin;
    QLineEdit* m_trendMax;
    QLineEdit* m_trendDim;
    QLineEdit* m_trendAlt;

    QGroupBox* m_frmSMS;
    QLineEdit* m_smsNum;
    QLineEdit* m_smsMess;
};
