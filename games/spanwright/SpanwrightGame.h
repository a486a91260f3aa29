// CSpanwrightGame: Spanwright's rules without a window: the seven letters and the word being
// spelled, words checked and scored onto the bridge, the walk on ticks pushed in by the window's
// timer, levels, the fall, pauses and the saved text. Operations return what happened; the window
// draws, animates and shows messages from that.
#pragma once
#include <QString>
#include <QStringList>

#include "games/GameModel.h"
#include "games/GameResult.h"
#include "games/spanwright/SpanwrightBoard.h"

class CDictionary;

// What the walking timer must do after a move of the game.
enum class ESpanTimer {
    Keep,  // go on as it runs
    Start, // (re)start it with the period the result gives
    Stop,
};

struct SpanwrightSubmit {
    bool bAccepted = false;
    // The message to show for a refused word; empty when the player refused it himself.
    QString strNotice;
    // The bridge reached across: it is gone and the animal is back on the left bank.
    bool bLevelDone = false;
    ESpanTimer eTimer = ESpanTimer::Keep;
    int nPeriod = 0;
};

struct SpanwrightTick {
    enum EWhat {
        Nothing, // no walk under way, or it waits
        Moved,   // the animal's frame or place changed: draw it
        Fell,    // it stepped past the end of the bridge: the game is over
    } eWhat = Nothing;
    ESpanTimer eTimer = ESpanTimer::Keep;
    int nPeriod = 0;
};

class CSpanwrightGame {
public:
    static constexpr int STEP_PERIOD = 200; // ms between the frames of one step
    static constexpr int START_STEP_DELAY = 5000;

    explicit CSpanwrightGame(CGameRandom& random = DefaultGameRandom());

    // The dictionary the letters are dealt from (null: dealt from the alphabet).
    void SetDictionary(const CDictionary* pDictionary) { m_pDictionary = pDictionary; }
    // The check of submitted words (null: every word is played).
    void SetWordCheck(IWordCheck* pCheck) { m_pWordCheck = pCheck; }
    // The high score, raised the moment the score passes it (null: none kept).
    void SetHighScore(int* pnHighScore) { m_pnHighScore = pnHighScore; }

    // A new game: everything back to the start and seven letters dealt; the animal waits for the
    // first accepted word. The walking timer is to stop.
    void NewGame();
    // Seven letters from the dictionary's words, or from the alphabet without one.
    void DealLetters();
    // After Quit Game was confirmed: no game, blank tiles, score 0. The walking timer is to stop.
    void QuitGame();

    // Tile i of the letter row goes up to the next free place of the word; false when it is
    // already there (nothing to redraw).
    bool TapTile(int i);
    // A typed letter: the first tile of the letter row that shows it goes up, as a tap on it
    // would. Returns the tile, or -1 when no free tile shows the letter.
    int TypeLetter(QChar ch);
    // Place i of the word row: only the last letter of the word goes back.
    void TapSlot(int i);
    // The take-back button; false when the word is empty.
    bool TakeBackLetter();
    SpanwrightSubmit SubmitWord();
    // Seven new letters for 25 points (none when bFree, after a completed level, or from a score of
    // 25 or less); the used words may be played again.
    void DealNewLetters(bool bFree);
    // Counts the pause and returns the message that holds the game.
    QString PauseGame();
    // One tick of the walking timer, when the window is shown and nothing holds the game.
    SpanwrightTick Tick();

    // The word being spelled, upper case.
    QString BuildWord() const;

    void SaveToText(QString& strText) const;
    // False, changing nothing, for a text no game could have written. A loaded game walks on as it
    // was saved (see IsWalkUnderWay and WalkPeriod).
    bool LoadFromText(const QString& strText);

    // The walk has begun in this game and goes on: its timer should run.
    bool IsWalkUnderWay() const { return m_bRunning && !m_bGameOver && m_bTimerStarted; }
    // The period the walking timer takes up again with: the rest on frame 0, else a step's.
    int WalkPeriod() const { return m_nWalkerFrame == 0 ? m_nStepDelay : STEP_PERIOD; }

    bool IsRunning() const { return m_bRunning; }
    bool IsGameOver() const { return m_bGameOver; }
    bool IsLevelDone() const { return m_bLevelDone; }
    bool IsTimerStarted() const { return m_bTimerStarted; }
    int Score() const { return m_nScore; }
    int PauseCount() const { return m_nPauseCount; }
    int StepDelay() const { return m_nStepDelay; }
    int WalkerX() const { return m_nWalkerX; }
    int WalkerFrame() const { return m_nWalkerFrame; }
    int BridgeLen() const { return m_nBridgeLen; }
    int Selected() const { return m_nSelected; }
    const QString& Letter(int i) const { return m_strLetters[i]; }
    // Tile i's place in the word, or -1 when it is in the letter row.
    int Order(int i) const { return m_anOrder[i]; }
    // Words used since the last deal, most recent first, as listed ("Cat").
    const QStringList& UsedWords() const { return m_listWords; }

    // For the records: the level being played (1 at the start), the letters of every word laid on
    // a bridge in this game, and the words scored in order (upper case). The saved text holds none
    // of them, so a loaded game takes what it can show: the level its rest between steps tells,
    // the letters of the levels before it plus the bridge standing, and its listed words.
    int Level() const { return m_nLevel; }
    int LettersBridged() const { return m_nLettersBridged; }
    const QStringList& ScoredWords() const { return m_aScoredWords; }
    // Score, words and extras "level" and "letters"; the end time is the caller's.
    CGameResult GetResult() const;

private:
    // What a new game and a quit both clear: score, walk, bridge, word and used words.
    void ResetPlay();
    void ClearSelection();
    void RaiseHighScore();
    // Whether the dictionary can deal, found out once for each dictionary and each change of it.
    bool CanDealFromWords();
    // One deal from dictionary words, whether or not the tiles spell anything.
    void DealFromWords();

    CGameRandom* m_pRandom;
    const CDictionary* m_pDictionary = nullptr;
    IWordCheck* m_pWordCheck = nullptr;
    int* m_pnHighScore = nullptr;
    const CDictionary* m_pDealChecked = nullptr;
    unsigned m_nDealCheckedChange = 0;
    bool m_bCanDeal = false;

    int m_nPauseCount = 0;
    int m_nStepDelay = START_STEP_DELAY;
    bool m_bRunning = false;
    bool m_bGameOver = false;
    int m_nScore = 0;
    int m_nWalkerX = 0;
    int m_nWalkerFrame = 0;
    int m_nBridgeLen = 0;
    // From a completed level to the next accepted word the animal waits on the left bank and new
    // letters are free. Kept apart from the window's box hold, which the shell puts back after its
    // chooser: a game opened there must not inherit the wait of the game it replaced.
    bool m_bLevelDone = false;
    bool m_bTimerStarted = false;
    QStringList m_listWords;
    int m_nLevel = 1;
    int m_nLettersBridged = 0;
    QStringList m_aScoredWords;
    QString m_strLetters[SPAN_TILES];
    int m_anOrder[SPAN_TILES] = {-1, -1, -1, -1, -1, -1, -1};
    int m_nSelected = 0;
};
