// CDictionary: the personal word list, its file "personal.pdt" and the lock that guards it.
#include <QByteArray>
#include <mutex>
#include <new>

#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"

namespace {
const char kPersonalHeader[] = ";Personal Word List (lowercase only!)";
} // namespace

int CDictionary::LoadPersonalList(const QString& strPath)
{
    m_strPersonalPath = strPath;
    QByteArray data;
    try {
        if (!ReadWholeFile(strPath, data))
            return 0;
    } catch (const std::bad_alloc&) {
        QxMessageBox(QStringLiteral("Error: Out of memory loading personal dictionary"), QString(), MB_OK);
        return 0;
    }

    std::unique_lock lock(m_mxPersonal);
    char szLine[dct::kMaxWordChars + 1];
    int nLine = 0;
    bool bTooLong = false;
    const auto endLine = [&]() {
        szLine[nLine] = 0;
        // Over-long lines cannot hold a word any lookup could match, and empty lines hold none.
        if (!bTooLong && nLine > 0 && szLine[0] != ';')
            m_aPersonalWords.Add(QString::fromLatin1(szLine, nLine));
        nLine = 0;
        bTooLong = false;
    };
    const qsizetype nSize = data.size();
    const char* p = data.constData();
    for (qsizetype i = 0; i < nSize; ++i) {
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
    return 0;
}

int CDictionary::SavePersonalList()
{
    QByteArray data;
    {
        std::shared_lock lock(m_mxPersonal);
        if (m_strPersonalPath.isEmpty() || !m_bPersonalDirty)
            return 1;
        data.append(kPersonalHeader).append('\n');
        for (const QString& str : m_aPersonalWords.Strings())
            data.append(str.toLatin1()).append('\n');
    }

    // Written whole to a new file and renamed over the old, so a failure leaves the old list intact;
    // in a folder that takes no new file, a list the player may write is written over in place
    // rather than losing the words.
    bool bCreated = false;
    const bool bWritten = WriteFileReplacing(m_strPersonalPath, data, &bCreated, true);
    if (!bCreated) {
        QxMessageBox(QStringLiteral("Error: unable to save personal dictionary"), QString(), MB_OK);
        return 1;
    }
    if (!bWritten)
        QxMessageBox(QStringLiteral("Error writing persnal dictionary file"), QString(), MB_OK);
    std::unique_lock lock(m_mxPersonal);
    m_bPersonalDirty = FALSE;
    return 1;
}

BOOL CDictionary::AddPersonalWord(const QString& strWord)
{
    // Only what the file can hold as one word line comes back at the next start.
    if (strWord.isEmpty() || strWord.size() > dct::kMaxWordChars || strWord.startsWith(QLatin1Char(';'))
        || strWord.contains(QLatin1Char('\n')) || strWord.contains(QLatin1Char('\r')))
        return FALSE;
    const QString strLower = strWord.toLower();
    std::unique_lock lock(m_mxPersonal);
    if (m_aPersonalWords.Find(strLower) < 0) {
        m_bPersonalDirty = TRUE;
        m_aPersonalWords.Add(strLower);
        m_nChangeCount.fetch_add(1);
    }
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
