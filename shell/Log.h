#pragma once
// The event log on screen. There is no log file: the lines live in the
// window and are lost when it closes.
#include <QWidget>

class QListWidget;

class Log : public QWidget {
    Q_OBJECT
public:
    Log();
    QListWidget* Testo() const { return m_testo; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QListWidget* m_testo;
};

// Each creates the Log window first when it is not loaded.
void LogWrite(const QString& testo);
void LogStart();
void LogClear();
