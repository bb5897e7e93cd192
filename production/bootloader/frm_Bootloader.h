#pragma once
// The bootloader tool's window over Bootloader: "Open", "Read ID" and the
// device ID and revision fields. Closing it ends a running query.
#include "production/bootloader/Bootloader.h"

#include <QWidget>

class QLineEdit;

class frm_Bootloader : public QWidget {
    Q_OBJECT
public:
    frm_Bootloader();

    Bootloader& Logica() { return m_boot; }
    QString Dispositivo() const;
    QString Revisione() const;

    void Command2_Click();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Bootloader m_boot;
    QLineEdit* m_id;
    QLineEdit* m_rev;
};
