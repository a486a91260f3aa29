// The preferences dialog: its lists, colours, preview, word check, storage card, OK and Cancel.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppSettings.h"
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
QRgb PreviewPixel(CThemePreviewWnd& wnd, int x, int y)
{
    wnd.UpdateWindow();
    const QImage& img = wnd.GetSurface();
    return img.pixel(int(x * img.devicePixelRatio()), int(y * img.devicePixelRatio())) & 0xFFFFFF;
}
QRgb ToRgb(COLORREF cr) { return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)) & 0xFFFFFF; }
} // namespace

class Preferences : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        WriteDictionary(DataFolder() + "English Comprehensive07.dct", {"able", "cube", "word"});
        WriteDictionary(DataFolder() + "english common.dct", {"bridge", "drop"});
        WritePicture(DataFolder() + "BLUE01.JPG", qRgb(0, 0, 255));
        WritePicture(DataFolder() + "Sand03.gif", qRgb(200, 180, 0));
        WriteFile(DataFolder() + "notes.txt", "not listed");
        settings.m_strProgramDir = TestProgramFolder();
        settings.m_strDictionary = DataFolder() + "English Comprehensive07.dct";
        settings.m_strBackground = DataFolder() + "Blue01.jpg";
        ASSERT_TRUE(settings.m_dictionary.LoadDictionary(settings.m_strDictionary));
        ASSERT_TRUE(settings.m_picBackground.LoadFromFile(nullptr, settings.m_strBackground));
    }

    AppSettings settings;
};

TEST_F(Preferences, ListsTheDataFolderAndSelectsTheCurrentChoices)
{
    WriteFile(DataFolder() + "My.Theme.thm", QByteArray(12, '\0'));
    WriteFile(DataFolder() + "DARK.thm", QByteArray(12, '\0'));
    settings.m_crCubeColor = RGB(1, 2, 3);
    settings.m_crFontNormalColor = RGB(4, 5, 6);
    settings.m_crFontSelectedColor = RGB(7, 8, 9);
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    EXPECT_EQ(dlg.windowTitle(), "Preferences");
    EXPECT_EQ(Items(dlg.m_cbDictionary), (QStringList{"English common", "English comprehensive07"}));
    EXPECT_EQ(dlg.m_cbDictionary->currentText(), "English comprehensive07");
    EXPECT_EQ(Items(dlg.m_cbBackground), (QStringList{" [None]", "Blue01.jpg", "Sand03.gif"}));
    EXPECT_EQ(dlg.m_cbBackground->currentText(), "Blue01.jpg");
    EXPECT_EQ(Items(dlg.m_cbTheme), (QStringList{"", "Dark", "My"}));
    for (auto [pSwatch, cr, crDlg] : {std::tuple{&dlg.m_wndCubeSwatch, RGB(1, 2, 3), dlg.m_crCube},
                                      {&dlg.m_wndFontSwatch, RGB(4, 5, 6), dlg.m_crFont},
                                      {&dlg.m_wndSelectedSwatch, RGB(7, 8, 9), dlg.m_crSelected}}) {
        EXPECT_EQ(pSwatch->m_clrColor, cr);
        EXPECT_EQ(crDlg, cr);
    }
    // A background that is not there, or none at all, selects " [None]".
    for (const char* psz : {"", "/elsewhere/Missing.jpg"}) {
        settings.m_strBackground = psz;
        settings.m_strDictionary = "/elsewhere/Gone.dct"; // the first dictionary then
        dlg.FillLists();
        EXPECT_EQ(dlg.m_cbBackground->currentText(), " [None]") << psz;
        EXPECT_EQ(dlg.m_cbDictionary->currentIndex(), 0);
    }
    // Without a card the box is off and disabled.
    const QByteArray card = qgetenv("QUILLOTRIX_STORAGE_CARD");
    qputenv("QUILLOTRIX_STORAGE_CARD", QByteArray(TestRootFolder().toUtf8() + "no-card"));
    WriteProfileInt("Settings", "UseStorage", 1);
    CPreferencesDlg noCard(&settings);
    noCard.InitDialog();
    qputenv("QUILLOTRIX_STORAGE_CARD", card);
    EXPECT_FALSE(noCard.m_pStorageCard->isChecked());
    EXPECT_FALSE(noCard.m_pStorageCard->isEnabled());
}

