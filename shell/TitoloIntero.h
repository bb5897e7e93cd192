#pragma once
// Keeps a top-level window as wide as its whole title needs in a window
// manager's frame: when it shows, when it lays itself out again (a message
// box fixes its own width there, and never past a limit of its own) and
// when its title changes after it was laid out.
#include <QObject>

class QWidget;

class TitoloIntero : public QObject {
    Q_OBJECT
public:
    // Watches `finestra` for as long as it lives; once is enough.
    static void Tieni(QWidget& finestra);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    explicit TitoloIntero(QWidget& finestra);
    bool m_inoltro = false;
};
