#include "production/r8t200/LetturaR8T200.h"

#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Richiesta.h"

#include <QCoreApplication>

std::optional<uint8_t> UnitaR8T200(const QString& testo)
{
    bool ok = false;
    const int v = testo.trimmed().toInt(&ok);
    if (!ok || v < 0 || v > 255) return std::nullopt;
    return uint8_t(v);
}

std::optional<QStringList> RigheBlocco(const BloccoR8T200& b, QByteArrayView risposta)
{
    if (risposta.size() < 3 + b.registri * 2) return std::nullopt;
    auto u = [&](int i) { return uint8_t(risposta[i]); };
    QStringList righe;
    for (int i = 0; i < b.Voci(); ++i) {
        const int p = 3 + b.larghezza * i;
        const double valore = b.larghezza == 4 ? ByteToLong(u(p), u(p + 1), u(p + 2), u(p + 3), true)
                                               : double(ByteToInt(u(p), u(p + 1), true));
        righe << QStringLiteral("%1\t%2").arg(b.primo + i, 4, 16, QLatin1Char('0')).toUpper().arg(qint64(valore));
    }
    return righe;
}

bool LetturaR8T200::cmd_read_Click()
{
    for (int k = 0; k < int(BlocchiR8T200.size()); ++k) {
        const BloccoR8T200& b = BlocchiR8T200[size_t(k)];
        // The address is read again for every block, as the user may be
        // typing a new one while a repetition runs.
        const auto unita = UnitaR8T200(m_liste.Indirizzo());
        if (!unita) {
            Prompt::MsgBox(QStringLiteral("Address: a number from 0 to 255"), Prompt::Critica);
            ComErr = 1;
            return false;
        }
        ComponiRichiesta({*unita, 3, Alto(b.primo), Basso(b.primo), Alto(b.registri), Basso(b.registri)});
        const bool riuscita = Comunica(true) == ComOk;
        const auto righe = riuscita ? RigheBlocco(b, RispostaRicevuta()) : std::nullopt;
        if (!righe) {
            ComErr = 1;
            return false;
        }
        for (int i = 0; i < righe->size(); ++i) m_liste.ImpostaRiga(k, i, righe->at(i));
    }
    return true;
}

void LetturaR8T200::cmd_start_Click()
{
    if (m_ciclo) return;
    m_ciclo = true;
    ComErr = 0;
    m_liste.AbilitaUpdate(false);
    while (ComErr != 1) {
        cmd_read_Click();
        QCoreApplication::processEvents();
    }
    m_ciclo = false;
    cmd_stop_Click();
}

void LetturaR8T200::cmd_stop_Click()
{
    ComErr = 1;
    m_liste.AbilitaUpdate(true);
}
