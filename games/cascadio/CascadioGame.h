// CCascadioGame: the rules of Cascadio without a window: the well of letters, the critters and the
// rising difficulty, the word chain, checking and scoring, and the removal of a word's tiles with
// the slide and the refill, handed back as a result for the window to animate.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "framework/Geometry.h"
#include "framework/Types.h"
#include "games/ChainTyping.h"
#include "games/GameModel.h"
#include "games/GameResult.h"
#include "games/cascadio/CascadioText.h"

// What carries over from game to game for as long as the program runs: the offset that walks the
// refill letters through their bands, and the alternation of the difficulty steps. The window owns
// one for the whole run; a test or tool makes its own fresh one.
class CCascadioRun {
public:
    // One refill letter; the offset moves on after every letter.
    QString RandomLetter(CGameRandom& random);
    int LetterOffset() const { return m_nLetterOffset; }
    // Flips the alternation; the new setting.
    BOOL FlipAlternation()
    {
        m_bAlternate = !m_bAlternate;
        return m_bAlternate;
    }

private:
    int m_nLetterOffset = 0;
    BOOL m_bAlternate = FALSE;
};

// A strip of the well sliding down after a word: the rectangle it covers now (client coordinates),
// the pixels still to go and the pixels per frame.
struct CCascadioSlide {
    CRect rc;
    int nRemaining = 0;
    int nStep = 0;
};

// What the removal of an accepted word did, for the window to show.
struct CCascadioRemoval {
    // The word's cells below the top row, shown black until the slide closes the gaps.
    bool abErased[CASC_CELLS] = {};
    // In the order the animation moves them: right-hand columns first, each from the bottom up.
    std::vector<CCascadioSlide> aSlides;
    // Per column, the lowest row the word took (the cells at and above it changed), or -1.
    int anLowest[CASC_COLUMNS] = {-1, -1, -1, -1, -1, -1, -1};
    // A critter rode down into the bottom row: the game is over.
    bool bEnded = false;
};

enum class ECascadioSubmit {
    TooShort,     // fewer than three cells; the chain stays
    NoDictionary, // nothing to check against; the chain stays
    Accepted,     // scored and removed
    Refused,      // the chain is dropped
};

struct CCascadioSubmitResult {
    ECascadioSubmit eOutcome = ECascadioSubmit::TooShort;
    // A message for the player, or empty.
    QString strNotice;
    CCascadioRemoval removal;
};

// What one tick of the critter timer changed.
struct CCascadioTick {
    // Cells that held a critter before the tick or hold one after it.
    bool abChanged[CASC_CELLS] = {};
    // A critter reached the bottom row.
    bool bEnded = false;
};

class CCascadioGame {
public:
    explicit CCascadioGame(CCascadioRun& run, CGameRandom& random = DefaultGameRandom());

    // The high score to raise the moment the score passes it; may be null.
    void SetHighScore(int* pnHiScore) { m_pnHiScore = pnHiScore; }

    void NewGame();
    // Ends a running game and empties the well; FALSE (and nothing changes) when none runs.
    BOOL Quit();
    // A saved position becomes the running game, its chain and pauses cleared.
    void Load(const CCascadioState& state);
    // Quit and Load in one, from a saved text; FALSE (the game as it was) for a text that cannot be one.
    BOOL LoadFromText(const QString& strText);
    CCascadioState State() const;
    void SaveToText(QString& strText) const { strText = FormatCascadioText(State()); }

    // The well and its critters. Tick is one beat of the 500 ms timer while the game runs.
    void FillBoard();
    CCascadioTick Tick();
    // A critter arrives on the top row when one is due; TRUE when one did.
    BOOL SpawnCritter();
    void IncreaseDifficulty(BOOL bByChance);

    // Typed letters select a chain of neighbouring tiles that spells them ("q" alone may take a
    // "Qu" tile); Backspace takes one letter back. FALSE, with nothing changed, for a letter no
    // chain spells; otherwise abChanged marks the tiles to draw again.
    BOOL TypeLetter(QChar ch, bool abChanged[CASC_CELLS]);
    BOOL TypeBackspace(bool abChanged[CASC_CELLS]);
    QString GetTyped();

    // Play. TapCell: TRUE when the cell joined or left the chain.
    BOOL TapCell(int c, int r);
    BOOL IsNextToLast(int c, int r) const;
    // The letters of the chain in order.
    QString ChainWord() const;
    // pCheck null: no dictionary to check against. Without a running game nothing happens.
    CCascadioSubmitResult SubmitWord(IWordCheck* pCheck);
    // The cell that left the chain, FALSE when it was empty.
    BOOL TakeBackLetter(int& c, int& r);
    // Counts the pause and gives the text to show while the game waits.
    QString Pause();
    // A fresh well at a price; TRUE when the score was charged.
    BOOL NewLetters();

    const QString& Letter(int c, int r) const { return m_strLetters[CascCell(c, r)]; }
    int Critter(int c, int r) const { return m_anCritter[CascCell(c, r)]; }
    BOOL IsSelected(int c, int r) const { return m_abSelected[CascCell(c, r)] != 0; }
    int PathLength() const { return m_nPathLen; }
    // Entry i of the chain: x the column, y the row.
    CPoint PathCell(int i) const { return m_aPath[i]; }
    int CritterCount() const;
    int Score() const { return m_nScore; }
    int PauseCount() const { return m_nPauseCount; }
    int MaxCritters() const { return m_nMaxCritters; }
    int SpawnInterval() const { return m_nSpawnInterval; }
    int StepTicks() const { return m_nStepTicks; }
    DWORD NextSpawn() const { return m_dwNextSpawn; }
    BOOL IsRunning() const { return m_bRunning; }
    BOOL IsGameOver() const { return m_bGameOver; }

    // For the records: the words scored since the game started or was loaded, in order (upper
    // case), and the critters caught with them. Neither is in the saved text, so a loaded game
    // starts both afresh.
    const QStringList& ScoredWords() const { return m_aScoredWords; }
    int CrittersCaught() const { return m_nCrittersCaught; }
    // Score, words and extras "words" and "critters"; the end time is the caller's.
    CGameResult GetResult() const;

private:
    void Reset(BOOL bRunning);
    void ClearChain();
    // The typing state, made to match the chain on the board (taps may have changed it).
    CChainTyping& SyncTyping();
    void SelectTypedChain(bool abChanged[CASC_CELLS]);
    std::unique_ptr<CChainTyping> m_pTyping;
    void ClearCritters();
    void PutFirstCritter();
    void RaiseHighScore();
    CCascadioRemoval RemoveWord();
    void CollapseColumn(int c, int r);

    CCascadioRun& m_run;
    CGameRandom& m_random;
    int* m_pnHiScore = nullptr;

    int m_nPauseCount = 0;
    QString m_strLetters[CASC_CELLS];
    signed char m_abSelected[CASC_CELLS] = {};
    CPoint m_aPath[64]; // x the column, y the row
    int m_nPathLen = 0;
    int m_anCritter[CASC_CELLS] = {};
    BOOL m_bRunning = FALSE;
    int m_nMaxCritters = 1;
    int m_nSpawnInterval = 15000;
    int m_nStepTicks = 60;
    DWORD m_dwNextSpawn = 0;
    int m_nScore = 0;
    BOOL m_bGameOver = FALSE;
    QStringList m_aScoredWords;
    int m_nCrittersCaught = 0;
};
