// CAboutDlg: the About box with the program's name, version, picture and a Help button.
#pragma once
#include <QDialog>

#include "framework/Gdi.h"

class QLabel;
class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    QLabel* m_pTitle = nullptr;
    QLabel* m_pVersion = nullptr;
    QLabel* m_pPicture = nullptr;
    QPushButton* m_pHelp = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    CFont m_font;
    CBitmap m_bmpPicture;
};
