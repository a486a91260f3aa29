// The colour selection dialog: the grid, picks and drags, the value edits, OK, Cancel and help.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/ColorSelectDlg.h"
#include "dialogs/SpinButtonCtrl.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
constexpr COLORREF NO_PICK = 0xFFFFFFFF;
QStringList EditTexts(const CColorSelectDlg& dlg)
{
    return {dlg.m_apEdit[0]->text(), dlg.m_apEdit[1]->text(), dlg.m_apEdit[2]->text()};
}
} // namespace

using ColorSelect = DialogTest;

TEST_F(ColorSelect, PicksFollowTheGridAndPointsOutsideItOrTinyAreasPickNothing)
{
    const struct {
        int x, y, cx, cy;
        COLORREF cr;
    } aCases[] = {
        {230, 83, 231, 84, RGB(255, 255, 255)}, // last column of the grey row
        {224, 6, 231, 84, RGB(255, 128, 0)},    // last column: L 255, c 128
        {70, 54, 231, 84, RGB(40, 0, 80)},      // column 10 of the violet row
        {1, 60, 231, 84, RGB(0, 0, 0)},         // the first column is black in every row
        {231, 10, 231, 84, NO_PICK},            // past the columns, as a drag reports
        {10, 84, 231, 84, NO_PICK},             // below the rows
        {-1, 10, 231, 84, NO_PICK},             // a plain division would give column 0
        {232, 10, 235, 84, NO_PICK},            // spare pixels right of whole columns
        {5, 5, 32, 84, NO_PICK},                // under one pixel per column
        {5, 5, 231, 13, NO_PICK},               // under one pixel per row
    };
    for (const auto& c : aCases) {
        COLORREF cr = NO_PICK;
        EXPECT_EQ(CColorAreaCtrl::ColorAtPoint(CPoint(c.x, c.y), c.cx, c.cy, cr) != FALSE, c.cr != NO_PICK) << c.x << "," << c.y;
        EXPECT_EQ(cr, c.cr) << c.x << "," << c.y;
    }
    // A window that small paints and takes taps without harm.
    CColorSelectDlg dlg;
    dlg.InitDialog();
    dlg.m_wndArea.MoveWindow(CRect(0, 0, 20, 10));
    dlg.m_wndArea.UpdateWindow();
    dlg.m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(3, 3));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, 0u);
}

TEST_F(ColorSelect, StartsFromTheOwnersColourAndTypedValuesAreTakenModulo256)
{
    CColorSelectDlg dlg;
    dlg.m_color = RGB(10, 200, 37);
    dlg.InitDialog();
    EXPECT_EQ(EditTexts(dlg), (QStringList{"10", "200", "37"}));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(10, 200, 37));
    CRect rc;
    dlg.m_wndArea.GetClientRect(&rc);
    EXPECT_EQ(rc.Height() % 14, 0) << "whole rows only";
    const struct {
        const char *pszRed, *pszGreen, *pszBlue;
        COLORREF cr;
    } aCases[] = {{"300", "0", "0", RGB(44, 0, 0)},
                  {"255", "", "1", RGB(255, 0, 1)}, // an emptied edit counts as 0
                  {"99999999999999999999", "511", "8", RGB(255, 255, 8)}}; // too long: the largest number
    for (const auto& c : aCases) {
        dlg.m_apEdit[0]->setText(c.pszRed);
        dlg.m_apEdit[1]->setText(c.pszGreen);
        dlg.m_apEdit[2]->setText(c.pszBlue);
        EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, c.cr) << c.pszRed << " " << c.pszGreen << " " << c.pszBlue;
    }
    // The up-downs step within 0 to 255, from a typed value kept in range; so do the arrow keys.
    dlg.m_apSpin[0]->Step(-1);
    dlg.m_apSpin[1]->Step(1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(dlg.m_apEdit[2], &down);
    EXPECT_EQ(EditTexts(dlg), (QStringList{"254", "255", "7"}));
}

TEST_F(ColorSelect, DragsPickContinuouslyAndOnlyOKReturnsThePick)
{
    for (int nEnd : {IDOK, IDCANCEL}) {
        CColorSelectDlg dlg;
        dlg.m_color = RGB(9, 9, 9);
        CModalDialog::SetModalRunner([nEnd](CModalDialog& d) {
            auto& c = static_cast<CColorSelectDlg&>(d);
            for (int k : {4, 5, 6}) { // along the red row; the numbers follow
                c.m_wndArea.OnMouseMove(MK_LBUTTON, CPoint(7 * k, 0));
                EXPECT_EQ(c.m_apEdit[0]->text(), QString::number(8 * k));
            }
            c.m_wndArea.OnMouseMove(0, CPoint(7 * 20, 0));         // pen up: nothing
            c.m_wndArea.OnMouseMove(MK_LBUTTON, CPoint(400, 0));   // past the edge: nothing
            EXPECT_EQ(c.m_wndCurrent.m_clrColor, RGB(48, 0, 0));
            nEnd == IDOK ? c.m_pOK->click() : c.m_pCancel->click();
            return c.result();
        });
        EXPECT_EQ(dlg.DoModal(), nEnd);
        EXPECT_EQ(dlg.m_color, nEnd == IDOK ? RGB(48, 0, 0) : RGB(9, 9, 9));
    }
}

TEST_F(ColorSelect, HelpOpensTheOwnersTopicOrNothingAndTheSwatchBevelIsClamped)
{
    CColorSelectDlg dlg;
    dlg.InitDialog();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &f1);
    dlg.m_strHelp = "file:quillotrix.htm#Preferences";
    QApplication::sendEvent(&dlg, &f1);
    EXPECT_EQ(helpLines, QStringList{"file:quillotrix.htm#Preferences"});
    dlg.m_wndCurrent.SetColor(RGB(255, 255, 255));
    CRect rc;
    dlg.m_wndCurrent.GetClientRect(&rc);
    EXPECT_EQ(PixelAt(dlg.m_wndCurrent, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(dlg.m_wndCurrent, rc.right - 1, rc.bottom - 1), 0xDFDFDFu);
}
