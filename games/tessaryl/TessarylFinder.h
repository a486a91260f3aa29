// The background word finder: walks every chain of touching cells on a copy of the board
// and keeps each dictionary word it spells, with its path, in the hint list.
#pragma once
#include <QString>
#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "dictionary/SortedStringArray.h"
#include "framework/Types.h"
#include "games/GameModel.h"
#include "games/tessaryl/TessarylBoard.h"

class CDictionary;

using CPathBlock = std::array<int, TESS_MAX_PATH>; // cells of a word's path, ended by -1

class CTessarylFinder {
public:
    CTessarylFinder();
    ~CTessarylFinder(); // stops the thread
    CTessarylFinder(const CTessarylFinder&) = delete;
    CTessarylFinder& operator=(const CTessarylFinder&) = delete;

    // The finder's own copy of the board; written only while no thread runs.
    QString m_astrFinderCells[TESS_CELLS];
    // Copies the board into m_astrFinderCells without sharing any text with the caller's strings.
    void SetBoard(const QString* astrCells);

    // Thread handshakes. Each returns once the thread is in the state asked for.
    void StartWorker(BOOL bClear);
    void StopWorker();
    void PauseWorker();
    void ResumeWorker();
    void SetDictionary(CDictionary* pDictionary);
    CDictionary* GetDictionary() const { return m_pDictionary; }
    void ClearWordList();

    // The thread is searching now: started, not paused and not finished.
    BOOL IsWorkerRunning() const { return m_bWorkerRunning.load(); }
    // The thread exists (searching or paused) and has not finished its search.
    BOOL IsWorkerAlive() const { return m_bThreadActive.load(); }

    // Picks a random listed word for a hint. Entries for which bIsUsed says TRUE are removed
    // (the player found them already) and another is drawn. FALSE when the list runs empty.
    BOOL PickHint(const std::function<BOOL(const CPathBlock&)>& fnIsUsed, CPathBlock& path,
                  CGameRandom& random = DefaultGameRandom());

    int GetHintCount() const;
    // Copies of the list for saving and inspection, in list order.
    void GetHints(QStringList& astrWords, std::vector<CPathBlock>& aPaths) const;
    // Adds a word with its path as the list adds any string: in front of an equal one, none refused.
    void AddHint(const QString& strWord, const CPathBlock& path);
    // Replaces the list by these words (index-aligned paths), each added in turn as AddHint does.
    void SetHints(const QStringList& astrWords, const std::vector<CPathBlock>& aPaths);

    // Runs the three passes on the calling thread (the worker's body; benchmarks and tests call it
    // directly with no thread running). A path stops where its letters begin no word; the
    // dictionary's answers are remembered per letter string within one search.
    void RunWordSearch();
    // Off for a search someone waits for (the review of a finished cube): it runs at full speed
    // instead of giving way between steps as the background thread does.
    void SetPaced(BOOL bPaced) { m_bPaced = bPaced; }

private:
    void WorkerThreadProc();
    void SearchFrom(int nCell, int nPrevious, int nDepth, int nNode);
    void WaitWhilePaused();
    int StepNode(int nNode, const QString& strCell);
    void LookUp(int nNode, BOOL& bIsWord, BOOL& bHasPrefix);
    void RecordWord();

    CDictionary* m_pDictionary = nullptr; // swapped only while the thread is paused or stopped

    std::atomic<bool> m_bWorkerRunning{false};
    std::atomic<bool> m_bWorkerStop{false};
    std::atomic<bool> m_bWorkerPause{false};
    std::atomic<bool> m_bThreadActive{false};
    bool m_bWorkerStarted = false; // guarded by m_mxWorker
    std::mutex m_mxWorker;
    std::condition_variable m_cvWorker;
    std::thread m_thread;

    mutable std::mutex m_csHints;
    CSortedStringArray m_aHintWords;      // words found, sorted; guarded by m_csHints
    std::vector<CPathBlock> m_aHintPaths; // index-aligned with m_aHintWords

    // The search's own state; touched only by the searching thread.
    int m_anVisited[TESS_CELLS] = {};
    int m_anSearchPath[TESS_MAX_PATH] = {};
    int m_nSearchLen = 0;
    QString m_strSearchWord;
    int m_nDepthLimit = 0; // deepest path index allowed in the current pass
    BOOL m_bPaced = TRUE;

    // Letter trie remembering the dictionary's answers for the strings met in this search.
    struct MemoNode {
        int anChild[26];
        unsigned nEpoch; // answers valid only while this equals m_nDictEpoch + 1
        bool bIsWord;
        bool bHasPrefix;
    };
    std::vector<MemoNode> m_aMemo;
    std::atomic<unsigned> m_nDictEpoch{0};
};
