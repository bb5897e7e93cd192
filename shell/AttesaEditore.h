#pragma once
// The editors opened for an answer (value dialog, table editor, image editor)
// are ordinary windows: their opener shows one and waits, with the interface
// alive, until that very window has closed, whatever the way (OK, Cancel,
// the close box, an unload). A wait follows its own window only, so closing
// one editor never ends another's wait; DialogoAperto tells whether any such
// wait is running.
#include <QWidget>

class AttesaEditore {
public:
    // Returns once `editore` is hidden or destroyed; at once for none.
    static void Attendi(QWidget* editore);
    // Waits running now, the nested ones included.
    static int InCorso();

private:
    static int s_inCorso;
};
