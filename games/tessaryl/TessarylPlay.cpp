// Tessaryl taps: the three buttons and the cells, handed to the game.
#include "games/tessaryl/TessarylWnd.h"

void CTessarylWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_game.m_bGameRunning)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBottom = rcClient.bottom;
    if (point.x < 20 && point.y > nBottom - 60) {
        switch ((nBottom - point.y) / 20) {
        case 2:
            ShowChange(m_game.Submit());
            break;
        case 1:
            ShowChange(m_game.Back());
            break;
        case 0:
            ShowChange(m_game.GiveHint());
            break;
        }
        return;
    }
    const int nCell = HitCell(point);
    if (nCell >= 0)
        ShowChange(m_game.TapCell(nCell));
}
