// Fuzzer: the input is a personal word list; read it, look its words up, save and read it back.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <unistd.h>

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

QString TempPath(const char* pszWhich)
{
    return QStringLiteral("/dev/shm/qx-fuzz-personal-%1-%2.pdt").arg(getpid()).arg(QLatin1String(pszWhich));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static const bool s_bQuiet = [] {
        SetMessageBoxResponder([](const QString&, const QString&, UINT) { return IDOK; });
        return true;
    }();
    (void)s_bQuiet;

    const QString in = TempPath("in");
    {
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(pData), qint64(nSize));
    }

    QStringList words;
    {
        CDictionary dict;
        dict.LoadPersonalList(in);
        words = dict.GetPersonalWords();
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString& w = words[i];
            Check(!w.isEmpty() && w.size() <= 127 && !w.startsWith(QLatin1Char(';')));
            Check(!w.contains(QLatin1Char('\n')) && !w.contains(QLatin1Char('\r')));
            Check(i == 0 || CompareNoCaseAZ(words[i - 1], w) <= 0);
            if (i < 200) {
                Check(dict.IsPersonalWord(w) && dict.Contains(w) && dict.HasPrefix(w.left(1 + int(i % 3))));
                BOOL bIsWord = FALSE;
                Check(dict.LookupPrefix(w, bIsWord) && bIsWord);
            }
        }
        // One more word made from the input: adding it writes the list at once, merged with the
        // file it came from (the same words), each word once.
        QString extra = QString::fromLatin1(reinterpret_cast<const char*>(pData), qsizetype(nSize < 12 ? nSize : 12));
        const BOOL bAdded = dict.AddPersonalWord(extra);
        if (bAdded)
            Check(dict.Contains(extra.toLower())); // stored lowercased; lookups fold A-Z only
        if (!bAdded || dict.GetPersonalWords() == words) {
            Check(!dict.IsPersonalDirty()); // nothing new: nothing to write
            return 0;
        }
        Check(!dict.IsPersonalDirty());
        words = dict.GetPersonalWords();
        for (qsizetype i = 1; i < words.size(); ++i)
            Check(CompareNoCaseAZ(words[i - 1], words[i]) < 0); // merged: each word once
    }

    // What was saved reads back as the same words.
    CDictionary again;
    again.LoadPersonalList(in);
    Check(again.GetPersonalWords() == words);
    again.LoadPersonalList(QString());
    return 0;
}
