#pragma once
// Where file dialogs start, tried as a user meets it: the current folder
// moved away (the settings save moves it to the program's data folder), a
// folder to choose in and a project's folder. The current folder and the
// project name come back when the scope ends, also after a failed check.
#include "base/Globali.h"
#include "base/Prompt.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace Test {

struct CartelleIniziali {
    QTemporaryDir dir;
    const QString corrente = QDir::currentPath(), nome = NomeProgetto;

    QString Scelta() const { return dir.filePath(QStringLiteral("chosen")); }
    QString Progetto() const { return dir.filePath(QStringLiteral("plant")); }
    // Makes the folders and moves the current folder into a third one.
    bool Prepara() const
    {
        const QString dati = dir.filePath(QStringLiteral("data"));
        return QDir().mkpath(dati) && QDir().mkpath(Scelta()) && QDir().mkpath(Progetto()) && QDir::setCurrent(dati);
    }
    void ApriProgetto() const { NomeProgetto = Progetto() + QStringLiteral("/plant"); }
    // Home twice (nothing chosen yet), the folder chosen by the second
    // dialog, then the project's: what four dialogs are offered when the
    // second one's choice lies in Scelta() and a project is opened before
    // the fourth.
    QStringList Attese() const { return {QDir::homePath(), QDir::homePath(), Scelta(), Progetto()}; }
    static QStringList Partenze(const QList<Prompt::Richiesta>& richieste)
    {
        QStringList out;
        for (const auto& r : richieste)
            if (r.tipo == Prompt::Tipo::FileApri || r.tipo == Prompt::Tipo::FileSalva) out << r.predefinito;
        return out;
    }

    ~CartelleIniziali()
    {
        QDir::setCurrent(corrente);
        NomeProgetto = nome;
    }
};

} // namespace Test
