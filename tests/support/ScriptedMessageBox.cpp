// Scripted responder for the program's message box.
#include "tests/support/ScriptedMessageBox.h"

CScriptedMessageBox::CScriptedMessageBox()
{
    SetMessageBoxResponder([this](const QString& text, const QString& caption, UINT type) {
        boxes.push_back({text, caption, type});
        if ((type & 0x0F) != MB_YESNO)
            return IDOK;
        if (m_answers.empty())
            return nDefaultAnswer;
        const int a = m_answers.front();
        m_answers.pop_front();
        return a;
    });
}

CScriptedMessageBox::~CScriptedMessageBox() { SetMessageBoxResponder({}); }
