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

    const QString out = TempPath("out");
    QFile::remove(out);
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
        // One more word made from the input, then the list written to a new file.
        QString extra = QString::fromLatin1(reinterpret_cast<const char*>(pData), qsizetype(nSize < 12 ? nSize : 12));
        const BOOL bAdded = dict.AddPersonalWord(extra);
        if (bAdded) {
            Check(dict.Contains(extra.toLower())); // stored lowercased; lookups fold A-Z only
            words = dict.GetPersonalWords();
        }
        dict.LoadPersonalList(out); // only sets where the destructor saves: the file does not exist
        if (!dict.IsPersonalDirty())
            return 0; // nothing new: nothing is written
    }

    // What was saved reads back as the same words (words equal but for case may swap places).
    CDictionary again;
    again.LoadPersonalList(out);
    QStringList back = again.GetPersonalWords();
    back.sort();
    words.sort();
    Check(back == words);
    return 0;
}
