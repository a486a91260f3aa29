// GDI-named drawing on QImage surfaces: each operation opens a painter, draws and closes it,
// so any number of contexts may share one surface as on the handheld.
#include "framework/Gdi.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "framework/Wnd.h"

namespace {
QColor ToQColor(COLORREF cr) { return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }
COLORREF FromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// The objects a fresh context starts with, and the stock objects.
CBrush& StockBrush(int nIndex)
{
    static CBrush s_white(RGB(255, 255, 255));
    static CBrush s_black(RGB(0, 0, 0));
    static CBrush s_null = [] {
        CBrush b;
        b.m_bNull = true;
        return b;
    }();
    if (nIndex == BLACK_BRUSH)
        return s_black;
    if (nIndex == NULL_BRUSH)
        return s_null;
    return s_white;
}
CPen& StockPen(int nIndex)
{
    static CPen s_black(PS_SOLID, 1, RGB(0, 0, 0));
    static CPen s_white(PS_SOLID, 1, RGB(255, 255, 255));
    static CPen s_null(PS_NULL, 0, 0);
    if (nIndex == WHITE_PEN)
        return s_white;
    if (nIndex == NULL_PEN)
        return s_null;
    return s_black;
}
CFont& StockFont()
{
    static CFont s_font = [] {
        CFont f;
        f.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, QStringLiteral("Arial"));
        return f;
    }();
    return s_font;
}
CBitmap& StockBitmap()
{
    static CBitmap s_bitmap;
    return s_bitmap;
}

int Sign(int v) { return (v > 0) - (v < 0); }

bool SameRatio(qreal a, qreal b) { return std::abs(a - b) < 1e-9; }

// A header over the surface's own pixels with a ratio of 1, for painting in device pixels.
QImage DeviceView(QImage* img)
{
    uchar* bits = img->bits();
    return QImage(bits, img->width(), img->height(), img->bytesPerLine(), img->format());
}

// Hard pixels, each source pixel covering exactly the device pixels ToDevicePixel gives it.
QImage ScaleNearest(const QImage& src, int w, int h, qreal ratio)
{
    QImage out(w, h, src.format());
    std::vector<int> aColumn(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        aColumn[size_t(x)] = std::clamp(ToLogicalPixel(x, ratio), 0, src.width() - 1);
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(std::clamp(ToLogicalPixel(y, ratio), 0, src.height() - 1)));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = in[aColumn[size_t(x)]];
    }
    return out;
}

// The logical size of a surface: its device size over its ratio, ignoring rounding dust.
CSize LogicalSize(const QImage& img)
{
    const qreal f = img.devicePixelRatio();
    return CSize(int(std::floor(img.width() / f + 1e-6)), int(std::floor(img.height() / f + 1e-6)));
}
} // namespace

int ToDevicePixel(int n, qreal f) { return int(std::floor(n * f + 0.5)); }

int ToLogicalPixel(int nDevice, qreal f)
{
    // The estimate may be one off where n * f lands just beside a half; the rounding decides.
    int n = int(std::floor((nDevice + 0.5) / f));
    while (n > INT_MIN / 4 && ToDevicePixel(n, f) > nDevice)
        --n;
    while (n < INT_MAX / 4 && ToDevicePixel(n + 1, f) <= nDevice)
        ++n;
    return n;
}

QRect ToDeviceRect(int x, int y, int cx, int cy, qreal f)
{
    const int left = ToDevicePixel(x, f), top = ToDevicePixel(y, f);
    return QRect(left, top, ToDevicePixel(x + cx, f) - left, ToDevicePixel(y + cy, f) - top);
}

COLORREF GetSysColor(int nIndex)
{
    const QPalette pal = QApplication::instance() ? QApplication::palette() : QPalette();
    QColor c;
    switch (nIndex) {
    case COLOR_WINDOW: c = pal.color(QPalette::Base); break;
    case COLOR_WINDOWTEXT: c = pal.color(QPalette::Text); break;
    case COLOR_BTNSHADOW: c = pal.color(QPalette::Dark); break;
    case COLOR_BTNTEXT: c = pal.color(QPalette::ButtonText); break;
    case COLOR_BTNHIGHLIGHT: c = pal.color(QPalette::Light); break;
    case COLOR_BTNFACE:
    default: c = pal.color(QPalette::Button); break;
    }
    return RGB(c.red(), c.green(), c.blue());
}

