// Theme files: the format, round trips through the dialog, overwriting, erasing and refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppSettings.h"
#include "dialogs/PreferencesDlg.h"
#include "dialogs/Theme.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
QByteArray Bytes(std::initializer_list<int> a)
{
    QByteArray out;
    for (int n : a)
        out.append(char(n));
    return out;
}
} // namespace

class Themes : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        WritePicture(DataFolder() + "Blue01.jpg", qRgb(0, 0, 255));
        WritePicture(DataFolder() + "Sand03.gif", qRgb(200, 180, 0));
        settings.m_strBackground = DataFolder() + "Blue01.jpg";
    }
    // Types a name into the theme list's edit field, as the player does.
    static void TypeName(CPreferencesDlg& dlg, const QString& strName) { dlg.m_cbTheme->lineEdit()->setText(strName); }
    static void Pick(CPreferencesDlg& dlg, const QString& strName)
    {
        const int n = dlg.m_cbTheme->findText(strName);
        ASSERT_GE(n, 0) << qPrintable(strName);
        dlg.m_cbTheme->setCurrentIndex(n);
        dlg.OnThemeChanged();
    }
    static void SetColors(CPreferencesDlg& dlg, COLORREF a, COLORREF b, COLORREF c)
    {
        dlg.m_crCube = a;
        dlg.m_crFont = b;
        dlg.m_crSelected = c;
        dlg.m_wndCubeSwatch.SetColor(a);
        dlg.m_wndFontSwatch.SetColor(b);
        dlg.m_wndSelectedSwatch.SetColor(c);
    }

    AppSettings settings;
};

TEST_F(Themes, TheFileHoldsThreeColoursAndTheBackgroundEntry)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    SetColors(dlg, RGB(128, 128, 192), RGB(255, 255, 255), RGB(255, 255, 0));
    TypeName(dlg, "Evening");
    dlg.OnSaveTheme();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(ReadFile(DataFolder() + "Evening.thm"),
              Bytes({0x80, 0x80, 0xC0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0}) + "Blue01.jpg");
    EXPECT_EQ(dlg.m_cbTheme->currentText(), "Evening");
    EXPECT_FALSE(QDir(DataFolder()).entryList().join(" ").contains(".tmp")) << "nothing left beside it";

    // Read back: the colours and the background entry.
    CTheme theme;
    ASSERT_TRUE(theme.Load(DataFolder() + "evening.THM")); // found whatever the case
    EXPECT_EQ(theme.m_crCube, RGB(128, 128, 192));
    EXPECT_EQ(theme.m_crSelected, RGB(255, 255, 0));
    EXPECT_EQ(theme.m_strBackgroundName, "Blue01.jpg");
}

