// CDictionary: the personal word list, its file "personal.pdt", the lock that guards it in memory
// and the one that keeps two programs from writing it at once.
#include <QByteArray>
#include <QLockFile>
#include <algorithm>
#include <mutex>
#include <new>

#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"

namespace {
const char kPersonalHeader[] = ";Personal Word List (lowercase only!)";
const char kUtf8Bom[] = "\xEF\xBB\xBF";
const QString kKeptForNow = QStringLiteral("\n\nThe words you added are kept for now and saved again with the next word "
                                           "you add and when you exit.");

bool LessNoCaseAZ(const QString& a, const QString& b) { return CompareNoCaseAZ(a, b) < 0; }

// The words of a list file in file order.
QStringList ParsePersonalList(const QByteArray& data)
{
    QStringList astrWords;
    char szLine[dct::kMaxWordChars + 1];
    int nLine = 0;
    bool bTooLong = false;
    const auto endLine = [&]() {
        // Over-long lines cannot hold a word any lookup could match, and empty lines hold none.
        if (!bTooLong && nLine > 0 && szLine[0] != ';')
            astrWords.append(QString::fromLatin1(szLine, nLine));
        nLine = 0;
        bTooLong = false;
    };
    const qsizetype nSize = data.size();
    const char* p = data.constData();
    // A byte-order mark some editors put first is not part of the first word.
    const qsizetype nStart = data.startsWith(kUtf8Bom) ? 3 : 0;
    for (qsizetype i = nStart; i < nSize; ++i) {
        const char c = p[i];
        if (c == '\r')
            continue;
        if (c == '\n') {
            endLine();
            continue;
        }
        if (nLine < dct::kMaxWordChars)
            szLine[nLine++] = c;
        else
            bTooLong = true;
    }
    if (nLine > 0 || bTooLong)
        endLine();
    return astrWords;
}

// Both lists ascending; the result holds each word once (ignoring A-Z case), a's spelling first.
QStringList UniteSorted(const QStringList& a, const QStringList& b)
{
    QStringList astrAll;
    astrAll.reserve(a.size() + b.size());
    qsizetype i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        const QString* pNext;
        if (j >= b.size() || (i < a.size() && CompareNoCaseAZ(a[i], b[j]) <= 0))
            pNext = &a[i++];
        else
            pNext = &b[j++];
        if (astrAll.isEmpty() || CompareNoCaseAZ(astrAll.constLast(), *pNext) != 0)
            astrAll.append(*pNext);
    }
    return astrAll;
}
} // namespace

int CDictionary::LoadPersonalList(const QString& strPath)
{
    m_strPersonalPath = strPath;
    m_strFileStamp.clear();
    QByteArray data;
    const QByteArray strStamp = GetFileStamp(strPath);
    // Only a regular file of sensible size: a pipe of that name would hang the start, and a file
    // claiming to be endless is not read to its end. Missing or unreadable: an empty list.
    const ReadResult result = ReadRegularFile(strPath, kMaxPersonalFileBytes, data);
    if (result == ReadResult::TooLarge) {
        QxMessageBox(QStringLiteral("Error: Out of memory loading personal dictionary"), QString(), MB_OK);
        return 0;
    }
    if (result != ReadResult::Ok)
        return 0;

    QStringList astrWords;
    try {
        astrWords = ParsePersonalList(data);
    } catch (const std::bad_alloc&) {
        QxMessageBox(QStringLiteral("Error: Out of memory loading personal dictionary"), QString(), MB_OK);
        return 0;
    }
    data.clear();
    std::unique_lock lock(m_mxPersonal);
    if (m_aPersonalWords.IsEmpty())
        m_strFileStamp = strStamp; // what memory holds is exactly that file
    // Sorted once, so that a long unsorted list does not cost one insertion per word. Duplicates
    // in the file are kept, as reading always did; a save writes each word once.
    m_aPersonalWords.AddMany(astrWords);
    m_nChangeCount.fetch_add(1);
    return 0;
}

