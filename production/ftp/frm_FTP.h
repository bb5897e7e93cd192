#pragma once
// The FTP browser's window over ElencoFTP: "Command1" lists the server's
// root, "Command2" opens the local export file.
#include "production/ftp/ElencoFTP.h"

#include <QWidget>

class QListWidget;

class frm_FTP : public QWidget, public VistaFTP {
    Q_OBJECT
public:
    frm_FTP();

    ElencoFTP& Elenco() { return m_elenco; }
    QStringList Voci() const;

    void SvuotaElenco() override;
    void AggiungiVoce(const QString& testo, int icona) override;

private:
    ElencoFTP m_elenco{*this};
    QListWidget* ListView1;
};