COLORREF ShadeColor(COLORREF cr, int nDelta)
{
    auto clamp = [nDelta](int v) { return std::clamp(v + nDelta, 0, 255); };
    return RGB(clamp(GetRValue(cr)), clamp(GetGValue(cr)), clamp(GetBValue(cr)));
}

// ---------------------------------------------------------------- objects

BOOL CGdiObject::DeleteObject()
{
    if (!m_bValid)
        return FALSE;
    Reset();
    m_bValid = false;
    return TRUE;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF cr)
{
    m_nStyle = nPenStyle;
    m_nWidth = std::max(1, nWidth);
    m_cr = cr;
    m_bValid = true;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF cr)
{
    m_bNull = false;
    m_cr = cr;
    m_bValid = true;
    return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int /*nWidth*/, int /*nEscapement*/, int /*nOrientation*/, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE /*nCharSet*/, BYTE /*nOutPrecision*/,
                       BYTE /*nClipPrecision*/, BYTE /*nQuality*/, BYTE /*nPitchAndFamily*/,
                       const QString& strFaceName)
{
    QFont font(strFaceName.isEmpty() ? QStringLiteral("Arial") : strFaceName);
    font.setWeight(QFont::Weight(std::clamp(nWeight == 0 ? FW_NORMAL : nWeight, 1, 1000)));
    font.setItalic(bItalic != 0);
    font.setUnderline(bUnderline != 0);
    font.setStrikeOut(cStrikeOut != 0);
    font.setHintingPreference(QFont::PreferFullHinting);
    int nPixels = nHeight == 0 ? 16 : std::abs(nHeight);
    font.setPixelSize(std::max(1, nPixels));
    if (nHeight > 0 && QGuiApplication::instance()) {
        // A positive height names the whole cell (ascent plus descent), as the handheld measured it.
        const QFontMetricsF fm(font);
        if (fm.height() > 0)
            font.setPixelSize(std::max(1, int(std::lround(nPixels * nPixels / fm.height()))));
    }
    m_font = font;
    m_bValid = true;
    return TRUE;
}

BOOL CFont::CreatePointFont(int nPointSize, const QString& strFaceName, CDC* /*pDC*/)
{
    const int nPixels = std::max(1, int(std::lround(nPointSize / 10.0 * 96.0 / 72.0)));
    return CreateFont(-nPixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, strFaceName);
}

CBitmap::~CBitmap()
{
    if (m_pSelectedInto)
        m_pSelectedInto->SelectObject(&StockBitmap());
}

void CBitmap::Reset()
{
    m_image = QImage();
    m_aVariants.clear();
    m_aScaled.clear();
}

void CBitmap::AddVariant(const QImage& image)
{
    if (image.isNull() || m_image.isNull())
        return;
    QImage variant = image.convertToFormat(QImage::Format_RGB32);
    variant.setDevicePixelRatio(image.devicePixelRatio());
    m_aVariants.push_back(variant);
    m_nVariantsBaseKey = m_image.cacheKey();
    std::sort(m_aVariants.begin(), m_aVariants.end(),
              [](const QImage& a, const QImage& b) { return a.devicePixelRatio() < b.devicePixelRatio(); });
}

