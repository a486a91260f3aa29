// The random source, the word check and the saved-text reader shared by the game models.
#include "games/GameModel.h"

#include <climits>

CGameRandom& DefaultGameRandom()
{
    static CGameRandom s_random;
    return s_random;
}

bool CheckWordWithOffer(IWordCheck* pCheck, const QString& strWord, QString& strNotice)
{
    strNotice.clear();
    if (pCheck == nullptr || pCheck->Contains(strWord))
        return true;
    if (pCheck->IsAddOfferOn())
        return pCheck->AskToAdd(strWord);
    strNotice = QStringLiteral("'%1' is not a valid word.").arg(strWord);
    return false;
}

CSavedTextReader::CSavedTextReader(const QString& str) : m_str(str), m_n(str.size())
{
    const qsizetype nZero = str.indexOf(QChar(u'\0'));
    if (nZero >= 0)
        m_n = nZero;
}

bool CSavedTextReader::IsWhiteSpace(char16_t ch)
{
    // The C library's iswspace in the C locale, plus the Unicode spaces it knows as a wide reader.
    return ch == u' ' || (ch >= u'\t' && ch <= u'\r') || ch == 0x85 || ch == 0xA0 || ch == 0x1680 ||
           (ch >= 0x2000 && ch <= 0x200A) || ch == 0x2028 || ch == 0x2029 || ch == 0x202F || ch == 0x205F ||
           ch == 0x3000;
}

long long CSavedTextReader::LongNumber() const
{
    qsizetype i = m_i;
    while (i < m_n && IsWhiteSpace(m_str[i].unicode()))
        ++i;
    bool bNegative = false;
    if (i < m_n && (m_str[i] == u'-' || m_str[i] == u'+')) {
        bNegative = m_str[i] == u'-';
        ++i;
    }
    long long n = 0;
    for (; i < m_n && m_str[i] >= u'0' && m_str[i] <= u'9'; ++i) {
        // Saturates: a long run of digits is simply a very large number.
        if (n < 1000000000000000LL)
            n = n * 10 + (m_str[i].unicode() - u'0');
    }
    return bNegative ? -n : n;
}

int CSavedTextReader::Number() const
{
    const long long n = LongNumber();
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return int(n);
}

void CSavedTextReader::SkipField()
{
    while (m_i < m_n && m_str[m_i] != u'\t')
        ++m_i;
}

void CSavedTextReader::SkipTabs()
{
    while (m_i < m_n && m_str[m_i] == u'\t')
        ++m_i;
}

void CSavedTextReader::SkipOneTab()
{
    if (m_i < m_n && m_str[m_i] == u'\t')
        ++m_i;
}
