// CMainScreenWnd: the title screen with one button per game and its high score.
#pragma once
#include <QString>

#include "framework/Wnd.h"

struct AppSettings;

// Sent to the parent when a game button is tapped: wParam 1 Tessaryl, 2 Spanwright, 3 Cascadio.
constexpr UINT WM_SHOWGAME = WM_USER + 1;

class CMainScreenWnd : public CWnd {
public:
    explicit CMainScreenWnd(AppSettings* pSettings);

    // Button 1 to 3 for a client height h (left and top inside, right and bottom outside).
    static CRect GetButtonRect(int nButton, int h);
    // "High: %-06.06d ": six digits at least, zero-padded, never cut.
    static QString FormatHighScore(int nScore);

    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

private:
    AppSettings* m_pSettings;
    CFont m_fontSmall;
    CFont m_fontLarge;
};
