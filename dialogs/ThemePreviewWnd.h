// CThemePreviewWnd: two sample tiles on a background picture, in the colours being chosen.
#pragma once
#include <QString>

#include "framework/Wnd.h"
#include "graphics/Picture.h"

class CThemePreviewWnd : public CWnd {
public:
    CThemePreviewWnd();

    void SetPicture(const QString& strPath);
    void SetCubeColor(COLORREF cr);
    void SetFontColor(COLORREF cr);
    void SetSelectedColor(COLORREF cr);

    void OnPaint() override;

    COLORREF m_crCube = 0;
    COLORREF m_crLight = 0;
    COLORREF m_crDark = 0;
    COLORREF m_crFont = 0;
    COLORREF m_crSelected = 0;
    CFont m_font;
    QString m_strPicture;
    CPicture m_picture;

private:
    void RepaintIfVisible();
};
