// The configuration read as data: each reply's decoding with its edge
// cases, the address field and the slot table of the input types.
#include "ControlliRegistrati.h"
#include "ioconfig/DecodificaConfig.h"
#include "ioconfig/LetturaConfig.h"
#include "ioconfig/TipoIngresso.h"

#include <QtTest>

Q_DECLARE_METATYPE(PassoLettura)


class TestDecodifica : public QObject {
    Q_OBJECT
private slots:
    void decodifica_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<PassoLettura>("passo");
        QTest::addColumn<int>("inizio");
        QTest::addColumn<QList<int>>("registri");   // register, value pairs
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("errore");
        using P = PassoLettura;
        QTest::newRow("version as characters") << 0 << P::Base << 0 << QList<int>{1, 0x5134, 2, 0x3548}
                                               << QStringList{"txt_vers Q45H"} << "";
        QTest::newRow("two-port identity and port 1")
            << 0 << P::Base << 0 << QList<int>{1, 0x0102, 2, 0x0304, 3, 0x6261, 4, 0x6463, 5, 0x004D, 6, 7, 7, 12, 8, 99, 12, 0x0130}
            << QStringList{"txt_vers 1234", "txt_nome abcd", "txt_add 7", "txt_wdt_0 48", "cmb_baud_1 =5",
                           "cmb_par_1 =64", "cmb_stop_1 =8", "txt_delay_1 12", "cmb_baud_0 <unset>", "opt_DispMode_0 <unset>"}
            << "";
        QTest::newRow("one-port: baud of port 0 only, watchdog in reg 8")
            << 13 << P::Base << 0 << QList<int>{5, 0x004B, 7, 4, 8, 9, 12, 50}
            << QStringList{"cmb_baud_0 9600", "txt_delay_0 4", "txt_wdt_0 9", "cmb_par_0 <unset>", "cmb_baud_1 <unset>"} << "";
        QTest::newRow("QVR0573 reads no port") << 25 << P::Base << 0 << QList<int>{5, 3, 7, 4}
                                               << QStringList{"cmb_baud_0 <unset>", "txt_delay_0 <unset>", "txt_wdt_0 <unset>"} << "";
        QTest::newRow("QVR4005 display POS") << 8 << P::Base << 0 << QList<int>{11, 0x0307}
                                             << QStringList{"opt_DispMode_1 1", "bar_Contr @3", "bar_Lumin @7"} << "";
        QTest::newRow("QVR4005 display NEG") << 8 << P::Base << 0 << QList<int>{11, 0}
                                             << QStringList{"opt_DispMode_0 1", "bar_Contr @0"} << "";
        QTest::newRow("port 0 of a two-port model") << 0 << P::Porta0 << 18 << QList<int>{18, 0x4D0A}
                                                    << QStringList{"cmb_baud_0 38400", "cmb_par_0 =64", "cmb_stop_0 =8", "txt_delay_0 10"} << "";
        QTest::newRow("clock") << 2 << P::Orologio << 22 << QList<int>{22, 0x0045, 23, 0x3012, 24, 0x0031, 25, 0x1209}
                               << QStringList{"txt_giorno_0 @30", "txt_mese_0 @11", "txt_anno_0 @9", "txt_ore_0 12", "txt_min_0 30", "txt_sec_0 45"}
                               << "";
        QTest::newRow("day and month 0 select nothing") << 2 << P::Orologio << 22 << QList<int>{24, 0, 25, 0x0009}
                                                        << QStringList{"txt_giorno_0 @-1", "txt_mese_0 @-1", "txt_anno_0 @9"} << "";
        QTest::newRow("day not BCD") << 2 << P::Orologio << 22 << QList<int>{24, 0x3A}
                                     << QStringList{"txt_giorno_0 <unset>"} << "Clock byte not BCD";
        QTest::newRow("day beyond its list") << 2 << P::Orologio << 22 << QList<int>{24, 0x32}
                                             << QStringList{"txt_giorno_0 <unset>"} << "Day out of range";
        QTest::newRow("month beyond, day kept") << 2 << P::Orologio << 22 << QList<int>{24, 0x01, 25, 0x1300}
                                                << QStringList{"txt_giorno_0 @0", "txt_mese_0 <unset>"} << "Month out of range";
        QTest::newRow("system flags") << 0 << P::Flag << 9 << QList<int>{9, 0x00FF, 10, 0x0500, 11, 0x8102}
                                      << QStringList{"Led_Ev_0 c255", "Led_Ev_1 c8421504", "Led_Ev_2 c255", "chk_PupBit_0 1",
                                                     "chk_PupBit_7 1", "chk_PupBit_1 0", "chk_SafeBit_1 1", "chk_SafeBit_0 0"}
                                      << "";
        QTest::newRow("events of other models") << 13 << P::Flag << 9 << QList<int>{9, 0x0002, 10, 0x0700}
                                                << QStringList{"Led_Ev_0 c8421504", "Led_Ev_1 c255", "chk_PupBit_0 <unset>"} << "";
        QTest::newRow("digital") << 1 << P::Digitali << 8 << QList<int>{8, 0x8001, 9, 0x0300}
                                 << QStringList{"Led_7 c255", "Led_0 c8421504", "Led_8 c255", "Led_15 c8421504", "chk_OutputBit_0 1",
                                                "chk_OutputBit_1 1", "chk_OutputBit_2 0"}
                                 << "";
        QTest::newRow("QVR4566 values signed, types from reg 34")
            << 5 << P::Analogici4566 << 26 << QList<int>{26, 0xFFFF, 27, 32767, 32, 0x8000, 34, 0x0312}
            << QStringList{"txt_Input_0 -1", "txt_Input_1 32767", "txt_Output_0 -32768", "cmb_Out_0 mA", "cmb_Out_1 mA",
                           "cmb_InputType_0 =18", "cmb_InputType_1 =3"}
            << "";
        QTest::newRow("QVR8566 leaves reg 34 unused") << 9 << P::Analogici4566 << 26 << QList<int>{34, 0x0312}
                                                      << QStringList{"cmb_InputType_0 <unset>", "txt_Output_1 0"} << "";
        QTest::newRow("channel enables, paired breaks")
            << 11 << P::Canali << 9 << QList<int>{9, 0x0400, 10, 6, 11, 0x000F}
            << QStringList{"chk_En_3 1", "chk_En_4 0", "txt_Input_3.en 1", "txt_Input_4.en 0", "pBreak_4.en 0", "pBreak_1 c255",
                           "pBreak_0 c16777215", "cmb_InputType_0 =6"}
            << "";
        QTest::newRow("QVR8569 one break per channel") << 10 << P::Canali << 9 << QList<int>{9, 0x0400}
                                                       << QStringList{"pBreak_2 c255", "pBreak_1 c16777215"} << "";
        QTest::newRow("type nibbles per channel")
            << 16 << P::CanaliTipo << 9 << QList<int>{9, 0x8000, 10, 0x2143, 11, 0x8765}
            << QStringList{"cmb_InputType_0 =3", "cmb_InputType_1 =4", "cmb_InputType_2 =1", "cmb_InputType_3 =2",
                           "cmb_InputType_4 =5", "cmb_InputType_5 =6", "cmb_InputType_6 =7", "cmb_InputType_7 =8", "pBreak_7 c255"}
            << "";
        QTest::newRow("inputs with offsets") << 16 << P::ValoriOffset << 14 << QList<int>{14, 5, 22, 0xFFFE, 30, 0xFFF6}
                                             << QStringList{"txt_Input_0 5", "txt_Input_sync_0 -2", "txt_Input_Offset_0 -10"} << "";
        QTest::newRow("output ranges") << 17 << P::UsciteTipo << 13 << QList<int>{13, 0x0005}
                                       << QStringList{"cmb_Out_0 @1", "cmb_Out_1 @0", "cmb_Out_2 @1"} << "";
        QTest::newRow("outputs and safe values") << 19 << P::UsciteValori << 14 << QList<int>{21, 3, 22, 0xFFFF}
                                                 << QStringList{"txt_Output_7 3", "txt_Safe_0 -1"} << "";
    }
    void decodifica()
    {
        QFETCH(int, k);
        QFETCH(PassoLettura, passo);
        QFETCH(int, inizio);
        QFETCH(QList<int>, registri);
        QFETCH(QStringList, attese);
        QFETCH(QString, errore);
        RegistriLetti r;
        r.inizio = inizio;
        r.valori = QList<uint16_t>(30, 0);
        for (int i = 0; i + 1 < registri.size(); i += 2) r.valori[registri[i] - inizio] = uint16_t(registri[i + 1]);
        ControlliRegistrati c;
        QCOMPARE(DecodificaPasso(c, k, passo, r), errore);
        QCOMPARE(c.Differenze(attese), QStringList());
    }

    void indirizzo_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("unita");   // -1: refused
        for (auto [t, u] : {std::pair{"10", 10}, {" 7 ", 7}, {"0", 0}, {"255", 255}, {"3.5", 4}, {"2.5", 2}, {"255.4", 255},
                            {"256", -1}, {"-1", -1}, {"abc", -1}, {"", -1}, {"1e9", -1}})
            QTest::newRow(t) << QString::fromLatin1(t) << u;
    }
    void indirizzo()
    {
        QFETCH(QString, testo);
        QFETCH(int, unita);
        const std::optional<uint8_t> u = UnitaConfig(testo);
        QCOMPARE(u ? int(*u) : -1, unita);
    }

    void slot_data()
    {
        QTest::addColumn<int>("nodo");
        QTest::addColumn<QList<int>>("codici");
        QTest::addColumn<int>("slot");
        QTest::newRow("247 default") << 247 << QList<int>{0, 1, 24, 31, 2, 99} << 0;
        QTest::newRow("247 thermocouples") << 247 << QList<int>{17, 18, 19, 20, 21} << 1;
        QTest::newRow("247 22") << 247 << QList<int>{22} << 2;
        QTest::newRow("247 7") << 247 << QList<int>{7} << 3;
        QTest::newRow("247 8") << 247 << QList<int>{8} << 4;
        QTest::newRow("246 default") << 246 << QList<int>{0, 1, 7, 22} << 0;
        QTest::newRow("246 8") << 246 << QList<int>{8} << 1;
        QTest::newRow("other unit") << 10 << QList<int>{8, 22, 17} << 0;
    }
    void slot()
    {
        QFETCH(int, nodo);
        QFETCH(QList<int>, codici);
        QFETCH(int, slot);
        for (int c : codici) QCOMPARE(SlotTipoIngresso(uint8_t(nodo), c), slot);
    }
};

QTEST_MAIN(TestDecodifica)
#include "test_decodifica.moc"
