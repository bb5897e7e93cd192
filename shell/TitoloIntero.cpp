#include "shell/TitoloIntero.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
QString TitoloMostrato(const QString& titolo)
{
    // As the window system does it (an em dash, the widest of its separators).
    const QString nome = QGuiApplication::applicationDisplayName();
    if (titolo.isEmpty()) return nome;
    if (nome.isEmpty() || titolo.endsWith(nome)) return titolo;
    return titolo + QStringLiteral(" \u2014 ") + nome;
}

int LarghezzaPerTitolo(const QString& titolo)
{
    // Window managers draw titles in a bold face and put an icon and up to
    // three buttons beside them; Qt leaves room for neither.
    QFont carattere = QApplication::font("QMdiSubWindowTitleBar");
    carattere.setBold(true);
    constexpr int kCornice = 120;
    return QFontMetrics(carattere).horizontalAdvance(TitoloMostrato(titolo)) + kCornice;
}

void Allarga(QWidget& finestra)
{
    if (!finestra.isVisible()) return;
    int serve = LarghezzaPerTitolo(finestra.windowTitle());
    // Wider than the screen helps nobody.
    if (const QScreen* schermo = finestra.screen()) serve = std::min(serve, schermo->availableGeometry().width());
    if (finestra.width() >= serve) return;
    if (finestra.minimumWidth() == finestra.maximumWidth()) {
        // A size the window fixed itself: fixed again, as wide as the
        // title, with the height its contents take at that width.
        const QLayout* l = finestra.layout();
        finestra.setFixedSize(serve, l && l->hasHeightForWidth() ? l->totalHeightForWidth(serve) : finestra.height());
        return;
    }
    finestra.setMinimumWidth(serve);
    finestra.resize(serve, finestra.height());
}
} // namespace

TitoloIntero::TitoloIntero(QWidget& finestra) : QObject(&finestra)
{
    finestra.installEventFilter(this);
}

void TitoloIntero::Tieni(QWidget& finestra)
{
    if (!finestra.findChild<TitoloIntero*>(QString(), Qt::FindDirectChildrenOnly)) new TitoloIntero(finestra);
}

bool TitoloIntero::eventFilter(QObject* oggetto, QEvent* evento)
{
    auto* finestra = qobject_cast<QWidget*>(oggetto);
    if (!finestra || m_inoltro) return false;
    switch (evento->type()) {
    case QEvent::Show:
    case QEvent::LayoutRequest:
        // The window sizes itself while it handles these: it goes first,
        // and only then is its width checked against the title.
        m_inoltro = true;
        static_cast<QObject*>(finestra)->event(evento);
        m_inoltro = false;
        Allarga(*finestra);
        return true;
    case QEvent::WindowTitleChange:
        Allarga(*finestra);
        return false;
    default:
        return false;
    }
}
