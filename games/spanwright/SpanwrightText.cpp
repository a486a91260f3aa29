// Spanwright's saved-game text: writing the fields and reading them back with a cursor.
#include "games/spanwright/SpanwrightText.h"

#include "games/GameModel.h"

namespace {

const QChar TAB(u'\t');

// The characters from the cursor to the next tab or the end; the cursor stops before the tab.
QString CollectField(CSavedTextReader& reader)
{
    QString str;
    for (; !reader.AtEnd() && reader.Current() != TAB; reader.Advance(1))
        str += reader.Current();
    return str;
}

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
    CSavedTextReader cur(strText);

    int* apnHeader[4] = {&g.nScore, &g.nWalkerX, &g.nWalkerFrame, &g.nBridgeLen};
    for (int* pn : apnHeader) {
        *pn = cur.Number();
        cur.SkipField();
        cur.SkipTabs();
    }
    g.nStepDelay = cur.Number();
    cur.SkipField();
    cur.SkipOneTab();

    for (int i = 0; i < SPAN_TILES; ++i) {
        g.astrLetters[i] = CollectField(cur);
        cur.SkipOneTab();
        cur.SkipTabs();
        g.anOrder[i] = cur.Number();
        cur.SkipField();
        cur.SkipOneTab();
    }

    const int nWords = cur.Number();
    cur.SkipField();
    cur.SkipTabs();
    // The count is only a promise: the words end where the text ends.
    for (int k = 0; k < nWords && !cur.AtEnd() && g.astrWords.size() < SPAN_MAX_USED_WORDS; ++k) {
        const QString strWord = CollectField(cur);
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
