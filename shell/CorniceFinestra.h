#pragma once
// The workspace frame of a child window. Closing it unloads the window, but
// Qt deletes the frame only when the event loop next runs: Chiusa says at
// once that the close was accepted, so the registry forgets the window then
// and the next use makes a new one instead of reviving the closed one.
#include <QMdiSubWindow>

class CorniceFinestra : public QMdiSubWindow {
    Q_OBJECT
public:
    CorniceFinestra();

signals:
    void Chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;
};
