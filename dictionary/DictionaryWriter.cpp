// Writing .dct files: bit order, letter-group encoding, block cutting and word-list filtering.
#include "dictionary/DictionaryWriter.h"

#include <QList>
#include <QtEndian>
#include <algorithm>

using namespace dct;

void CDctBitWriter::PutBit(bool bBit)
{
    if ((m_nBits & 7) == 0)
        m_aBytes.push_back(0);
    if (bBit)
        m_aBytes.back() |= uint8_t(1u << (m_nBits & 7));
    ++m_nBits;
}

void CDctBitWriter::PutCode(unsigned nCode)
{
    for (int i = kCodeBits - 1; i >= 0; --i)
        PutBit((nCode >> i) & 1);
}

void CDctBitWriter::PutWord(const std::string& strWord, bool bGroups)
{
    size_t i = 0;
    while (i < strWord.size()) {
        unsigned nBest = 0;
        size_t nBestLength = 0;
        for (unsigned nCode = 1; nCode < kInvalidCode; ++nCode) {
            const CodeText& text = kCodeTexts[nCode];
            if ((!bGroups && text.nLength > 1) || text.nLength <= nBestLength)
                continue;
            if (strWord.compare(i, text.nLength, text.s) == 0) {
                nBest = nCode;
                nBestLength = text.nLength;
            }
        }
        if (nBest == 0)
            return; // not a letter the format can hold; callers pass a-z only
        PutCode(nBest);
        i += nBestLength;
    }
    PutCode(0);
    PutBit(false);
}

std::vector<std::string> FilterWordList(const QByteArray& text, DctWordListStats* pStats)
{
    DctWordListStats stats;
    std::vector<std::string> aWords;
    const auto lines = text.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QByteArray line = lines[n];
        if (n == lines.size() - 1 && line.isEmpty())
            break; // the text ended with a line feed
        if (line.endsWith('\r'))
            line.chop(1);
        const bool bLetters = !line.isEmpty() && line.size() <= kMaxWordChars
            && std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        if (bLetters)
            aWords.emplace_back(line.constData(), size_t(line.size()));
        else
            ++stats.nSkipped;
    }
    std::sort(aWords.begin(), aWords.end());
    const size_t nAll = aWords.size();
    aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
    stats.nDuplicates = int(nAll - aWords.size());
    stats.nKept = int(aWords.size());
    if (pStats)
        *pStats = stats;
    return aWords;
}

QByteArray ComposeDictionaryImage(const std::vector<uint32_t>& aBlockStarts, const std::vector<uint8_t>& aData)
{
    QByteArray image(kHeaderBytes, '\0');
    for (size_t i = 0; i < aBlockStarts.size() && i < size_t(kBlockCount); ++i)
        qToLittleEndian<quint32>(aBlockStarts[i], image.data() + 4 * i);
    image.append(reinterpret_cast<const char*>(aData.data()), qsizetype(aData.size()));
    return image;
}

QByteArray BuildDictionaryImage(const std::vector<std::string>& aWords, int nBlocks, DctImageStats* pStats)
{
    const size_t nWords = aWords.size();
    nBlocks = std::clamp(nBlocks, 1, kBlockCount);
    if (nWords < size_t(nBlocks))
        nBlocks = std::max<int>(1, int(nWords));

    CDctBitWriter writer;
    std::vector<uint32_t> aStarts;
    uint64_t nLetters = 0;
    for (int b = 0; b < nBlocks; ++b) {
        aStarts.push_back(uint32_t(writer.BitCount()));
        const size_t nFirst = nWords * size_t(b) / size_t(nBlocks);
        const size_t nLast = nWords * size_t(b + 1) / size_t(nBlocks);
        for (size_t w = nFirst; w < nLast; ++w) {
            writer.PutWord(aWords[w]);
            nLetters += aWords[w].size();
        }
    }
    // The marker sorts after every word and so stops any scan that runs off the last real word.
    if (nWords == 0 || aWords.back() < kSentinel)
        writer.PutWord(kSentinel);

    if (pStats) {
        pStats->nBlocks = nBlocks;
        pStats->nDataBits = writer.BitCount();
        pStats->nLetters = nLetters;
    }
    return ComposeDictionaryImage(aStarts, writer.Bytes());
}
