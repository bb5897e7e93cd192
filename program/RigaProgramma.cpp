#include "program/RigaProgramma.h"

#include "base/Globali.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Programmi.h"
#include "resources/Immagini.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {
const QColor kGrigio(0xE0, 0xE0, 0xE0);
const QColor kVerdeChiaro(0xC0, 0xFF, 0xC0);

QRect R(int x, int y, int w, int h)
{
    return QRect(Twips(x), Twips(y), Twips(w), Twips(h));
}

void Sfondo(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Colore(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

QLabel* Cella(QWidget* padre, const QRect& g, const QColor& sfondo, Qt::Alignment al, int pixel)
{
    auto* l = new QLabel(padre);
    l->setGeometry(g);
    Sfondo(l, sfondo);
    l->setAlignment(al | Qt::AlignVCenter);
    QFont f = l->font();
    f.setPixelSize(pixel);
    l->setFont(f);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// The 13 x 13 break mark, drawn at the screen's density.
QPixmap SegnoBreak()
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(13, 13) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(1, 1, 11, 11));
    return pm;
}

QPixmap FiguraBlocco(const QString& chiave, const QSize& dim)
{
    if (chiave.isEmpty()) return QPixmap();
    if (ImmagineBlocco) return ImmagineBlocco(chiave, dim);
    return DisegnaImmagine(chiave).pixmap(dim);
}
} // namespace

RigaProgramma::RigaProgramma(QWidget* padre) : QFrame(padre)
{
    setGeometry(R(60, 0, 5595, 1635));
    Sfondo(this, palette().color(QPalette::Button));

    shRung = new QFrame(this);
    shRung->setGeometry(R(60, 60, 5475, 1515));
    Sfondo(shRung, Qt::white);

    lbl_Rung = Cella(shRung, R(0, 0, 375, 255), palette().color(QPalette::Base), Qt::AlignHCenter, 13);
    QFont grassetto = lbl_Rung->font();
    grassetto.setFamily(QStringLiteral("Arial"));
    grassetto.setBold(true);
    lbl_Rung->setFont(grassetto);
    Colore(lbl_Rung, Qt::blue);

    txt_Label = Cella(shRung, R(360, 0, 795, 255), kGrigio, Qt::AlignLeft, 11);
    txt_Func = Cella(shRung, R(1140, 0, 1455, 255), kGrigio, Qt::AlignLeft, 11);
    QFont fb = txt_Func->font();
    fb.setBold(true);
    txt_Func->setFont(fb);
    txt_Var = Cella(shRung, R(2580, 0, 2535, 255), Qt::white, Qt::AlignLeft, 11);

    img_Break = new QLabel(shRung);
    img_Break->setGeometry(R(5160, 60, 195, 195));
    img_Break->setPixmap(SegnoBreak());
    img_Break->hide();

    for (int i = 0; i < 4; ++i) {
        const int top = 360 + 180 * i;
        lbl_VarN[i] = Cella(shRung, R(i == 2 ? 60 : 0, top, 1395, 195), Qt::white, Qt::AlignRight, 10);
        txt_VarN[i] = Cella(shRung, R(1440, top, 795, 195), kVerdeChiaro, Qt::AlignHCenter, 10);
    }
    Immagine = new QLabel(shRung);
    Immagine->setGeometry(R(2220, 360, 900, 750));
    Sfondo(Immagine, kGrigio);
    Immagine->setAlignment(Qt::AlignCenter);
    for (int i = 4; i < 8; ++i) {
        const int top = 360 + 180 * (i - 4);
        txt_VarN[i] = Cella(shRung, R(3120, top, 795, 195), kVerdeChiaro, Qt::AlignHCenter, 10);
        lbl_VarN[i] = Cella(shRung, R(3960, top, 1455, 195), Qt::white, Qt::AlignLeft, 10);
    }

    txt_desc = new QLineEdit(shRung);
    txt_desc->setGeometry(R(60, 1200, 4815, 225));
    txt_desc->setFrame(false);
    QFont fd = txt_desc->font();
    fd.setPixelSize(11);
    txt_desc->setFont(fd);
    Sfondo(txt_desc, Qt::white);
    Colore(txt_desc, QColor(0x00, 0xC0, 0x00));
}

