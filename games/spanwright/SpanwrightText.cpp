// Spanwright's saved-game text: writing the fields and reading them back with a cursor.
#include "games/spanwright/SpanwrightText.h"

#include <climits>
#include <cstdint>

namespace {

const QChar TAB(u'\t');

// A cursor over the text as the game has always read it: numbers are read where the cursor
// stands without moving it, then the field is skipped.
class CTextCursor {
public:
    explicit CTextCursor(const QString& str) : m_str(str), m_n(str.size())
    {
        // The file is a zero-terminated text; nothing after a zero character belongs to it.
        const qsizetype nZero = str.indexOf(QChar(u'\0'));
        if (nZero >= 0)
            m_n = nZero;
    }

    bool AtEnd() const { return m_i >= m_n; }

    // Leading white space, a sign and digits, as the C runtime converts; 0 when there are none.
    // Too many digits stop at the int range instead of wrapping round.
    int ReadNumber() const
    {
        qsizetype i = m_i;
        while (i < m_n && IsSpace(m_str[i].unicode()))
            ++i;
        bool bNegative = false;
        if (i < m_n && (m_str[i] == u'-' || m_str[i] == u'+')) {
            bNegative = m_str[i] == u'-';
            ++i;
        }
        int64_t n = 0;
        for (; i < m_n && m_str[i] >= u'0' && m_str[i] <= u'9'; ++i) {
            if (n <= int64_t(INT_MAX) + 1)
                n = n * 10 + (m_str[i].unicode() - u'0');
        }
        if (bNegative)
            return n > int64_t(INT_MAX) ? INT_MIN : int(-n);
        return n > INT_MAX ? INT_MAX : int(n);
    }

    void SkipField()
    {
        while (m_i < m_n && m_str[m_i] != TAB)
            ++m_i;
    }
    void SkipTabs()
    {
        while (m_i < m_n && m_str[m_i] == TAB)
            ++m_i;
    }
    void SkipOneTab()
    {
        if (m_i < m_n && m_str[m_i] == TAB)
            ++m_i;
    }
    QString CollectField()
    {
        const qsizetype nStart = m_i;
        SkipField();
        return m_str.mid(nStart, m_i - nStart);
    }

private:
    static bool IsSpace(char16_t ch) { return ch == u' ' || (ch >= u'\t' && ch <= u'\r'); }

    const QString& m_str;
    qsizetype m_n;
    qsizetype m_i = 0;
};

bool IsLetterAZ(QChar ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
}

bool IsSpellableWord(const QString& str)
{
    if (str.size() < 3 || str.size() > SPAN_TILES)
        return false;
    for (QChar ch : str) {
        if (!IsLetterAZ(ch))
            return false;
    }
    return true;
}

} // namespace

QString FormatSpanwrightText(const SpanwrightSavedGame& game)
{
    QString str;
    for (int n : {game.nScore, game.nWalkerX, game.nWalkerFrame, game.nBridgeLen, game.nStepDelay})
        str += QString::number(n) + TAB;
    for (int i = 0; i < SPAN_TILES; ++i)
        str += game.astrLetters[i] + TAB + QString::number(game.anOrder[i]) + TAB;
    str += QString::number(game.astrWords.size()) + TAB;
    for (const QString& strWord : game.astrWords)
        str += strWord + TAB;
    return str;
}

bool ParseSpanwrightText(const QString& strText, SpanwrightSavedGame& game)
{
    SpanwrightSavedGame g;
    CTextCursor cur(strText);

    int* apnHeader[4] = {&g.nScore, &g.nWalkerX, &g.nWalkerFrame, &g.nBridgeLen};
    for (int* pn : apnHeader) {
        *pn = cur.ReadNumber();
        cur.SkipField();
        cur.SkipTabs();
    }
    g.nStepDelay = cur.ReadNumber();
    cur.SkipField();
    cur.SkipOneTab();

    for (int i = 0; i < SPAN_TILES; ++i) {
        g.astrLetters[i] = cur.CollectField();
        cur.SkipOneTab();
        cur.SkipTabs();
        g.anOrder[i] = cur.ReadNumber();
        cur.SkipField();
        cur.SkipOneTab();
    }

    const int nWords = cur.ReadNumber();
    cur.SkipField();
    cur.SkipTabs();
    // The count is only a promise: the words end where the text ends.
    for (int k = 0; k < nWords && !cur.AtEnd() && g.astrWords.size() < SPAN_MAX_USED_WORDS; ++k) {
        const QString strWord = cur.CollectField();
        cur.SkipOneTab();
        if (IsSpellableWord(strWord))
            g.astrWords.append(strWord);
    }

    for (QString& strLetter : g.astrLetters) {
        if (strLetter.size() != 1 || !IsLetterAZ(strLetter[0]))
            return false;
        strLetter = strLetter.toUpper();
    }
    if (g.nScore < 0 || g.nBridgeLen < 0 || g.nBridgeLen > SPAN_MAX_BRIDGE || g.nWalkerFrame < 0 ||
        g.nWalkerFrame >= SPAN_STANDING_FRAMES || g.nWalkerX < 0 || g.nWalkerX > SPAN_MAX_WALKER_X ||
        g.nStepDelay > SPAN_MAX_STEP_DELAY)
        return false;
    game = g;
    return true;
}
