#pragma once
// The MAC tool's window: buttons and text boxes over RegistroMAC, which does
// the work. Closing with unsaved changes asks first and may stay open.
#include "production/mac/RegistroMAC.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QRadioButton;

class frm_LettMAC : public QWidget {
    Q_OBJECT
public:
    frm_LettMAC();

    RegistroMAC& Registro() { return m_registro; }
    void ImpostaCampi(const CampiMAC& campi);
    CampiMAC Campi() const;
    void Seleziona(int riga);
    void ScegliReport(SceltaReport scelta);
    QStringList Righe() const;

    void Command1_Click();
    void Command2_Click();
    void cmd_loadFile_Click();
    void cmd_SaveFile_Click();
    void cmd_report_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void FormattaVoce();

    RegistroMAC m_registro;
    // A close asked for while the read waits is carried out after it.
    bool m_occupata = false;
    QListWidget* m_lista;
    QLineEdit* m_pfc;
    QLineEdit* m_anno;
    QLineEdit* m_cliente;
    QRadioButton* m_report[3];
};
