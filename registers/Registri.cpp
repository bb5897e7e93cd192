#include "registers/Registri.h"

#include "base/Conversioni.h"
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "blockeditor/comandi.h"
#include "blockeditor/Servizi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "comm/Richiesta.h"
#include "registers/Input_Box.h"
#include "registers/TabRegistri.h"
#include "shell/AttesaEditore.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr int RigheVisibili = 27;   // full rows at the height cap

// Column layout of a row, in twips from the row's left edge.
constexpr int kColonne[5] = {0, 700, 2500, 3400, 4935};
constexpr int kAltezzaRiga = 255;
// Client height at the cap: the panel is 7100 twips high, 27 full rows.
constexpr int kAltezzaMassima = 420 + 7100 + 60;
} // namespace

int RegistriDelModello()
{
    if (Controllore.Modello >= NumModelli) return 0;
    return std::clamp(int(Modelli[Controllore.Modello].NumRegistri), 0, UltimoRegistro + 1);
}

VistaRegistro DescriviRegistro(int n)
{
    VistaRegistro v;
    if (n < 0 || n > UltimoRegistro) return v;
    const DefRegistro& r = TabRegistri[size_t(n)];
    v.indirizzo = r.Indirizzo;
    v.nome = r.Nome;
    v.tipo = r.Tipo < TipiDato.size() ? TipiDato[r.Tipo] : QString();
    switch (r.Categoria) {
    case 0: v.coloreTesto = QColor(0, 0, 0); v.coloreTestoValido = true; break;
    case 1:
    case 2: v.coloreTesto = QColor(0xFF, 0, 0); v.coloreTestoValido = true; break;
    case 3: v.coloreTesto = QColor(0, 0, 0xFF); v.coloreTestoValido = true; break;
    default: break;
    }
    const uint16_t w = ParolaRegistro(n);
    switch (r.Tipo) {
    case 0: v.valore = QString::number(w); break;
    case 1: v.valore = QString::number(int16_t(w)); break;
    case 7: v.valore = IntToHex(w); break;
    case 8:
    case 13: v.valore = TestoAsciiRegistro(w); break;
    case 9: v.valore = IntToBin(w, true); break;
    case 2:
    case 3:
    case 4:
    case 6: {
        v.valore = QStringLiteral("---");
        if (n + 1 > UltimoRegistro) break;   // no high word in the table
        const uint16_t alta = ParolaRegistro(n + 1);
        const uint8_t b0 = alta >> 8, b1 = alta & 0xFF, b2 = w >> 8, b3 = w & 0xFF;
        if (r.Tipo == 4) {
            // A NaN or infinite pattern has no "#0.00000" form: the "---" stays.
            const double f = ByteToFloat(b0, b1, b2, b3);
            if (std::isfinite(f)) v.valore = QString::number(f, 'f', 5);
        } else
            v.valore = QString::number(qlonglong(ByteToLong(b0, b1, b2, b3, r.Tipo != 2)));
        break;
    }
    default:
        // K_Flt and the types without a register form: the plain word, so
        // the row never keeps the text of the register shown there before.
        v.valore = QString::number(w);
        break;
    }
    if (n > 0 && Doppio(TabRegistri[size_t(n - 1)].Tipo)) {
        v.valore = QStringLiteral("---");
        v.tipo.clear();
    }
    v.coloreValore = r.Cambiato ? QColor(0xC0, 0, 0) : QColor(0, 0xC0, 0);
    return v;
}

uint8_t LeggiPaginaRegistri(int primo)
{
    // The last page holds fewer than 32 registers: asking past the model's
    // last register only earns an exception reply.
    const int conta = std::min(32, RegistriDelModello() - primo);
    if (primo < 0 || conta <= 0) return 2;
    ComponiRichiesta({Controllore.Nodo, 0x04, Alto(primo), Basso(primo), 0x00, conta});
    const uint8_t esito = Comunica(true);
    if (esito != 0) return esito;
    if (buff_rx[2] < 2 * conta) return 2;   // a short reply would fill the page with stale bytes
    for (int i = 0; i < conta; ++i) {
        const int32_t v = 256 * buff_rx[size_t(3 + 2 * i)] + buff_rx[size_t(4 + 2 * i)];
        DefRegistro& r = TabRegistri[size_t(primo + i)];
        r.Cambiato = v != r.Valore;
        r.Valore = v;
        r.Noto = true;
    }
    return 0;
}

uint8_t AzzeraRegistriUtente()
{
    const int primo = Controllore.Modello < NumModelli ? Modelli[Controllore.Modello].PrimoRegistroUtente : 0;
    // Sixteen registers, 32 zero bytes.
    ComponiRichiesta({Controllore.Nodo, 0x10, Alto(primo), Basso(primo), 0x00, 0x10, 0x20}, nullptr, 32);
    return Comunica(true);
}

