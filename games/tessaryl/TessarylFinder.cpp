// The background word finder: thread handshakes, the three search passes and the hint list.
#include "games/tessaryl/TessarylFinder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "dictionary/Dictionary.h"
#include "framework/Clock.h"

namespace {
// Short words first: each pass walks again what the shorter ones walked.
const int s_anPassDepthLimits[] = {3, 4, 7};
} // namespace

CTessarylFinder::CTessarylFinder() = default;

CTessarylFinder::~CTessarylFinder()
{
    StopWorker();
}

namespace {
// A copy with its own buffer. Shared (implicitly copied) text would be released by one thread
// while the other still reads it, which the sanitizer cannot see through Qt's own reference counts.
QString Unshared(const QString& str)
{
    return QString(str.constData(), str.length());
}
} // namespace

void CTessarylFinder::SetBoard(const QString* astrCells)
{
    for (int i = 0; i < TESS_CELLS; ++i)
        m_astrFinderCells[i] = Unshared(astrCells[i]);
}

void CTessarylFinder::StartWorker(BOOL bClear)
{
    if (m_pDictionary == nullptr || !m_pDictionary->IsLoaded())
        return;
    StopWorker(); // a thread that finished on its own still has to be joined
    if (bClear)
        ClearWordList();
    std::unique_lock<std::mutex> lock(m_mxWorker);
    m_bWorkerStarted = false;
    m_bThreadActive = true;
    m_thread = std::thread(&CTessarylFinder::WorkerThreadProc, this);
    m_cvWorker.wait(lock, [this] { return m_bWorkerStarted; });
}

void CTessarylFinder::StopWorker()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mxWorker);
        m_bWorkerStop = true; // also wakes a paused thread, which then unwinds
    }
    m_cvWorker.notify_all();
    m_thread.join();
    m_bWorkerStop = false;
}

void CTessarylFinder::PauseWorker()
{
    std::unique_lock<std::mutex> lock(m_mxWorker);
    if (!m_bWorkerRunning)
        return;
    m_bWorkerPause = true;
    m_cvWorker.wait(lock, [this] { return !m_bWorkerRunning; });
}

void CTessarylFinder::ResumeWorker()
{
    std::unique_lock<std::mutex> lock(m_mxWorker);
    if (!m_bWorkerPause)
        return;
    m_bWorkerPause = false;
    m_cvWorker.notify_all();
    // A thread that ended meanwhile never runs again, so do not wait for it.
    m_cvWorker.wait(lock, [this] { return m_bWorkerRunning || !m_bThreadActive; });
}

void CTessarylFinder::SetDictionary(CDictionary* pDictionary)
{
    std::unique_lock<std::mutex> lock(m_mxWorker);
    m_bWorkerPause = true;
    m_cvWorker.wait(lock, [this] { return !m_bWorkerRunning; });
    m_pDictionary = pDictionary;
    m_nDictEpoch.fetch_add(1);
    m_bWorkerPause = false;
    m_cvWorker.notify_all();
}

void CTessarylFinder::ClearWordList()
{
    std::lock_guard<std::mutex> lock(m_csHints);
    m_aHintWords.RemoveAll();
    m_aHintPaths.clear();
    m_aHintPaths.shrink_to_fit();
}

void CTessarylFinder::WorkerThreadProc()
{
    {
        std::lock_guard<std::mutex> lock(m_mxWorker);
        m_bWorkerRunning = true;
        m_bWorkerStarted = true;
    }
    m_cvWorker.notify_all();
    RunWordSearch();
    {
        std::lock_guard<std::mutex> lock(m_mxWorker);
        m_bWorkerRunning = false;
        m_bThreadActive = false;
    }
    m_cvWorker.notify_all();
}

void CTessarylFinder::WaitWhilePaused()
{
    if (!m_bWorkerPause.load(std::memory_order_relaxed))
        return;
    std::unique_lock<std::mutex> lock(m_mxWorker);
    if (!m_bWorkerPause)
        return;
    m_bWorkerRunning = false;
    m_cvWorker.notify_all();
    m_cvWorker.wait(lock, [this] { return !m_bWorkerPause || m_bWorkerStop; });
    m_bWorkerRunning = true;
    m_cvWorker.notify_all();
}

void CTessarylFinder::RunWordSearch()
{
    std::memset(m_anVisited, 0, sizeof(m_anVisited));
    m_nSearchLen = 0;
    m_strSearchWord.clear();
    m_aMemo.clear();
    m_aMemo.push_back(MemoNode{}); // the empty string
    for (int nLimit : s_anPassDepthLimits) {
        m_nDepthLimit = nLimit;
        for (int nStart = 0; nStart < TESS_CELLS; ++nStart) {
            if (m_bWorkerStop.load(std::memory_order_relaxed))
                break;
            SearchFrom(nStart, -1, 0, 0);
        }
    }
}

int CTessarylFinder::StepNode(int nNode, const QString& strCell)
{
    for (QChar ch : strCell) {
        if (nNode < 0)
            return -1;
        const int nLetter = ch.unicode() - 'A';
        if (nLetter < 0 || nLetter >= 26)
            return -1; // not an upper-case letter: ask the dictionary each time
        int nChild = m_aMemo[nNode].anChild[nLetter];
        if (nChild == 0) {
            nChild = int(m_aMemo.size());
            m_aMemo.push_back(MemoNode{});
            m_aMemo[nNode].anChild[nLetter] = nChild;
        }
        nNode = nChild;
    }
    return nNode;
}

