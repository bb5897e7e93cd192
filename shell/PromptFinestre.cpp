#include "shell/PromptFinestre.h"

#include "base/Prompt.h"
#include "shell/TitoloIntero.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace Prompt {
void AdattaAlTitolo(QWidget& finestra)
{
    TitoloIntero::Tieni(finestra);
}

namespace {
QString TitoloApp(const QString& titolo)
{
    return titolo.isEmpty() ? QApplication::applicationDisplayName() : titolo;
}

Risposta_ Mostra(const Richiesta& r)
{
    Risposta_ out;
    switch (r.tipo) {
    case Tipo::Messaggio: {
        QMessageBox box(QMessageBox::NoIcon, TitoloApp(r.titolo), r.testo);
        switch (r.pulsanti & 7) {
        case OkAnnulla: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case InterrompiRiprovaIgnora:
            box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
            break;
        case SiNoAnnulla: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
        case SiNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
        }
        switch (r.pulsanti & 0x70) {
        case Critica: box.setIcon(QMessageBox::Critical); break;
        case Domanda: box.setIcon(QMessageBox::Question); break;
        case Avviso: box.setIcon(QMessageBox::Warning); break;
        case Info: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        AdattaAlTitolo(box);
        switch (box.exec()) {
        case QMessageBox::Cancel: out.scelta = Annulla; break;
        case QMessageBox::Yes: out.scelta = Si; break;
        case QMessageBox::No: out.scelta = No; break;
        case QMessageBox::Abort: out.scelta = Interrompi; break;
        case QMessageBox::Retry: out.scelta = Riprova; break;
        case QMessageBox::Ignore: out.scelta = Ignora; break;
        default: out.scelta = Ok; break;
        }
        return out;
    }
    case Tipo::Input: {
        bool ok = false;
        out.testo = QInputDialog::getText(nullptr, TitoloApp(r.titolo), r.testo, QLineEdit::Normal,
                                          r.predefinito, &ok);
        out.annullato = !ok;
        if (!ok) out.testo.clear();
        return out;
    }
    case Tipo::FileApri:
        out.testo = QFileDialog::getOpenFileName(nullptr, r.titolo, r.predefinito, r.filtro);
        out.annullato = out.testo.isEmpty();
        return out;
    case Tipo::FileSalva:
        out.testo = QFileDialog::getSaveFileName(nullptr, r.titolo, r.predefinito, r.filtro, nullptr,
                                                 r.confermaSostituzione ? QFileDialog::Options()
                                                                        : QFileDialog::DontConfirmOverwrite);
        out.annullato = out.testo.isEmpty();
        return out;
    case Tipo::Stampa: {
        if (!r.stampante) {
            out.annullato = true;
            return out;
        }
        QPrintDialog dialogo(r.stampante);
        out.annullato = dialogo.exec() != QDialog::Accepted;
        return out;
    }
    }
    return out;
}
} // namespace

void InstallaDialoghi()
{
    ImpostaPredefinito(Mostra);
}

} // namespace Prompt
