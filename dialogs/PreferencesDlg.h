// CPreferencesDlg: dictionary, background picture, the three colours, the word check, the storage
// card and colour themes, with a preview of the choices.
#pragma once
#include <QString>
#include <QStringList>

#include "dialogs/ColorSwatch.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/ThemePreviewWnd.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
struct AppSettings;

class CPreferencesDlg : public CModalDialog {
    Q_OBJECT
public:
    enum { IDD = 154 };
    static constexpr UINT IDC_DICTIONARY = 1003;
    static constexpr UINT IDC_BACKGROUND = 1004;
    static constexpr UINT IDC_CUBECOLOR = 1011;
    static constexpr UINT IDC_FONTCOLOR = 1012;
    static constexpr UINT IDC_SELECTEDCOLOR = 1013;
    static constexpr UINT IDC_THEME = 1022;
    static constexpr UINT IDC_SAVETHEME = 1023;
    static constexpr UINT IDC_ERASETHEME = 1024;
    static constexpr UINT IDC_STORAGECARD = 1020;
    static constexpr UINT IDC_VERIFY = 1021;
    static constexpr UINT IDC_NOTICESINSTATUSBAR = 1030;
    static constexpr UINT IDC_PREVIEW = 1017;
    static constexpr UINT IDC_SHOWPREVIEW = 1006;

    // pApp: the settings record the dialog edits (the application's when none is given).
    explicit CPreferencesDlg(AppSettings* pApp, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnHelp() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FillLists();
    void OnPickColor(UINT nSwatchId);
    void UpdatePreview();
    void OnSaveTheme();
    void OnThemeChanged();
    void OnEraseTheme();

    // Where dictionaries, backgrounds and themes are listed from: the card's data folder when
    // "Storage Card" is ticked, else the writable data folder and the shipped one. The first is
    // where new themes are saved. bCreate makes the card's folders first.
    QStringList GetDataFolders(BOOL bCreate) const;
    // The theme file of a name in a folder.
    static QString ThemePath(const QString& strFolder, const QString& strName);
    // A preset theme: one of the shipped names in the program's own data folder.
    static BOOL IsPresetTheme(const QString& strFolder, const QString& strName);
    // A file name as the lists show it: cut at its first "." unless bKeepExtension, lower-cased,
    // first letter upper-cased.
    static QString ListName(const QString& strFileName, BOOL bKeepExtension);

    // The settings record being edited.
    AppSettings* m_pApp;

    QComboBox* m_cbDictionary = nullptr;
    QComboBox* m_cbBackground = nullptr;
    QComboBox* m_cbTheme = nullptr;
    CColorSwatch m_wndCubeSwatch;
    CColorSwatch m_wndFontSwatch;
    CColorSwatch m_wndSelectedSwatch;
    CThemePreviewWnd m_wndPreview;
    COLORREF m_crCube = 0;
    COLORREF m_crFont = 0;
    COLORREF m_crSelected = 0;

    QCheckBox* m_pStorageCard = nullptr;
    QCheckBox* m_pVerify = nullptr;
    QCheckBox* m_pNoticesInStatusBar = nullptr;
    QCheckBox* m_pShowPreview = nullptr;
    QPushButton* m_pSaveTheme = nullptr;
    QPushButton* m_pEraseTheme = nullptr;
    QPushButton* m_pOK = nullptr;
    QPushButton* m_pCancel = nullptr;

private:
    // The entry of the theme list that the edit field names exactly, or -1.
    int SelectedThemeIndex() const;
    void SetColors(COLORREF crCube, COLORREF crFont, COLORREF crSelected);
    void ShowPreview(bool bShow);

    QFrame* m_pPreviewBorder = nullptr;
};
