// The Tessaryl window's background.
#include "games/tessaryl/TessarylWnd.h"

#include "graphics/Picture.h"

void CTessarylWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CTessarylWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawScreenBackground(&dc, rc, m_pBackground);
}