void CTessarylFinder::LookUp(int nNode, BOOL& bIsWord, BOOL& bHasPrefix)
{
    // A word added in any game, or another dictionary, makes every remembered answer stale.
    const unsigned nValid = m_nDictEpoch.load(std::memory_order_relaxed) + m_pDictionary->GetChangeCount() + 1;
    if (nNode >= 0 && m_aMemo[nNode].nEpoch == nValid) {
        bIsWord = m_aMemo[nNode].bIsWord;
        bHasPrefix = m_aMemo[nNode].bHasPrefix;
        return;
    }
    bIsWord = FALSE;
    bHasPrefix = m_pDictionary->LookupPrefix(m_strSearchWord, bIsWord);
    if (nNode >= 0) {
        MemoNode& node = m_aMemo[nNode];
        node.nEpoch = nValid;
        node.bIsWord = bIsWord != FALSE;
        node.bHasPrefix = bHasPrefix != FALSE;
    }
}

void CTessarylFinder::RecordWord()
{
    std::lock_guard<std::mutex> lock(m_csHints);
    if (m_aHintWords.Find(m_strSearchWord) >= 0)
        return;
    const int nIndex = m_aHintWords.Add(Unshared(m_strSearchWord));
    CPathBlock path;
    path.fill(-1);
    for (int i = 0; i < m_nSearchLen; ++i)
        path[i] = m_anSearchPath[i];
    m_aHintPaths.insert(m_aHintPaths.begin() + nIndex, path);
}

void CTessarylFinder::SearchFrom(int nCell, int nPrevious, int nDepth, int nNode)
{
    WaitWhilePaused();
    if (m_pDictionary == nullptr || m_bWorkerStop.load(std::memory_order_relaxed) || nDepth > m_nDepthLimit ||
        m_anVisited[nCell] != 0)
        return;
    const int nSavedLength = int(m_strSearchWord.length());
    m_anSearchPath[m_nSearchLen++] = nCell;
    const QString& strCell = m_astrFinderCells[nCell];
    m_strSearchWord += strCell;

    nNode = StepNode(nNode, strCell);
    BOOL bIsWord = FALSE;
    BOOL bWalkOn = TRUE;
    LookUp(nNode, bIsWord, bWalkOn);
    if (bIsWord && m_strSearchWord.length() > 2)
        RecordWord();

    ++m_anVisited[nCell];
    // At the depth limit every neighbour would return at once; skip the pauses too.
    if (bWalkOn && nDepth < m_nDepthLimit) {
        for (int nSlot = 0; nSlot < TESS_NEIGHBOURS; ++nSlot) {
            const int nNext = g_anCellNeighbours[nCell][nSlot];
            if (nNext < 0)
                break;
            if (m_bPaced)
                GiveWayToInterface();
            if (nNext != nPrevious)
                SearchFrom(nNext, nCell, nDepth + 1, nNode);
        }
    }
    m_strSearchWord.truncate(nSavedLength);
    --m_nSearchLen;
    --m_anVisited[nCell];
}

BOOL CTessarylFinder::PickHint(const std::function<BOOL(const CPathBlock&)>& fnIsUsed, CPathBlock& path,
                               CGameRandom& random)
{
    std::lock_guard<std::mutex> lock(m_csHints);
    while (m_aHintWords.GetSize() > 0) {
        const int nPick = random.Rand() % m_aHintWords.GetSize();
        path = m_aHintPaths[nPick];
        if (!fnIsUsed(path))
            return TRUE;
        m_aHintWords.RemoveAt(nPick);
        m_aHintPaths.erase(m_aHintPaths.begin() + nPick);
    }
    return FALSE;
}

int CTessarylFinder::GetHintCount() const
{
    std::lock_guard<std::mutex> lock(m_csHints);
    return m_aHintWords.GetSize();
}

void CTessarylFinder::GetHints(QStringList& astrWords, std::vector<CPathBlock>& aPaths) const
{
    std::lock_guard<std::mutex> lock(m_csHints);
    astrWords.clear();
    for (int i = 0; i < m_aHintWords.GetSize(); ++i)
        astrWords.append(m_aHintWords.GetAt(i));
    aPaths = m_aHintPaths;
}

void CTessarylFinder::AddHint(const QString& strWord, const CPathBlock& path)
{
    std::lock_guard<std::mutex> lock(m_csHints);
    const int nIndex = m_aHintWords.Add(Unshared(strWord));
    m_aHintPaths.insert(m_aHintPaths.begin() + nIndex, path);
}

void CTessarylFinder::SetHints(const QStringList& astrWords, const std::vector<CPathBlock>& aPaths)
{
    // The words go in one by one, each value the index of its path, so that equal words land
    // exactly where adding them in turn puts them; the paths follow once, not shifted per word.
    CSortedStringArray aWords;
    const qsizetype nCount = std::min(astrWords.size(), qsizetype(aPaths.size()));
    for (qsizetype i = 0; i < nCount; ++i)
        aWords.m_aData[size_t(aWords.Add(Unshared(astrWords[i])))] = uintptr_t(i);
    std::vector<CPathBlock> aOrdered;
    aOrdered.reserve(size_t(nCount));
    for (uintptr_t n : aWords.m_aData)
        aOrdered.push_back(aPaths[n]);
    std::lock_guard<std::mutex> lock(m_csHints);
    m_aHintWords = aWords;
    m_aHintPaths = std::move(aOrdered);
}