QImage CBitmap::GetImageForRatio(qreal f, COLORREF crKey) const
{
    if (m_image.isNull())
        return QImage();
    if (crKey == CLR_NONE && SameRatio(m_image.devicePixelRatio(), f))
        return m_image;
    const qint64 nBaseKey = m_image.cacheKey();
    for (const CScaled& scaled : m_aScaled)
        if (SameRatio(scaled.f, f) && scaled.crKey == crKey && scaled.nBaseKey == nBaseKey)
            return scaled.image;

    // The nearest drawing at or above the ratio; variants no longer match a bitmap drawn on since.
    QImage source = m_image;
    if (m_nVariantsBaseKey == nBaseKey) {
        for (const QImage& variant : m_aVariants) {
            if (source.devicePixelRatio() >= f - 1e-9)
                break;
            source = variant;
        }
    }
    const qreal srcRatio = source.devicePixelRatio();
    if (crKey != CLR_NONE) {
        QImage masked = source.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = qRgb(GetRValue(crKey), GetGValue(crKey), GetBValue(crKey)) & 0xFFFFFF;
        for (int yy = 0; yy < masked.height(); ++yy) {
            QRgb* line = reinterpret_cast<QRgb*>(masked.scanLine(yy));
            for (int xx = 0; xx < masked.width(); ++xx)
                if ((line[xx] & 0xFFFFFF) == key)
                    line[xx] = 0;
        }
        source = masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    if (!SameRatio(srcRatio, f)) {
        const QSizeF logical = source.deviceIndependentSize();
        const bool bSmooth = m_bSmooth || srcRatio > f;
        const int w = std::max(1, int(std::ceil(logical.width() * f - 1e-6)));
        const int h = std::max(1, int(std::ceil(logical.height() * f - 1e-6)));
        source = bSmooth ? source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : ScaleNearest(source, w, h, f / srcRatio);
    }
    source.setDevicePixelRatio(f);
    // A handful of ratios and key colours at most: drop stale entries first.
    std::erase_if(m_aScaled, [nBaseKey](const CScaled& scaled) { return scaled.nBaseKey != nBaseKey; });
    if (m_aScaled.size() >= 4)
        m_aScaled.erase(m_aScaled.begin());
    m_aScaled.push_back({f, crKey, nBaseKey, source});
    return source;
}

BOOL CBitmap::Attach(const QImage& image)
{
    if (image.isNull())
        return FALSE;
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_image.setDevicePixelRatio(image.devicePixelRatio());
    m_bValid = true;
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int cx, int cy)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    const qreal dpr = pDC ? pDC->GetDevicePixelRatio() : 1.0;
    QImage image(int(std::ceil(cx * dpr - 1e-6)), int(std::ceil(cy * dpr - 1e-6)), QImage::Format_RGB32);
    if (image.isNull())
        return FALSE;
    image.fill(Qt::black);
    image.setDevicePixelRatio(dpr);
    m_image = image;
    m_bValid = true;
    return TRUE;
}

CSize CBitmap::GetSize() const
{
    if (m_image.isNull())
        return CSize();
    const QSizeF s = m_image.deviceIndependentSize();
    return CSize(int(std::lround(s.width())), int(std::lround(s.height())));
}

// ---------------------------------------------------------------- device context

CDC::CDC()
    : m_pFont(&StockFont()), m_pBrush(&StockBrush(WHITE_BRUSH)), m_pPen(&StockPen(BLACK_PEN)),
      m_font(StockFont().GetQFont()), m_brush(RGB(255, 255, 255)), m_pen(PS_SOLID, 1, RGB(0, 0, 0))
{
}

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DeleteDC();
    m_dpr = pDC ? pDC->GetDevicePixelRatio() : 1.0;
    m_bValid = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (m_pBitmap) {
        m_pBitmap->m_pSelectedInto = nullptr;
        m_pBitmap = nullptr;
    }
    if (m_pWnd) {
        m_pWnd->ScheduleShow();
        m_pWnd = nullptr;
    }
    const bool bWas = m_bValid;
    m_bValid = false;
    return bWas;
}

void CDC::AttachWindow(CWnd* pWnd)
{
    m_pWnd = pWnd;
    m_bValid = pWnd != nullptr;
    if (pWnd)
        pWnd->EnsureSurface();
}

qreal CDC::GetDevicePixelRatio() const
{
    if (const QImage* img = Target())
        return img->devicePixelRatio();
    return m_dpr;
}

QImage* CDC::Target() const
{
    QImage* img = nullptr;
    if (m_pWnd)
        img = &m_pWnd->m_surface;
    else if (m_pBitmap)
        img = &m_pBitmap->m_image;
    return img && !img->isNull() ? img : nullptr;
}

void CDC::Touched()
{
    if (m_pWnd)
        m_pWnd->ScheduleShow();
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (!pFont)
        return nullptr;
    CFont* pOld = m_pFont;
    m_pFont = pFont;
    m_font = pFont->GetSafeHandle() ? pFont->GetQFont() : StockFont().GetQFont();
    return pOld;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (!pBrush)
        return nullptr;
    CBrush* pOld = m_pBrush;
    m_pBrush = pBrush;
    m_brush.m_bNull = pBrush->m_bNull || !pBrush->GetSafeHandle();
    m_brush.m_cr = pBrush->m_cr;
    return pOld;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen)
        return nullptr;
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    m_pen.m_nStyle = pPen->GetSafeHandle() ? pPen->m_nStyle : PS_NULL;
    m_pen.m_nWidth = pPen->m_nWidth;
    m_pen.m_cr = pPen->m_cr;
    return pOld;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    // Only memory contexts take bitmaps.
    if (!pBitmap || m_pWnd || !m_bValid)
        return nullptr;
    CBitmap* pOld = m_pBitmap ? m_pBitmap : &StockBitmap();
    if (m_pBitmap)
        m_pBitmap->m_pSelectedInto = nullptr;
    if (pBitmap->m_pSelectedInto && pBitmap->m_pSelectedInto != this)
        pBitmap->m_pSelectedInto->m_pBitmap = nullptr;
    m_pBitmap = pBitmap == &StockBitmap() ? nullptr : pBitmap;
    if (m_pBitmap)
        m_pBitmap->m_pSelectedInto = this;
    return pOld;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    if (nIndex == WHITE_PEN || nIndex == BLACK_PEN || nIndex == NULL_PEN)
        return SelectObject(&StockPen(nIndex));
    return SelectObject(&StockBrush(nIndex));
}

