// The colour selection dialog: its controls, the value edits and the picks from the area.
#include "dialogs/ColorSelectDlg.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "dialogs/SpinButtonCtrl.h"
#include "framework/Help.h"

namespace {
CRect ToCRect(const QRect& rc) { return CRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()); }

// The controls below the colour area keep their places, centred (they span 147 units).
constexpr int MARGIN = 6;
int DialogWidth() { return std::max(CModalDialog::Dlu(0, 0, 154, 0).width() + MARGIN, 240); }
QRect Put(int x, int y, int cx, int cy)
{
    return CModalDialog::Dlu(x, y, cx, cy).translated((DialogWidth() - CModalDialog::Dlu(0, 0, 147, 0).width()) / 2, 0);
}
} // namespace

CColorSelectDlg::CColorSelectDlg(QWidget* pParent) : CModalDialog(pParent)
{
    setWindowTitle(QStringLiteral("Color Selection"));
    // As wide as the handheld's screen, so the 231-pixel colour area fits beside its margin.
    const QRect rcDialog = Dlu(0, 0, 154, 150);
    setFixedSize(DialogWidth(), rcDialog.height());

    // The area keeps the handheld's size in pixels, whatever the dialog unit: 92 pixels give its
    // fourteen rows six pixels each.
    m_wndArea.Create(static_cast<QWidget*>(this), IDC_AREA, CRect(0, 0, 231, 92), TRUE);

    // The current colour sits in a one-pixel border, outside its client area.
    const QRect rcCurrent = Put(40, 63, 85, 16);
    auto* pBorder = new QFrame(this);
    pBorder->setFrameShape(QFrame::Box);
    pBorder->setGeometry(rcCurrent);
    m_wndCurrent.Create(static_cast<QWidget*>(this), IDC_CURRENT, ToCRect(rcCurrent.adjusted(1, 1, -1, -1)), TRUE);

    const struct {
        const char* pszText;
        int x, y, cx, cy;
    } aLabels[] = {{"Current", 9, 63, 26, 16}, {"Red", 1, 81, 14, 8}, {"Green", 50, 81, 20, 8}, {"Blue", 99, 81, 14, 8}};
    for (const auto& l : aLabels) {
        auto* pLabel = new QLabel(QLatin1String(l.pszText), this);
        QRect rc = Put(l.x, l.y, l.cx, l.cy);
        rc.setWidth(std::max(rc.width(), pLabel->sizeHint().width()));
        pLabel->setGeometry(rc);
    }

    const UINT anEditIds[3] = {IDC_RED, IDC_GREEN, IDC_BLUE};
    const int anX[3] = {1, 50, 99};
    for (int i = 0; i < 3; ++i) {
        m_apEdit[i] = new QLineEdit(this);
        m_apEdit[i]->setObjectName(QString::number(anEditIds[i]));
        m_apEdit[i]->setGeometry(Put(anX[i], 91, 36, 14));
        // Digits only, but not capped: the value is taken modulo 256.
        m_apEdit[i]->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_apEdit[i]));
        connect(m_apEdit[i], &QLineEdit::textChanged, this, [this] { OnEditChange(); });
        m_apSpin[i] = new CSpinButtonCtrl(this);
        m_apSpin[i]->setObjectName(QString::number(anEditIds[i] + 1));
        m_apSpin[i]->setGeometry(Put(anX[i] + 36, 91, 11, 14));
        m_apSpin[i]->SetBuddy(m_apEdit[i]);
    }

    CreateOkCancel(m_pOK, Put(15, 129, 50, 14), m_pCancel, Put(83, 129, 50, 14));
}

BOOL CColorSelectDlg::OnInitDialog()
{
    // Whole rows only, each column seven pixels wide, centred with a margin above.
    CRect rc;
    m_wndArea.GetClientRect(&rc);
    const int h = rc.Height() / CColorAreaCtrl::ROWS * CColorAreaCtrl::ROWS;
    const int x = std::max(4, (width() - 231) / 2);
    m_wndArea.MoveWindow(CRect(x, MARGIN, x + 231, MARGIN + h), TRUE);

    const int anParts[3] = {GetRValue(m_color), GetGValue(m_color), GetBValue(m_color)};
    for (int i = 0; i < 3; ++i) {
        m_apSpin[i]->SetRange(0, 255);
        m_apSpin[i]->SetPos(anParts[i]);
    }
    // An edit that already showed the number sends no change, so the swatch is set here as well.
    m_wndCurrent.SetColor(m_color);
    m_apEdit[0]->setFocus();
    return TRUE;
}

void CColorSelectDlg::OnEditChange()
{
    if (m_bUpdating)
        return;
    int anParts[3];
    for (int i = 0; i < 3; ++i)
        anParts[i] = int(WideToLong(m_apEdit[i] ? m_apEdit[i]->text() : QString()) & 0xFF);
    m_wndCurrent.SetColor(RGB(anParts[0], anParts[1], anParts[2]));
}

LRESULT CColorSelectDlg::OnColorPicked(COLORREF cr)
{
    m_wndCurrent.SetColor(cr);
    m_wndCurrent.Invalidate(FALSE);
    m_wndCurrent.UpdateWindow();
    // The numbers follow the pick; the swatch keeps the colour exactly as picked.
    m_bUpdating = TRUE;
    m_apSpin[0]->SetPos(m_wndCurrent.m_nRed);
    m_apSpin[1]->SetPos(m_wndCurrent.m_nGreen);
    m_apSpin[2]->SetPos(m_wndCurrent.m_nBlue);
    m_bUpdating = FALSE;
    return 0;
}

LRESULT CColorSelectDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COLORPICKED)
        return OnColorPicked(COLORREF(wParam));
    return CModalDialog::WindowProc(message, wParam, lParam);
}

void CColorSelectDlg::OnOK()
{
    m_color = m_wndCurrent.m_clrColor;
    CModalDialog::OnOK();
}

BOOL CColorSelectDlg::OnHelp()
{
    if (!m_strHelp.isEmpty())
        StartHelpViewer(m_strHelp);
    return TRUE;
}
