#pragma once
// A small file system of its own (a few KiB of memory mounted in a temporary
// folder) that a test can fill to the last byte, to see what a save does on
// a full disk. Mounting needs the right to mount; where it is missing,
// Pronto() is false and Motivo() says why, for the test to skip.
#include <QString>
#include <QTemporaryDir>

namespace Test {

class DiscoPieno {
public:
    explicit DiscoPieno(int kib = 64);
    ~DiscoPieno();
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

    bool Pronto() const { return m_montato; }
    QString Motivo() const { return m_motivo; }
    // A path inside the small file system.
    QString Percorso(const QString& nome) const;
    // Takes up every byte still free; Libera() gives them back.
    void Riempi();
    void Libera();
    // Mounts it again read-only, as a folder the user may not write to
    // (which the right to mount ignores when set on a folder alone).
    bool SolaLettura();

private:
    QTemporaryDir m_cartella;
    QString m_punto;
    bool m_montato = false;
    QString m_motivo;
};

} // namespace Test
