#include "production/FinestraModulo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QWidget* FinestraModulo::Cerca(const QString& nome) const
{
    return findChild<QWidget*>(nome);
}

QString FinestraModulo::Testo(const QString& nome) const
{
    QWidget* w = Cerca(nome);
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* b = qobject_cast<QCheckBox*>(w)) return b->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return {};
}

void FinestraModulo::ImpostaTesto(const QString& nome, const QString& testo)
{
    QWidget* w = Cerca(nome);
    if (auto* t = qobject_cast<QLineEdit*>(w)) t->setText(testo);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(testo);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(testo);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(testo);
}

void FinestraModulo::Posizione(const QString& nome, int pos)
{
    if (auto* c = qobject_cast<QComboBox*>(Cerca(nome)); c && pos >= -1 && pos < c->count()) c->setCurrentIndex(pos);
}

void FinestraModulo::SelezionaDato(const QString& nome, int codice)
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c) return;
    for (int i = c->count() - 1; i >= 0; --i)
        if (c->itemData(i).toInt() == codice) {
            c->setCurrentIndex(i);
            return;
        }
}

std::optional<int> FinestraModulo::DatoScelto(const QString& nome) const
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c || c->currentIndex() < 0) return std::nullopt;
    return c->currentData().toInt();
}

void FinestraModulo::Spunta(const QString& nome, bool si)
{
    if (auto* b = qobject_cast<QAbstractButton*>(Cerca(nome))) b->setChecked(si);
}

void FinestraModulo::Colore(const QString& nome, uint32_t colore)
{
    QWidget* w = Cerca(nome);
    if (!w) return;
    w->setProperty("colore", uint(colore));
    const QColor c(int(colore & 0xFF), int((colore >> 8) & 0xFF), int((colore >> 16) & 0xFF));
    w->setStyleSheet(QStringLiteral("background-color: %1").arg(c.name()));
}

void FinestraModulo::Abilita(const QString& nome, bool si)
{
    if (QWidget* w = Cerca(nome)) w->setEnabled(si);
}

void FinestraModulo::Mostra(const QString& nome, bool si)
{
    if (QWidget* w = Cerca(nome)) w->setVisible(si);
}

void FinestraModulo::SvuotaLista(const QString& nome)
{
    if (auto* c = qobject_cast<QComboBox*>(Cerca(nome))) c->clear();
}

void FinestraModulo::InserisciVoce(const QString& nome, int pos, const QString& testo, int codice)
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c) return;
    // A list filled anew has no selection until something selects an entry.
    const bool senza = c->currentIndex() < 0;
    c->insertItem(pos, testo, codice);
    if (senza) c->setCurrentIndex(-1);
}

bool FinestraModulo::Spuntato(const QString& nome) const
{
    auto* b = qobject_cast<QAbstractButton*>(Cerca(nome));
    return b && b->isChecked();
}

int FinestraModulo::PosizioneScelta(const QString& nome) const
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    return c ? c->currentIndex() : -1;
}

uint32_t FinestraModulo::ColoreDi(const QString& nome) const
{
    QWidget* w = Cerca(nome);
    return w ? w->property("colore").toUInt() : 0;
}

void FinestraModulo::Fine()
{
    if (--m_gestori == 0 && m_chiudi) (parentWidget() ? parentWidget() : this)->close();
}

void FinestraModulo::closeEvent(QCloseEvent* e)
{
    m_chiudi = m_gestori > 0;
    if (m_chiudi) {
        Ferma();
        e->ignore();
        return;
    }
    e->accept();
}
