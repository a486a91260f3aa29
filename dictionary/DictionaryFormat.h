// The .dct file layout shared by the reader and the writer: block table, 5-bit codes and their texts.
#pragma once
#include <cstddef>
#include <cstdint>

namespace dct {

constexpr int kBlockCount = 128;          // block table entries
constexpr int kHeaderBytes = 512;         // the block table: 128 little-endian 32-bit bit positions
constexpr int kMaxWordChars = 127;        // a decoded word plus its terminating zero fits 128 bytes
constexpr int kCodeBits = 5;
constexpr int kSkippedBits = 1;           // one meaningless bit follows each word's terminating code
constexpr const char* kSentinel = "zzzzzzzzz"; // ends the word data; never a word itself
constexpr int kSentinelLength = 9;

// Texts of codes 1 to 30; code 0 ends a word and code 31 is not part of the format.
struct CodeText {
    char s[5];
    uint8_t nLength;
};
inline constexpr CodeText kCodeTexts[32] = {
    {"", 0},   {"ch", 2}, {"th", 2}, {"tion", 4}, {"ia", 2}, {"a", 1}, {"b", 1}, {"c", 1},
    {"d", 1},  {"e", 1},  {"f", 1},  {"g", 1},    {"h", 1},  {"i", 1}, {"j", 1}, {"k", 1},
    {"l", 1},  {"m", 1},  {"n", 1},  {"o", 1},    {"p", 1},  {"q", 1}, {"r", 1}, {"s", 1},
    {"t", 1},  {"u", 1},  {"v", 1},  {"w", 1},    {"x", 1},  {"y", 1}, {"z", 1}, {"", 0},
};
constexpr unsigned kInvalidCode = 31;

// Stream bits are taken from each byte's least significant bit up, but a code's first bit is its
// most significant: five stream bits read as a little-endian number give the code bit-reversed.
inline constexpr uint8_t kReverse5[32] = {
    0, 16, 8, 24, 4, 20, 12, 28, 2, 18, 10, 26, 6, 22, 14, 30,
    1, 17, 9, 25, 5, 21, 13, 29, 3, 19, 11, 27, 7, 23, 15, 31,
};

} // namespace dct
