#include "shell/Log.h"

#include "shell/Finestre.h"
#include "shell/model/Globali.h"

#include <QDateTime>
#include <QListWidget>
#include <QLocale>
#include <QMdiSubWindow>
#include <QResizeEvent>

Log::Log()
{
    setWindowTitle(QStringLiteral("Log"));
    m_testo = new QListWidget(this);
    m_testo->setObjectName(QStringLiteral("Testo"));
    m_testo->setUniformItemSizes(true);
    resize(Twips(3090), Twips(3000));
}

void Log::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // The list follows the window; a window too small still leaves a usable list.
    m_testo->setGeometry(0, 0, qMax(20, width()), qMax(20, height()));
}

void LogWrite(const QString& testo)
{
    QListWidget* l = Finestre::Get<Log>()->Testo();
    l->addItem(QStringLiteral("  ") + testo);
    l->setCurrentRow(l->count() - 1);
    l->scrollToBottom();
}

void LogStart()
{
    QListWidget* l = Finestre::Get<Log>()->Testo();
    const QString quando = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    l->addItem(QStringLiteral("-- ") + quando + QStringLiteral(" --"));
}

void LogClear()
{
    Finestre::Get<Log>()->Testo()->clear();
}
