// CDictionary: loading the .dct file, word lookup, prefix lookup and random words.
#include "dictionary/Dictionary.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <string_view>

#include "framework/Files.h"

using namespace dct;

namespace {

// Bit positions are 32-bit in the file, so larger word data could not be addressed anyway.
constexpr uint64_t kMaxDataBytes = (uint64_t(1) << 29) - 1;

// Eleven 5-bit groups fit the 57 bits a window always holds; bit 0 of each group.
constexpr uint64_t kGroupLowBits = 0x0042108421084210ull >> 4;
constexpr int kGroupsPerWindow = 11;

// The word as the main dictionary compares it: 8-bit (Latin-1, '?' where there is none), A-Z lowered.
// Returns the length; nothing of 128 characters or more can be a dictionary word, so such text
// gives kKeyTooLong.
constexpr size_t kKeyTooLong = size_t(-1);
size_t ToLowerAnsi(const QString& str, uint8_t* pKey)
{
    const qsizetype n = str.size();
    if (n > kMaxWordChars)
        return kKeyTooLong;
    const QChar* p = str.constData();
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        pKey[i] = c > 0xFF ? uint8_t('?') : uint8_t(c);
    }
    pKey[n] = 0;
    return size_t(n);
}

bool IsAllZ(const uint8_t* pKey, size_t nKey)
{
    if (nKey == 0 || nKey > size_t(kSentinelLength))
        return false;
    for (size_t i = 0; i < nKey; ++i)
        if (pKey[i] != 'z')
            return false;
    return true;
}

bool StartsWithNoCaseAZ(const QString& str, const QString& strPrefix)
{
    return str.size() >= strPrefix.size() && CompareNoCaseAZ(str.left(strPrefix.size()), strPrefix) == 0;
}

} // namespace

struct CDictionary::ScanHit {
    bool bFound = false;      // a word at or after the key was reached
    bool bEqual = false;
    bool bStartsWith = false; // that word begins with the key
    uint64_t qwWord = 0;      // where it starts
    uint64_t qwAfter = 0;     // just after its terminating code
};

struct CDictionary::BlockIndex {
    static constexpr int kStep = 16;
    std::vector<uint64_t> aPos;      // bit position of every kStep-th word, from the head on
    std::vector<std::string> aWords; // and its text
};

CDictionary::CDictionary()
    : m_bPersonalDirty(FALSE)
    , m_dwFileSize(0)
    , m_pWordData(nullptr)
    , m_nBlocks(0)
    , m_bHasWords(false)
    , m_qwDataBytes(0)
    , m_qwEndBit(0)
{
    std::fill(std::begin(m_adwBlockStart), std::end(m_adwBlockStart), 0);
    for (auto& p : m_apBlockIndex)
        p.store(nullptr, std::memory_order_relaxed);
}

CDictionary::~CDictionary()
{
    UnloadDictionary();
    SavePersonal(TRUE);
}

void CDictionary::UnloadDictionary()
{
    m_nChangeCount.fetch_add(1);
    m_pOwnedImage.reset();
    m_pWordData = nullptr;
    FreeBlockIndexes();
    m_aBlockHeads.RemoveAll();
    m_aHeadBytes.clear();
    std::fill(std::begin(m_adwBlockStart), std::end(m_adwBlockStart), 0);
    m_nBlocks = 0;
    m_bHasWords = false;
    m_dwFileSize = 0;
    m_qwDataBytes = 0;
    m_qwEndBit = 0;
}

BOOL CDictionary::LoadDictionary(const QString& strPath)
{
    UnloadDictionary();

    // The file is read whole rather than mapped: a mapping would show (or, cut short, fault on)
    // whatever another program writes into the file while a game runs. Only a regular file of a
    // size the format can address is read: a pipe or device named in the settings is refused.
    QByteArray image;
    if (ReadRegularFile(strPath, kHeaderBytes + qint64(kMaxDataBytes), image) != ReadResult::Ok)
        return FALSE;
    return LoadDictionaryFromData(image);
}

BOOL CDictionary::LoadDictionaryFromData(const QByteArray& image)
{
    UnloadDictionary();
    if (image.size() < kHeaderBytes || uint64_t(image.size() - kHeaderBytes) > kMaxDataBytes)
        return FALSE;
    // Exactly the file's size, so that no read can stray past the image unnoticed.
    m_pOwnedImage.reset(new (std::nothrow) uchar[size_t(image.size())]);
    if (!m_pOwnedImage)
        return FALSE;
    std::memcpy(m_pOwnedImage.get(), image.constData(), size_t(image.size()));
    return AttachImage(m_pOwnedImage.get(), image.size());
}

