#include "comm/Richiesta.h"

#include "comm/AreaComunicazione.h"

#include <algorithm>

void ComponiRichiesta(std::initializer_list<int> byte, const uint8_t* dati, int n)
{
    int i = 0;
    for (int b : byte) buff_tx[size_t(i++)] = uint8_t(b);
    if (n > 0) {
        // A caller asking for more than the buffer holds gets what fits.
        n = std::min(n, int(buff_tx.size()) - i);
        if (dati) std::copy_n(dati, n, buff_tx.begin() + i);
        else std::fill_n(buff_tx.begin() + i, n, uint8_t(0));
        i += n;
    }
    n_tx = int16_t(i);
}
