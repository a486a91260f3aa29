// The preferences dialog: its lists, colours, preview, word check, storage card, OK and Cancel.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "games/AppSettings.h"
#include "dialogs/ColorSelectDlg.h"
#include "dialogs/PreferencesDlg.h"
#include "framework/Profile.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
QStringList Items(const QComboBox* p)
{
    QStringList a;
    for (int i = 0; i < p->count(); ++i)
        a << p->itemText(i);
    return a;
}
void Select(QComboBox* p, const char* pszText) { p->setCurrentIndex(p->findText(pszText)); }
} // namespace

class Preferences : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        WriteDataFiles();
        settings.m_strDictionary = DataFolder() + "English Comprehensive07.dct";
        settings.m_strBackground = DataFolder() + "Blue01.jpg";
        ASSERT_TRUE(settings.m_dictionary.LoadDictionary(settings.m_strDictionary));
    }
    AppSettings settings;
};

TEST_F(Preferences, ListsTheDataFolderAndSelectsTheCurrentChoices)
{
    WriteFileBytes(DataFolder() + "My.Theme.thm", QByteArray(12, '\0'));
    WriteFileBytes(DataFolder() + "DARK.thm", QByteArray(12, '\0'));
    settings.m_crFontNormalColor = RGB(4, 5, 6);
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    EXPECT_EQ(Items(dlg.m_cbDictionary), (QStringList{"English common", "English comprehensive07"}));
    EXPECT_EQ(dlg.m_cbDictionary->currentText(), "English comprehensive07");
    EXPECT_EQ(Items(dlg.m_cbBackground), (QStringList{" [None]", "Blue01.jpg", "Sand03.gif"}));
    EXPECT_EQ(dlg.m_cbBackground->currentText(), "Blue01.jpg");
    EXPECT_EQ(Items(dlg.m_cbTheme), (QStringList{"", "Dark", "My"}));
    EXPECT_EQ(dlg.m_crFont, RGB(4, 5, 6));
    EXPECT_EQ(dlg.m_wndFontSwatch.m_clrColor, RGB(4, 5, 6));
    // Choices not in the folder: the first dictionary, and " [None]".
    settings.m_strBackground = "/elsewhere/Missing.jpg";
    settings.m_strDictionary = "/elsewhere/Gone.dct";
    dlg.FillLists();
    EXPECT_EQ(dlg.m_cbBackground->currentText(), " [None]");
    EXPECT_EQ(dlg.m_cbDictionary->currentIndex(), 0);
}

TEST_F(Preferences, OKStoresEveryChoiceAndCancelNone)
{
    for (int nEnd : {IDCANCEL, IDOK}) {
        CPreferencesDlg dlg(&settings);
        dlg.InitDialog();
        Select(dlg.m_cbDictionary, "English common");
        Select(dlg.m_cbBackground, "Sand03.gif");
        dlg.m_crFont = RGB(255, 0, 0);
        dlg.m_pVerify->setChecked(false);
        nEnd == IDOK ? dlg.m_pOK->click() : dlg.m_pCancel->click();
        EXPECT_EQ(dlg.result(), nEnd);
        const bool bOK = nEnd == IDOK;
        EXPECT_EQ(settings.m_strDictionary, DataFolder() + (bOK ? "English common.dct" : "English Comprehensive07.dct"));
        EXPECT_EQ(settings.m_dictionary.Contains("bridge") != FALSE, bOK);
        EXPECT_EQ(settings.m_strBackground, DataFolder() + (bOK ? "Sand03.gif" : "Blue01.jpg"));
        EXPECT_EQ(settings.m_picBackground.IsLoaded() != FALSE, bOK);
        EXPECT_EQ(settings.m_crFontNormalColor, bOK ? RGB(255, 0, 0) : 0u);
        EXPECT_EQ(settings.m_bVerifyIncorrect != FALSE, !bOK);
        EXPECT_EQ(QSettings("Brasswinkle", "Quillotrix").contains("Settings/UseStorage"), bOK);
    }
    EXPECT_EQ(GetProfileInt("Settings", "PrefencesPreview", 9), 1);
    // The word check box starts from the choice in force, not from what an earlier run stored.
    WriteProfileInt("Settings", "VerifyIncorrect", 1);
    CPreferencesDlg verify(&settings);
    verify.InitDialog();
    EXPECT_FALSE(verify.m_pVerify->isChecked());
    // " [None]" leaves no picture and no background name; a dictionary not loaded is tried again.
    settings.m_dictionary.UnloadDictionary();
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_cbBackground->setCurrentIndex(0);
    dlg.OnOK();
    EXPECT_TRUE(settings.m_dictionary.Contains("drop"));
    EXPECT_EQ(settings.m_strBackground, "");
    EXPECT_FALSE(settings.m_picBackground.IsLoaded());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Preferences, ThePreviewShowsTheChoicesOrHidesAsStored)
{
    settings.m_crCubeColor = RGB(200, 0, 0);
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    ASSERT_TRUE(dlg.m_wndPreview.IsWindowVisible());
    CRect rc;
    dlg.m_wndPreview.GetClientRect(&rc);
    const int x1 = (rc.Width() - 60) / 3, y = (rc.Height() - 30) / 2;
    EXPECT_EQ(PixelAt(dlg.m_wndPreview, 1, 1), 0x0000FFu) << "the picture";
    EXPECT_EQ(PixelAt(dlg.m_wndPreview, x1 + 3, y + 3), 0xC80000u) << "the tile";
    Select(dlg.m_cbBackground, "Sand03.gif");
    EXPECT_EQ(PixelAt(dlg.m_wndPreview, 1, 1), 0xC8B400u);
    dlg.m_cbBackground->setCurrentIndex(0);
    EXPECT_EQ(PixelAt(dlg.m_wndPreview, 1, 1), ToRgb(GetSysColor(COLOR_BTNFACE)));

    // Off: hidden, stored so at OK, and the next dialog opens without it.
    dlg.m_pShowPreview->setChecked(false);
    EXPECT_FALSE(dlg.m_wndPreview.IsWindowVisible());
    dlg.OnOK();
    EXPECT_EQ(GetProfileInt("Settings", "PrefencesPreview", 9), 0);
    CPreferencesDlg again(&settings);
    again.InitDialog();
    EXPECT_FALSE(again.m_wndPreview.IsWindowVisible());
    for (QFrame* pFrame : again.findChildren<QFrame*>()) // nor its border
        EXPECT_FALSE(pFrame->isVisibleTo(&again) && pFrame->geometry().contains(again.m_wndPreview.GetSafeHwnd()->geometry()));
}

