// The real message box over QMessageBox.
#include "framework/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
QPointer<QWidget>& Parent()
{
    static QPointer<QWidget> s_parent;
    return s_parent;
}

int ShowQtBox(const QString& strText, const QString& strCaption, UINT nType)
{
    const bool bYesNo = (nType & 0x0F) == MB_YESNO;
    QMessageBox box(Parent());
    box.setWindowTitle(strCaption);
    // Texts carry file paths and words the player typed: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(strText);
    if ((nType & 0xF0) == MB_ICONQUESTION)
        box.setIcon(QMessageBox::Question);
    else if ((nType & 0xF0) == MB_ICONEXCLAMATION)
        box.setIcon(QMessageBox::Warning);
    else if ((nType & 0xF0) == MB_ICONINFORMATION)
        box.setIcon(QMessageBox::Information);
    if (bYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((nType & MB_DEFBUTTON2) ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int r = box.exec();
    if (bYesNo)
        return r == QMessageBox::Yes ? IDYES : IDNO;
    return IDOK;
}
} // namespace

void InstallQtMessageBox() { SetDefaultMessageBox(ShowQtBox); }

void SetMessageBoxParent(QWidget* pParent)
{
    InstallQtMessageBox();
    Parent() = pParent;
}
