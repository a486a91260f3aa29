// CTessarylGame: Tessaryl's rules without a window: the 27 letters, the chain of tapped cells,
// submitting and scoring, the used-word list, hints from the word finder, and the saved text.
// Each operation returns what changed, for the window to draw and show.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "framework/Types.h"
#include "games/ChainTyping.h"
#include "games/GameModel.h"
#include "games/GameResult.h"
#include "games/WordReview.h"
#include "games/tessaryl/TessarylBoard.h"
#include "games/tessaryl/TessarylFinder.h"

class CDictionary;

// What one operation changed, in the order the window is to show it.
struct CTessarylChange {
    QString strNotice;          // a message to show first (OK box), or empty
    std::vector<int> anCells;   // then these cells to redraw, in this order
    BOOL bAllCells = FALSE;     // then every cell
    BOOL bScore = FALSE;        // then the score
    BOOL bWordAdded = FALSE;    // a word went to the top of m_astrUsedWords
    BOOL bUsedWordsReset = FALSE; // m_astrUsedWords was replaced as a whole
};

class CTessarylGame {
public:
    explicit CTessarylGame(CGameRandom& random = DefaultGameRandom());
    ~CTessarylGame(); // stops the finder's thread
    CTessarylGame(const CTessarylGame&) = delete;
    CTessarylGame& operator=(const CTessarylGame&) = delete;

    // What the game uses from outside: the dictionary (letters, finder), the word check with the
    // add-word offer, and the high score to raise the moment the score exceeds it.
    void SetDictionary(CDictionary* pDictionary);
    CDictionary* GetDictionary() const { return m_pDictionary; }
    void SetWordCheck(IWordCheck* pCheck) { m_pWordCheck = pCheck; }
    void SetHighScore(int* pnHiScore) { m_pnHiScore = pnHiScore; }

    // A new board, score 0, an empty list, and the finder started afresh.
    CTessarylChange NewGame();
    // Ends the game (the window has asked first).
    CTessarylChange QuitGame();

    // Letter generation: dictionary words laid as snakes through touching cells.
    void GenerateBoard();
    void PlaceRandomWord();
    // Lays out a known board and runs a game on it: no selection, score 0, the finder stopped.
    void SetBoard(const QString* astrCells);

    // Play. A tap on a cell follows the chain rules; Back drops the last cell.
    CTessarylChange TapCell(int nCell);
    CTessarylChange Back();
    // Typed letters select a chain of touching cells that spells them (see CChainTyping);
    // Backspace takes one back. *pbTaken is false, with nothing changed, for a letter no chain
    // spells.
    CTessarylChange TypeLetter(QChar ch, bool* pbTaken = nullptr);
    CTessarylChange TypeBackspace();
    // The letters typed for the selection on the board (lower case).
    QString GetTyped() const;
    CTessarylChange Submit();
    CTessarylChange GiveHint();
    // Appends a cell unless it is selected already or the selection is full.
    void SelectCell(int nCell);
    // -1 drops the last cell; otherwise that cell leaves the chain. The cells to redraw.
    std::vector<int> UnselectCell(int nCell);
    // Empties the selection; the cells it held, to redraw.
    std::vector<int> ClearSelection();
    BOOL IsSelected(int nCell) const;
    // The strings of the selected cells, in tap order.
    void BuildWord();
    QString WordAlongPath(const int* anPath, int nMax) const;
    // The used-word list holds the word (whole entries, ignoring A-Z case).
    BOOL IsWordUsed(const QString& strWord) const;
    // For the records: the score, the words found in the order found (upper case; a loaded game
    // keeps its saved ones) and the extra "words"; the end time is the caller's.
    CGameResult GetResult() const;

    // The word finder.
    void StartWorker(BOOL bClear);
    void StopWorker() { m_finder.StopWorker(); }
    void PauseWorker() { m_finder.PauseWorker(); }
    void ResumeWorker() { m_finder.ResumeWorker(); }
    void ClearWordList() { m_finder.ClearWordList(); }
    BOOL IsWorkerAlive() const { return m_finder.IsWorkerAlive(); }
    CTessarylFinder& Finder() { return m_finder; }
    const CTessarylFinder& Finder() const { return m_finder; }

    // Show All Words. Ending for the review stops the game and the finder but keeps the cube, the
    // player's words and the score on show.
    CTessarylChange EndForReview();
    // A cube is laid out, in a running game or one ended for the review.
    BOOL HasCube() const { return !m_astrCells[0].isEmpty(); }
    // Every word on the cube with its path, the player's words marked. The review runs a search
    // of its own to the end, so a background search cut short, hints taken from the list or a
    // list emptied after the preferences never hide a word.
    CWordReview ReviewWords() const;

    // The saved text. Loading refuses (FALSE, nothing changed) a text that cannot be a game.
    void SaveToText(QString& strText) const;
    BOOL LoadFromText(const QString& strText, CTessarylChange* pChange = nullptr);

    // The state, open for the window and for what is built on the game.
    QString m_astrCells[TESS_CELLS];
    BOOL m_bGameRunning = FALSE;
    int m_nScore = 0;
    QStringList m_astrUsedWords; // newest first, as the list shows them
    int m_anSelection[TESS_MAX_PATH] = {};
    int m_nSelCount = 0;
    QString m_strWord; // built at the last submit
    // The hint in progress: its path, its cells (0: none) and the letters shown.
    int m_anHintPath[TESS_MAX_PATH] = {};
    int m_nHintLen = 0;
    int m_nHintShown = 0;

private:
    // The typing state, made to match the selection on the board (taps may have changed it).
    CChainTyping& SyncTyping() const;
    CTessarylChange SelectTypedChain(const std::vector<int>& anBefore);

    mutable std::unique_ptr<CChainTyping> m_pTyping;
    CGameRandom& m_random;
    CDictionary* m_pDictionary = nullptr;
    IWordCheck* m_pWordCheck = nullptr;
    int* m_pnHiScore = nullptr;
    CTessarylFinder m_finder; // holds the finder's board copy and the hint list
};
