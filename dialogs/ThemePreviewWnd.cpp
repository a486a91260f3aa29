// The preview: tiled picture, two bevelled tiles with "C" and "F".
#include "dialogs/ThemePreviewWnd.h"

CThemePreviewWnd::CThemePreviewWnd()
{
    m_font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, QStringLiteral("Arial"));
    m_crLight = ShadeColor(m_crCube, 32);
    m_crDark = ShadeColor(m_crCube, -32);
}

void CThemePreviewWnd::RepaintIfVisible()
{
    if (IsWindowVisible())
        Invalidate(FALSE);
}

void CThemePreviewWnd::SetPicture(const QString& strPath)
{
    if (strPath.compare(m_strPicture, Qt::CaseInsensitive) == 0)
        return;
    m_picture.Release();
    // A name that is no file (" [None]", or nothing) leaves the preview without a picture.
    if (!strPath.isEmpty())
        m_picture.LoadFromFile(this, strPath);
    m_strPicture = strPath;
    RepaintIfVisible();
}

void CThemePreviewWnd::SetCubeColor(COLORREF cr)
{
    if (cr == m_crCube)
        return;
    m_crCube = cr;
    m_crLight = ShadeColor(cr, 32);
    m_crDark = ShadeColor(cr, -32);
    RepaintIfVisible();
}

void CThemePreviewWnd::SetFontColor(COLORREF cr)
{
    if (cr == m_crFont)
        return;
    m_crFont = cr;
    RepaintIfVisible();
}

void CThemePreviewWnd::SetSelectedColor(COLORREF cr)
{
    if (cr == m_crSelected)
        return;
    m_crSelected = cr;
    RepaintIfVisible();
}

void CThemePreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int w = rc.Width();
    const int h = rc.Height();
    if (m_picture.IsLoaded() && m_picture.GetWidth() > 0 && m_picture.GetHeight() > 0) {
        for (int x = 0; x < w; x += m_picture.GetWidth())
            for (int y = 0; y < h; y += m_picture.GetHeight())
                m_picture.Draw(&dc, x, y);
    } else {
        dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    }

    // Two 30-pixel tiles with three equal gaps.
    const int y = (h - 30) / 2;
    const int x1 = (w - 60) / 3;
    const CRect aTiles[2] = {CRect(x1, y, x1 + 30, y + 30), CRect(2 * x1 + 30, y, 2 * x1 + 60, y + 30)};
    const COLORREF aText[2] = {m_crFont, m_crSelected};
    const QString astrText[2] = {QStringLiteral("C"), QStringLiteral("F")};
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < 2; ++i) {
        CRect rcTile = aTiles[i];
        dc.FillSolidRect(&rcTile, m_crCube);
        dc.Draw3dRect(&rcTile, m_crLight, m_crDark);
        dc.SetTextColor(aText[i]);
        dc.DrawText(astrText[i], &rcTile, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(pOldFont);
}
