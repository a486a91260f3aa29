// Fuzzer: plays Spanwright through its model. The input's first two bytes give the length of a
// saved-game file that follows (16-bit little-endian characters); the rest is a script of taps,
// submissions, new letters, pauses, ticks, new games and quits. After every move the game's
// invariants are checked, and saving, reading back and saving again must give the same text.
#include <QByteArray>
#include <QSet>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "app/SavedGameFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "games/spanwright/SpanwrightGame.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

// A few words in memory; unknown ones are offered for adding, the script's bit answering.
class CFuzzWordCheck : public IWordCheck {
public:
    CFuzzWordCheck()
    {
        for (const char* psz : {"CAT", "CATS", "DOG", "DOGS", "GOD", "TEA", "EAT", "ATE", "RATE", "TEAR", "STONE",
                                "NOTES", "ONSET", "TONES", "GRANITE", "TRAIN", "RAIN"})
            m_words.insert(QString::fromLatin1(psz));
    }
    bool Contains(const QString& strWord) override { return m_words.contains(strWord); }
    bool IsAddOfferOn() const override { return bOffer; }
    bool AskToAdd(const QString& strWord) override
    {
        if (bYes)
            m_words.insert(strWord);
        return bYes;
    }
    bool bOffer = false;
    bool bYes = false;

private:
    QSet<QString> m_words;
};

// The dictionaries the deal may use: one with usable words, one with none, or none at all.
const CDictionary* Dictionary(int n)
{
    static const std::unique_ptr<CDictionary> s_apDictionaries[2] = {
        [] {
            auto p = std::make_unique<CDictionary>();
            p->LoadDictionaryFromData(BuildDictionaryImage(
                {"absolute", "granite", "jukebox", "notes", "quartz", "rain", "stone", "tear", "train", "vibrate"}, 4));
            return p;
        }(),
        [] {
            auto p = std::make_unique<CDictionary>();
            p->LoadDictionaryFromData(BuildDictionaryImage({"jukebox", "quartz", "waxy"}, 2));
            return p;
        }(),
    };
    return n < 2 ? s_apDictionaries[n].get() : nullptr;
}

bool IsLetterAZ(QChar ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
}

void CheckInvariants(const CSpanwrightGame& game)
{
    Check(!(game.IsRunning() && game.IsGameOver()));
    Check(game.Score() >= 0);
    Check(game.BridgeLen() >= 0 && game.BridgeLen() <= SPAN_MAX_BRIDGE);
    Check(game.WalkerX() >= 0 && game.WalkerX() <= SPAN_MAX_WALKER_X);
    Check(game.WalkerFrame() >= 0 && game.WalkerFrame() < SPAN_STANDING_FRAMES);
    Check(game.StepDelay() <= SPAN_MAX_STEP_DELAY);
    Check(game.PauseCount() >= 0);
    // The selected tiles hold the word's places 0 to n - 1, each once.
    const int n = game.Selected();
    Check(n >= 0 && n <= SPAN_TILES);
    int nPlaces = 0;
    for (int i = 0; i < SPAN_TILES; ++i) {
        const int k = game.Order(i);
        Check(k == -1 || (k >= 0 && k < n));
        if (k >= 0)
            nPlaces |= 1 << k;
    }
    Check(nPlaces == (1 << n) - 1);
    // Every tile is lettered while a game is on (or ended by a fall); none after a quit.
    for (int i = 0; i < SPAN_TILES; ++i) {
        const QString& str = game.Letter(i);
        if (game.IsRunning() || game.IsGameOver())
            Check(str.size() == 1 && str[0] >= u'A' && str[0] <= u'Z');
        else
            Check(str.isEmpty());
    }
    if (game.IsRunning() || game.IsGameOver())
        Check(game.BuildWord().size() == n);
    for (const QString& str : game.UsedWords()) {
        Check(str.size() >= 3 && str.size() <= SPAN_TILES);
        for (QChar ch : str)
            Check(IsLetterAZ(ch));
    }
}

