// CDictionary: the .dct main dictionary, word lookup, random words and the personal word list.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryFormat.h"
#include "dictionary/SortedStringArray.h"
#include "framework/Types.h"

class CDictionary {
public:
    CDictionary();
    virtual ~CDictionary();

    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // Main dictionary. A failed load leaves no dictionary at all.
    BOOL LoadDictionary(const QString& strPath);
    // The same from a file image held in memory (a copy of exactly its size is kept).
    BOOL LoadDictionaryFromData(const QByteArray& image);
    void UnloadDictionary();
    BOOL IsLoaded() const { return m_pWordData != nullptr; }

    // Decodes the word at the bit position into out (at least 128 bytes) and returns the position just
    // after its terminating code; the next word starts one bit later. Never reads past the word data:
    // a word the data cuts short ends there, code 31 adds nothing and text beyond 127 characters is cut.
    DWORD DecodeWord(DWORD dwBitPos, char* out) const;

    // Lookups are const and may run on the word-search thread while the interface thread adds
    // personal words; only the personal list is locked, the loaded image never changes while loaded.
    BOOL Contains(const QString& strWord) const;
    // TRUE when some personal or main-dictionary word begins with the letters.
    BOOL HasPrefix(const QString& strLetters) const;
    // One block scan answering both: returns HasPrefix(strLetters) and sets bIsWord to Contains(strLetters).
    BOOL LookupPrefix(const QString& strLetters, BOOL& bIsWord) const;
    BOOL IsPersonalWord(const QString& strWord) const;

    // Leaves a random main-dictionary word (lowercase, at most 127 characters) in out, which needs
    // 128 bytes. When the drawn word's length is outside nMin..nMax (nMin 0: no bounds) the block's
    // last word is left instead, whatever its length. With no dictionary, or one without words, out
    // is the empty text: callers that draw until they have letters must check HasWords() first.
    void RandomWord(char* out, UINT nMin, UINT nMax) const;
    // TRUE when a dictionary is loaded and holds at least one word.
    BOOL HasWords() const { return IsLoaded() && m_bHasWords; }

    // Personal word list. Reading takes only a regular file of at most kMaxPersonalFileBytes.
    int LoadPersonalList(const QString& strPath);
    // Writes the list when it changed, as the union of its words and those in the file now (another
    // copy of the program may have added some). A failed write keeps the words and the changed
    // mark, so the next word added and the exit try again; the player is told once until it works.
    int SavePersonalList();
    // FALSE, storing nothing, for text the list file could not hold as one word line. A new word
    // is written to the file at once.
    BOOL AddPersonalWord(const QString& strWord);
    static constexpr qint64 kMaxPersonalFileBytes = 64 * 1024 * 1024;

    // Inspection, for the dictionary tool and tests.
    int GetBlockCount() const { return IsLoaded() ? m_nBlocks : 0; }
    DWORD GetFileSize() const { return m_dwFileSize; }
    DWORD GetBlockStart(int nBlock) const { return m_adwBlockStart[nBlock]; }
    QString GetBlockHead(int nBlock) const { return m_aBlockHeads.GetAt(nBlock); }
    // Visits the words of one block in file order (the end-of-data marker and empty padding words
    // are not words); fn returns false to stop. Returns the number of words visited.
    int EnumBlockWords(int nBlock, const std::function<bool(const char* pszWord)>& fn) const;
    QStringList GetPersonalWords() const;
    // Grows whenever an answer may have changed (a word added, a file loaded or unloaded), so that
    // a search on another thread knows what it remembered is stale.
    unsigned GetChangeCount() const { return m_nChangeCount.load(std::memory_order_relaxed); }
    BOOL IsPersonalDirty() const;

private:
    struct ScanHit;
    struct BlockIndex;
    struct MainAnswer {
        bool bWord = false;   // the key is a word of the main dictionary
        bool bPrefix = false; // some word other than the end marker begins with the key
    };

    BOOL AttachImage(const uchar* pImage, qint64 nSize);
    uint64_t BlockEnd(int nBlock) const;
    uint64_t Window(uint64_t qwBit) const;
    uint64_t SkipWord(uint64_t qwBit) const;
    int CompareWordAt(uint64_t qwBit, const uint8_t* pKey, size_t nKey, bool& bStartsWith, uint64_t& qwAfter) const;
    ScanHit ScanForKey(uint64_t qwBit, uint64_t qwEnd, const uint8_t* pKey, size_t nKey) const;
    bool IsSentinelAt(uint64_t qwBit) const;
    const BlockIndex& GetBlockIndex(int nBlock) const;
    uint64_t ScanStart(int nBlock, std::string_view key) const;
    void FreeBlockIndexes();
    MainAnswer LookupMain(const uint8_t* pKey, size_t nKey) const;
    enum class DecodeStatus { Ok, InvalidCode, TooLong, Truncated };
    uint64_t DecodeAt(uint64_t qwBit, char* out, DecodeStatus& status) const;
    void PersonalLookup(const QString& strKey, bool& bWord, bool& bPrefix) const;
    enum class SaveResult { Saved, NotCreated, WriteFailed };
    SaveResult WritePersonalList();
    // bLastChance: at the end of the run, when words that cannot be written are lost.
    int SavePersonal(BOOL bLastChance);

    // The personal list is the one thing that changes while the word search runs.
    mutable std::shared_mutex m_mxPersonal;
    std::atomic<unsigned> m_nChangeCount{0};

    BOOL m_bPersonalDirty;
    BOOL m_bSaveFailureShown = FALSE;
    // The list file as this object last read or wrote it: while it is unchanged, a save need not
    // read it again for words another copy added.
    QByteArray m_strFileStamp;
    CSortedStringArray m_aBlockHeads;
    CSortedStringArray m_aPersonalWords;
    QString m_strPersonalPath;
    DWORD m_dwFileSize;
    DWORD m_adwBlockStart[dct::kBlockCount];
    const BYTE* m_pWordData;
    std::unique_ptr<uchar[]> m_pOwnedImage; // the whole file image, held while loaded

    int m_nBlocks;
    bool m_bHasWords;
    uint64_t m_qwDataBytes;
    uint64_t m_qwEndBit;
    std::vector<std::string> m_aHeadBytes; // the heads as 8-bit text, for lookups without conversion
    // Every 16th word of a block, noted the first time a lookup scans that block, so that later
    // scans start near the word instead of at the head. Published once per block with an atomic
    // exchange, as the word-search thread may be the one that builds it.
    mutable std::array<std::atomic<const BlockIndex*>, dct::kBlockCount> m_apBlockIndex;
};
