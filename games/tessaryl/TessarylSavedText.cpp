// Writing and reading Tessaryl's saved-game text.
#include "games/tessaryl/TessarylSavedText.h"

#include <algorithm>

#include "games/GameModel.h"

namespace {
constexpr char16_t TAB = u'\t';
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
    CSavedTextReader reader(strText);
    // The characters up to the next tab; the reader stops on that tab.
    auto field = [&reader, &strText] {
        const qsizetype nStart = reader.Pos();
        reader.SkipField();
        return strText.mid(nStart, reader.Pos() - nStart);
    };

    // Board: pairs of characters up to the first tab; a space as second character is padding.
    int nPairs = 0;
    while (!reader.AtEnd() && reader.Current() != TAB) {
        QString strCell(reader.Current());
        reader.Advance(1);
        if (!reader.AtEnd() && reader.Current() != TAB) {
            const QChar ch = reader.Current();
            reader.Advance(1);
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
    reader.NextField();

    // Counts are only upper bounds: a text ends where it ends, whatever it claims.
    const int nUsed = reader.Number();
    reader.NextField();
    for (int i = 0; i < nUsed && !reader.AtEnd() && game.m_astrUsedWords.size() < TESS_MAX_USED_WORDS; ++i) {
        const QString strWord = field();
        reader.SkipOneTab();
        if (!strWord.isEmpty())
            game.m_astrUsedWords.append(strWord);
    }

    const int nHints = reader.Number();
    reader.SkipField();
    for (int i = 0; i < nHints && !reader.AtEnd() && game.m_astrHintWords.size() < TESS_MAX_LOADED_HINTS; ++i) {
        reader.SkipTabs();
        if (reader.AtEnd())
            break;
        const QString strWord = field();
        CPathBlock path;
        path.fill(-1);
        int nCells = 0;
        bool bOnBoard = true;
        for (;;) {
            reader.SkipOneTab();
            if (reader.AtEnd())
                break;
            const int nCell = reader.Number();
            reader.SkipField();
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
