#include "shell/frmAbout.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "resources/Immagini.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFrame* Linea(QWidget* genitore, int indice)
{
    auto* l = Crea<QFrame>(genitore, QStringLiteral("Line1_%1").arg(indice));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

// Starts a program in a window of its own; false when it cannot start.
bool Avvia(const QString& percorso)
{
    return QProcess::startDetached(percorso, {});
}
} // namespace

frmAbout::frmAbout()
{
    m_picIcon = Crea<QLabel>(this, QStringLiteral("picIcon"));
    m_picIcon->setFixedSize(48, 48);
    m_lblTitle = Crea<QLabel>(this, QStringLiteral("lblTitle"));
    QFont f = m_lblTitle->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    m_lblTitle->setFont(f);
    m_lblVersion = Crea<QLabel>(this, QStringLiteral("lblVersion"));
    m_cmdOK = Crea<QPushButton>(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = Crea<QPushButton>(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));

    auto* testa = new QHBoxLayout;
    testa->addWidget(m_picIcon, 0, Qt::AlignTop);
    auto* testi = new QVBoxLayout;
    testi->addWidget(m_lblTitle);
    testi->addWidget(m_lblVersion);
    testi->addStretch();
    testa->addLayout(testi, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(m_cmdOK);
    pulsanti->addWidget(m_cmdSysInfo);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(Linea(this, 0));
    tutto->addWidget(Linea(this, 1));
    tutto->addLayout(pulsanti);
    tutto->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    SetRes();
}

void frmAbout::SetRes()
{
    const QString prodotto = TestoRisorsa(601 + OffsetMarchio);
    setWindowTitle(QStringLiteral("About ") + prodotto);
    m_lblTitle->setText(prodotto);
    m_picIcon->setPixmap(IconaRisorsa(301).pixmap(QSize(48, 48), devicePixelRatio()));
    m_lblVersion->setText(QStringLiteral("Version: ") + TestoRisorsa(501) + Revisione);
}

void frmAbout::cmdOK_Click()
{
    // Unloading: the next opening builds a fresh box.
    close();
    deleteLater();
}

void frmAbout::StartSysInfo()
{
    const QString chiave1 = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    const QString chiave2 = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
    QString percorso;
    if (GetKeyValue(HKEY_LOCAL_MACHINE_, chiave1, QStringLiteral("PATH"), percorso)) {
        if (Avvia(percorso)) return;
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE_, chiave2, QStringLiteral("MSINFO"), percorso)) {
        const QString eseguibile = QDir(percorso).filePath(QStringLiteral("MSINFO32.EXE"));
        if (QFileInfo::exists(eseguibile) && Avvia(eseguibile)) return;
    }
    Prompt::MsgBox(QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."), Prompt::SoloOk);
}

bool GetKeyValue(uint32_t, const QString&, const QString&, QString& valore)
{
    valore.clear();
    return false;
}
