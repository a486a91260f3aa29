// CCascadioWnd: the Cascadio game window (for now the window the shell drives, without the game).
#pragma once
#include "games/ComingGameWnd.h"

class CCascadioWnd : public CComingGameWnd {
public:
    QString GetHelpAnchor() const override { return QStringLiteral("Cascadio"); }
};
