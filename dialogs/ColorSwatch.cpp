// The colour swatch: painting and the pen-up notification.
#include "dialogs/ColorSwatch.h"

#include "dialogs/ModalDialog.h"

void CColorSwatch::SetColor(COLORREF cr)
{
    m_clrColor = cr;
    m_nRed = GetRValue(cr);
    m_nGreen = GetGValue(cr);
    m_nBlue = GetBValue(cr);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CColorSwatch::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_clrColor);
    // A gentler light edge than the game tiles have.
    dc.Draw3dRect(&rc, ShadeColor(m_clrColor, 24), ShadeColor(m_clrColor, -32));
}

void CColorSwatch::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    // A pen that went down here but is lifted elsewhere still reports to this control; only a
    // pen lifted on the swatch counts.
    CRect rc;
    GetClientRect(&rc);
    if (m_nNotifyId != 0 && rc.PtInRect(point))
        SendMessageToParent(this, WM_SWATCHCLICKED, WPARAM(m_nNotifyId), 0);
}