TEST_F(Themes, ThemesLoadIntoTheDialogAndOKAppliesThem)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_cbBackground->setCurrentIndex(dlg.m_cbBackground->findText("Sand03.gif"));
    SetColors(dlg, RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90));
    TypeName(dlg, "Desert");
    dlg.OnSaveTheme();
    dlg.m_cbBackground->setCurrentIndex(0);
    SetColors(dlg, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3));
    TypeName(dlg, "Plain");
    dlg.OnSaveTheme();
    EXPECT_EQ(ReadFile(DataFolder() + "Plain.thm").mid(12), " [None]");

    Pick(dlg, "Desert");
    EXPECT_EQ(dlg.m_cbBackground->currentText(), "Sand03.gif");
    EXPECT_EQ(dlg.m_crFont, RGB(40, 50, 60));
    EXPECT_EQ(dlg.m_wndSelectedSwatch.m_clrColor, RGB(70, 80, 90));
    EXPECT_EQ(dlg.m_wndPreview.m_crCube, RGB(10, 20, 30));
    Pick(dlg, "Plain");
    EXPECT_EQ(dlg.m_cbBackground->currentText(), " [None]");
    EXPECT_EQ(dlg.m_crCube, RGB(1, 1, 1));
    Pick(dlg, "Desert");
    dlg.OnOK();
    EXPECT_EQ(settings.m_crCubeColor, RGB(10, 20, 30));
    EXPECT_EQ(settings.m_crFontSelectedColor, RGB(70, 80, 90));
    EXPECT_EQ(settings.m_strBackground, DataFolder() + "Sand03.gif");

    // Reopened, the themes are listed from their files; one whose picture went keeps the background.
    QFile::remove(DataFolder() + "Sand03.gif");
    CPreferencesDlg again(&settings);
    again.InitDialog();
    EXPECT_EQ(again.m_cbTheme->count(), 3);
    again.m_cbBackground->setCurrentIndex(again.m_cbBackground->findText("Blue01.jpg"));
    Pick(again, "Desert");
    EXPECT_EQ(again.m_cbBackground->currentText(), "Blue01.jpg");
    EXPECT_EQ(again.m_crCube, RGB(10, 20, 30));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Themes, SavingOverAThemeAsksFirstAndListsItOnce)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    SetColors(dlg, RGB(1, 0, 0), 0, 0);
    TypeName(dlg, "Mine");
    dlg.OnSaveTheme();
    SetColors(dlg, RGB(2, 0, 0), 0, 0);
    TypeName(dlg, "mine");
    boxes.Answer(IDNO);
    dlg.OnSaveTheme();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.LastText(), "That theme already exists.  Overwrite it?");
    EXPECT_EQ(boxes.boxes[0].strCaption, "Confirmation");
    EXPECT_EQ(ReadFile(DataFolder() + "Mine.thm").at(0), 1) << "declined: unchanged";
    boxes.Answer(IDYES);
    dlg.OnSaveTheme();
    EXPECT_EQ(ReadFile(DataFolder() + "Mine.thm").at(0), 2);
    EXPECT_EQ(QDir(DataFolder()).entryList({"*.thm"}), QStringList{"Mine.thm"});
    EXPECT_EQ(dlg.m_cbTheme->count(), 2) << "the blank entry and Mine, once";

    // An empty name asks for one.
    TypeName(dlg, "");
    dlg.OnSaveTheme();
    EXPECT_EQ(boxes.LastText(), "Please enter a theme name in the theme list first");
    EXPECT_EQ(boxes.boxes.back().strCaption, "Quillotrix");
}

TEST_F(Themes, NamesThatWouldLeaveTheFolderAreRefused)
{
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    QDir().mkpath(DataFolder() + "sub");
    for (const char* psz : {"../escape", "sub/inner", "a\\b", ".", "..", "/tmp/abs"}) {
        boxes.Clear();
        TypeName(dlg, psz);
        dlg.OnSaveTheme();
        EXPECT_EQ(boxes.LastText(), "Error saving file") << psz;
        EXPECT_EQ(dlg.m_cbTheme->count(), 1) << psz;
    }
    TypeName(dlg, QString("nul") + QChar(0) + "x");
    dlg.OnSaveTheme();
    EXPECT_EQ(boxes.LastText(), "Error saving file");
    EXPECT_FALSE(QFileInfo::exists(TestProgramFolder() + "escape.thm"));
    EXPECT_FALSE(QFileInfo::exists(DataFolder() + "sub/inner.thm"));
    EXPECT_EQ(QDir(DataFolder()).entryList({"*.thm"}), QStringList{});
    for (const char* psz : {"ok", "a.b", "...", " spaced "})
        EXPECT_TRUE(IsSafeThemeName(psz)) << psz;
    // Erasing acts on listed themes only: a typed path is no selected theme.
    WriteFile(TestProgramFolder() + "keep.thm", QByteArray(12, '\0'));
    TypeName(dlg, "../keep");
    dlg.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "Please select a theme to delete first");
    EXPECT_TRUE(QFileInfo::exists(TestProgramFolder() + "keep.thm"));
}

TEST_F(Themes, ErasingDeletesTheSelectedThemeOnly)
{
    WriteFile(DataFolder() + "Gone.thm", QByteArray(12, '\0'));
    WriteFile(DataFolder() + "Stays.thm", QByteArray(12, '\0'));
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.OnEraseTheme(); // the blank top entry
    EXPECT_TRUE(boxes.boxes.empty());
    Pick(dlg, "Gone");
    dlg.OnEraseTheme();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_FALSE(QFileInfo::exists(DataFolder() + "Gone.thm"));
    EXPECT_TRUE(QFileInfo::exists(DataFolder() + "Stays.thm"));
    EXPECT_EQ(dlg.m_cbTheme->count(), 2);
    EXPECT_EQ(dlg.m_cbTheme->currentIndex(), 0);
    // Removed behind the dialog's back.
    Pick(dlg, "Stays");
    QFile::remove(DataFolder() + "Stays.thm");
    dlg.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "No such theme");
}

