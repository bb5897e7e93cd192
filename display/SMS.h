#pragma once
// Entries in use of the SMS and e-mail tasks' phone-number and message tables.
#include <cstdint>

inline uint8_t NumNumeriSMS = 0;
inline uint8_t NumTestiSMS = 0;