Registri::Registri()
{
    setWindowTitle(QStringLiteral("Registri"));
    m_pannello = Crea<QWidget>(this, QStringLiteral("pRegistri"));
    for (int k = 0; k < 4; ++k) m_titoli[size_t(k)] = Crea<QLabel>(this, QStringLiteral("Label1_%1").arg(k));
    m_leggi = Crea<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("R"));
    connect(m_leggi, &QPushButton::clicked, this, [this] { AggiornaRegistri_new(true); });

    for (int i = 0; i < NumRighe; ++i) {
        Riga& r = m_righe[size_t(i)];
        r.p = Crea<QWidget>(m_pannello, QStringLiteral("pRegistro_%1").arg(i));
        r.p->setAutoFillBackground(true);
        QPalette pal = r.p->palette();
        pal.setColor(QPalette::Window, i % 2 ? QColor(0xF0, 0xF0, 0xF0) : QColor(0xE0, 0xE0, 0xE0));
        r.p->setPalette(pal);
        QLabel** etichette[4] = {&r.ind, &r.nome, &r.tipo, &r.val};
        static const char* const kNomi[4] = {"lbl_reg_ind", "lbl_reg_nome", "lbl_reg_type", "lbl_reg_val"};
        for (int k = 0; k < 4; ++k) {
            QLabel* l = Crea<QLabel>(r.p, QStringLiteral("%1_%2").arg(QLatin1String(kNomi[k])).arg(i));
            l->installEventFilter(this);
            *etichette[k] = l;
        }
        for (int k = 0; k < 3; ++k) {
            QFrame* linea = Crea<QFrame>(r.p, QStringLiteral("Line%1_%2").arg(k + 1).arg(i));
            linea->setFrameShape(QFrame::VLine);
            r.linee[size_t(k)] = linea;
        }
        r.p->installEventFilter(this);
    }

    m_scroll = new QScrollBar(Qt::Vertical, m_pannello);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(RigheVisibili);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    setMaximumHeight(Twips(kAltezzaMassima));
    SetRes();
    resize(sizeHint());
    m_scroll->setValue(0);
    Redraw();
}

QSize Registri::sizeHint() const
{
    return QSize(width(), Twips(kAltezzaMassima));
}

void Registri::SetRes()
{
    setWindowTitle(Testo(54));
    for (int k = 0; k < 4; ++k) m_titoli[size_t(k)]->setText(Testo(55 + k));
    Disponi();
}

void Registri::Disponi()
{
    // Columns at least as wide as designed, wider when the font needs it:
    // a Bin value or a "String (Ram)" type must not be cut.
    const QFontMetrics fm(font());
    const int margine = Twips(120);
    auto largo = [&](int minimo, std::initializer_list<QString> campioni) {
        int w = Twips(minimo);
        for (const QString& c : campioni) w = std::max(w, fm.horizontalAdvance(c) + margine);
        return w;
    };
    // Address, name, type, value from the left; the captions are Register,
    // Name, Value, Type.
    const int larghi[4] = {
        largo(kColonne[1] - kColonne[0], {QStringLiteral("%R2048"), m_titoli[0]->text()}),
        largo(kColonne[2] - kColonne[1], {m_titoli[1]->text()}),
        largo(kColonne[3] - kColonne[2], {TipiDato[13], m_titoli[3]->text()}),
        largo(kColonne[4] - kColonne[3], {QStringLiteral("00000000 00000000"), m_titoli[2]->text()}),
    };
    int x[5] = {0};
    for (int k = 0; k < 4; ++k) x[k + 1] = x[k] + larghi[k];
    const int riga = Twips(kAltezzaRiga), bordo = Twips(60);
    for (int i = 0; i < NumRighe; ++i) {
        Riga& r = m_righe[size_t(i)];
        r.p->setGeometry(bordo, bordo + i * riga, x[4], riga);
        QLabel* etichette[4] = {r.ind, r.nome, r.tipo, r.val};
        for (int k = 0; k < 4; ++k) etichette[k]->setGeometry(x[k] + Twips(45), 0, larghi[k] - Twips(60), riga);
        for (int k = 0; k < 3; ++k) r.linee[size_t(k)]->setGeometry(x[k + 1], 0, 1, riga);
    }
    const int barra = bordo + x[4] + Twips(45);
    const int pannello = barra + Twips(315) + bordo;
    m_pannello->setGeometry(bordo, Twips(420), pannello, std::max(Twips(300), height() - Twips(420 + 60)));
    m_scroll->setGeometry(barra, bordo, Twips(315), std::max(Twips(150), m_pannello->height() - Twips(150)));
    const int colonnaTitolo[4] = {0, 1, 3, 2};
    for (int k = 0; k < 4; ++k)
        m_titoli[size_t(k)]->setGeometry(2 * bordo + x[colonnaTitolo[k]], Twips(150), larghi[colonnaTitolo[k]], riga);
    m_leggi->setGeometry(bordo + barra - Twips(30), Twips(90), Twips(375), Twips(315));
    setFixedWidth(bordo + pannello + Twips(90));
}