TEST_F(Themes, DamagedThemesAreRefusedAndChangeNothing)
{
    WriteFile(DataFolder() + "Short.thm", Bytes({1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9}));
    WriteFile(DataFolder() + "Huge.thm", QByteArray(CTheme::MAX_FILE_BYTES + 1, 'x'));
    WriteFile(DataFolder() + "Empty.thm", QByteArray());
    WriteFile(DataFolder() + "Two.dots.thm", QByteArray(12, '\0')); // listed as "Two": no such file
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    for (const char* psz : {"Short", "Huge", "Empty", "Two"}) {
        boxes.Clear();
        Pick(dlg, psz);
        EXPECT_EQ(boxes.LastText(), "Error loading file") << psz;
        EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192)) << psz;
        EXPECT_EQ(dlg.m_crSelected, RGB(255, 255, 255)) << psz;
        EXPECT_EQ(dlg.m_cbBackground->currentText(), "Blue01.jpg") << psz;
    }
}

TEST_F(Themes, ReadingMasksColoursAndStopsAtTheNameLimit)
{
    const struct {
        QByteArray data;
        bool bLoads;
        COLORREF crCube, crSelected;
        QString strName;
    } aCases[] = {
        {QByteArray(12, '\0'), true, 0, 0, ""},
        {Bytes({1, 2, 3, 0xFF, 0, 0, 0, 0xAB, 9, 8, 7, 0x80}) + "x.jpg", true, RGB(1, 2, 3), RGB(9, 8, 7), "x.jpg"},
        {QByteArray(12, '\0') + QByteArray(300, 'n'), true, 0, 0, QString(255, 'n')},
        {QByteArray(12, '\0') + QByteArray("a\0b", 3), true, 0, 0, "a"},
        {QByteArray(12, '\0') + "\xE9t\xE9.gif", true, 0, 0, QString::fromUtf8("été.gif")},
        {QByteArray(11, '\0'), false, 0, 0, ""},
        {QByteArray(CTheme::MAX_FILE_BYTES + 1, '\0'), false, 0, 0, ""},
    };
    for (const auto& c : aCases) {
        CTheme theme;
        theme.m_strBackgroundName = "before";
        theme.m_crCube = 5;
        EXPECT_EQ(theme.FromData(c.data) != FALSE, c.bLoads) << c.data.size();
        EXPECT_EQ(theme.m_crCube, c.bLoads ? c.crCube : 5u);
        EXPECT_EQ(theme.m_strBackgroundName, c.bLoads ? c.strName : QString("before"));
        if (c.bLoads)
            EXPECT_EQ(theme.m_crSelected, c.crSelected);
    }
    // Writing: the top bytes are 0, and a name longer than a load reads is cut to what it reads.
    CTheme theme;
    theme.m_crFont = 0xFF123456;
    theme.m_strBackgroundName = QString(400, 'z');
    const QByteArray data = theme.ToData();
    EXPECT_EQ(data.mid(4, 4), Bytes({0x56, 0x34, 0x12, 0}));
    EXPECT_EQ(data.size(), 12 + 255);
    CTheme back;
    ASSERT_TRUE(back.FromData(data));
    EXPECT_EQ(back.m_strBackgroundName, theme.m_strBackgroundName.left(255));
}

TEST_F(Themes, ASaveThatCannotBeWrittenFailsAndKeepsTheOldFile)
{
    // The card's data folder is not made for the player: with none, saving fails.
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    dlg.m_pStorageCard->click();
    ASSERT_TRUE(dlg.m_pStorageCard->isChecked());
    TypeName(dlg, "Card");
    dlg.OnSaveTheme();
    EXPECT_EQ(boxes.LastText(), "Error saving file");
    EXPECT_EQ(dlg.m_cbTheme->count(), 1);

    // A theme whose name is taken by a folder cannot be replaced; the folder stays as it was.
    const QString cardData = TestStorageCard() + "My Documents/Quillotrix/data/";
    QDir().mkpath(cardData + "Blocked.thm");
    WriteFile(cardData + "Blocked.thm/inside", "x");
    boxes.Clear();
    TypeName(dlg, "Blocked");
    boxes.nDefaultAnswer = IDYES;
    dlg.OnSaveTheme();
    EXPECT_EQ(boxes.LastText(), "Error saving file");
    EXPECT_EQ(ReadFile(cardData + "Blocked.thm/inside"), "x");
    CTheme theme;
    EXPECT_FALSE(theme.Save(TestStorageCard() + "no/such/folder/x.thm"));
    EXPECT_FALSE(theme.Load(TestStorageCard() + "no/such/folder/x.thm"));
}
