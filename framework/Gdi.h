// Device contexts and drawing objects with the handheld's GDI names and rules, painting with
// QPainter on a window's retained surface or on a bitmap selected into a memory context.
#pragma once
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "framework/Geometry.h"
#include "framework/Types.h"

class CDC;
class CWnd;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations understood by BitBlt.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Pens, fonts, stock objects, system colours.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;

// System colours come from the application palette (button face: QPalette::Button).
COLORREF GetSysColor(int nIndex);

// Adds the signed delta to red, green and blue, each clamped to 0..255.
COLORREF ShadeColor(COLORREF cr, int nDelta);

// Surfaces may be drawn at any ratio of device pixels to logical pixels. Logical coordinate n
// begins at device pixel ToDevicePixel(n, f) (the rounding Qt's fills use), so neighbouring
// logical rectangles meet without gaps or overlaps, and ToLogicalPixel gives back the logical pixel
// a device pixel belongs to.
int ToDevicePixel(int n, qreal f);
int ToLogicalPixel(int nDevice, qreal f);
// The device pixels of a logical rectangle (x, y, cx, cy) on a surface at ratio f.
QRect ToDeviceRect(int x, int y, int cx, int cy, qreal f);

class CGdiObject {
public:
    virtual ~CGdiObject() = default;
    // Non-null while the object holds something (a created brush, pen, font or a bitmap).
    const void* GetSafeHandle() const { return m_bValid ? this : nullptr; }
    BOOL DeleteObject();

protected:
    virtual void Reset() {}
    bool m_bValid = false;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF cr) { CreatePen(nPenStyle, nWidth, cr); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF cr);

    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_cr = 0;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }
    BOOL CreateSolidBrush(COLORREF cr);

    bool m_bNull = false;
    COLORREF m_cr = 0;
};

class CFont : public CGdiObject {
public:
    // The handheld's font description. A positive height is the character cell height in pixels
    // (ascent plus descent), a negative one the character height without internal leading.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const QString& strFaceName);
    // Height in tenths of a point at 96 dots per inch.
    BOOL CreatePointFont(int nPointSize, const QString& strFaceName, CDC* pDC = nullptr);

    const QFont& GetQFont() const { return m_font; }

protected:
    void Reset() override { m_font = QFont(); }

private:
    QFont m_font;
};

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    ~CBitmap() override;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Takes a copy of the image (kept in 32-bit RGB; its device pixel ratio is kept).
    BOOL Attach(const QImage& image);
    // A sharper drawing of the same bitmap for larger surfaces (its device pixel ratio says which:
    // 2, 3 or 4). Copies onto a surface use the nearest variant at or above the surface's ratio.
    void AddVariant(const QImage& image);
    // Pictures are scaled smoothly to a larger surface; the program's own bitmaps keep hard
    // pixels unless a larger variant is scaled down.
    void SetSmoothScaling(BOOL bSmooth) { m_bSmooth = bSmooth != FALSE; }
    // The bitmap as drawn on a surface at ratio f, with the key colour left out (transparent)
    // unless it is CLR_NONE; kept until the bitmap changes, so repaints do not scale it again.
    QImage GetImageForRatio(qreal f, COLORREF crKey) const;
    static constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
    // Black, at the device pixel ratio of pDC (1 without one), cx by cy logical pixels.
    BOOL CreateCompatibleBitmap(CDC* pDC, int cx, int cy);
    // Logical size (the image size divided by its device pixel ratio).
    CSize GetSize() const;

    const QImage& GetImage() const { return m_image; }
    QImage& GetImage() { return m_image; }

protected:
    void Reset() override;