// Takes the block table from the image and checks it; on refusal nothing stays held.
BOOL CDictionary::AttachImage(const uchar* pImage, qint64 nSize)
{
    m_dwFileSize = DWORD(nSize);
    m_pWordData = pImage + kHeaderBytes;
    m_qwDataBytes = uint64_t(nSize - kHeaderBytes);
    m_qwEndBit = m_qwDataBytes * 8;
    for (int i = 0; i < kBlockCount; ++i)
        m_adwBlockStart[i] = qFromLittleEndian<quint32>(pImage + 4 * i);

    if (m_adwBlockStart[0] != 0) {
        UnloadDictionary();
        return FALSE;
    }
    m_nBlocks = 1;
    while (m_nBlocks < kBlockCount && m_adwBlockStart[m_nBlocks] != 0)
        ++m_nBlocks;

    // Damaged files are refused here so that no later read can leave the data: block positions must
    // ascend inside the data and every head must be a whole, well-formed word above the one before.
    for (int i = 1; i < m_nBlocks; ++i) {
        if (m_adwBlockStart[i] <= m_adwBlockStart[i - 1] || m_adwBlockStart[i] >= m_qwEndBit) {
            UnloadDictionary();
            return FALSE;
        }
    }
    char szHead[kMaxWordChars + 1];
    for (int i = 0; i < m_nBlocks; ++i) {
        if (i == 0 && m_qwEndBit < uint64_t(kCodeBits)) {
            szHead[0] = 0; // no room for a single code: a dictionary without words
        } else {
            DecodeStatus status;
            const uint64_t qwAfter = DecodeAt(m_adwBlockStart[i], szHead, status);
            if (status != DecodeStatus::Ok || (i + 1 < m_nBlocks && qwAfter + kSkippedBits > m_adwBlockStart[i + 1])
                || (i > 0 && std::strcmp(m_aHeadBytes.back().c_str(), szHead) >= 0)) {
                UnloadDictionary();
                return FALSE;
            }
        }
        m_aHeadBytes.emplace_back(szHead);
        m_aBlockHeads.Add(QString::fromLatin1(szHead));
    }
    m_bHasWords = false;
    for (int i = 0; i < m_nBlocks && !m_bHasWords; ++i)
        m_bHasWords = EnumBlockWords(i, [](const char*) { return false; }) > 0;
    return TRUE;
}

uint64_t CDictionary::BlockEnd(int nBlock) const
{
    // The last block runs to the end of the data, whether it is block 127 or an earlier one.
    return nBlock + 1 < m_nBlocks ? uint64_t(m_adwBlockStart[nBlock + 1]) : m_qwEndBit;
}

// 57 or more stream bits from the bit position on, stream order from bit 0 up; zeros past the data.
uint64_t CDictionary::Window(uint64_t qwBit) const
{
    const uint64_t qwByte = qwBit >> 3;
    uint64_t v = 0;
    if (qwByte + 8 <= m_qwDataBytes) {
        std::memcpy(&v, m_pWordData + qwByte, 8);
        v = qFromLittleEndian(v);
    } else {
        for (uint64_t i = 0; i < 8 && qwByte + i < m_qwDataBytes; ++i)
            v |= uint64_t(m_pWordData[qwByte + i]) << (8 * i);
    }
    return v >> (qwBit & 7);
}

// Position just after the next terminating code, found eleven codes at a time. A zero code is a
// zero 5-bit group whichever way its bits run, so no code needs decoding. Past the data all bits
// read as zero, which ends any word the data cuts short.
uint64_t CDictionary::SkipWord(uint64_t qwBit) const
{
    for (;;) {
        const uint64_t v = Window(qwBit);
        const uint64_t any = v | (v >> 1) | (v >> 2) | (v >> 3) | (v >> 4);
        const uint64_t zero = ~any & kGroupLowBits;
        if (zero)
            return qwBit + uint64_t(kCodeBits) * (unsigned(__builtin_ctzll(zero)) / kCodeBits + 1);
        qwBit += uint64_t(kCodeBits) * kGroupsPerWindow;
    }
}

