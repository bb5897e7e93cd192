#pragma once
// The SMS tasks' phone numbers and messages: entry k of both tables belongs
// to the SMS task whose NumCampi is k.
#include <QString>
#include <array>
#include <cstdint>

struct VoceSMS {
    QString TestoSMS;
    int32_t IndirizzoSMS = 0;   // controller address of the entry
    uint8_t LunghezzaSMS = 0;   // characters; a message's as expanded
};

constexpr int MaxVociSMS = 8;
inline std::array<VoceSMS, MaxVociSMS> NumeriSMS;
inline std::array<VoceSMS, MaxVociSMS> TestiSMS;
inline uint8_t NumNumeriSMS = 0;
inline uint8_t NumTestiSMS = 0;

// Where the controller keeps the two tables. Both lie in the unused memory
// between the scheduler strings (up to 0xADFF) and the text blocks (from
// 0xC000), which neither the download nor the export writes: numbers
// 0xAE00-0xAE9F, messages 0xB000-0xB4AF, with room behind the last entry
// for the longest text a transfer can write.
constexpr int32_t BaseNumeriSMS = 0xAE00;
constexpr int32_t BaseTestiSMS = 0xB000;
constexpr int PassoNumeriSMS = 20;
constexpr int PassoTestiSMS = 150;

// A message as the controller gets it: every "&" is copied with the two
// characters after it, taken as they stand, and four blanks follow them.
QString TestoEspanso(const QString& testo);
