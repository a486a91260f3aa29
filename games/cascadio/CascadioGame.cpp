// CCascadioGame: starting, ending, saving and loading games, letter generation, the critters'
// creep and arrival on the timer's ticks, and the rising difficulty.
#include "games/cascadio/CascadioGame.h"

#include <algorithm>
#include <array>

#include "framework/Clock.h"

namespace {

// Five bands of five letters by frequency, then z.
const char s_szLetters[] = "etaoinusrhlydcmfpgwbvkxjqz";

// One letter; k walks through the five letters of a band and advances after every letter.
QString ChooseLetter(CGameRandom& random, int& k)
{
    int nBand = 0;
    while (nBand < 4 && random.Rand() % 100 >= 45)
        ++nBand;
    const char ch = nBand < 4 ? s_szLetters[5 * nBand + k] : (random.Rand() % 100 < 70 ? s_szLetters[20 + k] : 'z');
    k = k == 4 ? 0 : k + 1;
    // The 26 tile texts are made once; a copy shares one instead of allocating anew.
    static const std::array<QString, 26> s_aTiles = [] {
        std::array<QString, 26> a;
        for (int i = 0; i < 26; ++i)
            a[i] = i == 'q' - 'a' ? QStringLiteral("Qu") : QString(QChar(char16_t('A' + i)));
        return a;
    }();
    return s_aTiles[ch - 'a'];
}

// The tick count has passed the due time; the difference also stays right across the wrap of the
// 32-bit count.
bool TickPassed(DWORD dwNow, DWORD dwDue) { return qint32(dwNow - dwDue) > 0; }

} // namespace

QString CCascadioRun::RandomLetter(CGameRandom& random)
{
    return ChooseLetter(random, m_nLetterOffset);
}

CCascadioGame::CCascadioGame(CCascadioRun& run, CGameRandom& random) : m_run(run), m_random(random) {}

void CCascadioGame::ClearChain()
{
    m_nPathLen = 0;
    std::fill(std::begin(m_abSelected), std::end(m_abSelected), 0);
}

void CCascadioGame::ClearCritters()
{
    std::fill(std::begin(m_anCritter), std::end(m_anCritter), 0);
}

void CCascadioGame::PutFirstCritter()
{
    m_anCritter[CascCell(m_random.Rand() % CASC_COLUMNS, 0)] = 1;
}

int CCascadioGame::CritterCount() const
{
    return int(std::count_if(std::begin(m_anCritter), std::end(m_anCritter), [](int v) { return v != 0; }));
}

// What a new game and a quit both clear.
void CCascadioGame::Reset(BOOL bRunning)
{
    m_nMaxCritters = 1;
    m_bGameOver = FALSE;
    m_bRunning = bRunning;
    ClearChain();
    ClearCritters();
    m_nScore = 0;
    m_aScoredWords.clear();
    m_nCrittersCaught = 0;
}

void CCascadioGame::NewGame()
{
    m_nPauseCount = 0;
    Reset(TRUE);
    FillBoard();
    PutFirstCritter();
    m_nSpawnInterval = 15000;
    m_dwNextSpawn = GetTickCount() + 15000;
    m_nStepTicks = 60;
}

BOOL CCascadioGame::Quit()
{
    if (!m_bRunning)
        return FALSE;
    Reset(FALSE);
    for (QString& str : m_strLetters)
        str.clear();
    return TRUE;
}

void CCascadioGame::Load(const CCascadioState& state)
{
    m_nPauseCount = 0;
    Quit();
    // A game that ended while a chain was traced leaves no chain behind in the loaded one.
    ClearChain();
    m_aScoredWords.clear();
    m_nCrittersCaught = 0;
    m_bGameOver = FALSE;
    m_bRunning = TRUE;
    for (int i = 0; i < CASC_CELLS; ++i) {
        m_strLetters[i] = state.astrLetters[i];
        m_anCritter[i] = state.anCritter[i];
    }
    m_nScore = state.nScore;
    m_nSpawnInterval = state.nSpawnInterval;
    m_nMaxCritters = state.nMaxCritters;
    m_nStepTicks = state.nStepTicks;
    m_dwNextSpawn = GetTickCount() + DWORD(m_nSpawnInterval);
}

