// CPicture: a background picture decoded into a bitmap held in its own memory device context,
// copied tile by tile to the screens; LoadImageDecoder readies the decoder.
#pragma once
#include <QString>

#include "framework/Gdi.h"

class CWnd;

// True when the decoder can read JPEG files (Qt's image readers stand in for the platform's).
BOOL LoadImageDecoder();

class CPicture {
public:
    CPicture();
    virtual ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    // False when the file cannot be opened or read, is no regular file or is larger than
    // MAX_FILE_SIZE (the earlier picture stays). Otherwise the earlier
    // picture is released and the file decoded, at most 240 x 320 keeping its proportions; a file
    // that cannot be decoded leaves the picture empty and still returns true.
    BOOL LoadFromFile(CWnd* pWnd, const QString& strPath);
    void Release();
    BOOL SelectIntoDC();
    // Copies the whole picture to (x, y); false when it is not loaded.
    BOOL Draw(CDC* pDC, int x, int y);
    // Copies the picture over cx by cy from the origin, clipped by the target; false when not loaded.
    BOOL Tile(CDC* pDC, int cx, int cy);

    BOOL IsLoaded() const { return m_bmp.GetSafeHandle() && m_dcMem.GetSafeHdc(); }
    BOOL HasBitmap() const { return m_bmp.GetSafeHandle() != nullptr; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    // Largest file read into memory for decoding; larger ones count as unreadable.
    static constexpr qint64 MAX_FILE_SIZE = 64 * 1024 * 1024;

private:
    CBitmap m_bmp;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CDC m_dcMem;
};

// A screen's background: the picture tiled when loaded, else the button-face colour.
void DrawScreenBackground(CDC* pDC, const CRect& rcClient, CPicture* pPicture);