private:
    friend class CDC;
    struct CScaled {
        qreal f;
        COLORREF crKey;
        qint64 nBaseKey;
        QImage image;
    };
    QImage m_image;
    std::vector<QImage> m_aVariants;
    qint64 m_nVariantsBaseKey = 0;
    mutable std::vector<CScaled> m_aScaled;
    bool m_bSmooth = false;
    CDC* m_pSelectedInto = nullptr;
};

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory context draws on the bitmap selected into it; without one it draws nothing.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    const void* GetSafeHdc() const { return m_bValid ? this : nullptr; }
    qreal GetDevicePixelRatio() const;

    CFont* SelectObject(CFont* pFont);
    CBrush* SelectObject(CBrush* pBrush);
    CPen* SelectObject(CPen* pPen);
    CBitmap* SelectObject(CBitmap* pBitmap);
    // Stock brush or pen; returns the previously selected object of that kind.
    CGdiObject* SelectStockObject(int nIndex);

    COLORREF SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const { return m_crBk; }
    int SetBkMode(int nMode);
    int GetBkMode() const { return m_nBkMode; }

    void FillRect(const CRect* lpRect, CBrush* pBrush);
    void FillSolidRect(const CRect* lpRect, COLORREF cr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF cr);
    // One-pixel frame: top and left edges in the first colour, bottom and right in the second,
    // all inside the rectangle.
    void Draw3dRect(const CRect* lpRect, COLORREF crTopLeft, COLORREF crBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight);
    // Outline with the pen, inside filled with the brush; right and bottom edges excluded.
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(const CRect* lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL Polygon(const CPoint* lpPoints, int nCount);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint pt) { return MoveTo(pt.x, pt.y); }
    // Draws from the current position up to, not including, the end point.
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint pt) { return LineTo(pt.x, pt.y); }
    COLORREF SetPixel(int x, int y, COLORREF cr);
    // The colour at a logical point (its top-left device pixel); CLR_INVALID outside.
    COLORREF GetPixel(int x, int y) const;
    static constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

    // Returns the height of the text drawn. DT_VCENTER and DT_BOTTOM apply to single lines only.
    int DrawText(const QString& str, CRect* lpRect, UINT nFormat);
    BOOL TextOut(int x, int y, const QString& str);
    CSize GetTextExtent(const QString& str) const;

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    // Copies the source area, stretched to the destination, leaving pixels of the key colour out.
    BOOL TransparentImage(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                          int nSrcWidth, int nSrcHeight, COLORREF crTransparent);
    BOOL TransparentImage(int xDest, int yDest, int nDestWidth, int nDestHeight, CBitmap* pSrcBitmap, int xSrc,
                          int ySrc, int nSrcWidth, int nSrcHeight, COLORREF crTransparent);
    // Moves the pixels of the scroll rectangle (whole surface when none) by dx, dy, changing only
    // pixels inside the clip rectangle (when given); the uncovered part goes to lpRectUpdate.
    BOOL ScrollDC(int dx, int dy, const CRect* lpRectScroll, const CRect* lpRectClip, void* pRgnUpdate,
                  CRect* lpRectUpdate);

protected:
    // A window's own context: draws on the window's surface and schedules it to be shown.
    void AttachWindow(CWnd* pWnd);
    QImage* Target() const;
    void Touched();

private:
    // Clipped text in the transparent mode at a size Qt would draw as outlines.
    int DrawLargeText(const QString& str, const QRect& rc, int flags);
    static constexpr int LARGE_TEXT_PIXELS = 64;
    static constexpr qint64 LARGE_TEXT_CACHE_BYTES = 24 * 1024 * 1024;
    bool BltImage(const QRect& rcDest, const QImage& src, const QRectF& rcSrcLogical, DWORD dwRop, bool bSmooth);
    // The source of a copy onto this context, at this context's ratio where it is a bitmap.
    QImage SourceImage(CDC* pSrcDC, COLORREF crKey, bool* pbSmooth) const;

    bool m_bValid = false;
    CWnd* m_pWnd = nullptr;
    CBitmap* m_pBitmap = nullptr;
    qreal m_dpr = 1.0;

    CFont* m_pFont;
    CBrush* m_pBrush;
    CPen* m_pPen;
    QFont m_font;
    CBrush m_brush;
    CPen m_pen;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    CPoint m_ptCurrent;
};
