// The Cascadio window's background.
#include "games/cascadio/CascadioWnd.h"

#include "graphics/Picture.h"

void CCascadioWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CCascadioWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawScreenBackground(&dc, rc, m_pBackground);
}
