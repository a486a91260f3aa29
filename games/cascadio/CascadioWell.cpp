// The Cascadio well: letter generation, the timer that moves the critters, their arrival and the
// rising difficulty.
#include "games/cascadio/CascadioWnd.h"

#include <algorithm>
#include <cstdlib>

#include "framework/Clock.h"

int CCascadioWnd::s_nLetterOffset = 0;
BOOL CCascadioWnd::s_bAlternate = FALSE;

namespace {

// Five bands of five letters by frequency, then z.
const char s_szLetters[] = "etaoinusrhlydcmfpgwbvkxjqz";

// One letter; k walks through the five letters of a band and advances after every letter.
QString ChooseLetter(int& k)
{
    int nBand = 0;
    while (nBand < 4 && rand() % 100 >= 45)
        ++nBand;
    const char ch = nBand < 4 ? s_szLetters[5 * nBand + k] : (rand() % 100 < 70 ? s_szLetters[20 + k] : 'z');
    k = k == 4 ? 0 : k + 1;
    if (ch == 'q')
        return QStringLiteral("Qu");
    return QString(QChar(char16_t(ch - 'a' + 'A')));
}

// The tick count has passed the due time; the difference also stays right across the wrap of the
// 32-bit count.
bool TickPassed(DWORD dwNow, DWORD dwDue) { return qint32(dwNow - dwDue) > 0; }

} // namespace

QString CCascadioWnd::RandomLetter()
{
    if (s_nLetterOffset < 0 || s_nLetterOffset > 4)
        s_nLetterOffset = 0;
    return ChooseLetter(s_nLetterOffset);
}

void CCascadioWnd::FillBoard()
{
    int k = 0;
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            m_strLetters[CascCell(c, r)] = ChooseLetter(k);
}

void CCascadioWnd::OnTimer(UINT_PTR /*nIDEvent*/)
{
    if (!m_bRunning) {
        StopTimer();
        return;
    }
    if (m_bDialogOpen)
        return;
    if (!IsWindowVisible()) {
        // Hidden, the game stands still until the screen is shown again.
        StopTimer();
        return;
    }

    CClientDC dc(this);
    PrepareText(&dc);
    BOOL bOver = FALSE;
    for (int r = 0; r < CASC_ROWS; ++r) {
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const int n = CascCell(c, r);
            if (m_anCritter[n] == 0)
                continue;
            if (r > 0 && m_anCritter[n - 1] == 0)
                DrawCell(c, r - 1, FALSE, &dc);
            if (r == CASC_ROWS - 1) {
                if (!bOver)
                    EndGame(&dc);
                bOver = TRUE;
            } else {
                const int v = m_anCritter[n];
                m_anCritter[n] = std::min(v + 1, CASC_MAX_CRITTER_VALUE);
                if (v >= m_nStepTicks) {
                    m_anCritter[n + 1] = 1;
                    m_anCritter[n] = 0;
                }
            }
            DrawCritter(&dc, c, r, m_anCritter[n]);
        }
    }
    if (!bOver)
        SpawnCritter();
}

void CCascadioWnd::SpawnCritter()
{
    const int nCount = int(std::count_if(std::begin(m_anCritter), std::end(m_anCritter), [](int v) { return v != 0; }));
    if (nCount >= m_nMaxCritters)
        return;
    const DWORD dwNow = GetTickCount();
    if (!TickPassed(dwNow, m_dwNextSpawn))
        return;
    for (int nTry = 0; nTry < 25; ++nTry) {
        const int c = rand() % CASC_COLUMNS;
        if (m_anCritter[CascCell(c, 0)] != 0)
            continue;
        m_anCritter[CascCell(c, 0)] = 1;
        m_dwNextSpawn = dwNow + DWORD(m_nSpawnInterval);
        if (GetSafeHwnd())
            DrawCritters();
        return;
    }
}

void CCascadioWnd::IncreaseDifficulty(BOOL bByChance)
{
    if (bByChance && rand() % 10 < 3)
        return;
    s_bAlternate = !s_bAlternate;
    BOOL bChanged = FALSE;
    if (s_bAlternate) {
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
