// CSpanwrightWnd: construction, the operations the shell drives, the walking timer and messages.
#include "games/spanwright/SpanwrightWnd.h"

#include <algorithm>

#include "games/AppSettings.h"
#include "framework/MessageBox.h"
#include "graphics/BitmapResource.h"

CSpanwrightWnd::CSpanwrightWnd()
{
    LoadBitmapResource(m_bmpSubmit, 133);
    LoadBitmapResource(m_bmpPause, 147);
    LoadBitmapResource(m_bmpBack, 134);
    LoadBitmapResource(m_bmpNewLetters, 146);
    LoadBitmapResource(m_bmpLeftBank, 138);
    LoadBitmapResource(m_bmpRightBank, 139);
    LoadBitmapResource(m_bmpBridge, 140);
    LoadBitmapResource(m_bmpWalker, 145);
    LoadBitmapResource(m_bmpDigits, 160);
    m_brushChasm.CreateSolidBrush(RGB(0, 0, 255));
    SetCubeColor(RGB(128, 128, 192));
}

CSpanwrightWnd::~CSpanwrightWnd()
{
    DestroyWindow();
}

int CSpanwrightWnd::OnCreate()
{
    m_dcMem.CreateCompatibleDC(nullptr);
    EnsureLayout();
    return 0;
}

void CSpanwrightWnd::OnDestroy()
{
    StopWalkTimer();
    m_listWords.DestroyWindow();
}

void CSpanwrightWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CSpanwrightWnd::SetCubeColor(COLORREF cr)
{
    m_brushTile.DeleteObject();
    m_brushTile.CreateSolidBrush(cr);
    m_clrTile = cr;
    m_clrTileLight = ShadeColor(cr, 32);
    m_clrTileDark = ShadeColor(cr, -32);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

QString CSpanwrightWnd::GetSaveRefusal() const
{
    if (m_bGameOver)
        return QStringLiteral("Can't save: Game over");
    if (!m_bRunning)
        return QStringLiteral("Can't save: Game not started");
    return QString();
}

BOOL CSpanwrightWnd::SetDialogOpen(BOOL bOpen)
{
    const BOOL bWas = m_bDialogOpen;
    m_bDialogOpen = bOpen;
    return bWas;
}

int CSpanwrightWnd::ShowMessage(const QString& strText, const QString& strCaption, UINT nType)
{
    const BOOL bWas = SetDialogOpen(TRUE);
    const int nAnswer = QxMessageBox(strText, strCaption, nType);
    m_bDialogOpen = bWas;
    return nAnswer;
}

void CSpanwrightWnd::StartWalkTimer(int nPeriod)
{
    // A negative rest (only a loaded game holds one) means no rest at all.
    m_nTimerId = SetTimer(WALK_TIMER, UINT(std::max(nPeriod, 0)));
    m_bWalkSuspended = FALSE;
}

void CSpanwrightWnd::StopWalkTimer()
{
    KillTimer(WALK_TIMER);
    m_nTimerId = 0;
    m_bWalkSuspended = FALSE;
}

void CSpanwrightWnd::ResumeWalk()
{
    if (!m_bWalkSuspended)
        return;
    m_bWalkSuspended = FALSE;
    if (m_bRunning && !m_bGameOver && m_bTimerStarted)
        StartWalkTimer(m_nWalkerFrame == 0 ? m_nStepDelay : int(STEP_PERIOD));
}

void CSpanwrightWnd::OnShowWindow(BOOL bShow)
{
    if (bShow)
        ResumeWalk();
}
