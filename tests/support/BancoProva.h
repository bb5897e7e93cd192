#pragma once
// What the controller test bench's tests share: the simulator (unit 10 on a
// pseudo-terminal and, with the bench unit 99, on a loopback TCP port, wired
// as the fixture is), the fake supply and multimeter, a test image, and the
// window opened from its menu item.
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "production/controllerbench/frm_collaudo.h"
#include "production/memory/FileHex.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"
#include "support/FakeController.h"
#include "support/FakeStrumento.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Test::FakeController;

int U16(const QByteArray& q, int i) { return uint8_t(q[i]) << 8 | uint8_t(q[i + 1]); }

QByteArray Immagine()
{
    QByteArray b(65001, 0);
    for (int i = 0; i < b.size(); ++i) b[i] = char((i * 7 + i / 251) & 0xFF);
    return b;
}
}  // namespace

class BancoProva : public QObject {
protected:
    QTemporaryDir m_dir;
    FakeController m_fake;
    Test::FakeStrumento m_mult, m_alim;
    Test::Copione m_copione;
    frm_collaudo* m_w = nullptr;
    QByteArray m_immagine = Immagine();
    std::function<qint64()> m_cronometro;
    // The simulator's RS-485 counter: its step per read and its ceiling;
    // whether the bench unit shows its register 26 as written.
    int m_passo = 7, m_tetto = 65535;
    bool m_specchio = true;

    void Spunta(bool init, bool base, QList<int> prove)
    {
        C<QCheckBox>(m_w, QStringLiteral("chk_controlli_0"))->setChecked(init);
        C<QCheckBox>(m_w, QStringLiteral("chk_controlli_1"))->setChecked(base);
        for (int i = 0; i < 11; ++i) C<QCheckBox>(m_w, QStringLiteral("chk_collaudo_%1").arg(i))->setChecked(prove.contains(i));
    }
    void Porte(const char* mult, const char* alim)
    {
        C<QComboBox>(m_w, QStringLiteral("txt_mult_port"))->setCurrentText(QString::fromLatin1(mult));
        C<QComboBox>(m_w, QStringLiteral("txt_alim_port"))->setCurrentText(QString::fromLatin1(alim));
    }
    QList<uint32_t> Colori(int da, int a, bool lampade = false)
    {
        QList<uint32_t> out;
        for (int i = da; i <= a; ++i) out << (lampade ? m_w->ColoreLed(i) : m_w->ColoreProva(i));
        return out;
    }
    void ScriviImmagine()
    {
        QFile f(FileImmagineCollaudo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ScriviFileHex(reinterpret_cast<const uint8_t*>(m_immagine.constData()), int(m_immagine.size()),
                              FormaFileHex::Byte));
    }

    void Avvia()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(QDir().mkpath(QStringLiteral("progetti/collaudo")) && QDir().mkpath(QStringLiteral("porte")));
        const QString porte = m_dir.filePath(QStringLiteral("porte"));
        QVERIFY(m_fake.AvviaTcp() && m_fake.AvviaRtu(1, porte));
        QVERIFY(m_mult.Avvia(5, porte) && m_alim.Avvia(6, porte));
        qputenv("WORKBENCH_COLLAUDO_HOST", "127.0.0.1");
        qputenv("WORKBENCH_COLLAUDO_PORTA", QByteArray::number(m_fake.porta()));
        Test::AvviaWorkbench();
        m_fake.Unita(10), m_fake.Unita(99);
        // Holding register 9 drives two relays, each with a normally open and
        // a normally closed contact on the other unit's inputs 8..11.
        m_fake.Regole << [this](FakeController& f, const QByteArray& q) {
            const int u = uint8_t(q[0]), fn = uint8_t(q[1]), r = U16(q, 2);
            if (fn == 6 && r == 9 && (u == 10 || u == 99)) {
                const int v = U16(q, 4), a = v >> 8 & 1, b = v >> 9 & 1;
                f.Unita(u == 10 ? 99 : 10).Input[8] = uint16_t(a << 8 | !a << 9 | b << 10 | !b << 11);
            }
            if (fn == 6 && u == 99 && r == 26 && m_specchio) f.Unita(99).Input[26] = uint16_t(U16(q, 4));
            if (fn == 6 && u == 10 && r == 27) f.Unita(10).Input[27] = 0;
            if (fn == 4 && u == 10 && r == 27 && f.Unita(99).Holding[26] == 1)
                f.Unita(10).Input[27] = uint16_t(std::min(m_tetto, f.Unita(10).Input[27] + m_passo));
        };
        Principale::Istanza()->Menu(QStringLiteral("mnu_coll"))->trigger();
        m_w = Finestre::SeCaricata<frm_collaudo>();
        QVERIFY(m_w && m_w->isVisible());
        m_cronometro = m_w->Banco().Cronometro;
        QCOMPARE(C<QLineEdit>(m_w, QStringLiteral("txt_eut_ip"))->text(), QStringLiteral("127.0.0.1"));
    }
    void Prepara()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        ComErr = 1;
        Controllore.TimeoutTCP = 300;
        ComTimeout = 1;
        m_fake.Richieste.clear();
        m_mult.Ricevuti.clear();
        m_alim.Ricevuti.clear();
        m_passo = 7, m_tetto = 65535, m_specchio = true;
        m_w->Banco().Cronometro = m_cronometro;
        m_w->MostraConteggio(QStringLiteral("0"));
        Porte("MANUALE", "MANUALE");
    }
};
