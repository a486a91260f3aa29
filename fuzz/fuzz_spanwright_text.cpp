// Fuzzer: the input is a Spanwright saved-game file (16-bit little-endian characters); read it,
// and when it is taken, check what was read and that writing it back reads back the same.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "app/SavedGameFile.h"
#include "games/spanwright/SpanwrightText.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

bool Same(const SpanwrightSavedGame& a, const SpanwrightSavedGame& b)
{
    if (a.nScore != b.nScore || a.nWalkerX != b.nWalkerX || a.nWalkerFrame != b.nWalkerFrame ||
        a.nBridgeLen != b.nBridgeLen || a.nStepDelay != b.nStepDelay || a.astrWords != b.astrWords)
        return false;
    for (int i = 0; i < SPAN_TILES; ++i) {
        if (a.astrLetters[i] != b.astrLetters[i] || a.anOrder[i] != b.anOrder[i])
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // As Open Game reads a file.
    const QString strText =
        DecodeSavedGameBytes(QByteArray(reinterpret_cast<const char*>(pData), qsizetype(nSize)));

    SpanwrightSavedGame game;
    if (!ParseSpanwrightText(strText, game))
        return 0;

    Check(game.nScore >= 0);
    Check(game.nBridgeLen >= 0 && game.nBridgeLen < SPAN_LEVEL_LETTERS);
    Check(game.nWalkerFrame >= 0 && game.nWalkerFrame < SPAN_STANDING_FRAMES);
    Check(game.nWalkerX >= 0 && game.nWalkerX <= SPAN_MAX_WALKER_X);
    for (const QString& str : game.astrLetters)
        Check(str.size() == 1 && str[0] >= u'A' && str[0] <= u'Z');
    // Every kept word took at least four characters of the text.
    Check(game.astrWords.size() <= SPAN_MAX_USED_WORDS && game.astrWords.size() <= strText.size() / 4);
    for (const QString& str : game.astrWords)
        Check(str.size() >= 3 && str.size() <= SPAN_TILES);

    const QString strAgain = FormatSpanwrightText(game);
    SpanwrightSavedGame again;
    Check(ParseSpanwrightText(strAgain, again));
    Check(Same(game, again));
    Check(FormatSpanwrightText(again) == strAgain);
    return 0;
}
