#include "support/AiutiRicerca.h"

#include "comm/finestre/frm_search.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTreeWidget>
#include <QUrl>

namespace Test {

void CercaTcp(frm_search* w, bool controllori, bool gateway, const QString& timeout)
{
    w->findChild<QComboBox*>(QStringLiteral("cmb_porta"))->setCurrentIndex(0);
    w->cmb_porta_Click();
    w->findChild<QLineEdit*>(QStringLiteral("txt_Timeout"))->setText(timeout);
    w->findChild<QCheckBox*>(QStringLiteral("chk_disp_ethernet_0"))->setChecked(controllori);
    w->findChild<QCheckBox*>(QStringLiteral("chk_disp_ethernet_1"))->setChecked(gateway);
    w->cmd_Search_Click();
}

QStringList Figli(QTreeWidgetItem* n)
{
    QStringList out;
    for (int i = 0; n && i < n->childCount(); ++i) out << n->child(i)->text(0);
    return out;
}

PagineAperte::PagineAperte()
{
    for (const char* s : {"http", "file"}) QDesktopServices::setUrlHandler(QString::fromLatin1(s), this, "apri");
}

PagineAperte::~PagineAperte()
{
    for (const char* s : {"http", "file"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(s));
}

void PagineAperte::apri(const QUrl& u) { aperti << u.toString(); }

} // namespace Test
