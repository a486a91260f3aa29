// CCascadioWnd: the Cascadio game window (for now the window the shell drives, without the game).
#pragma once
#include "framework/Wnd.h"

class CDictionary;
class CPicture;

class CCascadioWnd : public CWnd {
public:
    CCascadioWnd() = default;

    void SetDictionary(CDictionary* pDictionary) { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture);
    void SetCubeColor(COLORREF cr) { m_crCube = cr; }
    void NewGame() {}
    void QuitGame() {}

    void OnPaint() override;

    BOOL m_bRunning = FALSE;
    BOOL m_bGameOver = FALSE;
    BOOL m_bDialogOpen = FALSE;

private:
    CDictionary* m_pDictionary = nullptr;
    CPicture* m_pBackground = nullptr;
    COLORREF m_crCube = 0;
};