QList<QWidget*> RigaProgramma::Cliccabili() const
{
    QList<QWidget*> out{shRung, Immagine, txt_Label, txt_Func, txt_Var};
    for (int i = 0; i < 8; ++i) out << txt_VarN[i] << lbl_VarN[i];
    return out;
}

void RigaProgramma::Assegna(int k)
{
    if (k == m_k) return;
    m_k = k;
    const QString n = QString::number(k);
    auto nome = [&](QObject* o, const char* base) { o->setObjectName(QLatin1String(base) + QLatin1Char('_') + n); };
    nome(this, "Bordo");
    nome(shRung, "shRung");
    nome(lbl_Rung, "lbl_Rung");
    nome(txt_Label, "txt_Label");
    nome(txt_Func, "txt_Func");
    nome(txt_Var, "txt_Var");
    nome(img_Break, "img_Break");
    nome(Immagine, "Immagine");
    nome(txt_desc, "txt_desc");
    static const char* const kTxt[8] = {"txt_Var0", "txt_Var1", "txt_Var2", "txt_Var3",
                                        "txt_Var4", "txt_Var5", "txt_Var6", "txt_Var7"};
    static const char* const kLbl[8] = {"lbl_Var0", "lbl_Var1", "lbl_Var2", "lbl_Var3",
                                        "lbl_Var4", "lbl_Var5", "lbl_Var6", "lbl_Var7"};
    for (int i = 0; i < 8; ++i) {
        nome(txt_VarN[i], kTxt[i]);
        nome(lbl_VarN[i], kLbl[i]);
    }
    lbl_Rung->setText(n);
}

void RigaProgramma::Parcheggia()
{
    hide();
    m_k = -1;
    setObjectName(QString());
    for (QObject* o : findChildren<QObject*>()) o->setObjectName(QString());
}

void RigaProgramma::Seleziona(bool selezionato)
{
    QPalette p = palette();
    const QColor c = selezionato ? QColor(Qt::red) : QApplication::palette().color(QPalette::Button);
    if (p.color(QPalette::Window) == c) return;
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void RigaProgramma::ImpostaFormato(int formato)
{
    if (formato != 0 && formato != 1) return;
    m_formato = formato;
    const bool compatto = formato == 1;
    resize(Twips(5595), Twips(compatto ? 520 : 1635));
    shRung->resize(Twips(5475), Twips(compatto ? 400 : 1515));
    txt_Func->setVisible(compatto);
    txt_Var->setVisible(compatto);
}

void RigaProgramma::Mostra(const Rung& r, int formato, bool selezionato, const QColor& numero)
{
    ImpostaFormato(formato);
    Seleziona(selezionato);
    QPalette pn = lbl_Rung->palette();
    pn.setColor(QPalette::Window, numero.isValid() ? numero : QApplication::palette().color(QPalette::Base));
    lbl_Rung->setPalette(pn);

    const RigaRung& v = r.Riga;
    txt_Label->setText(r.Etichetta);
    txt_Func->setText(v.Funzione);
    const QColor cf = v.HaColore ? QColor(QRgb(v.Colore)) : kGrigio;
    if (txt_Func->palette().color(QPalette::Window) != cf) Sfondo(txt_Func, cf);
    txt_Var->setText(v.Sommario);
    img_Break->setVisible(r.Break);
    // A compact row shows its top line only: the cells below it would peek
    // out under the panel's edge.
    const bool sotto = m_formato != 1;
    for (int i = 0; i < 8; ++i) {
        txt_VarN[i]->setText(v.ValoriArg[i]);
        lbl_VarN[i]->setText(v.NomiArg[i]);
        txt_VarN[i]->setVisible(sotto && v.ArgVisibile[i]);
        lbl_VarN[i]->setVisible(sotto && v.ArgVisibile[i]);
    }
    const bool figura = sotto && (v.ImmagineVisibile || !v.Immagine.isEmpty());
    if (Immagine->property("chiave").toString() != v.Immagine) {
        Immagine->setPixmap(FiguraBlocco(v.Immagine, Immagine->size()));
        Immagine->setProperty("chiave", v.Immagine);
    }
    Immagine->setVisible(figura);
    // The box keeps what the user typed (commas included) while it stands
    // for the stored comment.
    if (SenzaVirgole(txt_desc->text()) != r.Descrizione) {
        txt_desc->setText(r.Descrizione);
        txt_desc->setCursorPosition(0);   // a long comment shows its beginning
    }
}