TEST_F(Preferences, OKStoresEveryChoiceAndCancelNone)
{
    for (int nEnd : {IDCANCEL, IDOK}) {
        CPreferencesDlg dlg(&settings);
        dlg.InitDialog();
        dlg.m_cbDictionary->setCurrentIndex(dlg.m_cbDictionary->findText("English common"));
        dlg.m_cbBackground->setCurrentIndex(dlg.m_cbBackground->findText("Sand03.gif"));
        CModalDialog::SetModalRunner([](CModalDialog& d) {
            auto* p = dynamic_cast<CColorSelectDlg*>(&d);
            if (!p)
                return IDCANCEL;
            p->m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(7 * 32 + 1, 2)); // red
            p->OnOK();
            return IDOK;
        });
        dlg.m_wndFontSwatch.OnLButtonUp(0, CPoint(1, 1));
        dlg.m_pVerify->setChecked(false);
        dlg.m_pStorageCard->setChecked(false);
        nEnd == IDOK ? dlg.m_pOK->click() : dlg.m_pCancel->click();
        EXPECT_EQ(dlg.result(), nEnd);
        if (nEnd == IDCANCEL) {
            EXPECT_EQ(settings.m_strDictionary, DataFolder() + "English Comprehensive07.dct");
            EXPECT_TRUE(settings.m_dictionary.Contains("cube"));
            EXPECT_EQ(settings.m_strBackground, DataFolder() + "Blue01.jpg");
            EXPECT_EQ(settings.m_crFontNormalColor, 0u);
            EXPECT_TRUE(settings.m_bVerifyIncorrect);
            EXPECT_FALSE(QSettings("Brasswinkle", "Quillotrix").contains("Settings/UseStorage"));
        } else {
            EXPECT_EQ(settings.m_strDictionary, DataFolder() + "English common.dct");
            EXPECT_TRUE(settings.m_dictionary.Contains("bridge"));
            EXPECT_FALSE(settings.m_dictionary.Contains("cube"));
            EXPECT_EQ(settings.m_strBackground, DataFolder() + "Sand03.gif");
            EXPECT_EQ(settings.m_picBackground.GetWidth(), 16);
            EXPECT_EQ(settings.m_crFontNormalColor, RGB(255, 0, 0));
            EXPECT_EQ(settings.m_crCubeColor, RGB(0, 0, 192));
            EXPECT_FALSE(settings.m_bVerifyIncorrect);
            EXPECT_EQ(GetProfileInt("Settings", "UseStorage", 9), 0);
            EXPECT_EQ(GetProfileInt("Settings", "PrefencesPreview", 9), 1);
        }
    }
    // " [None]" leaves no picture and no background name.
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_cbBackground->setCurrentIndex(0);
    dlg.OnOK();
    EXPECT_EQ(settings.m_strBackground, "");
    EXPECT_FALSE(settings.m_picBackground.IsLoaded());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Preferences, ADictionaryThatFailsToLoadIsReportedAndTheOldOneStays)
{
    WriteFile(DataFolder() + "Broken.dct", QByteArray(200, 'x'));
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_cbDictionary->setCurrentIndex(dlg.m_cbDictionary->findText("Broken"));
    dlg.OnOK();
    EXPECT_EQ(boxes.LastText(), DataFolder() + "Broken.dct");
    EXPECT_EQ(settings.m_strDictionary, DataFolder() + "English Comprehensive07.dct");
    EXPECT_TRUE(settings.m_dictionary.IsLoaded());
    EXPECT_TRUE(settings.m_dictionary.Contains("word"));
}

