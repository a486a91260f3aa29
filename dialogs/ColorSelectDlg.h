// CColorSelectDlg: choosing one colour from the colour area or by red, green and blue values.
#pragma once
#include <QString>

#include "dialogs/ColorAreaCtrl.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/ModalDialog.h"

class QLineEdit;
class QPushButton;
class CSpinButtonCtrl;

class CColorSelectDlg : public CModalDialog {
    Q_OBJECT
public:
    enum { IDD = 155 };
    static constexpr UINT IDC_AREA = 1010;
    static constexpr UINT IDC_CURRENT = 1006;
    static constexpr UINT IDC_RED = 1015;
    static constexpr UINT IDC_GREEN = 1017;
    static constexpr UINT IDC_BLUE = 1019;

    explicit CColorSelectDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnHelp() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnEditChange();
    LRESULT OnColorPicked(COLORREF cr);

    BOOL m_bUpdating = FALSE;
    QString m_strHelp;
    COLORREF m_color = 0;
    CColorAreaCtrl m_wndArea;
    CColorSwatch m_wndCurrent;

    // The red, green and blue edits and their up-downs.
    QLineEdit* m_apEdit[3] = {};
    CSpinButtonCtrl* m_apSpin[3] = {};
    QPushButton* m_pOK = nullptr;
    QPushButton* m_pCancel = nullptr;
};
