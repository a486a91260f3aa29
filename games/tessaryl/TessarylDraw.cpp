// Tessaryl drawing: cube geometry, background, buttons, cells, score and hit testing.
#include "games/tessaryl/TessarylWnd.h"

#include <QWidget>
#include <algorithm>

#include "games/AppSettings.h"
#include "games/GameDraw.h"
#include "graphics/Picture.h"

void CTessarylWnd::SetCubeColor(COLORREF cr)
{
    m_brTop.DeleteObject();
    m_brLeft.DeleteObject();
    m_brRight.DeleteObject();
    CTileColors tile;
    tile.SetFace(cr);
    m_brTop.CreateSolidBrush(tile.crFace);
    m_brLeft.CreateSolidBrush(tile.crLight);
    m_brRight.CreateSolidBrush(tile.crDark);
}

void CTessarylWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

COLORREF CTessarylWnd::NormalColor() const
{
    return m_pApp ? m_pApp->m_crFontNormalColor : RGB(0, 0, 0);
}

COLORREF CTessarylWnd::SelectedColor() const
{
    return m_pApp ? m_pApp->m_crFontSelectedColor : RGB(255, 255, 255);
}

void CTessarylWnd::ComputeGeometry()
{
    const int L = m_rcCube.left;
    const int T = m_rcCube.top;
    const int W = m_rcCube.Width();
    const int H = m_rcCube.Height();
    const int a = int(W * 0.16666666666666666);
    const int b = H / 13;
    const int c = int(H * 0.2);

    if (!m_bGeometryValid || m_rcGeometry != m_rcCube) {
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                const int n = 3 * j + i;
                const int x0 = L + (j + i) * a;
                const int y0 = T + (3 + j - i) * b;
                m_aptCell[n][0] = CPoint(x0, y0);
                m_aptCell[n][1] = CPoint(x0 + a, y0 - b);
                m_aptCell[n][2] = CPoint(x0 + 2 * a, y0);
                m_aptCell[n][3] = CPoint(x0 + a, y0 + b);
                const int nLeft = x0 + a / 2;
                const int t = y0 - b / 2;
                m_arcCellText[n] = CRect(nLeft, t - b / 4, nLeft + a, t + b + b / 4);
            }
        }
        for (int k = 0; k < 3; ++k) {
            for (int m = 0; m < 3; ++m) {
                const int nL = 9 + 3 * k + m;
                int x0 = L + m * a;
                int y0 = T + (3 + m) * b + k * c;
                m_aptCell[nL][0] = CPoint(x0, y0);
                m_aptCell[nL][1] = CPoint(x0 + a, y0 + b);
                m_aptCell[nL][2] = CPoint(x0 + a, y0 + b + c);
                m_aptCell[nL][3] = CPoint(x0, y0 + c);
                m_arcCellText[nL] = CRect(m_aptCell[nL][0].x, m_aptCell[nL][1].y, m_aptCell[nL][2].x, m_aptCell[nL][3].y);

                const int nR = 18 + 3 * k + m;
                x0 = L + (3 + m) * a;
                y0 = T + (6 - m) * b + k * c;
                m_aptCell[nR][0] = CPoint(x0, y0);
                m_aptCell[nR][1] = CPoint(x0 + a, y0 - b);
                m_aptCell[nR][2] = CPoint(x0 + a, y0 - b + c);
                m_aptCell[nR][3] = CPoint(x0, y0 + c);
                m_arcCellText[nR] = CRect(m_aptCell[nR][0].x, m_aptCell[nR][0].y, m_aptCell[nR][2].x, m_aptCell[nR][2].y);
            }
        }
        m_rcGeometry = m_rcCube;
        m_bGeometryValid = TRUE;
    }
    if (!m_fontLetters.GetSafeHandle()) {
        int nMin = 100;
        for (const CRect& rc : m_arcCellText)
            nMin = std::min(nMin, rc.Height());
        m_fontLetters.CreateFont(nMin - 2, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 QStringLiteral("Arial"));
    }
}

