#pragma once
// Each window exists once and is created on first use, here and nowhere
// else. The registry keeps them, embeds child windows in the main window's
// workspace, and drives the language switch by calling SetRes on every loaded
// window that has one. A child window whose close was accepted is unloaded at
// that moment: the next use makes a new one.
#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>

class Finestre {
public:
    template <class T> static T* Get()
    {
        const QByteArray nome = T::staticMetaObject.className();
        if (QWidget* w = Cerca(nome)) return static_cast<T*>(w);
        T* nuova = new T();
        Registra(nome, nuova);
        return nuova;
    }

    template <class T> static T* SeCaricata()
    {
        return static_cast<T*>(Cerca(T::staticMetaObject.className()));
    }

    template <class T> static void Scarica() { Scarica(SeCaricata<T>()); }

    // Shows the window and brings it to the front.
    static void Mostra(QWidget* w);
    // Moves a workspace window's frame to `pos`, then into the workspace.
    static void Sposta(QWidget* w, const QPoint& pos);
    // Moves (and, when larger, shrinks) a workspace window's frame so that it
    // lies wholly inside the workspace; other windows are left alone.
    static void DentroArea(QWidget* w);
    static void Scarica(QWidget* w);
    // The window's workspace frame; the window itself when it floats.
    static QWidget* Cornice(QWidget* w);
    // Closes the window, through its workspace frame when it has one (a
    // close held while a handler ran is carried out this way).
    static void Chiudi(QWidget* w);
    // Closing a window deletes it, so a window whose handler still runs (a
    // wait on the link, a bench run) holds its close: its closeEvent asks
    // TieniChiusura with whether a handler runs (true: the close is held and
    // the event is to be ignored), and once the handler has returned,
    // ChiusuraTenuta carries out a held close.
    static bool TieniChiusura(QWidget* w, bool gestoreInCorso);
    static void ChiusuraTenuta(QWidget* w);
    static QList<QWidget*> Caricate();
    // Calls SetRes by name on every loaded window, in load order; windows
    // without it keep their fixed captions.
    static void ChiamaSetRes();

    static QWidget* Cerca(const QByteArray& nome);

private:
    static void Registra(const QByteArray& nome, QWidget* w);
};
