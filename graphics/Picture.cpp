// Picture decoding with QImageReader and tiled copying.
#include "graphics/Picture.h"

#include <QBuffer>
#include <QImageReader>

#include "framework/Files.h"

namespace {
constexpr int MAX_WIDTH = 240;
constexpr int MAX_HEIGHT = 320;
} // namespace

BOOL LoadImageDecoder()
{
    return QImageReader::supportedImageFormats().contains("jpeg") ? TRUE : FALSE;
}

CPicture::CPicture() { m_dcMem.CreateCompatibleDC(nullptr); }

CPicture::~CPicture() { Release(); }

void CPicture::Release()
{
    m_dcMem.DeleteDC();
    m_bmp.DeleteObject();
    m_nWidth = 0;
    m_nHeight = 0;
}

BOOL CPicture::SelectIntoDC()
{
    if (!m_dcMem.GetSafeHdc() && !m_dcMem.CreateCompatibleDC(nullptr))
        return FALSE;
    if (m_bmp.GetSafeHandle())
        m_dcMem.SelectObject(&m_bmp);
    return TRUE;
}

BOOL CPicture::LoadFromFile(CWnd* /*pWnd*/, const QString& strPath)
{
    // Only a regular file, and no more of it than the limit: a pipe named as the background would
    // wait for ever, and a device such as /dev/zero never ends.
    QByteArray data;
    if (ReadRegularFile(strPath, MAX_FILE_SIZE, data) != ReadResult::Ok)
        return FALSE;

    Release();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MAX_WIDTH || size.height() > MAX_HEIGHT))
        reader.setScaledSize(size.scaled(MAX_WIDTH, MAX_HEIGHT, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > MAX_WIDTH || image.height() > MAX_HEIGHT))
        image = image.scaled(MAX_WIDTH, MAX_HEIGHT, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!image.isNull() && m_bmp.Attach(image)) {
        m_bmp.SetSmoothScaling(TRUE); // photographs, not pixel art
        const CSize s = m_bmp.GetSize();
        m_nWidth = s.cx;
        m_nHeight = s.cy;
    }
    SelectIntoDC();
    return TRUE;
}

BOOL CPicture::Draw(CDC* pDC, int x, int y)
{
    if (!pDC || !IsLoaded())
        return FALSE;
    return pDC->BitBlt(x, y, m_nWidth, m_nHeight, &m_dcMem, 0, 0, SRCCOPY);
}

BOOL CPicture::Tile(CDC* pDC, int cx, int cy)
{
    if (!pDC || !IsLoaded() || m_nWidth <= 0 || m_nHeight <= 0)
        return FALSE;
    for (int x = 0; x < cx; x += m_nWidth)
        for (int y = 0; y < cy; y += m_nHeight)
            Draw(pDC, x, y);
    return TRUE;
}

void DrawScreenBackground(CDC* pDC, const CRect& rcClient, CPicture* pPicture)
{
    if (!pDC)
        return;
    if (!pPicture || !pPicture->Tile(pDC, rcClient.right, rcClient.bottom))
        pDC->FillSolidRect(&rcClient, GetSysColor(COLOR_BTNFACE));
}
