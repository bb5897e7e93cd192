// The multimeter's reply on any bytes. A reading is a whole number of
// thousandths, the reply's value x 1000 truncated towards minus infinity;
// blanks and line ends around the reply change nothing.
#include "Fallisce.h"

#include "production/controllerbench/Collaudo.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {
using Fuzz::Fallisce;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray risposta(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto lettura = Collaudo::LetturaMult(risposta);
    const auto conFine = Collaudo::LetturaMult(" " + risposta + "\r\n");
    if (lettura.has_value() != conFine.has_value() || (lettura && *lettura != *conFine))
        Fallisce("blanks or a line end changed the reading");
    if (!lettura) return 0;
    if (!std::isfinite(*lettura)) Fallisce("a reading that is not finite");

    // The same value by the C library, where both are exact enough to compare.
    const std::string testo = risposta.trimmed().toStdString();
    char* fine = nullptr;
    const double v = std::strtod(testo.c_str(), &fine);
    if (fine != testo.c_str() + testo.size() || !std::isfinite(v)) Fallisce("read what is not a number");
    const double millesimi = std::floor(v * 1e6) / 1000;
    if (std::fabs(millesimi) < 1e6 && std::fabs(*lettura - millesimi) > 0.0011 + std::fabs(millesimi) * 1e-6)
        Fallisce("the reading is not the reply's value:", QString::number(double(*lettura), 'g', 17));
    return 0;
}
