// Spanwright drawing: layout, background and buttons, score, the chasm with its banks, the bridge,
// the animal, the tiles and the fall.
#include "games/spanwright/SpanwrightWnd.h"

#include <QWidget>
#include <algorithm>

#include "games/AppSettings.h"
#include "games/GameDraw.h"
#include "framework/Clock.h"
#include "graphics/Picture.h"

namespace {
const COLORREF CHASM_BLUE = RGB(0, 0, 255);
// The fall is composed off screen over the scene's area.
constexpr int FALL_CX = 230;
constexpr int FALL_CY = 140;
constexpr DWORD FALL_FRAME_DELAY = 14; // ms a frame: the fall takes about a second
} // namespace

void CSpanwrightWnd::EnsureLayout()
{
    if (!GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(&rc);
    const bool bResized = rc != m_rcClient;
    m_rcClient = rc;
    if (!m_bGeometryValid) {
        for (int i = 0; i < SPAN_TILES; ++i) {
            const int x = 20 + 30 * i;
            m_rcTileFrame[i] = CRect(x, 175, x + 30, 205);
            m_rcTile[i] = CRect(x, 175, x + 30, 205);
            m_rcSlot[i] = CRect(x, 125, x + 30, 155);
            m_rcSlotFrame[i] = CRect(x, 125, x + 30, 155);
        }
        m_fontLetters.CreateFont(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 QStringLiteral("Arial"));
        m_bGeometryValid = TRUE;
    }
    if (!m_listWords.GetSafeHwnd())
        CreateUsedWordList();
    else if (bResized)
        m_listWords.MoveWindow(CRect(20, rc.bottom - 52, rc.right, rc.bottom + 1));
}

void CSpanwrightWnd::CreateUsedWordList()
{
    const CRect rc(20, m_rcClient.bottom - 52, m_rcClient.right, m_rcClient.bottom + 1);
    m_listWords.Create(LBS_VISIBLE | LBS_BORDER | LBS_HSCROLL | LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT, rc, this,
                       IDC_USEDWORDS);
    m_listWords.SetColumnWidth((m_rcClient.right - 20) / 3);
    // Typed letters spell words; a list with the focus would take them for its own search.
    if (QWidget* pList = m_listWords.GetSafeHwnd())
        pList->setFocusPolicy(Qt::NoFocus);
}

COLORREF CSpanwrightWnd::TextColor() const
{
    return m_pApp ? m_pApp->m_crFontNormalColor : RGB(0, 0, 0);
}

void CSpanwrightWnd::OnPaint()
{
    CPaintDC dc(this);
    EnsureLayout();
    DrawBackground(&dc);
    DrawScore(&dc);
    DrawScene(&dc);
    DrawBridge(&dc);
    if (!m_game.IsGameOver())
        DrawWalker(&dc);
    DrawTiles(&dc);
}

void CSpanwrightWnd::CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc, int ySrc)
{
    CopyBitmapPiece(pDC, m_dcMem, bitmap, x, y, cx, cy, xSrc, ySrc);
}

// Drawing outside a paint first makes sure the layout matches the window's size.
void CSpanwrightWnd::DrawLaidOut(void (CSpanwrightWnd::*pfnDraw)(CDC*))
{
    if (GetSafeHwnd())
        EnsureLayout();
    DrawInOwnDC(this, pfnDraw);
}

void CSpanwrightWnd::DrawPlayArea(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawPlayArea);
    DrawScene(pDC);
    DrawWalker(pDC);
    DrawBridge(pDC);
    DrawTiles(pDC);
    DrawScore(pDC);
}

void CSpanwrightWnd::DrawBackground(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawBackground);
    const int b = m_rcClient.bottom;
    DrawScreenBackground(pDC, m_rcClient, m_pBackground);
    CopyBitmap(pDC, m_bmpSubmit, 0, 130, 20, 20, 0);
    CopyBitmap(pDC, m_bmpBack, 0, 179, 20, 20, 0);
    CopyBitmap(pDC, m_bmpNewLetters, 0, b - 52, 20, 20, 0);
    CopyBitmap(pDC, m_bmpPause, 0, b - 20, 20, 20, 0);
}

void CSpanwrightWnd::DrawScore(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawScore);
    DrawScoreDigits(pDC, m_dcMem, m_bmpDigits, 89, m_game.Score());
}

void CSpanwrightWnd::DrawScene(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawScene);
    DrawSceneFrame(pDC, m_game.IsGameOver());
}

