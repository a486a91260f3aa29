// Cascadio drawing: background and buttons, the tiles with their letters, the critter pictures,
// the score digits and the game-over label. Everything draws straight to the window.
#include "games/cascadio/CascadioWnd.h"

#include <algorithm>

#include "games/AppSettings.h"
#include "games/GameDraw.h"
#include "graphics/Picture.h"

namespace {
constexpr COLORREF CRITTER_KEY = RGB(255, 0, 0);

CRect CellRect(int c, int r) { return CRect(15 + 30 * c, 30 + 30 * r, 45 + 30 * c, 60 + 30 * r); }
} // namespace

COLORREF CCascadioWnd::NormalColor() const
{
    return m_pApp ? m_pApp->m_crFontNormalColor : RGB(0, 0, 0);
}

COLORREF CCascadioWnd::SelectedColor() const
{
    return m_pApp ? m_pApp->m_crFontSelectedColor : RGB(255, 255, 255);
}

int CCascadioWnd::CritterFrameX(int nValue)
{
    // Only values of 0 and more are ever held; a stray negative one still picks a frame of the strip.
    const int v = std::max(nValue, 0);
    return v % 7 == 6 ? 30 : ((v % 6) / 2) * 10;
}

void CCascadioWnd::PrepareText(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectObject(&m_fontLetters);
    pDC->SelectObject(&m_brushTile);
}

void CCascadioWnd::CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc)
{
    CopyBitmapPiece(pDC, m_dcMem, bitmap, x, y, cx, cy, xSrc);
}

void CCascadioWnd::OnPaint()
{
    CPaintDC dc(this);
    GetClientRect(&m_rcClient);
    DrawBackground(&dc);
    DrawBoard(&dc);
    DrawScore(&dc);
    DrawCritters(&dc);
}

void CCascadioWnd::DrawBackground(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CCascadioWnd::DrawBackground);
    DrawScreenBackground(pDC, m_rcClient, m_pBackground);
    CopyBitmap(pDC, m_bmpSubmit, 49, 248, 20, 20, 0);
    CopyBitmap(pDC, m_bmpBack, 89, 248, 20, 20, 0);
    CopyBitmap(pDC, m_bmpPause, 129, 248, 20, 20, 0);
    CopyBitmap(pDC, m_bmpNewLetters, 169, 248, 20, 20, 0);
}

void CCascadioWnd::DrawBoard(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CCascadioWnd::DrawBoard);
    PrepareText(pDC);
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            DrawCell(c, r, TRUE, pDC);
    if (m_game.IsGameOver()) {
        if (m_rcClient.IsRectEmpty())
            GetClientRect(&m_rcClient);
        pDC->SetBkMode(OPAQUE);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        CRect rc = m_rcClient;
        pDC->DrawText(QStringLiteral("  Game Over  "), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetBkMode(TRANSPARENT);
    }
}

void CCascadioWnd::DrawCell(int c, int r, BOOL bCritter, CDC* pDC)
{
    if (c < 0 || c >= CASC_COLUMNS || r < 0 || r >= CASC_ROWS)
        return;
    if (pDC == nullptr) {
        if (!GetSafeHwnd())
            return;
        CClientDC dc(this);
        PrepareText(&dc);
        DrawCell(c, r, bCritter, &dc);
        return;
    }
    CRect rc = CellRect(c, r);
    pDC->FillRect(&rc, &m_brushTile);
    pDC->Draw3dRect(&rc, m_tile.crLight, m_tile.crDark);
    const QString& strLetter = m_game.Letter(c, r);
    if (strLetter.isEmpty())
        return;
    pDC->SetTextColor(m_game.IsSelected(c, r) ? SelectedColor() : NormalColor());
    pDC->DrawText(strLetter, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (bCritter && m_game.Critter(c, r) != 0)
        DrawCritter(pDC, c, r, m_game.Critter(c, r));
}

void CCascadioWnd::RepaintCell(int c, int r, CDC* pDC)
{
    DrawCell(c, r, FALSE, pDC);
    if (m_game.Critter(c, r) != 0)
        DrawCritter(pDC, c, r, m_game.Critter(c, r));
}

void CCascadioWnd::DrawCritter(CDC* pDC, int c, int r, int nValue)
{
    if (!m_bmpCritter.GetSafeHandle())
        return;
    pDC->TransparentImage(16 + 30 * c, 49 + 30 * r, 10, 10, &m_bmpCritter, CritterFrameX(nValue), 0, 10, 10,
                          CRITTER_KEY);
}

void CCascadioWnd::EraseCell(int c, int r, CDC* pDC)
{
    const CRect rc = CellRect(c, r);
    pDC->FillSolidRect(&rc, RGB(0, 0, 0));
}

void CCascadioWnd::RedrawColumns(const int* anLowest, CDC* pDC)
{
    PrepareText(pDC);
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            if (anLowest[c] >= 0 && r <= anLowest[c])
                DrawCell(c, r, TRUE, pDC);
}

void CCascadioWnd::DrawScore(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CCascadioWnd::DrawScore);
    DrawScoreDigits(pDC, m_dcMem, m_bmpDigits, 89, m_game.Score());
}

void CCascadioWnd::DrawCritters(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawInOwnDC(this, &CCascadioWnd::DrawCritters);
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            if (m_game.Critter(c, r) != 0)
                DrawCritter(pDC, c, r, m_game.Critter(c, r));
}
