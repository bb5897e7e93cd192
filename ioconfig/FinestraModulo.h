#pragma once
// What the configuration window and the module set-up forms share as
// windows: their controls reached by objectName for the logic
// (ControlliWidget), and a close that waits for a running click handler: the
// registry deletes a closed window, so the close is held, the handler asked
// to stop (Ferma), and the window closes once the handler has returned.
#include "ioconfig/ControlliWidget.h"

#include <QWidget>

class QAbstractButton;

class FinestraModulo : public QWidget, public ControlliWidget {
    Q_OBJECT
protected:
    // A click on `b` runs `azione` as a handler the close waits for.
    template <class F> void AlClic(QAbstractButton* b, F azione);
    // `azione` as a handler the close waits for, for any signal.
    template <class F> auto Tenuto(F azione)
    {
        return [this, azione] {
            Inizio();
            azione();
            Fine();
        };
    }
    // Asks the running handlers to end (a close is waiting for them).
    virtual void Ferma() {}
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* Cerca(const QString& nome) const override;
    void Inizio() { ++m_gestori; }
    void Fine();

    int m_gestori = 0;
};

#include <QAbstractButton>

template <class F> void FinestraModulo::AlClic(QAbstractButton* b, F azione)
{
    connect(b, &QAbstractButton::clicked, this, Tenuto(azione));
}
