#include "shell/Log.h"

#include "base/Globali.h"
#include "shell/DelegatoRigheIntere.h"
#include "shell/Finestre.h"

#include <QDateTime>
#include <QListWidget>
#include <QLocale>
#include <QMdiSubWindow>
#include <QResizeEvent>

int Log::Larghezza()
{
    return Twips(3090);
}

Log::Log()
{
    setWindowTitle(QStringLiteral("Log"));
    m_testo = new QListWidget(this);
    m_testo->setObjectName(QStringLiteral("Testo"));
    // The lines share one height, which keeps a long log quick, and one
    // width, that of the widest line: each is shown whole.
    new DelegatoRigheIntere(m_testo);
    m_testo->setSelectionMode(QAbstractItemView::SingleSelection);
    resize(Larghezza(), Twips(3000));
}

bool Log::event(QEvent* e)
{
    // The frame around the window is the workspace's; watch its size.
    if (e->type() == QEvent::ParentChange)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->installEventFilter(this);
    return QWidget::event(e);
}

bool Log::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Resize && o == parentWidget()) Form_Resize();
    return QWidget::eventFilter(o, e);
}

void Log::Form_Resize()
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    // A minimised or maximised frame takes no new size.
    if (!sub || sub->isMinimized() || sub->isMaximized() || sub->isShaded()) return;
    if (sub->width() != Larghezza()) sub->resize(Larghezza(), sub->height());
}

void Log::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // The list fills the client area (the frame's border and caption are
    // outside it); a window lower than the list's minimum still leaves the
    // list its own size, scrollable.
    m_testo->setGeometry(0, 0, width(), qMax(0, height()));
}

namespace {
// The Log, loaded when it is not; loading a child window puts it on screen.
QListWidget* Lista()
{
    const bool nuovo = !Finestre::SeCaricata<Log>();
    Log* log = Finestre::Get<Log>();
    if (nuovo)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(log->parentWidget())) sub->show();
    return log->Testo();
}
} // namespace

void LogWrite(const QString& testo)
{
    QListWidget* l = Lista();
    l->addItem(QStringLiteral("  ") + testo);
    l->setCurrentRow(l->count() - 1);
    l->scrollToItem(l->item(l->count() - 1));
}

void LogStart()
{
    QListWidget* l = Lista();
    const QDateTime ora = QDateTime::currentDateTime();
    const QLocale loc = QLocale::system();
    const QString quando =
        loc.toString(ora.date(), QLocale::ShortFormat) + QLatin1Char(' ') + ora.time().toString(QStringLiteral("HH:mm:ss"));
    l->addItem(QStringLiteral("-- ") + quando + QStringLiteral(" --"));
}

void LogClear()
{
    Lista()->clear();
}