TEST_F(Preferences, TheVerifyBoxStartsFromTheChoiceInForceAndDoesNotTurnItselfBackOn)
{
    WriteProfileInt("Settings", "VerifyIncorrect", 1); // what an earlier run left
    for (int nRound = 0; nRound < 3; ++nRound) {
        CPreferencesDlg dlg(&settings);
        dlg.InitDialog();
        EXPECT_EQ(dlg.m_pVerify->isChecked(), nRound == 0) << nRound;
        if (nRound == 0)
            dlg.m_pVerify->setChecked(false);
        dlg.OnOK();
        EXPECT_FALSE(settings.m_bVerifyIncorrect) << nRound;
    }
}

TEST_F(Preferences, ThePreviewShowsTheChoicesOrHidesAsStored)
{
    settings.m_crCubeColor = RGB(200, 0, 0);
    settings.m_crFontNormalColor = RGB(0, 255, 0);
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    ASSERT_TRUE(dlg.m_pShowPreview->isChecked());
    EXPECT_TRUE(dlg.m_wndPreview.IsWindowVisible());
    CRect rc;
    dlg.m_wndPreview.GetClientRect(&rc);
    const int x1 = (rc.Width() - 60) / 3, y = (rc.Height() - 30) / 2;
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, 1, 1), 0x0000FFu) << "the picture";
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, x1 + 3, y + 3), 0xC80000u) << "the tile";
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, x1, y + 10), ToRgb(ShadeColor(RGB(200, 0, 0), 32))) << "light edge";
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, x1 + 29, y + 10), ToRgb(ShadeColor(RGB(200, 0, 0), -32))) << "dark edge";
    auto inkOf = [&](int x, QRgb rgb) {
        int n = 0;
        for (int yy = y; yy < y + 30; ++yy)
            for (int xx = x; xx < x + 30; ++xx)
                n += PreviewPixel(dlg.m_wndPreview, xx, yy) == rgb;
        return n;
    };
    EXPECT_GT(inkOf(x1, 0x00FF00u), 5) << "C in the letter colour";
    EXPECT_GT(inkOf(2 * x1 + 30, 0xFFFFFFu), 5) << "F in the selected colour";

    // Another background and " [None]" follow the list.
    dlg.m_cbBackground->setCurrentIndex(dlg.m_cbBackground->findText("Sand03.gif"));
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, 1, 1), 0xC8B400u);
    dlg.m_cbBackground->setCurrentIndex(0);
    EXPECT_EQ(PreviewPixel(dlg.m_wndPreview, 1, 1), ToRgb(GetSysColor(COLOR_BTNFACE)));

    // Off: hidden, and stored so at OK; the next dialog opens without it.
    dlg.m_pShowPreview->setChecked(false);
    EXPECT_FALSE(dlg.m_wndPreview.IsWindowVisible());
    dlg.OnOK();
    EXPECT_EQ(GetProfileInt("Settings", "PrefencesPreview", 9), 0);
    CPreferencesDlg again(&settings);
    again.InitDialog();
    EXPECT_FALSE(again.m_pShowPreview->isChecked());
    EXPECT_FALSE(again.m_wndPreview.IsWindowVisible());
}

