#pragma once
// The About box: product name of the brand, program icon, version, and a
// button that starts the system-information tool when one is registered.
#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout();
    // The same texts in both languages; the language switch calls it anyway.
    Q_INVOKABLE void SetRes();
    void StartSysInfo();

    void cmdOK_Click();
    void cmdSysInfo_Click() { StartSysInfo(); }

private:
    QLabel* m_picIcon;
    QLabel* m_lblTitle;
    QLabel* m_lblVersion;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdSysInfo;
};

// Root keys of the system registry, as the lookup names them.
constexpr uint32_t HKEY_LOCAL_MACHINE_ = 0x80000002u;

// Reads one text value of the system registry. This platform keeps no such
// registry, so every lookup finds nothing: `valore` is emptied and the result
// is false.
bool GetKeyValue(uint32_t radice, const QString& chiave, const QString& nome, QString& valore);
