#pragma once
// Operations on the production benches' serial instruments. They keep no
// state: each call finds its line and, where it matters, the mode the
// operator picked at that moment.
#include <cstdint>

namespace Collaudo {

// Closes (chiudi) or opens relay canale of card scheda on the multiplexer:
// "rout:close (@105)" CR LF. Nothing is sent, silently, while the relay
// line is closed; no answer is read.
void ComandaRele(uint8_t scheda, uint8_t canale, bool chiudi);

}  // namespace Collaudo
