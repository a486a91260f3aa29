// The main screen's layout, painting and taps.
#include "app/MainScreenWnd.h"

#include <cstdio>

#include "app/HighScoreTable.h"

namespace {
void CreateBoldArial(CFont& font, int nHeight)
{
    font.CreateFont(nHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, QStringLiteral("Arial"));
}
} // namespace

CMainScreenWnd::CMainScreenWnd(AppSettings* pSettings) : m_pSettings(pSettings)
{
    CreateBoldArial(m_fontSmall, 16);
    CreateBoldArial(m_fontLarge, 24);
}

CRect CMainScreenWnd::GetButtonRect(int nButton, int h)
{
    const int a = h / 5;
    const int g = (h / 3 - h / 5) / 2;
    const int top = nButton * g + (nButton - 1) * a;
    return CRect(15, top, 219, top + a);
}

QString CMainScreenWnd::FormatHighScore(int nScore)
{
    char sz[32];
    // The zero flag is inert here (the precision pads); the text is kept as it always was.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
    std::snprintf(sz, sizeof sz, "High: %-06.06d ", nScore);
#pragma GCC diagnostic pop
    return QString::fromLatin1(sz);
}

void CMainScreenWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawScreenBackground(&dc, rcClient, m_pSettings ? &m_pSettings->m_picBackground : nullptr);
    if (!m_pSettings)
        return;

    const COLORREF crFill = m_pSettings->m_crCubeColor;
    // One button per game, top to bottom; a tap on button i sends WM_SHOWGAME with i.
    for (int i = 1; i <= HIGH_SCORE_COUNT; ++i) {
        const HighScoreEntry& game = HIGH_SCORES[i - 1];
        CRect rc = GetButtonRect(i, rcClient.Height());
        dc.FillSolidRect(&rc, crFill);
        // The frame reaches one column further than the fill.
        dc.Draw3dRect(rc.left, rc.top, rc.Width() + 1, rc.Height(), ShadeColor(crFill, 32), ShadeColor(crFill, -32));

        dc.SetBkMode(TRANSPARENT);
        CFont* pOldFont = dc.SelectObject(&m_fontLarge);
        dc.SetTextColor(m_pSettings->m_crFontNormalColor);
        // The name stands one blank in from the button's edge.
        dc.DrawText(QLatin1Char(' ') + QString::fromLatin1(game.pszGame), &rc, DT_SINGLELINE | DT_LEFT | DT_VCENTER);

        dc.SelectObject(&m_fontSmall);
        dc.DrawText(FormatHighScore(m_pSettings->*game.pnField), &rc, DT_SINGLELINE | DT_RIGHT | DT_TOP);
        dc.SelectObject(pOldFont);
    }
}

void CMainScreenWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    for (int i = 1; i <= HIGH_SCORE_COUNT; ++i) {
        if (GetButtonRect(i, rcClient.Height()).PtInRect(point) && GetParent())
            GetParent()->SendMessage(WM_SHOWGAME, WPARAM(i), 0);
    }
}
