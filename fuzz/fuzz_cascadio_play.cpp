// Fuzzer: plays Cascadio through its model. The input is a saved game as the file holds it (16-bit
// little-endian units) up to its first zero character, then a move script of byte pairs: taps,
// submissions against a small word check, new letters, take-backs, pauses, ticks with the clock
// moving, difficulty raises, and saves read back. After every move the game's invariants must hold.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/SavedGameFile.h"
#include "framework/Clock.h"
#include "games/cascadio/CascadioGame.h"

// The checks are the harness's own: left out of the coverage that steers the fuzzer, and faster so.
#define QX_NO_COVERAGE __attribute__((no_sanitize("coverage")))

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

// Its own sequence, so that runs repeat and nothing else draws from it.
class CFuzzRandom : public CGameRandom {
public:
    explicit CFuzzRandom(unsigned nSeed) : m_n(nSeed) {}
    int Rand() override
    {
        m_n = m_n * 1103515245u + 12345u;
        return int((m_n >> 16) & 0x7FFF);
    }

private:
    unsigned m_n;
};

// A quarter of all words are known, decided by the word itself; the script sets the offer and answer.
class CFuzzWordCheck : public IWordCheck {
public:
    bool Contains(const QString& strWord) override { return (qHash(strWord) & 3) == 0; }
    bool IsAddOfferOn() const override { return bOffer; }
    bool AskToAdd(const QString&) override { return bYes; }
    bool bOffer = false;
    bool bYes = false;
};

DWORD s_dwNow = 0;

QX_NO_COVERAGE bool IsLetterCell(const QString& str)
{
    return (str.size() == 1 || str.size() == 2) && str[0].isLetter() && (str.size() == 1 || str[1].isLetter());
}

QX_NO_COVERAGE bool AllLettered(const CCascadioGame& game)
{
    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = 0; r < CASC_ROWS; ++r)
            if (!IsLetterCell(game.Letter(c, r)))
                return false;
    return true;
}

QX_NO_COVERAGE void CheckGame(const CCascadioGame& game)
{
    Check(!(game.IsRunning() && game.IsGameOver()));
    if (game.IsRunning() || game.IsGameOver())
        Check(AllLettered(game));
    int nSelected = 0;
    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = 0; r < CASC_ROWS; ++r) {
            Check(game.Critter(c, r) >= 0 && game.Critter(c, r) <= CASC_MAX_CRITTER_VALUE);
            nSelected += game.IsSelected(c, r);
        }
    // The chain: each cell once, selected, each a neighbour of the one before.
    const int nLen = game.PathLength();
    Check(nLen >= 0 && nLen <= CASC_CELLS && nSelected == nLen);
    for (int i = 0; i < nLen; ++i) {
        const CPoint pt = game.PathCell(i);
        Check(pt.x >= 0 && pt.x < CASC_COLUMNS && pt.y >= 0 && pt.y < CASC_ROWS && game.IsSelected(pt.x, pt.y));
        if (i > 0) {
            const CPoint prev = game.PathCell(i - 1);
            Check(std::abs(pt.x - prev.x) <= 1 && std::abs(pt.y - prev.y) <= 1 && !(pt == prev));
        }
    }
    Check(game.Score() >= 0 && game.Score() <= CASC_MAX_SCORE);
    Check(game.SpawnInterval() >= 0 && game.SpawnInterval() <= CASC_MAX_SPAWN_INTERVAL);
    Check(game.MaxCritters() >= 0 && game.MaxCritters() <= CASC_MAX_CRITTERS);
    Check(game.StepTicks() >= 0 && game.StepTicks() <= CASC_MAX_STEP_TICKS);
    Check(game.PauseCount() >= 0);
}

