#include "ioconfig/ControlliWidget.h"

#include "ioconfig/Lampada.h"
#include "shell/Colori.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

QString ControlliWidget::Testo(const QString& nome) const
{
    QWidget* w = Cerca(nome);
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* b = qobject_cast<QCheckBox*>(w)) return b->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return {};
}

void ControlliWidget::ImpostaTesto(const QString& nome, const QString& testo)
{
    QWidget* w = Cerca(nome);
    if (auto* t = qobject_cast<QLineEdit*>(w)) t->setText(testo);
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (const int i = c->findText(testo); i >= 0) c->setCurrentIndex(i);
    } else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(testo);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(testo);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(testo);
}

void ControlliWidget::Posizione(const QString& nome, int pos)
{
    QWidget* w = Cerca(nome);
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (pos >= -1 && pos < c->count()) c->setCurrentIndex(pos);
    } else if (auto* b = qobject_cast<QScrollBar*>(w)) {
        b->setValue(pos);
    }
}

void ControlliWidget::SelezionaDato(const QString& nome, int codice)
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c) return;
    // The last entry with the code wins, as the lists are searched to the end.
    for (int i = c->count() - 1; i >= 0; --i)
        if (c->itemData(i).toInt() == codice) {
            c->setCurrentIndex(i);
            return;
        }
}

std::optional<int> ControlliWidget::DatoScelto(const QString& nome) const
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c || c->currentIndex() < 0) return std::nullopt;
    return c->currentData().toInt();
}

void ControlliWidget::Spunta(const QString& nome, bool si)
{
    if (auto* b = qobject_cast<QAbstractButton*>(Cerca(nome))) b->setChecked(si);
}

void ControlliWidget::Colore(const QString& nome, uint32_t colore)
{
    QWidget* w = Cerca(nome);
    if (!w) return;
    w->setProperty("colore", uint(colore));
    // A lamp paints its own colour from the property.
    if (!qobject_cast<Lampada*>(w)) {
        w->setStyleSheet(QStringLiteral("background-color: %1").arg(ColoreBgr(colore).name()));
    }
}

void ControlliWidget::Abilita(const QString& nome, bool si)
{
    if (QWidget* w = Cerca(nome)) w->setEnabled(si);
}

void ControlliWidget::Mostra(const QString& nome, bool si)
{
    if (QWidget* w = Cerca(nome)) w->setVisible(si);
}

void ControlliWidget::SvuotaLista(const QString& nome)
{
    if (auto* c = qobject_cast<QComboBox*>(Cerca(nome))) c->clear();
}

void ControlliWidget::InserisciVoce(const QString& nome, int pos, const QString& testo, int codice)
{
    auto* c = qobject_cast<QComboBox*>(Cerca(nome));
    if (!c) return;
    // A list filled anew has no selection until something selects an entry.
    const bool senza = c->currentIndex() < 0;
    c->insertItem(pos, testo, codice);
    if (senza) c->setCurrentIndex(-1);
}

bool ControlliWidget::Spuntato(const QString& nome) const
{
    auto* b = qobject_cast<QAbstractButton*>(Cerca(nome));
    return b && b->isChecked();
}

int ControlliWidget::PosizioneScelta(const QString& nome) const
{
    QWidget* w = Cerca(nome);
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentIndex();
    if (auto* b = qobject_cast<QScrollBar*>(w)) return b->value();
    return -1;
}

uint32_t ControlliWidget::ColoreDi(const QString& nome) const
{
    QWidget* w = Cerca(nome);
    return w ? w->property("colore").toUInt() : 0;
}
