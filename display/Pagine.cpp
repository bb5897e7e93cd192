#include "display/Pagine.h"

#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"

namespace {
// Position of the model with the 132 x 32 display among the model names.
constexpr int NomeModelloDisplay = 8;
} // namespace

bool ModelloDisplay()
{
    const int m = Controllore.Modello;
    const QString& nome = NomiModello[NomeModelloDisplay];
    return m >= 0 && m < NumModelli && !nome.isEmpty() && Modelli[size_t(m)].Nome == nome;
}