QX_NO_COVERAGE void CheckRemoval(const CCascadioRemoval& removal, const CCascadioGame& game)
{
    for (int c = 0; c < CASC_COLUMNS; ++c) {
        Check(removal.anLowest[c] >= -1 && removal.anLowest[c] < CASC_ROWS);
        Check(!removal.abErased[CascCell(c, 0)]);
    }
    for (const CCascadioSlide& slide : removal.aSlides) {
        // Every strip moves whole cells in ten equal steps and stays inside the well.
        Check(slide.nRemaining > 0 && slide.nRemaining % 30 == 0 && slide.nStep * 10 == slide.nRemaining);
        Check(slide.rc.left >= 15 && slide.rc.right <= 225 && slide.rc.right - slide.rc.left == 30);
        Check(slide.rc.top >= 30 && slide.rc.bottom + slide.nRemaining <= 240 && slide.rc.top < slide.rc.bottom);
    }
    Check(removal.bEnded == bool(game.IsGameOver()));
    Check(game.PathLength() == 0);
}

// The game saved and read back into a fresh one saves the same text.
QX_NO_COVERAGE void CheckRoundTrip(const CCascadioGame& game)
{
    if (!AllLettered(game))
        return;
    QString strSaved;
    game.SaveToText(strSaved);
    CCascadioRun run;
    CCascadioGame again(run);
    Check(again.LoadFromText(strSaved));
    QString strAgain;
    again.SaveToText(strAgain);
    Check(strAgain == strSaved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // The saved text ends at the first zero character; the script follows it.
    size_t nText = 0;
    while (nText + 1 < nSize && (pData[nText] != 0 || pData[nText + 1] != 0))
        nText += 2;
    const QString strText = DecodeSavedGameBytes(QByteArray(reinterpret_cast<const char*>(pData), qsizetype(nText)));
    const uint8_t* pScript = pData + std::min(nSize, nText + 2);
    const size_t nScript = nSize - std::min(nSize, nText + 2);

    s_dwNow = 1000;
    SetTickSource([] { return s_dwNow; });
    CFuzzRandom random(unsigned(nSize) * 2654435761u + (nScript ? pScript[0] : 0));
    CFuzzWordCheck check;
    CCascadioRun run;
    CCascadioGame game(run, random);
    int nHigh = 0;
    game.SetHighScore(&nHigh);
    if (!game.LoadFromText(strText))
        game.NewGame();
    Check(game.IsRunning());
    CheckGame(game);

    for (size_t i = 0; i + 1 < nScript && i < 600; i += 2) {
        const uint8_t nOp = pScript[i], nArg = pScript[i + 1];
        switch (nOp % 8) {
        case 0:
        case 1:
        case 2:
            game.TapCell(nArg % 9 - 1, (nArg / 9) % 9 - 1); // a ring off the well included
            break;
        case 3: {
            check.bOffer = nArg & 1;
            check.bYes = nArg & 2;
            const int nBefore = game.Score();
            const BOOL bRunning = game.IsRunning();
            const CCascadioSubmitResult result = game.SubmitWord((nArg & 0xF0) == 0xF0 ? nullptr : &check);
            if (result.eOutcome == ECascadioSubmit::Accepted) {
                Check(bRunning && game.Score() >= nBefore && nHigh >= game.Score());
                CheckRemoval(result.removal, game);
            } else {
                Check(game.Score() == nBefore);
            }
            break;
        }
        case 4:
            for (int n = nArg % 8; n >= 0; --n) {
                s_dwNow += nArg & 0x80 ? 20000 : 500;
                const BOOL bRunning = game.IsRunning();
                const CCascadioTick tick = game.Tick();
                Check(!tick.bEnded || (bRunning && game.IsGameOver()));
                for (int k = 0; k < CASC_CELLS; ++k)
                    Check(!bRunning || tick.abChanged[k] || game.Critter(k / CASC_ROWS, k % CASC_ROWS) == 0);
            }
            break;
        case 5:
            if (game.IsRunning())
                game.NewLetters();
            break;
        case 6: {
            int c = 0, r = 0;
            if (nArg & 1)
                game.Pause();
            else if (game.TakeBackLetter(c, r))
                Check(!game.IsSelected(c, r));
            break;
        }
        default:
            if (nArg == 0xFF) {
                game.Quit();
                game.NewGame();
            } else if (nArg >= 0xF0) {
                CheckRoundTrip(game);
            } else if (game.IsRunning()) {
                game.IncreaseDifficulty(nArg & 1);
            }
            break;
        }
        CheckGame(game);
    }
    CheckRoundTrip(game);
    SetTickSource({});
    return 0;
}