TEST_F(Preferences, ASwatchTapOpensTheColourDialogForItsColourAndHelpItsAnchor)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    std::vector<std::pair<COLORREF, QString>> seen;
    int nAnswer = IDOK;
    CModalDialog::SetModalRunner([&](CModalDialog& d) {
        auto& c = dynamic_cast<CColorSelectDlg&>(d);
        seen.emplace_back(c.m_color, c.m_strHelp);
        c.m_apEdit[0]->setText("17");
        nAnswer == IDOK ? c.OnOK() : c.OnCancel();
        return nAnswer;
    });
    // The swatch reports its own number to the dialog it sits on, when the pen is lifted on it.
    dlg.m_wndSelectedSwatch.OnLButtonUp(0, CPoint(-5, 2));
    EXPECT_TRUE(seen.empty());
    dlg.m_wndSelectedSwatch.OnLButtonUp(0, CPoint(2, 2));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(RGB(255, 255, 255), QString("file:quillotrix.htm#Preferences")));
    EXPECT_EQ(dlg.m_crSelected, RGB(17, 255, 255));
    EXPECT_EQ(dlg.m_wndSelectedSwatch.m_clrColor, RGB(17, 255, 255));
    EXPECT_EQ(dlg.m_wndPreview.m_crSelected, RGB(17, 255, 255));
    // Cancel keeps the colour; the hidden "..." button does what the swatch does.
    nAnswer = IDCANCEL;
    dlg.findChild<QPushButton*>("1005")->click();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192));

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &f1);
    EXPECT_EQ(helpLines, QStringList{"file:Quillotrix.htm#Preferences"});
}

TEST_F(Preferences, TheStorageCardListsItsOwnFolderAndResetsTheColours)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_crCube = RGB(1, 1, 1);
    dlg.m_pStorageCard->click();
    // The card's own folders are made (not the card, not its data folder); nothing is listed.
    EXPECT_TRUE(QFileInfo(TestStorageCard() + "My Documents/Quillotrix").isDir());
    EXPECT_FALSE(QFileInfo::exists(TestStorageCard() + "My Documents/Quillotrix/data"));
    EXPECT_EQ(Items(dlg.m_cbBackground), QStringList{" [None]"});
    EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192));

    // Folders spelled in another case are used as they are.
    QDir(TestStorageCard()).removeRecursively();
    const QString cardData = TestStorageCard() + "my documents/QUILLOTRIX/Data/";
    QDir().mkpath(cardData);
    WriteDictionary(cardData + "Card words.dct", {"card", "tile"});
    dlg.FillLists();
    EXPECT_EQ(Items(dlg.m_cbDictionary), QStringList{"Card words"});
    EXPECT_FALSE(QFileInfo::exists(TestStorageCard() + "My Documents"));
    dlg.OnOK();
    EXPECT_EQ(GetProfileInt("Settings", "UseStorage", 9), 1);
    EXPECT_TRUE(settings.m_dictionary.Contains("card"));
    CPreferencesDlg again(&settings);
    again.InitDialog();
    EXPECT_TRUE(again.m_pStorageCard->isChecked());

    // Without a card the box is off and disabled.
    const QByteArray card = qgetenv("QUILLOTRIX_STORAGE_CARD");
    qputenv("QUILLOTRIX_STORAGE_CARD", QByteArray(TestRootFolder().toUtf8() + "no-card"));
    CPreferencesDlg noCard(&settings);
    noCard.InitDialog();
    qputenv("QUILLOTRIX_STORAGE_CARD", card);
    EXPECT_FALSE(noCard.m_pStorageCard->isChecked());
    EXPECT_FALSE(noCard.m_pStorageCard->isEnabled());
}