// Compares the word at the bit position with the key byte-wise, decoding only as far as needed.
int CDictionary::CompareWordAt(uint64_t qwBit, const uint8_t* pKey, size_t nKey, bool& bStartsWith,
                               uint64_t& qwAfter) const
{
    size_t k = 0;
    for (;;) {
        uint64_t v = Window(qwBit);
        for (int g = 0; g < kGroupsPerWindow; ++g) {
            const unsigned nCode = kReverse5[v & 31];
            v >>= kCodeBits;
            qwBit += kCodeBits;
            if (nCode == 0) {
                qwAfter = qwBit;
                bStartsWith = (k == nKey);
                return k == nKey ? 0 : -1;
            }
            const CodeText& text = kCodeTexts[nCode];
            for (unsigned j = 0; j < text.nLength; ++j) {
                if (k == nKey) {
                    bStartsWith = true;
                    qwAfter = SkipWord(qwBit);
                    return 1;
                }
                const uint8_t c = uint8_t(text.s[j]);
                if (c != pKey[k]) {
                    bStartsWith = false;
                    qwAfter = SkipWord(qwBit);
                    return c < pKey[k] ? -1 : 1;
                }
                ++k;
            }
        }
    }
}

// The first whole word at or above the key from the bit position up to qwEnd.
CDictionary::ScanHit CDictionary::ScanForKey(uint64_t qwBit, uint64_t qwEnd, const uint8_t* pKey, size_t nKey) const
{
    ScanHit hit;
    while (qwBit < qwEnd && qwBit + kCodeBits <= m_qwEndBit) {
        bool bStartsWith = false;
        uint64_t qwAfter = 0;
        const int nCmp = CompareWordAt(qwBit, pKey, nKey, bStartsWith, qwAfter);
        if (qwAfter > m_qwEndBit)
            break; // the data ends inside this word
        if (nCmp >= 0) {
            hit.bFound = true;
            hit.bEqual = nCmp == 0;
            hit.bStartsWith = bStartsWith;
            hit.qwWord = qwBit;
            hit.qwAfter = qwAfter;
            return hit;
        }
        qwBit = qwAfter + kSkippedBits;
    }
    return hit;
}

void CDictionary::FreeBlockIndexes()
{
    for (auto& p : m_apBlockIndex)
        delete p.exchange(nullptr, std::memory_order_acq_rel);
}

const CDictionary::BlockIndex& CDictionary::GetBlockIndex(int nBlock) const
{
    if (const BlockIndex* pIndex = m_apBlockIndex[nBlock].load(std::memory_order_acquire))
        return *pIndex;
    auto* pNew = new BlockIndex;
    char szWord[kMaxWordChars + 1];
    const uint64_t qwEnd = BlockEnd(nBlock);
    int n = 0;
    for (uint64_t qwBit = m_adwBlockStart[nBlock]; qwBit < qwEnd && qwBit + kCodeBits <= m_qwEndBit; ++n) {
        // Only the sampled words are decoded; the others are merely stepped over.
        if (n % BlockIndex::kStep != 0) {
            const uint64_t qwAfter = SkipWord(qwBit);
            if (qwAfter > m_qwEndBit)
                break;
            qwBit = qwAfter + kSkippedBits;
            continue;
        }
        DecodeStatus status;
        const uint64_t qwAfter = DecodeAt(qwBit, szWord, status);
        if (status == DecodeStatus::Truncated)
            break;
        // Only ascending samples: the zero bits padding the last byte decode as empty words.
        if (pNew->aWords.empty() || pNew->aWords.back() < szWord) {
            pNew->aPos.push_back(qwBit);
            pNew->aWords.emplace_back(szWord);
        }
        qwBit = qwAfter + kSkippedBits;
    }
    const BlockIndex* pExpected = nullptr;
    if (m_apBlockIndex[nBlock].compare_exchange_strong(pExpected, pNew, std::memory_order_acq_rel))
        return *pNew;
    delete pNew; // another thread published the same index first
    return *pExpected;
}

// Where a scan of the block for the key may begin: the last noted word below the key. The words
// ascend, so the first word at or above the key lies after it.
uint64_t CDictionary::ScanStart(int nBlock, std::string_view key) const
{
    const BlockIndex& index = GetBlockIndex(nBlock);
    const auto it = std::lower_bound(index.aWords.begin(), index.aWords.end(), key,
                                     [](const std::string& w, std::string_view k) { return std::string_view(w) < k; });
    const size_t n = size_t(it - index.aWords.begin());
    return n == 0 ? uint64_t(m_adwBlockStart[nBlock]) : index.aPos[n - 1];
}

