#include "shell/frm_Progetto.h"

#include "base/Globali.h"
#include "program/Program.h"
#include "shell/Finestre.h"
#include "shell/frm_Settings.h"

#include <QTreeWidget>

namespace {
constexpr int kLarghezza = 3090;   // twips, whatever the user drags
constexpr int kAltezza = 4000;
}

frm_Progetto::frm_Progetto()
{
    setWindowTitle(QStringLiteral("Project"));
    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("Lista"));
    m_lista->setHeaderHidden(true);
    m_lista->setRootIsDecorated(false);
    for (const char* voce : {"Settings", "Programma"})
        m_lista->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::fromLatin1(voce)}));
    connect(m_lista, &QTreeWidget::itemDoubleClicked, this, [this] { Lista_DblClick(); });
    setFixedWidth(Twips(kLarghezza));
    resize(sizeHint());
}

QSize frm_Progetto::sizeHint() const
{
    return QSize(Twips(kLarghezza), Twips(kAltezza));
}

void frm_Progetto::Apri()
{
    Finestre::Mostra(Finestre::Get<frm_Progetto>());
}

void frm_Progetto::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // A window lower than the margin keeps an empty tree rather than a negative one.
    m_lista->setGeometry(0, 0, std::max(0, width() - Twips(70)), std::max(0, height() - Twips(300)));
}

void frm_Progetto::Lista_DblClick()
{
    const QTreeWidgetItem* voce = m_lista->currentItem();
    if (!voce) return;
    const QString testo = voce->text(0);
    if (testo == QLatin1String("Settings")) {
        frm_Settings::Apri(0);
    } else if (testo == QLatin1String("Programma")) {
        // An open rung list is left as it is: neither reloaded nor re-positioned.
        const Program* aperta = FinestraProgramma(false);
        if (!aperta || !aperta->Aperto) {
            FinestraProgramma(true);
            PosizionaRung(1);
        }
    }
}
