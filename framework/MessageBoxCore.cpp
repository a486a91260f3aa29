// Routing of message boxes: a test's responder first, then the installed box.
#include "framework/MessageBox.h"

#include <cstdio>

namespace {
MessageBoxResponder& Responder()
{
    static MessageBoxResponder s_responder;
    return s_responder;
}
MessageBoxResponder& DefaultBox()
{
    static MessageBoxResponder s_box;
    return s_box;
}
} // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) { Responder() = std::move(responder); }

void SetDefaultMessageBox(MessageBoxResponder box) { DefaultBox() = std::move(box); }

int QxMessageBox(const QString& strText, const QString& strCaption, UINT nType)
{
    const QString caption = strCaption.isEmpty() ? QStringLiteral("Quillotrix") : strCaption;
    if (Responder())
        return Responder()(strText, caption, nType);
    if (DefaultBox())
        return DefaultBox()(strText, caption, nType);
    return (nType & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

int QuietMessageBox(const QString& strText, const QString& strCaption, UINT nType)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(strCaption), qPrintable(QString(strText).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    return (nType & 0x0F) == MB_YESNO ? IDNO : IDOK;
}
