// CModalDialog: the base of the program's own dialogs: initialisation before the first showing,
// OK, Cancel and help handlers, the program's messages, and laying out in dialog units.
#pragma once
#include <QDialog>
#include <functional>

#include "framework/Types.h"

class CWnd;
class QLabel;
class QPushButton;

class CModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit CModalDialog(QWidget* pParent = nullptr);

    // Initialises the dialog (once) and runs it; IDOK or IDCANCEL.
    int DoModal();
    // Runs OnInitDialog unless it has run already.
    void InitDialog();
    BOOL IsInitialised() const { return m_bInitialised; }

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The help key; TRUE when handled.
    virtual BOOL OnHelp() { return FALSE; }
    // The program's own messages, delivered synchronously.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return WindowProc(message, wParam, lParam); }
    void EndDialog(int nResult);

    // Tests run dialogs without an event loop: the runner gets the initialised dialog and returns
    // its result. An empty function restores the real modal run.
    using ModalRunner = std::function<int(CModalDialog& dlg)>;
    static void SetModalRunner(ModalRunner runner);

    // A rectangle in the handheld's dialog units, in pixels.
    static QRect Dlu(int x, int y, int cx, int cy);

    // Enter, Escape and the close box come through here to OnOK and OnCancel.
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

protected:
    // The default button (OK) and Cancel, pressing through to OnOK and OnCancel.
    void CreateOkCancel(QPushButton*& pOK, const QRect& rcOK, QPushButton*& pCancel, const QRect& rcCancel,
                        const QString& strOK = QStringLiteral("OK"));

    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    BOOL m_bInitialised = FALSE;
};

// A label at rc, grown where its text needs more room, so that no font cuts it off.
void PlaceLabel(QLabel* pLabel, const QRect& rc);
// Moves a dialog to the middle of its parent's window, frames included, as the handheld centred them.
void CentreOnParentWindow(QWidget* pDialog);

// Sends one of the program's messages from a control to the window or dialog it sits on.
LRESULT SendMessageToParent(CWnd* pControl, UINT message, WPARAM wParam, LPARAM lParam = 0);