COLORREF CDC::SetTextColor(COLORREF cr)
{
    std::swap(cr, m_crText);
    return cr;
}

COLORREF CDC::SetBkColor(COLORREF cr)
{
    std::swap(cr, m_crBk);
    return cr;
}

int CDC::SetBkMode(int nMode)
{
    std::swap(nMode, m_nBkMode);
    return nMode;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF cr)
{
    QImage* img = Target();
    if (!img)
        return;
    CRect rc(x, y, x + cx, y + cy);
    rc.NormalizeRect();
    if (rc.IsRectEmpty())
        return;
    // Filled in device pixels, so every fill and copy agrees on where a logical pixel lies.
    const QRect rcDev = ToDeviceRect(rc.left, rc.top, rc.Width(), rc.Height(), img->devicePixelRatio())
                            .intersected(QRect(QPoint(0, 0), img->size()));
    if (rcDev.isEmpty())
        return;
    if (img->depth() == 32) {
        const QRgb rgb = qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
        for (int yy = rcDev.top(); yy <= rcDev.bottom(); ++yy)
            std::fill_n(reinterpret_cast<QRgb*>(img->scanLine(yy)) + rcDev.left(), rcDev.width(), rgb);
    } else {
        QImage view = DeviceView(img);
        QPainter p(&view);
        p.fillRect(rcDev, ToQColor(cr));
    }
    Touched();
}

void CDC::FillSolidRect(const CRect* lpRect, COLORREF cr)
{
    if (lpRect)
        FillSolidRect(lpRect->left, lpRect->top, lpRect->Width(), lpRect->Height(), cr);
}

void CDC::FillRect(const CRect* lpRect, CBrush* pBrush)
{
    if (lpRect && pBrush && pBrush->GetSafeHandle() && !pBrush->m_bNull)
        FillSolidRect(lpRect, pBrush->m_cr);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, crBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, crBottomRight);
}