bool CDictionary::IsSentinelAt(uint64_t qwBit) const
{
    char szWord[kMaxWordChars + 1];
    DecodeStatus status;
    DecodeAt(qwBit, szWord, status);
    return std::strcmp(szWord, kSentinel) == 0;
}

// One head walk and at most one block scan: is the key a word, and does a word begin with it.
CDictionary::MainAnswer CDictionary::LookupMain(const uint8_t* pKey, size_t nKey) const
{
    MainAnswer answer;
    if (!IsLoaded() || nKey == 0 || nKey == kKeyTooLong)
        return answer;

    // The heads ascend strictly (checked at load), so the first head not below the key is where the
    // walk over the heads would stop.
    // A view with the length, so that text holding a zero character is compared whole.
    const std::string_view key(reinterpret_cast<const char*>(pKey), nKey);
    const auto it = std::lower_bound(m_aHeadBytes.begin(), m_aHeadBytes.end(), key,
                                     [](const std::string& head, std::string_view k) { return std::string_view(head) < k; });
    const int i = int(it - m_aHeadBytes.begin());

    // The first word at or above the key: in the block before head i, else head i itself.
    ScanHit hit;
    if (i > 0 && !(i < m_nBlocks && m_aHeadBytes[i] == key))
        hit = ScanForKey(ScanStart(i - 1, key), BlockEnd(i - 1), pKey, nKey);
    if (!hit.bFound && i < m_nBlocks) {
        const std::string_view head = m_aHeadBytes[i];
        hit.bFound = true;
        hit.bEqual = head == key;
        hit.bStartsWith = head.substr(0, nKey) == key;
        hit.qwWord = m_adwBlockStart[i];
        hit.qwAfter = 0;
    }
    if (!hit.bFound)
        return answer;
    answer.bWord = hit.bEqual;
    answer.bPrefix = hit.bStartsWith;

    // The end marker begins with any run of z's but is no word: look one word further.
    if (hit.bStartsWith && IsAllZ(pKey, nKey) && IsSentinelAt(hit.qwWord)) {
        DecodeStatus status;
        char szWord[kMaxWordChars + 1];
        const uint64_t qwNext = DecodeAt(hit.qwWord, szWord, status) + kSkippedBits;
        answer.bPrefix = false;
        if (qwNext + kCodeBits <= m_qwEndBit) {
            bool bStartsWith = false;
            uint64_t qwAfter = 0;
            CompareWordAt(qwNext, pKey, nKey, bStartsWith, qwAfter);
            answer.bPrefix = bStartsWith && qwAfter <= m_qwEndBit && !IsSentinelAt(qwNext);
        }
    }
    return answer;
}

void CDictionary::PersonalLookup(const QString& strKey, bool& bWord, bool& bPrefix) const
{
    std::shared_lock lock(m_mxPersonal);
    const int n = m_aPersonalWords.LowerBound(strKey);
    bWord = bPrefix = false;
    if (n < m_aPersonalWords.GetSize()) {
        const QString& str = m_aPersonalWords.GetAt(n);
        bPrefix = StartsWithNoCaseAZ(str, strKey);
        bWord = bPrefix && str.size() == strKey.size();
    }
}

BOOL CDictionary::IsPersonalWord(const QString& strWord) const
{
    std::shared_lock lock(m_mxPersonal);
    return m_aPersonalWords.Find(strWord) >= 0;
}

BOOL CDictionary::Contains(const QString& strWord) const
{
    uint8_t key[kMaxWordChars + 1];
    const size_t nKey = ToLowerAnsi(strWord, key);
    // The personal list answers first, even without a main dictionary.
    if (IsPersonalWord(strWord))
        return TRUE;
    if (strWord == QLatin1String(kSentinel))
        return FALSE;
    return LookupMain(key, nKey).bWord;
}

BOOL CDictionary::HasPrefix(const QString& strLetters) const
{
    bool bWord = false;
    bool bPrefix = false;
    PersonalLookup(strLetters, bWord, bPrefix);
    if (bPrefix)
        return TRUE;
    uint8_t key[kMaxWordChars + 1];
    const size_t nKey = ToLowerAnsi(strLetters, key);
    if (nKey == 0) // every word begins with no letters
        return HasWords();
    return LookupMain(key, nKey).bPrefix;
}

