#include "shell/Finestre.h"

#include "shell/CorniceFinestra.h"
#include "shell/Principale.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaMethod>
#include <algorithm>

namespace {
struct Voce {
    QByteArray nome;
    QPointer<QWidget> finestra;
};
QList<Voce>& Elenco()
{
    static QList<Voce> e;
    return e;
}

// A closed window is unloaded even while Qt has yet to delete it.
void Dimentica(const QWidget* w)
{
    auto& e = Elenco();
    e.erase(std::remove_if(e.begin(), e.end(), [w](const Voce& v) { return v.finestra == w; }), e.end());
}
} // namespace

QWidget* Finestre::Cerca(const QByteArray& nome)
{
    for (const Voce& v : Elenco())
        if (v.nome == nome && v.finestra) return v.finestra;
    return nullptr;
}

void Finestre::Registra(const QByteArray& nome, QWidget* w)
{
    auto& e = Elenco();
    e.erase(std::remove_if(e.begin(), e.end(), [](const Voce& v) { return !v.finestra; }), e.end());
    if (w->objectName().isEmpty()) w->setObjectName(QString::fromLatin1(nome));
    e.append(Voce{nome, w});
    // Dialogs float above the main window; every other window is a child in
    // its workspace, and closing it unloads it.
    if (!qobject_cast<QDialog*>(w)) {
        const QSize propria = w->size();
        auto* sub = new CorniceFinestra();
        sub->setWidget(w);
        Principale::Istanza()->Area()->addSubWindow(sub);
        // A window laid out by hand has no size hint: the frame keeps the size
        // its constructor gave it instead of shrinking to the title bar.
        if (!w->sizeHint().isValid()) sub->resize(propria.grownBy(sub->contentsMargins()));
        sub->setObjectName(QString::fromLatin1(nome) + QStringLiteral("_sub"));
        QObject::connect(sub, &CorniceFinestra::Chiusa, [w] { Dimentica(w); });
    } else if (!w->parent()) {
        w->setParent(Principale::Istanza(), w->windowFlags() | Qt::Dialog);
    }
}

QWidget* Finestre::Cornice(QWidget* w)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return sub;
    return w;
}

void Finestre::Chiudi(QWidget* w)
{
    // A floating dialog's parent is the main window: only a workspace frame
    // closes in its window's place.
    if (w) Cornice(w)->close();
}

namespace {
constexpr char kChiusuraTenuta[] = "chiusura_tenuta";
}

bool Finestre::TieniChiusura(QWidget* w, bool gestoreInCorso)
{
    w->setProperty(kChiusuraTenuta, gestoreInCorso);
    return gestoreInCorso;
}

void Finestre::ChiusuraTenuta(QWidget* w)
{
    if (!w->property(kChiusuraTenuta).toBool()) return;
    w->setProperty(kChiusuraTenuta, false);
    Chiudi(w);
}

void Finestre::Mostra(QWidget* w)
{
    if (!w) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
        sub->show();
        DentroArea(w);
        sub->raise();
        Principale::Istanza()->Area()->setActiveSubWindow(sub);
    } else {
        w->show();
        w->raise();
        w->activateWindow();
    }
    w->show();
}

void Finestre::Sposta(QWidget* w, const QPoint& pos)
{
    auto* sub = w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
    if (!sub) return;
    sub->move(pos);
    DentroArea(w);
}

void Finestre::DentroArea(QWidget* w)
{
    auto* sub = w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
    if (!sub || sub->isMaximized() || sub->isMinimized()) return;
    // A window cut by the workspace edge hides its buttons and close box.
    const QRect area = Principale::Istanza()->Area()->viewport()->rect();
    if (area.isEmpty()) return;
    QRect g = sub->geometry();
    g.setSize(g.size().boundedTo(area.size()).expandedTo(sub->minimumSizeHint()));
    g.moveLeft(std::clamp(g.left(), 0, std::max(0, area.width() - g.width())));
    g.moveTop(std::clamp(g.top(), 0, std::max(0, area.height() - g.height())));
    if (g != sub->geometry()) sub->setGeometry(g);
}

void Finestre::Scarica(QWidget* w)
{
    if (!w) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
        sub->close();
        delete sub;
    } else {
        w->close();
        delete w;
    }
}

QList<QWidget*> Finestre::Caricate()
{
    QList<QWidget*> out;
    for (const Voce& v : Elenco())
        if (v.finestra) out.append(v.finestra);
    return out;
}

void Finestre::ChiamaSetRes()
{
    // A window's SetRes may close another window, and one that fails stops
    // only its own reload: the loop goes on with the next window.
    QList<QPointer<QWidget>> caricate;
    for (QWidget* w : Caricate()) caricate.append(w);
    for (const QPointer<QWidget>& w : caricate) {
        if (!w || w->metaObject()->indexOfMethod("SetRes()") < 0) continue;
        try {
            QMetaObject::invokeMethod(w, "SetRes", Qt::DirectConnection);
        } catch (...) {
        }
    }
}
