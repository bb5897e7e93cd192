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
    // The frame's fixed width; the user sizes only the height.
    static int Larghezza();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Form_Resize();
    QListWidget* m_testo;
};

// Each creates the Log window first when it is not loaded.
void LogWrite(const QString& testo);
void LogStart();
void LogClear();