BOOL CDictionary::LookupPrefix(const QString& strLetters, BOOL& bIsWord) const
{
    bool bPersonalWord = false;
    bool bPersonalPrefix = false;
    PersonalLookup(strLetters, bPersonalWord, bPersonalPrefix);
    uint8_t key[kMaxWordChars + 1];
    const size_t nKey = ToLowerAnsi(strLetters, key);
    MainAnswer main;
    if (nKey != 0 && (!bPersonalWord || !bPersonalPrefix))
        main = LookupMain(key, nKey);
    bIsWord = bPersonalWord || (main.bWord && strLetters != QLatin1String(kSentinel));
    if (nKey == 0)
        return HasPrefix(strLetters);
    return bPersonalPrefix || main.bPrefix;
}

uint64_t CDictionary::DecodeAt(uint64_t qwBit, char* out, DecodeStatus& status) const
{
    status = DecodeStatus::Ok;
    size_t n = 0;
    for (;;) {
        if (qwBit + kCodeBits > m_qwEndBit) {
            status = DecodeStatus::Truncated;
            out[n] = 0;
            return m_qwEndBit;
        }
        uint64_t v = Window(qwBit);
        for (int g = 0; g < kGroupsPerWindow && qwBit + kCodeBits <= m_qwEndBit; ++g) {
            const unsigned nCode = kReverse5[v & 31];
            v >>= kCodeBits;
            qwBit += kCodeBits;
            if (nCode == 0) {
                out[n] = 0;
                return qwBit;
            }
            if (nCode == kInvalidCode) {
                status = DecodeStatus::InvalidCode;
                continue;
            }
            const CodeText& text = kCodeTexts[nCode];
            for (unsigned j = 0; j < text.nLength; ++j) {
                if (n < size_t(kMaxWordChars))
                    out[n++] = text.s[j];
                else
                    status = DecodeStatus::TooLong;
            }
        }
    }
}

DWORD CDictionary::DecodeWord(DWORD dwBitPos, char* out) const
{
    if (!IsLoaded()) {
        out[0] = 0;
        return dwBitPos;
    }
    DecodeStatus status;
    return DWORD(DecodeAt(dwBitPos, out, status));
}

int CDictionary::EnumBlockWords(int nBlock, const std::function<bool(const char*)>& fn) const
{
    if (!IsLoaded() || nBlock < 0 || nBlock >= m_nBlocks)
        return 0;
    int nCount = 0;
    char szWord[kMaxWordChars + 1];
    const uint64_t qwEnd = BlockEnd(nBlock);
    for (uint64_t qwBit = m_adwBlockStart[nBlock]; qwBit < qwEnd && qwBit + kCodeBits <= m_qwEndBit;) {
        DecodeStatus status;
        const uint64_t qwAfter = DecodeAt(qwBit, szWord, status);
        if (status == DecodeStatus::Truncated)
            break;
        qwBit = qwAfter + kSkippedBits;
        // Zero bits that pad the last byte read as empty words; the end marker is no word either.
        if (szWord[0] == 0 || std::strcmp(szWord, kSentinel) == 0)
            continue;
        ++nCount;
        if (!fn(szWord))
            break;
    }
    return nCount;
}

void CDictionary::RandomWord(char* out, UINT nMin, UINT nMax) const
{
    out[0] = 0;
    if (!IsLoaded())
        return;
    const int nBlocks = m_nBlocks;
    const int b = std::rand() % nBlocks;
    const int k = b > 0 ? b - 1 : 0;

    int nDivisor = 512;
    for (;;) {
        const int nTarget = std::rand() % nDivisor;
        int nIndex = 0;
        bool bReached = false;
        bool bDone = false;
        EnumBlockWords(k, [&](const char* pszWord) {
            std::strcpy(out, pszWord);
            if (nIndex++ == nTarget) {
                bReached = true;
                const size_t nLen = std::strlen(out);
                if (nMin == 0 || (nMin <= nLen && nLen <= nMax)) {
                    bDone = true;
                    return false;
                }
            }
            return true;
        });
        if (bDone || bReached)
            return; // the target word, or the block's last word when the target missed the bounds
        if (nIndex == 0)
            return; // a block without words leaves the empty text
        nDivisor = nIndex;
    }
}
