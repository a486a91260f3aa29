// The dialog base over QDialog.
#include "dialogs/ModalDialog.h"

#include <QKeyEvent>
#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "framework/Wnd.h"

namespace {
// One dialog unit, in pixels. The handheld packed its dialogs at 1.5 by 1.625 pixels a unit; on
// the desktop its font's texts need more room and the controls some air between them, so the same
// layouts are spread wider.
constexpr double DLU_X = 2.0;
constexpr double DLU_Y = 2.0;

CModalDialog::ModalRunner& Runner()
{
    static CModalDialog::ModalRunner s_runner;
    return s_runner;
}
} // namespace

CModalDialog::CModalDialog(QWidget* pParent) : QDialog(pParent)
{
    setModal(true);
    // The handheld's 8-point dialog font, so that the laid-out texts fit their controls.
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
}

QRect CModalDialog::Dlu(int x, int y, int cx, int cy)
{
    return QRect(int(x * DLU_X), int(y * DLU_Y), int(cx * DLU_X), int(cy * DLU_Y));
}

void CModalDialog::CreateOkCancel(QPushButton*& pOK, const QRect& rcOK, QPushButton*& pCancel, const QRect& rcCancel,
                                  const QString& strOK)
{
    pOK = new QPushButton(strOK, this);
    pOK->setGeometry(rcOK);
    pOK->setDefault(true);
    connect(pOK, &QPushButton::clicked, this, [this] { OnOK(); });
    pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    pCancel->setGeometry(rcCancel);
    pCancel->setAutoDefault(false);
    connect(pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void CModalDialog::SetModalRunner(ModalRunner runner) { Runner() = std::move(runner); }

void CModalDialog::InitDialog()
{
    if (m_bInitialised)
        return;
    m_bInitialised = TRUE;
    OnInitDialog();
}

int CModalDialog::DoModal()
{
    InitDialog();
    if (Runner())
        return Runner()(*this);
    return exec() == IDOK ? IDOK : IDCANCEL;
}

void CModalDialog::EndDialog(int nResult) { QDialog::done(nResult); }

LRESULT CModalDialog::WindowProc(UINT, WPARAM, LPARAM) { return 0; }

void CModalDialog::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        OnHelp();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CModalDialog::showEvent(QShowEvent* e)
{
    InitDialog();
    QDialog::showEvent(e);
}

void PlaceLabel(QLabel* pLabel, const QRect& rc)
{
    QRect r = rc;
    r.setWidth(std::max(r.width(), pLabel->sizeHint().width()));
    r.setHeight(std::max(r.height(), pLabel->sizeHint().height()));
    pLabel->setGeometry(r);
}

void CentreOnParentWindow(QWidget* pDialog)
{
    if (QWidget* pParent = pDialog->parentWidget()) {
        const QRect rcParent = pParent->window()->frameGeometry();
        const QRect rcSelf = pDialog->frameGeometry();
        pDialog->move(rcParent.left() + (rcParent.width() - rcSelf.width()) / 2,
                      rcParent.top() + (rcParent.height() - rcSelf.height()) / 2);
    }
}

LRESULT SendMessageToParent(CWnd* pControl, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!pControl)
        return 0;
    if (CWnd* pParent = pControl->GetParent())
        return pParent->SendMessage(message, wParam, lParam);
    // A control placed straight on a dialog has the dialog's widget as its parent.
    QWidget* pWidget = pControl->GetSafeHwnd();
    for (QWidget* p = pWidget ? pWidget->parentWidget() : nullptr; p; p = p->parentWidget()) {
        if (auto* pDlg = qobject_cast<CModalDialog*>(p))
            return pDlg->SendMessage(message, wParam, lParam);
    }
    return 0;
}
