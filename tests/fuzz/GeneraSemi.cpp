// Writes the loader targets' seeds into corpus/<name>/ under the folder
// given: what the program's own writers make of a few sample values (files
// the program only reads, the firmware, the FTP listing and the multimeter's
// reply, as their senders write them).
//   genera_semi tests/fuzz/corpus
#include "HexIntel.h"
#include "SetFuzz.h"

#include "comm/Dispositivo.h"
#include "production/mac/FileElencoMAC.h"
#include "production/memory/FileHex.h"
#include "registers/FileTabella.h"
#include "registers/TabRegistri.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
QString g_radice;
bool g_ok = true;

void Seme(const char* bersaglio, const QString& nome, const QByteArray& byte)
{
    const QString cartella = g_radice + QLatin1Char('/') + QLatin1String(bersaglio);
    QDir().mkpath(cartella);
    QFile f(cartella + QLatin1Char('/') + nome);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(byte) != byte.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        g_ok = false;
    }
}

// The whole sample set, and beside it each file kind alone with its .prj.
void SemiProgetto()
{
    const int modello = Fuzz::ModelloCompleto();
    const ProgettoSalvato p = Fuzz::ProgettoEsempio();
    const ByteSet set = ScriviSet(p, Modelli[size_t(modello)]);
    std::array<bool, NumFileSet> tutti{};
    tutti.fill(true);
    Seme("progetto", QStringLiteral("completo"), Fuzz::ScriviInput(modello, Fuzz::Contenuto(set, tutti)));
    // The kinds alone carry a short program: a long .prj would slow every run.
    ProgettoSalvato corto = p;
    corto.rung = p.rung.mid(0, 2);
    const ByteSet setCorto = ScriviSet(corto, Modelli[size_t(modello)]);
    for (int f = 0; f < NumFileSet; ++f) {
        std::array<bool, NumFileSet> presenti{};
        presenti[size_t(FileSet::Prj)] = true;
        presenti[size_t(f)] = true;
        Seme("progetto", Estensione(FileSet(f)).mid(1), Fuzz::ScriviInput(modello, Fuzz::Contenuto(setCorto, presenti)));
    }
    ProgettoSalvato nuovo;
    nuovo.presente.fill(true);
    Seme("progetto", QStringLiteral("nuovo"), Fuzz::ScriviInput(0, Fuzz::Contenuto(ScriviSet(nuovo, Modelli[0]), tutti)));
}

void SemiTabella()
{
    const ProgettoSalvato p = Fuzz::ProgettoEsempio();
    Seme("tabella", QStringLiteral("semplice"), TestoFileTabella(p.tabelle[0]));
    Seme("tabella", QStringLiteral("virgolette"), TestoFileTabella(p.tabelle[1]));
    Tabella piena{.NomeTabella = QStringLiteral(" 32 points"), .NPunti = MaxPunti};
    for (int k = 0; k < MaxPunti; ++k) {
        piena.X[size_t(k)] = k * 0.125 - 1;
        piena.Y[size_t(k)] = -1e-5 / (k + 1);
    }
    Seme("tabella", QStringLiteral("piena"), TestoFileTabella(piena));
    // The largest magnitudes the files' 15 digits hold, the smallest
    // denormal, negative zero and the register limits.
    const Tabella estremi{.NomeTabella = QStringLiteral("limits"), .NPunti = 5,
                          .X = {-1.79769313486231e308, -4.94065645841247e-324, -0.0, 2.2250738585072e-308,
                                1.79769313486231e308},
                          .Y = {32767, -32768, 2147483647, -2147483648.0, 65535}};
    Seme("tabella", QStringLiteral("estremi"), TestoFileTabella(estremi));
}

void SemiMemoria()
{
    // Two bytes of count ahead of the file, then the call-off byte.
    auto seme = [](const QString& nome, const QByteArray& byte, int servono, FormaFileHex forma) {
        QByteArray testa(3, '\0');
        testa[0] = char(servono & 0xff);
        testa[1] = char(servono >> 8);
        testa[2] = char(255);
        Seme("memoria", nome, testa + ScriviFileHex(reinterpret_cast<const uint8_t*>(byte.constData()),
                                                      int(byte.size()), forma));
    };
    QByteArray tutti;
    for (int b = 0; b < 256; b += 17) tutti.append(char(b));
    seme(QStringLiteral("byte"), tutti, int(tutti.size()), FormaFileHex::Byte);
    seme(QStringLiteral("meno"), tutti, 4, FormaFileHex::Byte);
    seme(QStringLiteral("caratteri"), QByteArrayLiteral("12 34"), 2, FormaFileHex::Caratteri);
}

void SemiFirmware()
{
    ImmagineFirmware immagine{};
    for (int i = 0; i < 40; ++i) immagine[size_t(i)] = uint16_t(0x1000 + i * 0x0101);
    immagine[size_t(ParoleFirmware - 1)] = 0xBEEF;
    Seme("firmware", QStringLiteral("immagine"), Fuzz::TestoHex(immagine));
    // The extended address record, and a data record under it at word 0.
    Seme("firmware", QStringLiteral("esteso"),
         Fuzz::RecordHex(4, 0, QByteArray(2, '\0')) + Fuzz::RecordHex(0, 0, QByteArrayLiteral("\x12\x34\x56\x78"))
             + Fuzz::RecordHex(1, 0, {}));
}

void SemiElencoMAC()
{
    const uint8_t mac[6] = {0x00, 0x04, 0xA3, 0x12, 0x34, 0x56};
    QList<VoceMAC> voci;
    voci << VoceMAC{TestoMAC(mac), 1, QStringLiteral("123"), QStringLiteral("09"), QStringLiteral("Rossi, s.r.l.")};
    voci << VoceMAC{MACNonProgrammato, 2, QString(), QStringLiteral("10"), QString()};
    voci << VoceMAC{TestoMAC(mac), -3, QStringLiteral("a/b"), QString(), QString::fromLatin1("Citt\xe0")};
    Seme("elencomac", QStringLiteral("elenco"), TestoFileElenco(voci));
    Seme("elencomac", QStringLiteral("una"), TestoFileElenco(voci.mid(0, 1)));
}

void SemiElencoFTP()
{
    Seme("elencoftp", QStringLiteral("unix"),
         QByteArrayLiteral("\0drwxr-xr-x 2 ftp ftp 4096 Jan 01 12:00 log\r\n"
                           "-rw-r--r-- 1 ftp ftp 123 Jan 01 12:00 export.txt\r\n"));
    Seme("elencoftp", QStringLiteral("fallito"), QByteArrayLiteral("\1partial\r\n"));
    Seme("elencoftp", QStringLiteral("coda"), QByteArrayLiteral("\0one\r\n\r\ntwo\r\nno end"));
}

void SemiMultimetro()
{
    Seme("multimetro", QStringLiteral("corrente"), QByteArrayLiteral("+4.12345600E-03\r\n"));
    Seme("multimetro", QStringLiteral("negativo"), QByteArrayLiteral("-1.00000000E+00\r\n"));
    Seme("multimetro", QStringLiteral("fuoriscala"), QByteArrayLiteral("+9.90000000E+37\r\n"));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    g_radice = QString::fromLocal8Bit(argv[1]);
    CaricaModelli();
    Controllore.Modello = uint8_t(Fuzz::ModelloCompleto());
    CaricaRegistriSistema(true);
    SemiProgetto();
    SemiTabella();
    SemiMemoria();
    SemiFirmware();
    SemiElencoMAC();
    SemiElencoFTP();
    SemiMultimetro();
    return g_ok ? 0 : 1;
}
