#pragma once
// A pseudo-terminal pair standing in for a serial line: the program opens
// the slave side through WORKBENCH_COM_DIR/COM<k>, a fake device works the
// master side.
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace Test {

class CoppiaPty {
public:
    CoppiaPty() = default;
    CoppiaPty(const CoppiaPty&) = delete;
    CoppiaPty& operator=(const CoppiaPty&) = delete;
    ~CoppiaPty();

    // Opens the pair in raw mode, master non-blocking. False on failure.
    bool Apri();
    int Master() const { return m_master; }
    QString NomeSlave() const { return m_nomeSlave; }

    // Makes this pair's slave "COM<k>" of a private folder, or of
    // `cartella` when given (several pairs, one set of ports), and points
    // WORKBENCH_COM_DIR there.
    bool CollegaCome(int k, const QString& cartella = {});

private:
    int m_master = -1;
    int m_slave = -1;   // kept open so the line never hangs up between uses
    QString m_nomeSlave;
    std::unique_ptr<QTemporaryDir> m_cartella;
};

} // namespace Test