void CTessarylWnd::CreateUsedWordList()
{
    const CRect rc(20, m_rcClient.bottom - 62, m_rcClient.right, m_rcClient.bottom);
    m_wndUsedWords.Create(LBS_VISIBLE | LBS_BORDER | LBS_HSCROLL | LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT, rc, this,
                          IDC_USEDWORDS);
    m_wndUsedWords.SetColumnWidth((m_rcClient.right - 20) / 3);
    // Typed letters spell words; a list with the focus would take them for its own search.
    if (QWidget* pList = m_wndUsedWords.GetSafeHwnd())
        pList->setFocusPolicy(Qt::NoFocus);
    FillUsedWordBox(); // words found or loaded before the window was first shown
}

void CTessarylWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    if (rc != m_rcClientLast) {
        m_rcClient = rc;
        m_rcClientLast = rc;
        if (!m_wndUsedWords.GetSafeHwnd())
            CreateUsedWordList();
        m_fontLetters.DeleteObject();
        if (m_bFitCube || m_rcCube.right == 0) {
            m_rcCube = rc;
            m_rcCube.DeflateRect(m_nCubeMargin, m_nCubeMargin);
        }
        ComputeGeometry();
    }
    DrawBackground(&dc);
    DrawAllCells(&dc);
    DrawScore(&dc);
}

void CTessarylWnd::CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc)
{
    CopyBitmapPiece(pDC, m_dcMem, bitmap, x, y, cx, cy, xSrc);
}

void CTessarylWnd::DrawBackground(CDC* pDC)
{
    DrawScreenBackground(pDC, m_rcClient, m_pBackground);
    CopyBitmap(pDC, m_bmpSubmit, 0, m_rcClient.bottom - 60, 20, 20, 0);
    CopyBitmap(pDC, m_bmpBack, 0, m_rcClient.bottom - 40, 20, 20, 0);
    CopyBitmap(pDC, m_bmpHint, 0, m_rcClient.bottom - 20, 20, 20, 0);
}

void CTessarylWnd::DrawCell(int nCell, CDC* pDC)
{
    if (nCell < 0 || nCell >= TESS_CELLS || !m_bGeometryValid || !GetSafeHwnd())
        return; // nothing laid out yet: the first paint draws every cell
    if (pDC == nullptr) {
        CClientDC dc(this);
        DrawCell(nCell, &dc);
        return;
    }
    if (!m_penEdge.GetSafeHandle())
        m_penEdge.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&m_penEdge);
    CBrush* pBrush = nCell < 9 ? &m_brTop : (nCell < 18 ? &m_brLeft : &m_brRight);
    CBrush* pOldBrush = pDC->SelectObject(pBrush);
    pDC->Polygon(m_aptCell[nCell], 4);

    CFont* pOldFont = pDC->SelectObject(&m_fontLetters);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_game.IsSelected(nCell) || IsOnReviewPath(nCell) ? SelectedColor() : NormalColor());
    CRect rcText = m_arcCellText[nCell];
    pDC->DrawText(m_game.m_astrCells[nCell], &rcText, DT_CENTER | DT_VCENTER);
    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CTessarylWnd::DrawAllCells(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CTessarylWnd::DrawAllCells);
    for (int n = 0; n < TESS_CELLS; ++n)
        DrawCell(n, pDC);
}

void CTessarylWnd::DrawScore(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CTessarylWnd::DrawScore);
    DrawScoreDigits(pDC, m_dcMem, m_bmpDigits, 0, m_game.m_nScore);
}

int CTessarylWnd::HitCell(CPoint pt) const
{
    if (!m_bGeometryValid)
        return -1;
    for (int n = 0; n < TESS_CELLS; ++n) {
        const CPoint* p = m_aptCell[n];
        auto cross = [&pt](const CPoint& A, const CPoint& B) {
            return (A.x - pt.x) * (B.y - pt.y) - (A.y - pt.y) * (B.x - pt.x);
        };
        const int R = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x);
        if (cross(p[0], p[1]) <= R && cross(p[1], p[2]) <= R && cross(p[2], p[3]) <= R && cross(p[3], p[0]) <= R)
            return n;
    }
    return -1;
}
