// One whole run of the controller test bench, both stages and every test:
// the supply's commands between the prompts, the image in the controller's
// memory, the colours, the lamps and the clock write.
#include "production/memory/TrasferimentoMemoria.h"

#include "support/BancoProva.h"

#include <QProgressBar>

class TestCorsaCollaudo : public BancoProva {
    Q_OBJECT
private slots:
    void initTestCase() { Avvia(); }
    void init() { Prepara(); }

    void corsaCompleta()
    {
        ScriviImmagine();
        std::fill(BufferEeprom.begin() + 65001, BufferEeprom.begin() + 65024, uint8_t(0xAA));
        m_fake.Unita(10).Memoria.clear();
        Spunta(true, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        Porte("COM5", "COM6");
        m_w->Banco().OraPC = [] { return QDateTime(QDate(2024, 3, 5), QTime(13, 7, 9)); };
        for (int i = 0; i < 8; ++i) m_w->ColoraLed(i, CollaudoFallito);
        const QList<uint32_t> fermi = Colori(8, 10);
        // The supply's commands and the prompts, in the order they came.
        QByteArray diario;
        m_alim.Diario = &diario;
        Prompt::ImpostaRisponditore([&](const Prompt::Richiesta& r) {
            m_alim.Raccogli();
            diario += "[" + r.testo.toLatin1() + "]";
            return Prompt::Risposta_{};
        });
        m_w->Banco().cmd_start_Click();
        m_alim.Raccogli();
        m_alim.Diario = nullptr;
        QCOMPARE(diario, QByteArray("SV 0\rKOD\r[Chiudere switch INIT]SV 0\rKOD\r[Aprire switch INIT]SV 24\rKOE\r"));
        QCOMPARE(Colori(0, 7), (QList<uint32_t>{CollaudoInCorso, CollaudoPassato, CollaudoInCorso, CollaudoPassato,
                                                CollaudoPassato, CollaudoPassato, CollaudoPassato, CollaudoPassato}));
        QCOMPARE(Colori(8, 10), fermi);
        QCOMPARE(Colori(0, 7, true), QList<uint32_t>(8, CollaudoPassato));
        const auto& memoria = m_fake.Unita(10).Memoria;
        QCOMPARE(memoria.size(), 65024);
        for (int a = 0; a < 65024; ++a)
            if (a != 19) QCOMPARE(memoria.value(a), quint8(a < 65001 ? m_immagine[a] : 0));
        QCOMPARE(memoria.value(19), quint8('U'));  // release mode, from the RS-485 test
        // The clock in BCD, to the controller's own unit.
        QCOMPARE(m_fake.Richieste.last(), QByteArray::fromHex("0a100016000408 00090713 00050324"));
        QVERIFY(C<QProgressBar>(m_w, QStringLiteral("ProgressBar1"))->value() > 0);
        QVERIFY(m_mult.Ricevuti.isEmpty());
        m_w->Banco().OraPC = [] { return QDateTime::currentDateTime(); };
    }
};

QTEST_MAIN(TestCorsaCollaudo)
#include "test_collaudo_corsa.moc"
