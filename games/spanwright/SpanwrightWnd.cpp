// CSpanwrightWnd: construction, the operations the shell drives, the walking timer and saved games.
#include "games/spanwright/SpanwrightWnd.h"

#include <algorithm>

#include "games/AppSettings.h"
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
    m_wordCheck.SetShow([this](const QString& strText, const QString& strCaption, UINT nType) {
        return ShowMessage(strText, strCaption, nType);
    });
    m_game.SetWordCheck(&m_wordCheck);
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

void CSpanwrightWnd::SetSettings(AppSettings* pApp)
{
    m_pApp = pApp;
    m_wordCheck.SetSettings(pApp);
    m_game.SetHighScore(pApp ? &pApp->m_nBridgeHiScore : nullptr);
}

void CSpanwrightWnd::SetDictionary(CDictionary* pDictionary)
{
    m_wordCheck.SetDictionary(pDictionary);
    m_game.SetDictionary(pDictionary);
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
    m_tile.SetFace(cr);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

QString CSpanwrightWnd::GetSaveRefusal() const
{
    if (m_game.IsGameOver())
        return QStringLiteral("Can't save: Game over");
    if (!m_game.IsRunning())
        return QStringLiteral("Can't save: Game not started");
    return QString();
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
    if (m_game.IsWalkUnderWay())
        StartWalkTimer(m_game.WalkPeriod());
}

void CSpanwrightWnd::ApplyTimer(ESpanTimer eTimer, int nPeriod)
{
    if (eTimer == ESpanTimer::Start)
        StartWalkTimer(nPeriod);
    else if (eTimer == ESpanTimer::Stop)
        StopWalkTimer();
}

void CSpanwrightWnd::OnShowWindow(BOOL bShow)
{
    if (bShow)
        ResumeWalk();
}

void CSpanwrightWnd::ShowUsedWords()
{
    m_listWords.ResetContent();
    for (const QString& strWord : m_game.UsedWords())
        m_listWords.AddString(strWord);
}

void CSpanwrightWnd::SaveToText(QString& strText)
{
    m_game.SaveToText(strText);
}

BOOL CSpanwrightWnd::LoadFromText(const QString& strText)
{
    if (!m_game.LoadFromText(strText))
        return FALSE; // the game on screen goes on untouched
    StopWalkTimer();
    ShowUsedWords();
    if (m_game.IsWalkUnderWay())
        StartWalkTimer(m_game.WalkPeriod());
    Invalidate(FALSE);
    return TRUE;
}
