// Writing and reading Tessaryl's saved-game text.
#include "games/tessaryl/TessarylSavedText.h"

#include <climits>

namespace {
constexpr char16_t TAB = u'\t';

// A cursor over the text that never moves past its end.
class CTextReader {
public:
    explicit CTextReader(const QString& str) : m_str(str) {}

    bool AtEnd() const { return m_nPos >= m_str.size(); }
    QChar Peek() const { return m_str.at(m_nPos); }
    QChar Take() { return m_str.at(m_nPos++); }
    // Stops on the tab (or at the end).
    void ToNextTab()
    {
        while (!AtEnd() && Peek() != TAB)
            ++m_nPos;
    }
    void SkipAllTabs()
    {
        while (!AtEnd() && Peek() == TAB)
            ++m_nPos;
    }
    void SkipOneTab()
    {
        if (!AtEnd() && Peek() == TAB)
            ++m_nPos;
    }
    // The characters up to the next tab; the cursor stops on that tab.
    QString Field()
    {
        const qsizetype nStart = m_nPos;
        ToNextTab();
        return m_str.mid(nStart, m_nPos - nStart);
    }
    // The decimal number that starts here, as the C library reads one: blanks, a sign, digits;
    // anything else reads as 0. Clamped to int. The cursor does not move.
    int Number() const
    {
        qsizetype n = m_nPos;
        while (n < m_str.size() && m_str.at(n) == u' ')
            ++n;
        bool bNegative = false;
        if (n < m_str.size() && (m_str.at(n) == u'-' || m_str.at(n) == u'+'))
            bNegative = m_str.at(n++) == u'-';
        long long nValue = 0;
        for (; n < m_str.size() && m_str.at(n) >= u'0' && m_str.at(n) <= u'9'; ++n) {
            nValue = nValue * 10 + (m_str.at(n).unicode() - u'0');
            if (nValue > (long long)INT_MAX + 1)
                nValue = (long long)INT_MAX + 1;
        }
        if (bNegative)
            nValue = -nValue;
        return nValue > INT_MAX ? INT_MAX : nValue < INT_MIN ? INT_MIN : int(nValue);
    }

private:
    const QString& m_str;
    qsizetype m_nPos = 0;
};
} // namespace

QString FormatTessarylText(const CTessarylSavedGame& game)
{
    QString str;
    for (const QString& strCell : game.m_astrCells)
        str += strCell.left(2).leftJustified(2, u' ');
    str += TAB;
    str += QString::number(game.m_nScore) + TAB;
    str += QString::number(game.m_astrUsedWords.size()) + TAB;
    for (const QString& strWord : game.m_astrUsedWords)
        str += strWord + TAB;
    const qsizetype nHints = std::min<qsizetype>(
        TESS_SAVED_HINTS, std::min<qsizetype>(game.m_astrHintWords.size(), qsizetype(game.m_aHintPaths.size())));
    str += QString::number(nHints) + TAB;
    for (qsizetype i = 0; i < nHints; ++i) {
        str += game.m_astrHintWords[i] + TAB;
        const CPathBlock& path = game.m_aHintPaths[size_t(i)];
        // The last slot is kept for the -1, so a path never runs off its block when read back.
        for (int j = 0; j < TESS_MAX_PATH - 1 && path[j] >= 0; ++j)
            str += QString::number(path[j]) + TAB;
        str += QStringLiteral("-1\t");
    }
    return str;
}

BOOL ParseTessarylText(const QString& strText, CTessarylSavedGame& game)
{
    game = CTessarylSavedGame();
    CTextReader reader(strText);

    // Board: pairs of characters up to the first tab; a space as second character is padding.
    int nPairs = 0;
    while (!reader.AtEnd() && reader.Peek() != TAB) {
        QString strCell(reader.Take());
        if (!reader.AtEnd() && reader.Peek() != TAB) {
            const QChar ch = reader.Take();
            if (ch != u' ')
                strCell += ch;
        }
        for (QChar ch : strCell) {
            if (!ch.isLetter())
                return FALSE;
        }
        if (nPairs < TESS_CELLS) // more than a board holds is cut off
            game.m_astrCells[nPairs] = strCell;
        ++nPairs;
    }
    if (nPairs == 0)
        return FALSE;
    reader.SkipOneTab();

    game.m_nScore = reader.Number();
    if (game.m_nScore < 0 || game.m_nScore > TESS_MAX_SCORE)
        return FALSE;
    reader.ToNextTab();
    reader.SkipAllTabs();

    // Counts are only upper bounds: a text ends where it ends, whatever it claims.
    const int nUsed = reader.Number();
    reader.ToNextTab();
    reader.SkipAllTabs();
    for (int i = 0; i < nUsed && !reader.AtEnd() && game.m_astrUsedWords.size() < TESS_MAX_USED_WORDS; ++i) {
        const QString strWord = reader.Field();
        reader.SkipOneTab();
        if (!strWord.isEmpty())
            game.m_astrUsedWords.append(strWord);
    }

    const int nHints = reader.Number();
    reader.ToNextTab();
    for (int i = 0; i < nHints && !reader.AtEnd(); ++i) {
        reader.SkipAllTabs();
        if (reader.AtEnd())
            break;
        const QString strWord = reader.Field();
        CPathBlock path;
        path.fill(-1);
        int nCells = 0;
        bool bOnBoard = true;
        for (;;) {
            reader.SkipOneTab();
            if (reader.AtEnd())
                break;
            const int nCell = reader.Number();
            reader.ToNextTab();
            if (nCell == -1)
                break;
            if (nCell < 0 || nCell >= TESS_CELLS)
                bOnBoard = false;
            else if (nCells < TESS_MAX_PATH - 1)
                path[nCells++] = nCell;
        }
        // A hint off the board, or with nowhere to start, could only mislead the hint button.
        if (bOnBoard && nCells > 0 && !strWord.isEmpty()) {
            game.m_astrHintWords.append(strWord);
            game.m_aHintPaths.push_back(path);
        }
    }
    return TRUE;
}
