// The Spanwright window's background.
#include "games/spanwright/SpanwrightWnd.h"

#include "graphics/Picture.h"

void CSpanwrightWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CSpanwrightWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawScreenBackground(&dc, rc, m_pBackground);
}