BOOL CCascadioGame::LoadFromText(const QString& strText)
{
    CCascadioState state;
    if (!ParseCascadioText(strText, state))
        return FALSE;
    Load(state);
    return TRUE;
}

CGameResult CCascadioGame::GetResult() const
{
    CGameResult result;
    result.nScore = m_nScore;
    result.aWords = m_aScoredWords;
    result.extra[QStringLiteral("words")] = int(m_aScoredWords.size());
    result.extra[QStringLiteral("critters")] = m_nCrittersCaught;
    return result;
}

CCascadioState CCascadioGame::State() const
{
    CCascadioState state;
    for (int i = 0; i < CASC_CELLS; ++i) {
        state.astrLetters[i] = m_strLetters[i];
        state.anCritter[i] = m_anCritter[i];
    }
    state.nScore = m_nScore;
    state.nSpawnInterval = m_nSpawnInterval;
    state.nMaxCritters = m_nMaxCritters;
    state.nStepTicks = m_nStepTicks;
    return state;
}

void CCascadioGame::FillBoard()
{
    int k = 0;
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            m_strLetters[CascCell(c, r)] = ChooseLetter(m_random, k);
}

CCascadioTick CCascadioGame::Tick()
{
    CCascadioTick tick;
    if (!m_bRunning)
        return tick;
    for (int n = 0; n < CASC_CELLS; ++n)
        tick.abChanged[n] = m_anCritter[n] != 0;
    // Row by row from the top, so a critter that creeps down is counted again in its new row.
    for (int r = 0; r < CASC_ROWS; ++r) {
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const int n = CascCell(c, r);
            if (m_anCritter[n] == 0)
                continue;
            if (r == CASC_ROWS - 1) {
                tick.bEnded = true;
                continue;
            }
            const int v = m_anCritter[n];
            m_anCritter[n] = std::min(v + 1, CASC_MAX_CRITTER_VALUE);
            if (v >= m_nStepTicks) {
                m_anCritter[n + 1] = 1;
                m_anCritter[n] = 0;
            }
        }
    }
    if (tick.bEnded) {
        m_bRunning = FALSE;
        m_bGameOver = TRUE;
    } else {
        SpawnCritter();
    }
    for (int n = 0; n < CASC_CELLS; ++n)
        tick.abChanged[n] = tick.abChanged[n] || m_anCritter[n] != 0;
    return tick;
}

BOOL CCascadioGame::SpawnCritter()
{
    if (CritterCount() >= m_nMaxCritters)
        return FALSE;
    const DWORD dwNow = GetTickCount();
    if (!TickPassed(dwNow, m_dwNextSpawn))
        return FALSE;
    for (int nTry = 0; nTry < 25; ++nTry) {
        const int c = m_random.Rand() % CASC_COLUMNS;
        if (m_anCritter[CascCell(c, 0)] != 0)
            continue;
        m_anCritter[CascCell(c, 0)] = 1;
        m_dwNextSpawn = dwNow + DWORD(m_nSpawnInterval);
        return TRUE;
    }
    return FALSE;
}

void CCascadioGame::IncreaseDifficulty(BOOL bByChance)
{
    if (bByChance && m_random.Rand() % 10 < 3)
        return;
    BOOL bChanged = FALSE;
    if (m_run.FlipAlternation()) {
        if (m_nMaxCritters < 10) {
            ++m_nMaxCritters;
            bChanged = TRUE;
        } else if (m_nSpawnInterval > 0) {
            m_nSpawnInterval = std::max(0, m_nSpawnInterval - 3000);
            bChanged = TRUE;
        }
    } else {
        if (m_nSpawnInterval > 0) {
            m_nSpawnInterval = std::max(0, m_nSpawnInterval - 3000);
            bChanged = TRUE;
        } else if (m_nMaxCritters < 10) {
            ++m_nMaxCritters;
            bChanged = TRUE;
        }
    }
    if (!bChanged && m_nStepTicks - 10 >= 10)
        m_nStepTicks -= 10;
    m_dwNextSpawn = GetTickCount() + DWORD(m_nSpawnInterval);
}
