#pragma once
// Writing a file whole or not at all. The content goes to a temporary file
// beside the target and replaces it only once every byte is known to be on
// the disk: the device took them all, its buffer was flushed without an
// error and the file is as long as the content. A full disk is caught here,
// where closing the temporary file would otherwise report it as written.
#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <optional>

class QIODevice;

// Why a file could not be written, and which.
struct GuastoScrittura {
    QString file;
    QString motivo;
};

// Hands `byte` to `dispositivo` (open for writing) and checks that all of
// them reached it; the reason when they did not.
std::optional<QString> ScriviTutto(QIODevice& dispositivo, const QByteArray& byte);

class ScritturaFile {
public:
    explicit ScritturaFile(const QString& percorso);

    // Writes the content aside; the file at the path is not touched yet.
    std::optional<GuastoScrittura> Prepara(const QByteArray& byte);
    // Puts the prepared content in place of the old file.
    std::optional<GuastoScrittura> Conferma();

    // Prepara and Conferma in one: the file is replaced or left as it was.
    static std::optional<GuastoScrittura> Scrivi(const QString& percorso, const QByteArray& byte);

private:
    GuastoScrittura Guasto(const QString& motivo) const;
    QSaveFile m_file;
    qint64 m_attesi = -1;
};
