#include "shell/AttesaEditore.h"

#include "base/Attesa.h"
#include "base/Globali.h"

#include <QPointer>

int AttesaEditore::s_inCorso = 0;

namespace {
// A child window counts as closed once it or its frame is hidden.
bool Aperto(const QPointer<QWidget>& w)
{
    return w && w->isVisibleTo(w->window());
}
} // namespace

void AttesaEditore::Attendi(QWidget* editore)
{
    const QPointer<QWidget> w(editore);
    ++s_inCorso;
    DialogoAperto = true;
    while (Aperto(w)) AttendiFinche([&w] { return !Aperto(w); }, 500);
    --s_inCorso;
    DialogoAperto = s_inCorso > 0;
}

int AttesaEditore::InCorso()
{
    return s_inCorso;
}
