// CTessarylWnd: the Tessaryl game window (for now the window the shell drives, without the game).
#pragma once
#include "framework/Wnd.h"

class CDictionary;
class CPicture;

class CTessarylWnd : public CWnd {
public:
    CTessarylWnd() = default;

    void SetDictionary(CDictionary* pDictionary) { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture);
    void SetCubeColor(COLORREF cr) { m_crCube = cr; }
    void NewGame() {}
    void QuitGame() {}

    void PauseWorker() {}
    void ResumeWorker() {}
    void StopWorker() {}
    void ClearWordList() {}
    BOOL IsWorkerRunning() const { return FALSE; }

    void OnPaint() override;

    BOOL m_bGameRunning = FALSE;
    CRect m_rcCube;
    CBitmap m_bmpSubmit;
    CBitmap m_bmpBack;
    CBitmap m_bmpHint;
    CBitmap m_bmpDigits;

private:
    CDictionary* m_pDictionary = nullptr;
    CPicture* m_pBackground = nullptr;
    COLORREF m_crCube = 0;
};
