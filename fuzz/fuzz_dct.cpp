// Fuzzer: the input is a .dct file; load it, decode all of it, and look words up in it.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "dictionary/Dictionary.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

const QString& TempPath()
{
    static const QString path = QStringLiteral("/dev/shm/qx-fuzz-dct-%1.dct").arg(getpid());
    return path;
}

// Every word of the data in stream order, as DecodeWord gives it, and whether it ran to the very
// end of the data (a word the data cuts short looks the same).
std::vector<std::string> RawWords(const CDictionary& dict, std::vector<bool>& aAtEnd)
{
    std::vector<std::string> words;
    const uint64_t qwEndBit = (uint64_t(dict.GetFileSize()) - 512) * 8;
    char sz[128];
    for (int b = 0; b < dict.GetBlockCount(); ++b) {
        const uint64_t qwEnd = b + 1 < dict.GetBlockCount() ? dict.GetBlockStart(b + 1) : qwEndBit;
        for (uint64_t pos = dict.GetBlockStart(b); pos < qwEnd && pos + 5 <= qwEndBit;) {
            const DWORD after = dict.DecodeWord(DWORD(pos), sz);
            Check(after > pos && after <= qwEndBit && std::strlen(sz) < 128);
            words.emplace_back(sz);
            aAtEnd.push_back(after == qwEndBit);
            pos = uint64_t(after) + 1;
        }
    }
    return words;
}

void Lookups(const CDictionary& dict, const QString& word)
{
    BOOL bIsWord = FALSE;
    const BOOL bPrefix = dict.LookupPrefix(word, bIsWord);
    Check(bool(bPrefix) == bool(dict.HasPrefix(word)));
    Check(bool(bIsWord) == bool(dict.Contains(word)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray image(reinterpret_cast<const char*>(pData), qsizetype(nSize));
    CDictionary dict;
    const BOOL bLoaded = dict.LoadDictionaryFromData(image);
    Check(bool(bLoaded) == bool(dict.IsLoaded()));

    // The file read from disk must be judged the same as the image in memory.
    {
        QFile file(TempPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(image) == image.size()) {
            file.close();
            CDictionary fromFile;
            Check(bool(fromFile.LoadDictionary(TempPath())) == bool(bLoaded));
            if (bLoaded)
                Check(fromFile.GetBlockCount() == dict.GetBlockCount());
        }
    }

    char sz[128];
    if (!bLoaded) {
        Check(!dict.Contains(QStringLiteral("a")) && !dict.HasPrefix(QStringLiteral("a")));
        dict.RandomWord(sz, 0, 0);
        Check(sz[0] == 0);
        return 0;
    }

    // Full decode, both ways.
    std::vector<bool> aAtEnd;
    std::vector<std::string> raw = RawWords(dict, aAtEnd);
    std::vector<std::string> listed;
    for (int b = 0; b < dict.GetBlockCount(); ++b)
        dict.EnumBlockWords(b, [&](const char* w) {
            Check(std::strlen(w) < 128 && w[0] != 0);
            listed.emplace_back(w);
            return true;
        });

    // Lookups of what is there and of near misses.
    std::vector<std::string> probes = {"a", "the", "zzzzzzzzz", "zz", "", std::string(130, 'q')};
    for (size_t i = 0; i < listed.size(); i += 1 + listed.size() / 12) {
        probes.push_back(listed[i]);
        probes.push_back(listed[i] + "e");
        probes.push_back(listed[i].substr(0, listed[i].size() / 2));
    }
    for (int b = 0; b < dict.GetBlockCount(); b += 1 + dict.GetBlockCount() / 8)
        probes.push_back(dict.GetBlockHead(b).toStdString());
    for (const std::string& p : probes) {
        const QString q = QString::fromLatin1(p.c_str());
        Lookups(dict, q);
        Lookups(dict, q.toUpper());
    }

    // A well-formed stream (ascending, no padding but at the end, no cut words) must answer
    // exactly as its word list does.
    while (!raw.empty() && raw.back().empty()) {
        raw.pop_back();
        aAtEnd.pop_back();
    }
    // A word running exactly to the end may be whole or cut short: leave it and its prefixes out.
    std::string uncertain;
    bool bUncertain = false;
    if (!raw.empty() && aAtEnd.back()) {
        uncertain = raw.back();
        bUncertain = true;
        raw.pop_back();
        aAtEnd.pop_back();
    }
    bool bWellFormed = true;
    for (size_t i = 0; i < raw.size() && bWellFormed; ++i)
        bWellFormed = !raw[i].empty() && raw[i].size() < 127 && !aAtEnd[i] && (i == 0 || raw[i - 1] < raw[i]);
    // Cut short or not, the last word still has to sort after the others (a head walk relies on it).
    if (bUncertain && !raw.empty())
        bWellFormed = bWellFormed && raw.back() < uncertain;
    if (bWellFormed) {
        const std::set<std::string> all(raw.begin(), raw.end());
        for (const std::string& p : probes) {
            if (p.empty() || p.size() >= 127 || p == "zzzzzzzzz" || (bUncertain && uncertain.compare(0, p.size(), p) == 0))
                continue;
            Check(bool(dict.Contains(QString::fromLatin1(p.c_str()))) == (all.count(p) > 0));
            bool bPrefix = false;
            const auto it = all.lower_bound(p);
            for (auto j = it; j != all.end() && j->compare(0, p.size(), p) == 0 && !bPrefix; ++j)
                bPrefix = *j != "zzzzzzzzz";
            Check(bool(dict.HasPrefix(QString::fromLatin1(p.c_str()))) == bPrefix);
        }
    }

    // Random words, with and without bounds; each one comes from the data.
    const std::set<std::string> known(listed.begin(), listed.end());
    srand(unsigned(nSize));
    for (int i = 0; i < 8; ++i) {
        dict.RandomWord(sz, i & 1 ? 4 : 0, 16);
        Check(std::strlen(sz) < 128);
        Check(sz[0] == 0 ? listed.empty() || dict.GetBlockCount() > 1 : known.count(sz) > 0);
    }

    // Decoding from arbitrary positions stays inside the data.
    for (size_t i = 0; i + 4 <= nSize && i < 64; i += 4) {
        uint32_t pos;
        std::memcpy(&pos, pData + i, 4);
        dict.DecodeWord(pos, sz);
        Check(std::strlen(sz) < 128);
    }
    return 0;
}