TEST_F(Preferences, ASwatchTapOpensTheColourDialogForItsColour)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    struct Seen {
        COLORREF cr;
        QString strHelp;
    };
    std::vector<Seen> seen;
    int nAnswer = IDOK;
    CModalDialog::SetModalRunner([&](CModalDialog& d) {
        auto& c = dynamic_cast<CColorSelectDlg&>(d);
        seen.push_back({c.m_color, c.m_strHelp});
        c.m_apEdit[0]->setText("17");
        c.m_apEdit[1]->setText("34");
        c.m_apEdit[2]->setText("51");
        nAnswer == IDOK ? c.OnOK() : c.OnCancel();
        return nAnswer;
    });
    // The swatch reports its own number to the dialog it sits on.
    dlg.m_wndSelectedSwatch.OnLButtonUp(0, CPoint(2, 2));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].cr, RGB(255, 255, 255));
    EXPECT_EQ(seen[0].strHelp, "file:quillotrix.htm#Preferences");
    EXPECT_EQ(dlg.m_crSelected, RGB(17, 34, 51));
    EXPECT_EQ(dlg.m_wndSelectedSwatch.m_clrColor, RGB(17, 34, 51));
    EXPECT_EQ(dlg.m_wndPreview.m_crSelected, RGB(17, 34, 51));
    // Cancel keeps the colour; the hidden "..." button does what the swatch does.
    nAnswer = IDCANCEL;
    dlg.findChild<QPushButton*>("1005")->click();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].cr, RGB(0, 0, 192));
    EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192));
    // Same value as the host's message, but here it opens the colour dialog.
    nAnswer = IDOK;
    EXPECT_EQ(dlg.SendMessage(WM_SWATCHCLICKED, CPreferencesDlg::IDC_CUBECOLOR), 0);
    EXPECT_EQ(dlg.m_crCube, RGB(17, 34, 51));
    EXPECT_EQ(dlg.m_wndPreview.m_crCube, RGB(17, 34, 51));
    EXPECT_EQ(dlg.m_wndPreview.m_crLight, RGB(49, 66, 83));
}

TEST_F(Preferences, HelpOpensThePreferencesAnchorAsWritten)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &f1);
    EXPECT_EQ(helpLines, QStringList{"file:Quillotrix.htm#Preferences"});
}

TEST_F(Preferences, TheStorageCardListsItsOwnFolderAndResetsTheColours)
{
    const QString cardData = TestStorageCard() + "My Documents/Quillotrix/data/";
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    ASSERT_TRUE(dlg.m_pStorageCard->isEnabled());
    dlg.m_crCube = RGB(1, 1, 1);
    dlg.m_wndCubeSwatch.SetColor(RGB(1, 1, 1));
    dlg.m_pStorageCard->click();
    // The card's folders are made (not its data folder, not the card itself), and are empty.
    EXPECT_TRUE(QFileInfo(TestStorageCard() + "My Documents/Quillotrix").isDir());
    EXPECT_FALSE(QFileInfo::exists(cardData));
    EXPECT_EQ(Items(dlg.m_cbDictionary), QStringList{});
    EXPECT_EQ(Items(dlg.m_cbBackground), QStringList{" [None]"});
    EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192));
    EXPECT_EQ(dlg.m_wndCubeSwatch.m_clrColor, RGB(0, 0, 192));

    // With files on the card (its folders spelled in another case) those are listed and used.
    QDir(TestStorageCard()).removeRecursively();
    QDir().mkpath(TestStorageCard() + "my documents/QUILLOTRIX/Data");
    const QString realData = TestStorageCard() + "my documents/QUILLOTRIX/Data/";
    WriteDictionary(realData + "Card words.dct", {"card", "tile"});
    WritePicture(realData + "card.gif", qRgb(9, 9, 9));
    dlg.FillLists();
    EXPECT_EQ(Items(dlg.m_cbDictionary), QStringList{"Card words"});
    EXPECT_EQ(Items(dlg.m_cbBackground), (QStringList{" [None]", "Card.gif"}));
    EXPECT_FALSE(QFileInfo::exists(TestStorageCard() + "My Documents")) << "the existing folders are used";
    dlg.m_cbBackground->setCurrentIndex(1);
    dlg.OnOK();
    EXPECT_EQ(GetProfileInt("Settings", "UseStorage", 9), 1);
    EXPECT_TRUE(settings.m_dictionary.Contains("card"));
    EXPECT_EQ(settings.m_strDictionary.compare(realData + "Card words.dct", Qt::CaseInsensitive), 0);
    EXPECT_TRUE(settings.m_picBackground.IsLoaded());
    EXPECT_TRUE(boxes.boxes.empty());
    // The next dialog starts on the card.
    CPreferencesDlg again(&settings);
    again.InitDialog();
    EXPECT_TRUE(again.m_pStorageCard->isChecked());
    EXPECT_EQ(again.m_cbDictionary->currentText(), "Card words");
}
