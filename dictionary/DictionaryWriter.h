// Writing .dct files: the bit writer and the encoder the dictionary tool and the tests share.
#pragma once
#include <QByteArray>
#include <string>
#include <vector>

#include "dictionary/DictionaryFormat.h"

// Appends bits in the file's order (each byte filled from its least significant bit up).
class CDctBitWriter {
public:
    void PutBit(bool bBit);
    // A 5-bit code, most significant bit first.
    void PutCode(unsigned nCode);
    // The word's codes, its terminating code 0 and the skipped bit. With bGroups the letter-group
    // codes are used wherever they fit, longest first; without, one code per letter.
    void PutWord(const std::string& strWord, bool bGroups = true);
    uint64_t BitCount() const { return m_nBits; }
    const std::vector<uint8_t>& Bytes() const { return m_aBytes; }

private:
    std::vector<uint8_t> m_aBytes;
    uint64_t m_nBits = 0;
};

struct DctWordListStats {
    int nKept = 0;       // distinct words written
    int nSkipped = 0;    // lines not made only of a-z (or too long to decode)
    int nDuplicates = 0; // repeated words dropped
};

// The distinct words of a word list (one a line, CR/LF or LF) made only of a-z, sorted byte-wise.
std::vector<std::string> FilterWordList(const QByteArray& text, DctWordListStats* pStats = nullptr);

struct DctImageStats {
    int nBlocks = 0;
    uint64_t nDataBits = 0;
    uint64_t nLetters = 0;
};

// The complete .dct file for sorted, distinct lowercase words: nBlocks blocks (1 to 128; fewer
// when there are fewer words) of equal word counts, the stream ended by the end marker.
QByteArray BuildDictionaryImage(const std::vector<std::string>& aWords, int nBlocks, DctImageStats* pStats = nullptr);

// A .dct file from a block table and word data, as the format lays them out.
QByteArray ComposeDictionaryImage(const std::vector<uint32_t>& aBlockStarts, const std::vector<uint8_t>& aData);
