// CCascadioWnd: construction, the operations the shell drives, starting and ending games, the
// timer's life and the saved text.
#include "games/cascadio/CascadioWnd.h"

#include <cstdlib>

#include "games/AppSettings.h"
#include "framework/Clock.h"
#include "framework/MessageBox.h"
#include "graphics/BitmapResource.h"
#include "graphics/Picture.h"

CCascadioWnd::CCascadioWnd()
{
    LoadBitmapResource(m_bmpSubmit, 133);
    LoadBitmapResource(m_bmpPause, 147);
    LoadBitmapResource(m_bmpBack, 134);
    LoadBitmapResource(m_bmpNewLetters, 146);
    LoadBitmapResource(m_bmpDigits, 160);
    LoadBitmapResource(m_bmpCritter, 157);
    SetCubeColor(RGB(0x80, 0x80, 0xC0));
}

CCascadioWnd::~CCascadioWnd()
{
    DestroyWindow();
}

int CCascadioWnd::OnCreate()
{
    m_dcMem.CreateCompatibleDC(nullptr);
    m_fontLetters.CreateFont(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             QStringLiteral("Arial"));
    return 0;
}

void CCascadioWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CCascadioWnd::SetCubeColor(COLORREF cr)
{
    m_clrTile = cr;
    m_brushTile.DeleteObject();
    m_brushTile.CreateSolidBrush(cr);
    m_clrTileLight = ShadeColor(cr, 32);
    m_clrTileDark = ShadeColor(cr, -32);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

BOOL CCascadioWnd::SetDialogOpen(BOOL bOpen)
{
    const BOOL bWas = m_bDialogOpen;
    m_bDialogOpen = bOpen;
    return bWas;
}

QString CCascadioWnd::GetSaveRefusal() const
{
    if (m_bGameOver)
        return QStringLiteral("Can't save: Game over");
    if (!m_bRunning)
        return QStringLiteral("Can't save: Game not started");
    return QString();
}

int CCascadioWnd::ShowMessage(const QString& strText, const QString& strCaption, UINT nType)
{
    // Every box holds the critters still until it is answered.
    const BOOL bWas = SetDialogOpen(TRUE);
    const int nAnswer = QxMessageBox(strText, strCaption, nType);
    m_bDialogOpen = bWas;
    return nAnswer;
}

void CCascadioWnd::StartTimer()
{
    m_nTimerId = SetTimer(TIMER_ID, TIMER_PERIOD);
}

void CCascadioWnd::StopTimer()
{
    KillTimer(TIMER_ID);
    m_nTimerId = 0;
}

void CCascadioWnd::ClearChain()
{
    m_nPathLen = 0;
    for (signed char& b : m_abSelected)
        b = 0;
}

void CCascadioWnd::PutFirstCritter()
{
    m_anCritter[CascCell(rand() % CASC_COLUMNS, 0)] = 1;
}

void CCascadioWnd::NewGame()
{
    m_nPauseCount = 0;
    m_bDialogOpen = FALSE;
    m_nMaxCritters = 1;
    m_bGameOver = FALSE;
    m_bRunning = TRUE;
    ClearChain();
    for (int& n : m_anCritter)
        n = 0;
    m_nScore = 0;
    FillBoard();
    PutFirstCritter();
    if (GetSafeHwnd()) {
        CClientDC dc(this);
        DrawBoard(&dc);
        DrawScore(&dc);
        DrawCritters(&dc);
    }
    StartTimer();
    m_nSpawnInterval = 15000;
    m_dwNextSpawn = GetTickCount() + 15000;
    m_nStepTicks = 60;
}

void CCascadioWnd::QuitGame(BOOL bQuiet)
{
    if (!m_bRunning)
        return;
    if (!bQuiet && ShowMessage(QStringLiteral("Are you sure you want to quit?"), QStringLiteral("Confirmation"),
                               MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_nMaxCritters = 1;
    m_bDialogOpen = FALSE;
    m_bGameOver = FALSE;
    m_bRunning = FALSE;
    ClearChain();
    for (int& n : m_anCritter)
        n = 0;
    m_nScore = 0;
    for (QString& str : m_strLetters)
        str.clear();
    if (GetSafeHwnd()) {
        CClientDC dc(this);
        DrawBoard(&dc);
        DrawScore(&dc);
        DrawCritters(&dc);
    }
    StopTimer();
}

// The end of a game, whichever way the critter reached the bottom: the timer stops at once (no
// tick after the end moves or adds a critter) and the label goes up.
void CCascadioWnd::EndGame(CDC* pDC)
{
    StopTimer();
    m_bRunning = FALSE;
    m_bGameOver = TRUE;
    if (pDC) {
        DrawBoard(pDC);
        DrawCritters(pDC);
    }
}

void CCascadioWnd::SaveToText(QString& strText)
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
    strText = FormatCascadioText(state);
}

BOOL CCascadioWnd::LoadFromText(const QString& strText)
{
    // Read everything first: a text that cannot be a game leaves the running one untouched.
    CCascadioState state;
    if (!ParseCascadioText(strText, state))
        return FALSE;

    m_nPauseCount = 0;
    QuitGame(TRUE);
    // A game that ended while a chain was traced leaves no chain behind in the loaded one.
    ClearChain();
    m_bDialogOpen = FALSE;
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
    StartTimer();
    // Shown at once rather than at some later repaint.
    Invalidate(FALSE);
    return TRUE;
}

void CCascadioWnd::OnShowWindow(BOOL bShow)
{
    if (bShow && m_bRunning && m_nTimerId == 0)
        StartTimer();
}