void Registri::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int alto = std::max(Twips(300), height() - Twips(420 + 60));
    m_pannello->resize(m_pannello->width(), alto);
    m_scroll->resize(m_scroll->width(), std::max(Twips(150), alto - Twips(150)));
}

void Registri::wheelEvent(QWheelEvent* e)
{
    // The wheel over the rows scrolls them as the bar would.
    RotellaAllaBarra(m_scroll, e);
}

void Registri::Redraw()
{
    m_scroll->setMaximum(std::max(0, RegistriDelModello() - RigheVisibili));
    VScroll1_Change();
}

void Registri::VScroll1_Change()
{
    for (int i = 0; i < NumRighe; ++i) {
        Riga& riga = m_righe[size_t(i)];
        const int n = m_scroll->value() + i;
        if (n > UltimoRegistro) {
            riga.p->setVisible(false);
            continue;
        }
        riga.p->setVisible(true);
        const VistaRegistro v = DescriviRegistro(n);
        riga.ind->setText(v.indirizzo);
        riga.nome->setText(v.nome);
        riga.tipo->setText(v.tipo);
        riga.val->setText(v.valore);
        if (v.coloreTestoValido) {
            for (QLabel* l : {riga.ind, riga.nome}) {
                QPalette pal = l->palette();
                pal.setColor(QPalette::WindowText, v.coloreTesto);
                l->setPalette(pal);
            }
        }
        QPalette pal = riga.val->palette();
        pal.setColor(QPalette::WindowText, v.coloreValore);
        riga.val->setPalette(pal);
    }
    // The value dialog shows values of the previous state; close it unless
    // an opener is still waiting for its answer.
    if (Input_Box* ib = Finestre::SeCaricata<Input_Box>(); ib && ib->isVisible() && !DialogoAperto) ib->Chiudi();
}

void Registri::AggiornaRegistri_new(bool leggi)
{
    if (leggi && LeggiPaginaRegistri(m_scroll->value()) != 0) return;
    VScroll1_Change();
}

void Registri::ClearRegistri()
{
    AzzeraRegistriUtente();
}

int Registri::RigaDi(QObject* o) const
{
    for (int i = 0; i < NumRighe; ++i) {
        const Riga& r = m_righe[size_t(i)];
        if (o == r.p || o == r.ind || o == r.nome || o == r.tipo || o == r.val) return i;
    }
    return -1;
}

bool Registri::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const int i = RigaDi(o);
            if (i >= 0) {
                const int n = m_scroll->value() + i;
                if (e->type() == QEvent::MouseButtonDblClick)
                    ModificaRegistro(n);
                else
                    ScegliRegistro(n);
                return true;
            }
        }
    }
    return QWidget::eventFilter(o, e);
}

void Registri::ModificaRegistro(int n)
{
    // One value dialog at a time: a second opener would steal the first one's answer.
    if (n < 0 || n > UltimoRegistro || DialogoAperto) return;
    DialogoAperto = true;
    Input_Box* ib = Finestre::Get<Input_Box>();
    ib->IndiceRegistro = n;
    ib->Modo = 0;
    ib->Apri();
    // The wait runs other events: this window may be closed (and deleted) meanwhile.
    const QPointer<Registri> io(this);
    AttesaEditore::Attendi(ib);
    if (io) VScroll1_Change();
}

void Registri::ScegliRegistro(int n)
{
    if (n < 0 || n > UltimoRegistro) return;
    if (comandi* c = Finestre::SeCaricata<comandi>(); c && c->Aperto) c->ImpostaRegistroRiga(n);
}

void InstallaServiziRegistri()
{
    // The block editor repaints this window after storing a block, and its
    // "Set" button opens the value dialog in text mode.
    ServiziEditor::RidisegnaRegistri = [] {
        if (Registri* r = Finestre::SeCaricata<Registri>()) r->AggiornaRegistri_new(false);
    };
    ServiziEditor::ApriValoreTesto = []() -> QWidget* {
        Input_Box* ib = Finestre::Get<Input_Box>();
        ib->Modo = 1;
        ib->Apri();
        return ib;
    };
}
