// The one modal message box of the program, replaceable by tests. The dispatch lives with the
// core library, so code without widgets (the dictionary, the game models' tools) can still ask.
#pragma once
#include <QString>
#include <functional>
#include "framework/Types.h"

class QWidget;

// Shows a modal box with the text; an empty caption means the application's title "Quillotrix".
// nType is MB_OK or MB_YESNO (icons may be or-ed in). Returns IDOK, IDYES or IDNO.
int QxMessageBox(const QString& strText, const QString& strCaption = QString(), UINT nType = MB_OK);

// Tests install a responder that records the box and answers it; an empty function restores the real box.
using MessageBoxResponder = std::function<int(const QString& strText, const QString& strCaption, UINT nType)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

// The box shown when no responder is installed; the widget library installs the real one. With
// none at all (a tool without a display) a box answers OK, or No to a question.
void SetDefaultMessageBox(MessageBoxResponder box);

// A box no one sees: the text goes to the standard error stream and the answer is OK, or No to a
// question. For the end of a session, when a modal box would hold the exit up.
int QuietMessageBox(const QString& strText, const QString& strCaption, UINT nType);

// Makes the real box the default; every program with windows does it at start (see Wnd.cpp).
void InstallQtMessageBox();

// The window boxes are centred on; the main frame sets it (and so installs the real box).
void SetMessageBoxParent(QWidget* pParent);
