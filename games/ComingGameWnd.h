// CComingGameWnd: what a game window is until its game is built: the shell can drive it, it shows
// the background, and it never reports a running game.
#pragma once
#include "framework/Wnd.h"
#include "graphics/Picture.h"

class CDictionary;

class CComingGameWnd : public CWnd {
public:
    void SetDictionary(CDictionary* pDictionary) { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture)
    {
        m_pBackground = pPicture;
        Invalidate(FALSE);
    }
    void SetCubeColor(COLORREF cr) { m_crCube = cr; }
    void NewGame() {}
    void QuitGame() {}

    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        DrawScreenBackground(&dc, rc, m_pBackground);
    }

    BOOL m_bRunning = FALSE;
    BOOL m_bGameOver = FALSE;
    BOOL m_bDialogOpen = FALSE;

protected:
    CDictionary* m_pDictionary = nullptr;
    CPicture* m_pBackground = nullptr;
    COLORREF m_crCube = 0;
};
