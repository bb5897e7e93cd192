#include "shell/frm_Download.h"

#include "base/Modelli.h"
#include "base/Prompt.h"
#include "comm/Dispositivo.h"
#include "registers/Registri.h"
#include "shell/ComandiComuni.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "shell/PromptFinestre.h"
#include "transfer/SequenzaDownload.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The sequence's reports: lines to the Log, progress to the dialog's bar,
// the busy pointer over the whole application.
class RapportoDialogo : public RapportoTrasferimento {
public:
    explicit RapportoDialogo(QProgressBar* barra) : m_barra(barra) {}
    void Inizia() override { LogStart(); }
    void Scrivi(const QString& riga) override { LogWrite(riga); }
    void Barra(double valore) override
    {
        if (m_barra) m_barra->setValue(int(valore));
    }
    void Clessidra(bool attiva) override
    {
        if (attiva) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    }
    void AzzeraRegistri() override
    {
        Finestre::Get<Registri>()->ClearRegistri();
        RinfrescaRegistri();
    }

private:
    QPointer<QProgressBar> m_barra;
};

QCheckBox* Casella(QWidget* padre, const char* nome, const char* testo, bool spuntata)
{
    auto* c = Crea<QCheckBox>(padre, QString::fromLatin1(nome), QString::fromLatin1(testo));
    c->setChecked(spuntata);
    return c;
}
} // namespace

frm_Download::frm_Download()
{
    setWindowTitle(QStringLiteral("Download"));
    // A download that ends short names its end in the title.
    Prompt::AdattaAlTitolo(*this);
    setModal(true);
    auto* scarica = Crea<QGroupBox>(this, QStringLiteral("Frame1"), QStringLiteral("Download"));
    chk_download = Casella(scarica, "chk_download", "Application", true);
    chk_var = Casella(scarica, "chk_var", "Variables", true);
    chk_str = Casella(scarica, "chk_str", "Strings", false);
    chk_sms = Casella(scarica, "chk_sms", "SMS", false);
    auto* opzioni = Crea<QGroupBox>(this, QStringLiteral("Frame2"), QStringLiteral("Options"));
    chk_Verify = Casella(opzioni, "chk_Verify", "Verify", false);
    chk_Clear = Casella(opzioni, "chk_Clear", "Clear Register Memory", false);
    chk_run = Casella(opzioni, "chk_run", "Run after Download", false);
    Barra = Crea<QProgressBar>(this, QStringLiteral("Barra"));
    Barra->setRange(1, 101);
    Barra->setValue(1);
    cmdDownload = Crea<QPushButton>(this, QStringLiteral("cmdDownload"), QStringLiteral("Download"));
    cmdDownload->setVisible(false);
    connect(cmdDownload, &QPushButton::clicked, this, &frm_Download::cmdDownload_Click);

    auto* colonna1 = new QVBoxLayout(scarica);
    for (QCheckBox* c : {chk_download, chk_var, chk_str, chk_sms}) colonna1->addWidget(c);
    auto* colonna2 = new QVBoxLayout(opzioni);
    for (QCheckBox* c : {chk_Verify, chk_Clear, chk_run}) colonna2->addWidget(c);
    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(scarica);
    riquadri->addWidget(opzioni);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riquadri);
    tutto->addWidget(Barra);
    tutto->addWidget(cmdDownload, 0, Qt::AlignRight);
}

void frm_Download::Apri()
{
    // A dialog kept to show where the last download ended gives way to a
    // fresh one.
    if (frm_Download* vecchia = Finestre::SeCaricata<frm_Download>(); vecchia && vecchia->m_concluso)
        Finestre::Scarica(vecchia);
    const bool nuova = !Finestre::SeCaricata<frm_Download>();
    frm_Download* f = Finestre::Get<frm_Download>();
    if (nuova) {
        f->ModoDownload = true;
        f->Form_Load();
    }
    Finestre::Mostra(f);
}

void frm_Download::Form_Load()
{
    const bool stringhe = Controllore.Modello < NumModelli && Modelli[Controllore.Modello].NumStringhe >= 1;
    chk_str->setChecked(stringhe);
    chk_str->setVisible(stringhe);
    cmdDownload->setVisible(ModoDownload);
}

OpzioniDownload frm_Download::Opzioni() const
{
    // chk_str only shows what the model keeps: the sequence decides by model.
    return OpzioniDownload{.Applicazione = chk_download->isChecked(),
                           .Variabili = chk_var->isChecked(),
                           .SMS = chk_sms->isChecked(),
                           .Verifica = chk_Verify->isChecked(),
                           .AzzeraRegistri = chk_Clear->isChecked(),
                           .Run = chk_run->isChecked()};
}

void frm_Download::cmdDownload_Click()
{
    if (SequenzaDownload::InCorso()) return;
    cmdDownload->setEnabled(false);
    // While the transfer runs the main window's close box must reach it (to
    // ask whether to stop), so the dialog no longer blocks that window.
    if (isModal() && isVisible()) {
        hide();
        setModal(false);
        show();
    }
    QPointer<frm_Download> io(this);
    RapportoDialogo rapporto(Barra);
    m_rapporto = &rapporto;
    PassoDownload passo = PassoDownload::Fine;
    const EsitoDownload esito = SequenzaDownload::Esegui(Opzioni(), rapporto, &passo);
    if (!io) return;
    m_rapporto = nullptr;
    const QString testo = TestoEsitoDownload(esito, passo);
    if (!testo.isEmpty()) {
        rapporto.Inizia();
        rapporto.Scrivi(testo);
        setWindowTitle(QStringLiteral("Download - %1").arg(testo));
        m_concluso = true;
        Prompt::MsgBox(testo, esito == EsitoDownload::Interrotto ? Prompt::Avviso : Prompt::Critica,
                       QStringLiteral("Download"));
    }
    if (io && m_chiudiPrincipale) {
        // After this click has returned: the close goes through its own
        // questions (saving) as any other.
        QMetaObject::invokeMethod(Principale::Istanza(), &QWidget::close, Qt::QueuedConnection);
    }
    if (!io || !testo.isEmpty()) return;
    // Unloaded once this click has returned.
    hide();
    deleteLater();
}

bool frm_Download::ChiediFermata(bool principale)
{
    if (!m_rapporto) return false;
    if (Prompt::MsgBox(QStringLiteral("Stop the download?"), int(Prompt::SiNo) | Prompt::Domanda,
                       QStringLiteral("Download")) != Prompt::Si)
        return false;
    // The transfer may have ended while the question was open.
    if (m_rapporto) m_rapporto->Ferma();
    if (principale) m_chiudiPrincipale = true;
    return true;
}

void frm_Download::reject()
{
    if (m_rapporto) {
        ChiediFermata(false);
        return;
    }
    QDialog::reject();
    // A download that ended short was kept for the user to see: closed now,
    // it goes, and the next one starts from a fresh dialog.
    if (m_concluso) deleteLater();
}
