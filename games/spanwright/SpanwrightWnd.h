// CSpanwrightWnd: the Spanwright game window (for now the window the shell drives, without the game).
#pragma once
#include "games/ComingGameWnd.h"

class CSpanwrightWnd : public CComingGameWnd {
public:
    QString GetHelpAnchor() const override { return QStringLiteral("Spanwright"); }
};
