#include "registers/FileTabella.h"

#include "base/Conversioni.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const QByteArray kFineRiga = QByteArrayLiteral("\r\n");

bool Blank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray Latin1(const QString& s)
{
    QByteArray b;
    b.reserve(s.size());
    for (QChar c : s) b.append(char(ByteCarattere(c)));
    return b;
}

QString DaLatin1(const QByteArray& b)
{
    QString s;
    s.reserve(b.size());
    for (char c : b) s.append(CarattereByte(uint8_t(c)));
    return s;
}

bool DaQuotare(const QString& nome)
{
    if (nome.isEmpty()) return false;
    for (QChar c : nome)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    return blank(nome.front()) || blank(nome.back());
}

// The fields of the file, one after the other: a field ends at a comma or a
// line end, blanks around it are dropped, and one that starts with a double
// quote runs to the closing quote (a doubled quote inside is one quote).
class Campi {
public:
    explicit Campi(const QByteArray& testo) : m_t(testo) {}

    std::optional<QByteArray> Prossimo()
    {
        // Line ends between fields (empty lines included) separate nothing.
        while (m_i < m_t.size() && (m_t[m_i] == '\r' || m_t[m_i] == '\n') && !m_dopoVirgola) ++m_i;
        if (m_i >= m_t.size() && !m_dopoVirgola) return std::nullopt;
        m_dopoVirgola = false;
        while (m_i < m_t.size() && Blank(m_t[m_i])) ++m_i;
        QByteArray campo;
        if (m_i < m_t.size() && m_t[m_i] == '"') {
            ++m_i;
            for (;;) {
                if (m_i >= m_t.size()) return std::nullopt;   // no closing quote
                const char c = m_t[m_i++];
                if (c != '"') {
                    campo.append(c);
                } else if (m_i < m_t.size() && m_t[m_i] == '"') {
                    campo.append('"');
                    ++m_i;
                } else {
                    break;
                }
            }
            // Whatever stands between the closing quote and the separator is dropped.
            while (m_i < m_t.size() && m_t[m_i] != ',' && m_t[m_i] != '\r' && m_t[m_i] != '\n') ++m_i;
        } else {
            while (m_i < m_t.size() && m_t[m_i] != ',' && m_t[m_i] != '\r' && m_t[m_i] != '\n') campo.append(m_t[m_i++]);
            while (!campo.isEmpty() && Blank(campo.back())) campo.chop(1);
        }
        if (m_i < m_t.size() && m_t[m_i] == ',') {
            ++m_i;
            m_dopoVirgola = true;
        }
        return campo;
    }

private:
    const QByteArray& m_t;
    qsizetype m_i = 0;
    bool m_dopoVirgola = false;
};
} // namespace

QByteArray TestoFileTabella(const Tabella& t)
{
    QByteArray out;
    if (DaQuotare(t.NomeTabella)) {
        QString q = t.NomeTabella;
        q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out += '"' + Latin1(q) + '"';
    } else {
        out += Latin1(t.NomeTabella);
    }
    out += kFineRiga;
    const int n = std::min<int>(t.NPunti, MaxPunti);
    out += ' ' + QByteArray::number(n) + ' ' + kFineRiga;
    for (const auto* valori : {&t.X, &t.Y})
        for (int k = 0; k < n; ++k) out += Latin1(NumeroFile((*valori)[size_t(k)])) + kFineRiga;
    return out;
}

EsitoFileTabella LeggiTestoTabella(const QByteArray& testo, Tabella& t)
{
    Campi campi(testo);
    const auto nome = campi.Prossimo();
    if (!nome || nome->isEmpty()) return EsitoFileTabella::Malformato;
    const auto campoN = campi.Prossimo();
    if (!campoN) return EsitoFileTabella::Malformato;
    const auto n = NumeroDaFile(DaLatin1(*campoN));
    if (!n) return EsitoFileTabella::Malformato;
    if (*n != std::floor(*n) || *n < MinPunti || *n > MaxPunti) return EsitoFileTabella::ConteggioFuori;

    Tabella letta = t;
    letta.NomeTabella = DaLatin1(*nome);
    letta.NPunti = uint8_t(*n);
    for (auto* valori : {&letta.X, &letta.Y})
        for (int k = 0; k < letta.NPunti; ++k) {
            const auto campo = campi.Prossimo();
            if (!campo) return EsitoFileTabella::Malformato;
            const auto v = NumeroDaFile(DaLatin1(*campo));
            if (!v) return EsitoFileTabella::Malformato;
            (*valori)[size_t(k)] = *v;
        }
    t = letta;
    return EsitoFileTabella::Ok;
}

EsitoFileTabella ScriviFileTabella(const QString& percorso, const Tabella& t, GuastoScrittura* guasto)
{
    const auto g = ScritturaFile::Scrivi(percorso, TestoFileTabella(t));
    if (!g) return EsitoFileTabella::Ok;
    if (guasto) *guasto = *g;
    return EsitoFileTabella::NonApribile;
}

EsitoFileTabella LeggiFileTabella(const QString& percorso, Tabella& t)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return EsitoFileTabella::NonApribile;
    return LeggiTestoTabella(f.readAll(), t);
}