void CSpanwrightWnd::DrawSceneFrame(CDC* pDC, bool bGameOverLabel)
{
    const int r = m_rcClient.right;
    CBrush* pOldBrush = pDC->SelectObject(&m_brushChasm);
    pDC->Rectangle(3, 20, r - 6, 100);
    if (bGameOverLabel) {
        CFont* pOldFont = pDC->SelectObject(&m_fontLetters);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->SetBkMode(OPAQUE);
        CRect rcLabel(4, 29, 232, 50);
        pDC->DrawText(QStringLiteral(" Game Over "), &rcLabel, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SelectObject(pOldFont);
    }
    CopyBitmap(pDC, m_bmpLeftBank, 4, 78, 24, 22, 0);
    CopyBitmap(pDC, m_bmpRightBank, 210, 78, 24, 22, 0);
    pDC->SelectObject(pOldBrush);
    // The banks cover the panel's edges where they meet it.
    pDC->MoveTo(3, 20);
    pDC->LineTo(3, 99);
    pDC->LineTo(r - 7, 99);
    pDC->LineTo(r - 7, 20);
}

void CSpanwrightWnd::DrawBridge(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawBridge);
    const int nBridgeLen = m_game.BridgeLen();
    if (nBridgeLen <= 0 || !m_bmpBridge.GetSafeHandle())
        return;
    const int cx = std::min(nBridgeLen * SPAN_SEGMENT, m_bmpBridge.GetSize().cx);
    pDC->TransparentImage(27, 78, cx, 7, &m_bmpBridge, 0, 0, cx, 7, CHASM_BLUE);
}

void CSpanwrightWnd::DrawWalker(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawWalker);
    const int nFrame = std::clamp(m_game.WalkerFrame(), 0, SPAN_STANDING_FRAMES - 1);
    const int x = m_game.WalkerX();
    CopyBitmap(pDC, m_bmpWalker, x + 3, 29, SPAN_FRAME_WIDTH, SPAN_FRAME_HEIGHT, SPAN_FRAME_WIDTH * nFrame);
    if (x == 0) {
        // On the left bank the frame covers the panel's left edge.
        pDC->MoveTo(3, 20);
        pDC->LineTo(3, 100);
    }
}

void CSpanwrightWnd::DrawTiles(CDC* pDC)
{
    if (pDC == nullptr)
        return DrawLaidOut(&CSpanwrightWnd::DrawTiles);
    for (int i = 0; i < SPAN_TILES; ++i) {
        pDC->FillRect(&m_rcSlot[i], &m_brushTile);
        pDC->Draw3dRect(&m_rcSlotFrame[i], m_tile.crLight, m_tile.crDark);
        pDC->FillRect(&m_rcTile[i], &m_brushTile);
        pDC->Draw3dRect(&m_rcTileFrame[i], m_tile.crLight, m_tile.crDark);
    }
    pDC->SetTextColor(TextColor());
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&m_fontLetters);
    for (int i = 0; i < SPAN_TILES; ++i) {
        const int n = m_game.Order(i);
        CRect rc = (n >= 0 && n < SPAN_TILES) ? m_rcSlot[n] : m_rcTile[i];
        rc.DeflateRect(6, 6);
        pDC->DrawText(m_game.Letter(i), &rc, DT_CENTER | DT_SINGLELINE | DT_TOP);
    }
    pDC->SelectObject(pOldFont);
}

void CSpanwrightWnd::AnimateFall()
{
    if (!GetSafeHwnd())
        return;
    EnsureLayout();
    CClientDC dcWnd(this);
    CDC dcOff;
    dcOff.CreateCompatibleDC(&dcWnd);
    CBitmap bmpOff;
    bmpOff.CreateCompatibleBitmap(&dcWnd, FALL_CX, FALL_CY);
    CBitmap* pOld = dcOff.SelectObject(&bmpOff);
    const int x = m_game.WalkerX();
    // Only the part of the scene the off-screen picture holds is copied.
    const int cxCopy = std::min(40, FALL_CX - x);
    for (int i = 0; i < 70; ++i) {
        const int h = 49 - std::max(0, i - 21);
        // The game is already over, but the label shows only once the animal is gone.
        DrawSceneFrame(&dcOff, false);
        DrawBridge(&dcOff);
        dcOff.TransparentImage(x, 29 + i, SPAN_FRAME_WIDTH, h, &m_bmpWalker, SPAN_FRAME_WIDTH * SPAN_FALL_FRAME, 0,
                               SPAN_FRAME_WIDTH, h, CHASM_BLUE);
        if (cxCopy > 0)
            dcWnd.BitBlt(x, 21, cxCopy, 79, &dcOff, x, 21, SRCCOPY);
        UpdateWindow();
        Sleep(FALL_FRAME_DELAY);
    }
    dcOff.SelectObject(pOld);
}
