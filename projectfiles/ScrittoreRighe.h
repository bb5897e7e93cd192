#pragma once
// Builds one file of the project set: one value a line, each line ended by
// CR LF, one byte a character (Latin-1; the save refuses a text with a
// character outside it before any file is built, see TestoNonSalvabile).
#include <QByteArray>
#include <QString>

class ScrittoreRighe {
public:
    // A one-line text; a line break inside it becomes a blank, so the value
    // stays on its line.
    void Testo(const QString& testo);
    // A text that keeps its line breaks (each written as CR LF).
    void TestoMultiriga(const QString& testo);
    // Blank (or "-"), the digits, one blank.
    void Intero(qint64 valore);
    // The data files' real form followed by one blank.
    void Reale(double valore);
    // The data files' real form alone (the table file's points).
    void NumeroTabella(double valore);
    void Flag(bool valore) { Intero(valore ? 1 : 0); }
    // A tagged record: the line "<tag>", the lines `campi` writes, "</tag>".
    template <class F> void Record(const char* tag, F&& campi)
    {
        Testo(QStringLiteral("<%1>").arg(QLatin1String(tag)));
        campi();
        Testo(QStringLiteral("</%1>").arg(QLatin1String(tag)));
    }
    // Whole numbers without blanks joined by ".".
    void Puntato(std::initializer_list<qint64> valori);

    const QByteArray& Byte() const { return m_byte; }

private:
    void Riga(const QString& testo);
    QByteArray m_byte;
};