CDictionary::SaveResult CDictionary::WritePersonalList()
{
    QStringList astrMine;
    {
        std::shared_lock lock(m_mxPersonal);
        if (m_strPersonalPath.isEmpty() || !m_bPersonalDirty)
            return SaveResult::Saved;
        astrMine = m_aPersonalWords.Strings();
    }

    // Another copy of the program may have added words since this one read the list: they are read
    // again under a lock and kept beside ours. A folder that takes no lock file still gets the list.
    QLockFile lockFile(FindFileCaseBlind(m_strPersonalPath) + QStringLiteral(".lock"));
    lockFile.setStaleLockTime(10000);
    const bool bLocked = lockFile.tryLock(3000);
    (void)bLocked;

    QStringList astrDisk;
    if (m_strFileStamp.isEmpty() || GetFileStamp(m_strPersonalPath) != m_strFileStamp) {
        QByteArray disk;
        const ReadResult result = ReadRegularFile(m_strPersonalPath, kMaxPersonalFileBytes, disk);
        // A list there that cannot be read is never written over: its words would be lost.
        if (result != ReadResult::Ok && result != ReadResult::Missing)
            return SaveResult::NotCreated;
        astrDisk = ParsePersonalList(disk);
        std::stable_sort(astrDisk.begin(), astrDisk.end(), LessNoCaseAZ);
    }
    const QStringList astrAll = UniteSorted(astrMine, astrDisk);

    QByteArray data;
    data.append(kPersonalHeader).append('\n');
    for (const QString& str : astrAll)
        data.append(str.toLatin1()).append('\n');

    // Written whole to a new file and renamed over the old, so a failure leaves the old list intact;
    // in a folder that takes no new file, a list the player may write is written over in place
    // rather than losing the words.
    bool bCreated = false;
    if (!WriteFileReplacing(m_strPersonalPath, data, &bCreated, true)) {
        m_strFileStamp.clear();
        return bCreated ? SaveResult::WriteFailed : SaveResult::NotCreated;
    }
    m_strFileStamp = GetFileStamp(m_strPersonalPath);

    std::unique_lock lock(m_mxPersonal);
    // Words read from the file join the list in memory too; nothing else adds while we write,
    // but what the list holds now is kept whatever happened.
    const QStringList astrNow = UniteSorted(m_aPersonalWords.Strings(), astrAll);
    if (astrNow.size() != m_aPersonalWords.GetSize()) {
        m_aPersonalWords.RemoveAll();
        m_aPersonalWords.AddMany(astrNow); // already in order: the sort finds nothing to move
        m_nChangeCount.fetch_add(1);
    }
    m_bPersonalDirty = FALSE;
    return SaveResult::Saved;
}

int CDictionary::SavePersonalList() { return SavePersonal(FALSE); }

int CDictionary::SavePersonal(BOOL bLastChance)
{
    const SaveResult result = WritePersonalList();
    if (result == SaveResult::Saved) {
        m_bSaveFailureShown = FALSE;
        return 1;
    }
    // The words stay in memory and the list stays marked changed, so the next word added, and the
    // exit, try again. The player hears of it once, until a save works; at the last chance always.
    if (!bLastChance && m_bSaveFailureShown)
        return 1;
    m_bSaveFailureShown = TRUE;
    QString strText = result == SaveResult::NotCreated ? QStringLiteral("Error: unable to save personal dictionary")
                                                       : QStringLiteral("Error writing persnal dictionary file");
    if (!bLastChance)
        strText += kKeptForNow;
    QxMessageBox(strText, QString(), MB_OK);
    return 1;
}

BOOL CDictionary::AddPersonalWord(const QString& strWord)
{
    // Only what the file can hold as one word line comes back at the next start.
    if (strWord.isEmpty() || strWord.size() > dct::kMaxWordChars || strWord.startsWith(QLatin1Char(';'))
        || strWord.contains(QLatin1Char('\n')) || strWord.contains(QLatin1Char('\r')))
        return FALSE;
    const QString strLower = strWord.toLower();
    bool bAdded = false;
    {
        std::unique_lock lock(m_mxPersonal);
        if (m_aPersonalWords.Find(strLower) < 0) {
            m_bPersonalDirty = TRUE;
            m_aPersonalWords.Add(strLower);
            m_nChangeCount.fetch_add(1);
            bAdded = true;
        }
    }
    // Written at once, so that a logout or a crash later costs no word the player added; a list
    // that could not be written before is tried again with this word.
    if (bAdded || IsPersonalDirty())
        SavePersonalList();
    return TRUE;
}

QStringList CDictionary::GetPersonalWords() const
{
    std::shared_lock lock(m_mxPersonal);
    return m_aPersonalWords.Strings();
}

BOOL CDictionary::IsPersonalDirty() const
{
    std::shared_lock lock(m_mxPersonal);
    return m_bPersonalDirty;
}