void CDC::Draw3dRect(const CRect* lpRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    if (lpRect)
        Draw3dRect(lpRect->left, lpRect->top, lpRect->Width(), lpRect->Height(), crTopLeft, crBottomRight);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!Target())
        return FALSE;
    CRect rc(x1, y1, x2, y2);
    rc.NormalizeRect();
    if (m_pen.m_nStyle == PS_NULL) {
        // Without an outline the fill stops one pixel short on the right and bottom.
        if (!m_brush.m_bNull)
            FillSolidRect(rc.left, rc.top, rc.Width() - 1, rc.Height() - 1, m_brush.m_cr);
        return TRUE;
    }
    const int w = std::min({m_pen.m_nWidth, (rc.Width() + 1) / 2, (rc.Height() + 1) / 2});
    if (!m_brush.m_bNull)
        FillSolidRect(rc.left + w, rc.top + w, rc.Width() - 2 * w, rc.Height() - 2 * w, m_brush.m_cr);
    FillSolidRect(rc.left, rc.top, rc.Width(), w, m_pen.m_cr);
    FillSolidRect(rc.left, rc.bottom - w, rc.Width(), w, m_pen.m_cr);
    FillSolidRect(rc.left, rc.top + w, w, rc.Height() - 2 * w, m_pen.m_cr);
    FillSolidRect(rc.right - w, rc.top + w, w, rc.Height() - 2 * w, m_pen.m_cr);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* lpPoints, int nCount)
{
    QImage* img = Target();
    if (!img || !lpPoints || nCount < 2)
        return FALSE;
    QPolygon poly;
    for (int i = 0; i < nCount; ++i)
        poly << QPoint(lpPoints[i].x, lpPoints[i].y);
    QPainter p(img);
    const QPen pen = m_pen.m_nStyle == PS_NULL
        ? QPen(Qt::NoPen)
        : QPen(ToQColor(m_pen.m_cr), m_pen.m_nWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const QBrush brush = m_brush.m_bNull ? QBrush(Qt::NoBrush) : QBrush(ToQColor(m_brush.m_cr));
    if (SameRatio(img->devicePixelRatio(), 1.0) || (pen.style() == Qt::NoPen)) {
        p.setPen(pen);
        p.setBrush(brush);
        p.drawPolygon(poly, Qt::OddEvenFill);
    } else {
        // Shown larger than the handheld's pixels, the outline is smoothed; the fill beneath it
        // stays hard-edged (and quick), its steps hidden under the outline. Past 4 device pixels a
        // pixel the steps are too fine to see and smoothing the thick outline costs most of a repaint.
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
        p.drawPolygon(poly, Qt::OddEvenFill);
        p.setRenderHint(QPainter::Antialiasing, img->devicePixelRatio() <= 4.0);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(poly, Qt::OddEvenFill);
    }
    Touched();
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    const CPoint from = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    QImage* img = Target();
    if (!img)
        return FALSE;
    if (m_pen.m_nStyle == PS_NULL || from == m_ptCurrent)
        return TRUE;
    const int w = m_pen.m_nWidth;
    if (from.y == y) {
        // Straight lines are exact runs of pixels; the end point is left out.
        const int x0 = std::min(from.x, x + 1), x1 = std::max(from.x + 1, x);
        FillSolidRect(x0, y - (w - 1) / 2, x1 - x0, w, m_pen.m_cr);
    } else if (from.x == x) {
        const int y0 = std::min(from.y, y + 1), y1 = std::max(from.y + 1, y);
        FillSolidRect(x - (w - 1) / 2, y0, w, y1 - y0, m_pen.m_cr);
    } else {
        QPainter p(img);
        p.setRenderHint(QPainter::Antialiasing, !SameRatio(img->devicePixelRatio(), 1.0));
        p.setPen(QPen(ToQColor(m_pen.m_cr), w, Qt::SolidLine, Qt::FlatCap));
        const int dx = x - from.x, dy = y - from.y;
        // Stop one step short along the major axis.
        const QPointF end = std::abs(dx) >= std::abs(dy)
            ? QPointF(x - Sign(dx), y - double(dy) / std::abs(dx))
            : QPointF(x - double(dx) / std::abs(dy), y - Sign(dy));
        p.drawLine(QPointF(from.x + 0.5, from.y + 0.5), end + QPointF(0.5, 0.5));
        Touched();
    }
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF cr)
{
    FillSolidRect(x, y, 1, 1, cr);
    return cr;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* img = Target();
    if (!img)
        return CLR_INVALID;
    const qreal dpr = img->devicePixelRatio();
    const int px = ToDevicePixel(x, dpr), py = ToDevicePixel(y, dpr);
    if (x < 0 || y < 0 || !img->valid(px, py))
        return CLR_INVALID;
    return FromQRgb(img->pixel(px, py));
}

int CDC::DrawText(const QString& str, CRect* lpRect, UINT nFormat)
{
    if (!lpRect)
        return 0;
    const bool bSingle = nFormat & DT_SINGLELINE;
    int flags = (nFormat & DT_CENTER) ? Qt::AlignHCenter : (nFormat & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (bSingle) {
        flags |= Qt::TextSingleLine;
        flags |= (nFormat & DT_VCENTER) ? Qt::AlignVCenter : (nFormat & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (nFormat & DT_WORDBREAK)
            flags |= Qt::TextWordWrap;
    }
    const QRect rc(lpRect->left, lpRect->top, lpRect->Width(), lpRect->Height());
    const QFontMetrics fm(m_font);
    if ((nFormat & DT_CALCRECT) && bSingle) {
        const CSize extent = GetTextExtent(str);
        lpRect->right = lpRect->left + extent.cx;
        lpRect->bottom = lpRect->top + extent.cy;
        return extent.cy;
    }
    if (nFormat & DT_CALCRECT) {
        const int width = (nFormat & DT_WORDBREAK) ? std::max(1, rc.width()) : 100000;
        const QRect bound = fm.boundingRect(QRect(rc.left(), rc.top(), width, 100000), flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom), str);
        lpRect->right = lpRect->left + bound.width();
        lpRect->bottom = lpRect->top + bound.height();
        return bound.height();
    }
    QImage* img = Target();
    if (!img)
        return 0;
    const qreal f = img->devicePixelRatio();
    const int nPixelSize = m_font.pixelSize() > 0 ? m_font.pixelSize() : QFontInfo(m_font).pixelSize();
    if (!(nFormat & DT_NOCLIP) && m_nBkMode == TRANSPARENT && nPixelSize * f > LARGE_TEXT_PIXELS && !rc.isEmpty())
        return DrawLargeText(str, rc, flags);
    QPainter p(img);
    p.setFont(m_font);
    p.setPen(ToQColor(m_crText));
    if (!(nFormat & DT_NOCLIP))
        p.setClipRect(rc);
    const QRect bound = p.boundingRect(rc, flags, str);
    if (m_nBkMode == OPAQUE)
        p.fillRect(bound, ToQColor(m_crBk));
    p.drawText(rc, flags, str);
    Touched();
    return bound.height();
}

int CDC::DrawLargeText(const QString& str, const QRect& rc, int flags)
{
    // Qt draws letters this large as outlines each time; a repaint of a large screen draws the
    // same few letters in the same cells again and again, so each is drawn once and copied.
    struct CText {
        QImage image;
        int nHeight;
    };
    static QHash<QString, CText> s_cache;
    static qint64 s_nBytes = 0;
    QImage* img = Target();
    const qreal f = img->devicePixelRatio();
    const QRect rcDev = ToDeviceRect(rc.left(), rc.top(), rc.width(), rc.height(), f);
    const QString strKey = QStringLiteral("%1|%2|%3|%4x%5|%6|%7")
                               .arg(str, m_font.key())
                               .arg(m_crText)
                               .arg(rc.width())
                               .arg(rc.height())
                               .arg(flags)
                               .arg(f, 0, 'g', 12);
    auto it = s_cache.find(strKey);
    if (it == s_cache.end()) {
        QImage text(rcDev.size(), QImage::Format_ARGB32_Premultiplied);
        text.fill(Qt::transparent);
        int nHeight = 0;
        {
            QImage view = text;
            view.setDevicePixelRatio(f);
            QPainter p(&view);
            p.setFont(m_font);
            p.setPen(ToQColor(m_crText));
            const QRect rcLocal(0, 0, rc.width(), rc.height());
            p.setClipRect(rcLocal);
            nHeight = p.boundingRect(rcLocal, flags, str).height();
            p.drawText(rcLocal, flags, str);
            text = view;
        }
        text.setDevicePixelRatio(1.0);
        if (s_nBytes > LARGE_TEXT_CACHE_BYTES) {
            s_cache.clear();
            s_nBytes = 0;
        }
        s_nBytes += text.sizeInBytes();
        it = s_cache.insert(strKey, {text, nHeight});
    }
    QImage view = DeviceView(img);
    QPainter p(&view);
    p.drawImage(rcDev.topLeft(), it->image);
    Touched();
    return it->nHeight;
}

BOOL CDC::TextOut(int x, int y, const QString& str)
{
    const CSize size = GetTextExtent(str);
    CRect rc(x, y, x + size.cx, y + size.cy);
    return DrawText(str, &rc, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP) > 0 || str.isEmpty();
}

CSize CDC::GetTextExtent(const QString& str) const
{
    const QFontMetrics fm(m_font);
    return CSize(fm.horizontalAdvance(str), fm.height());
}

QImage CDC::SourceImage(CDC* pSrcDC, COLORREF crKey, bool* pbSmooth) const
{
    *pbSmooth = false;
    if (!pSrcDC)
        return QImage();
    const QImage* dst = Target();
    if (pSrcDC->m_pBitmap && dst) {
        *pbSmooth = pSrcDC->m_pBitmap->m_bSmooth;
        return pSrcDC->m_pBitmap->GetImageForRatio(dst->devicePixelRatio(), crKey);
    }
    const QImage* src = pSrcDC->Target();
    if (!src)
        return QImage();
    if (crKey == CBitmap::CLR_NONE)
        return *src;
    CBitmap copy;
    copy.Attach(*src);
    return copy.GetImageForRatio(src->devicePixelRatio(), crKey);
}

bool CDC::BltImage(const QRect& rcDest, const QImage& src, const QRectF& rcSrcLogical, DWORD dwRop, bool bSmooth)
{
    QImage* img = Target();
    if (!img || src.isNull() || rcDest.isEmpty() || rcSrcLogical.isEmpty())
        return false;
    // Only the part of the source that exists is copied; the destination shrinks with it.
    const qreal sdpr = src.devicePixelRatio(), f = img->devicePixelRatio();
    const QRectF srcBounds(QPointF(0, 0), src.deviceIndependentSize());
    const QRectF rcSrc = rcSrcLogical.intersected(srcBounds);
    if (rcSrc.isEmpty())
        return true;
    const qreal sx = rcDest.width() / rcSrcLogical.width(), sy = rcDest.height() / rcSrcLogical.height();
    const QRectF dest(rcDest.left() + (rcSrc.left() - rcSrcLogical.left()) * sx,
                      rcDest.top() + (rcSrc.top() - rcSrcLogical.top()) * sy, rcSrc.width() * sx, rcSrc.height() * sy);

    QImage view = DeviceView(img);
    QPainter p(&view);
    switch (dwRop) {
    case SRCAND: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case SRCPAINT: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    case SRCINVERT: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    default: p.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    }
    const QRect destInt = dest.toRect();
    const bool bWhole = QRectF(destInt) == dest && rcSrc.toRect() == rcSrc;
    if (bWhole && SameRatio(sdpr, f) && dest.size() == rcSrc.size()) {
        // The usual case: pixel for pixel, from where the source's logical pixels begin.
        const QRect rcDev = ToDeviceRect(destInt.left(), destInt.top(), destInt.width(), destInt.height(), f);
        const QPoint ptSrc(ToDevicePixel(int(rcSrc.left()), sdpr), ToDevicePixel(int(rcSrc.top()), sdpr));
        p.drawImage(QRectF(rcDev), src, QRectF(QRect(ptSrc, rcDev.size())));
    } else {
        const QRectF rcDev = bWhole ? QRectF(ToDeviceRect(destInt.left(), destInt.top(), destInt.width(), destInt.height(), f))
                                    : QRectF(dest.left() * f, dest.top() * f, dest.width() * f, dest.height() * f);
        const QRectF srcDevice(rcSrc.left() * sdpr, rcSrc.top() * sdpr, rcSrc.width() * sdpr, rcSrc.height() * sdpr);
        p.setRenderHint(QPainter::SmoothPixmapTransform, bSmooth || rcDev.width() < srcDevice.width());
        p.drawImage(rcDev, src, srcDevice);
    }
    Touched();
    return true;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    if (!Target())
        return FALSE;
    if (dwRop == BLACKNESS || dwRop == WHITENESS || dwRop == PATCOPY) {
        const COLORREF cr = dwRop == BLACKNESS ? RGB(0, 0, 0) : dwRop == WHITENESS ? RGB(255, 255, 255) : m_brush.m_cr;
        if (dwRop != PATCOPY || !m_brush.m_bNull)
            FillSolidRect(x, y, nWidth, nHeight, cr);
        return TRUE;
    }
    // A copy of the source keeps copies within one surface correct when the areas overlap.
    bool bSmooth = false;
    const QImage src = SourceImage(pSrcDC, CBitmap::CLR_NONE, &bSmooth);
    if (src.isNull())
        return FALSE;
    return BltImage(QRect(x, y, nWidth, nHeight), src, QRectF(xSrc, ySrc, nSrcWidth, nSrcHeight), dwRop, bSmooth);
}

BOOL CDC::TransparentImage(int xDest, int yDest, int nDestWidth, int nDestHeight, CBitmap* pSrcBitmap, int xSrc,
                           int ySrc, int nSrcWidth, int nSrcHeight, COLORREF crTransparent)
{
    QImage* img = Target();
    if (!img || !pSrcBitmap || pSrcBitmap->GetImage().isNull() || nSrcWidth <= 0 || nSrcHeight <= 0)
        return FALSE;
    const QImage masked = pSrcBitmap->GetImageForRatio(img->devicePixelRatio(), crTransparent & 0xFFFFFF);
    return BltImage(QRect(xDest, yDest, nDestWidth, nDestHeight), masked, QRectF(xSrc, ySrc, nSrcWidth, nSrcHeight),
                    SRCCOPY, pSrcBitmap->m_bSmooth);
}

BOOL CDC::TransparentImage(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                           int nSrcWidth, int nSrcHeight, COLORREF crTransparent)
{
    if (!pSrcDC || !Target() || nSrcWidth <= 0 || nSrcHeight <= 0)
        return FALSE;
    bool bSmooth = false;
    const QImage masked = SourceImage(pSrcDC, crTransparent & 0xFFFFFF, &bSmooth);
    if (masked.isNull())
        return FALSE;
    return BltImage(QRect(xDest, yDest, nDestWidth, nDestHeight), masked, QRectF(xSrc, ySrc, nSrcWidth, nSrcHeight),
                    SRCCOPY, bSmooth);
}

BOOL CDC::ScrollDC(int dx, int dy, const CRect* lpRectScroll, const CRect* lpRectClip, void* /*pRgnUpdate*/,
                   CRect* lpRectUpdate)
{
    QImage* img = Target();
    if (lpRectUpdate)
        lpRectUpdate->SetRectEmpty();
    if (!img)
        return FALSE;
    const CSize size = LogicalSize(*img);
    const CRect rcSurface(0, 0, size.cx, size.cy);
    CRect rcScroll = rcSurface;
    if (lpRectScroll && !rcScroll.IntersectRect(rcSurface, *lpRectScroll))
        return TRUE;
    CRect rcClip = rcSurface;
    if (lpRectClip && !rcClip.IntersectRect(rcSurface, *lpRectClip))
        return TRUE;

    // The moved pixels land only where they stay within the clip rectangle.
    CRect rcDest = rcScroll;
    rcDest.OffsetRect(dx, dy);
    CRect rcVisible;
    if (rcVisible.IntersectRect(rcDest, rcClip)) {
        CRect rcFrom = rcVisible;
        rcFrom.OffsetRect(-dx, -dy);
        const qreal f = img->devicePixelRatio();
        const QRect rcDevTo = ToDeviceRect(rcVisible.left, rcVisible.top, rcVisible.Width(), rcVisible.Height(), f)
                                  .intersected(QRect(QPoint(0, 0), img->size()));
        if (img->depth() == 32 && !rcDevTo.isEmpty()) {
            // Logical pixels move whole: each device pixel takes the one at the same place within
            // the logical pixel it came from (a last row or column repeats where a pixel grew).
            auto source = [f](int nDev, int nShift, int nLimit) {
                const int n = ToLogicalPixel(nDev, f);
                const int nWithin = nDev - ToDevicePixel(n, f);
                return std::clamp(std::min(ToDevicePixel(n - nShift, f) + nWithin, ToDevicePixel(n - nShift + 1, f) - 1), 0, nLimit - 1);
            };
            std::vector<int> aColumn(static_cast<size_t>(rcDevTo.width()));
            for (int i = 0; i < rcDevTo.width(); ++i)
                aColumn[size_t(i)] = source(rcDevTo.left() + i, dx, img->width());
            std::vector<QRgb> aRow(aColumn.size());
            const int nRows = rcDevTo.height();
            for (int i = 0; i < nRows; ++i) {
                // Downwards the rows are taken from the bottom, so none is read after it was written.
                const int y = dy > 0 ? rcDevTo.bottom() - i : rcDevTo.top() + i;
                const QRgb* in = reinterpret_cast<const QRgb*>(img->constScanLine(source(y, dy, img->height())));
                for (size_t k = 0; k < aRow.size(); ++k)
                    aRow[k] = in[aColumn[k]];
                std::memcpy(reinterpret_cast<QRgb*>(img->scanLine(y)) + rcDevTo.left(), aRow.data(), aRow.size() * sizeof(QRgb));
            }
            Touched();
        } else if (!rcDevTo.isEmpty()) {
            const QImage src = img->copy();
            BltImage(QRect(rcVisible.left, rcVisible.top, rcVisible.Width(), rcVisible.Height()), src,
                     QRectF(rcFrom.left, rcFrom.top, rcFrom.Width(), rcFrom.Height()), SRCCOPY, false);
        }
    }

    // What the scroll uncovered: the part of the scroll area (within the clip) no moved pixel covers.
    if (lpRectUpdate) {
        CRect rcArea;
        if (rcArea.IntersectRect(rcScroll, rcClip)) {
            CRect rcUpdate = rcArea;
            if (dx > 0)
                rcUpdate.right = std::min(rcArea.right, rcDest.left);
            else if (dx < 0)
                rcUpdate.left = std::max(rcArea.left, rcDest.right);
            CRect rcUpdateY = rcArea;
            if (dy > 0)
                rcUpdateY.bottom = std::min(rcArea.bottom, rcDest.top);
            else if (dy < 0)
                rcUpdateY.top = std::max(rcArea.top, rcDest.bottom);
            if (dx == 0)
                rcUpdate.SetRectEmpty();
            if (dy == 0)
                rcUpdateY.SetRectEmpty();
            lpRectUpdate->UnionRect(rcUpdate, rcUpdateY);
        }
    }
    return TRUE;
}