// Saving, reading back and saving again gives the same text (the word row goes back to the letter
// row on reading, so the first text may differ in the places only).
void CheckSavedText(const CSpanwrightGame& game)
{
    if (!game.IsRunning() && !game.IsGameOver())
        return; // no letters: nothing a file could hold
    QString strFirst;
    game.SaveToText(strFirst);
    CSpanwrightGame again;
    Check(again.LoadFromText(strFirst));
    QString strSecond;
    again.SaveToText(strSecond);
    if (game.Selected() == 0)
        Check(strSecond == strFirst);
    CSpanwrightGame third;
    Check(third.LoadFromText(strSecond));
    QString strThird;
    third.SaveToText(strThird);
    Check(strThird == strSecond);
    Check(again.Score() == game.Score() && again.BridgeLen() == game.BridgeLen() &&
          again.WalkerX() == game.WalkerX() && again.UsedWords() == game.UsedWords());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < 3)
        return 0;
    const size_t nText = std::min<size_t>(size_t(pData[0]) | size_t(pData[1]) << 8, nSize - 2);
    const QString strText =
        DecodeSavedGameBytes(QByteArray(reinterpret_cast<const char*>(pData + 2), qsizetype(nText)));
    const uint8_t* pScript = pData + 2 + nText;
    const size_t nScript = std::min<size_t>(nSize - 2 - nText, 400);

    std::srand(nScript > 0 ? pScript[0] : 1);
    CFuzzWordCheck check;
    int nHigh = 0;
    CSpanwrightGame game;
    game.SetWordCheck(&check);
    game.SetHighScore(&nHigh);
    game.SetDictionary(Dictionary(nScript > 0 ? pScript[0] % 3 : 2));
    if (!game.LoadFromText(strText))
        game.NewGame();
    CheckInvariants(game);
    CheckSavedText(game);

    // Each script byte is one move: the low four bits choose it, the high four its argument. Taps
    // come most often, so that words of three letters and more get submitted; a new game or a quit
    // is rare, so that games last long enough for levels.
    enum EMove { TAP, SLOT = 7, BACK, SUBMIT, NEW_LETTERS = 11, PAUSE, TICK, RARE = 15 };
    for (size_t k = 1; k < nScript; ++k) {
        const int nMove = pScript[k] & 15;
        const int nArg = pScript[k] >> 4;
        if (!game.IsRunning() && nMove != RARE)
            continue; // taps and ticks reach the game only while it runs
        const int nScoreBefore = game.Score();
        if (nMove < SLOT) {
            game.TapTile(nArg % SPAN_TILES);
        } else if (nMove == SLOT) {
            game.TapSlot(nArg % SPAN_TILES);
        } else if (nMove == BACK) {
            game.TakeBackLetter();
        } else if (nMove < NEW_LETTERS) {
            // Mostly words the player adds when asked; sometimes a No, sometimes no offer at all.
            check.bOffer = nArg != 1;
            check.bYes = nArg > 1;
            const int nLen = int(game.BuildWord().size());
            const SpanwrightSubmit result = game.SubmitWord();
            Check(game.Selected() == 0);
            if (result.bAccepted) {
                Check(result.strNotice.isEmpty() && nLen >= 3);
                Check(game.Score() == nScoreBefore + 75 * nLen + (nLen >= 5 ? 25 * nLen : 0) ||
                      game.Score() == INT32_MAX);
                Check(nHigh >= game.Score());
                Check(!result.bLevelDone || (game.BridgeLen() == 0 && game.WalkerX() == 0));
            } else {
                Check(game.Score() == nScoreBefore && (nArg == 0 || !result.strNotice.isEmpty()));
            }
        } else if (nMove == NEW_LETTERS) {
            game.DealNewLetters(nArg & 1);
            Check(game.Score() == nScoreBefore || game.Score() == nScoreBefore - 25);
            Check(game.UsedWords().isEmpty() && game.Selected() == 0);
        } else if (nMove == PAUSE) {
            Check(!game.PauseGame().isEmpty());
        } else if (nMove < RARE) {
            for (int t = 0; t <= nArg % 4; ++t) {
                const bool bWalking = game.IsWalkUnderWay();
                const SpanwrightTick tick = game.Tick();
                Check(bWalking || (tick.eWhat == SpanwrightTick::Nothing && tick.eTimer == ESpanTimer::Stop));
                if (tick.eWhat == SpanwrightTick::Fell)
                    Check(game.IsGameOver() && tick.eTimer == ESpanTimer::Stop);
                if (tick.eTimer == ESpanTimer::Start)
                    Check(tick.nPeriod == CSpanwrightGame::STEP_PERIOD || tick.nPeriod == game.StepDelay());
            }
        } else if (nArg == 0) {
            game.NewGame();
            Check(game.IsRunning() && game.Score() == 0 && !game.IsWalkUnderWay());
        } else if (nArg == 1) {
            game.QuitGame();
            Check(!game.IsRunning() && game.Score() == 0);
        } else if (nArg < 8 && (game.IsRunning() || game.IsGameOver())) {
            // Save and read back into the game itself, as Open Game does over a game under way.
            QString strSaved;
            game.SaveToText(strSaved);
            Check(game.LoadFromText(strSaved) && game.Selected() == 0 && game.IsRunning());
        } else if (game.IsRunning()) {
            game.TapTile(nArg % SPAN_TILES);
        }
        CheckInvariants(game);
    }
    CheckSavedText(game);
    return 0;
}
