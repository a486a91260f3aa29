// Theme files: the format, round trips through the dialog, overwriting, erasing and refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "games/AppSettings.h"
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
        WriteDataFiles();
        settings.m_strBackground = DataFolder() + "Blue01.jpg";
        dlg.InitDialog();
    }
    // Types a name into the theme list's edit field, as the player does, and saves.
    void Save(const QString& strName)
    {
        dlg.m_cbTheme->lineEdit()->setText(strName);
        dlg.OnSaveTheme();
    }
    void Pick(const QString& strName)
    {
        dlg.m_cbTheme->setCurrentIndex(dlg.m_cbTheme->findText(strName));
        dlg.OnThemeChanged();
    }
    void SetColors(COLORREF a, COLORREF b, COLORREF c)
    {
        dlg.m_wndCubeSwatch.SetColor(dlg.m_crCube = a);
        dlg.m_wndFontSwatch.SetColor(dlg.m_crFont = b);
        dlg.m_wndSelectedSwatch.SetColor(dlg.m_crSelected = c);
    }

    AppSettings settings;
    CPreferencesDlg dlg{&settings};
};

TEST_F(Themes, SavedThemesHoldTheirFormatAndLoadBackIntoTheDialog)
{
    SetColors(RGB(128, 128, 192), RGB(255, 255, 255), RGB(255, 255, 0));
    Save("Evening");
    EXPECT_EQ(ReadFileBytes(DataFolder() + "Evening.thm"),
              Bytes({0x80, 0x80, 0xC0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0}) + "Blue01.jpg");
    dlg.m_cbBackground->setCurrentIndex(0);
    SetColors(1, 2, 3);
    Save("Plain");
    EXPECT_EQ(ReadFileBytes(DataFolder() + "Plain.thm").mid(12), " [None]");
    EXPECT_EQ(QDir(DataFolder()).entryList({"*.thm*"}), (QStringList{"Evening.thm", "Plain.thm"})) << "nothing left beside";

    Pick("Evening");
    EXPECT_EQ(dlg.m_cbBackground->currentText(), "Blue01.jpg");
    EXPECT_EQ(dlg.m_crSelected, RGB(255, 255, 0));
    EXPECT_EQ(dlg.m_wndCubeSwatch.m_clrColor, RGB(128, 128, 192));
    EXPECT_EQ(dlg.m_wndPreview.m_crCube, RGB(128, 128, 192));
    Pick("Plain");
    EXPECT_EQ(dlg.m_cbBackground->currentText(), " [None]");
    EXPECT_EQ(dlg.m_crFont, 2u);

    // A theme whose picture went still sets its colours; the background stays.
    QFile::remove(DataFolder() + "BLUE01.JPG");
    CPreferencesDlg again(&settings);
    again.InitDialog();
    again.m_cbBackground->setCurrentIndex(again.m_cbBackground->findText("Sand03.gif"));
    again.m_cbTheme->setCurrentIndex(again.m_cbTheme->findText("Evening"));
    again.OnThemeChanged();
    EXPECT_EQ(again.m_cbBackground->currentText(), "Sand03.gif");
    EXPECT_EQ(again.m_crCube, RGB(128, 128, 192));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Themes, SavingOverAThemeAsksFirstAndListsItOnce)
{
    SetColors(RGB(1, 0, 0), 0, 0);
    Save("Mine");
    SetColors(RGB(2, 0, 0), 0, 0);
    boxes.Answer(IDNO);
    Save("mine");
    EXPECT_EQ(boxes.LastText(), "That theme already exists.  Overwrite it?");
    EXPECT_EQ(boxes.boxes.back().strCaption, "Confirmation");
    EXPECT_EQ(ReadFileBytes(DataFolder() + "Mine.thm").at(0), 1) << "declined: unchanged";
    boxes.Answer(IDYES);
    Save("mine");
    EXPECT_EQ(ReadFileBytes(DataFolder() + "Mine.thm").at(0), 2);
    EXPECT_EQ(dlg.m_cbTheme->count(), 2) << "the blank entry and Mine, once";
    Save("");
    EXPECT_EQ(boxes.LastText(), "Please enter a theme name in the theme list first");
}

TEST_F(Themes, NamesThatWouldLeaveTheFolderAreRefused)
{
    QDir().mkpath(DataFolder() + "sub");
    for (const QString& name : {QString("../escape"), QString("sub/inner"), QString("a\\b"), QString("."),
                                QString(".."), QString("nul") + QChar(0) + "x"}) {
        boxes.Clear();
        Save(name);
        EXPECT_EQ(boxes.LastText(), "Error saving file") << qPrintable(name);
    }
    EXPECT_FALSE(QFileInfo::exists(TestProgramFolder() + "escape.thm"));
    EXPECT_FALSE(QFileInfo::exists(DataFolder() + "sub/inner.thm"));
    EXPECT_EQ(dlg.m_cbTheme->count(), 1);
    // Erase acts on listed themes only: a typed path selects none.
    WriteFileBytes(TestProgramFolder() + "keep.thm", QByteArray(12, '\0'));
    dlg.m_cbTheme->lineEdit()->setText("../keep");
    dlg.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "Please select a theme to delete first");
    EXPECT_TRUE(QFileInfo::exists(TestProgramFolder() + "keep.thm"));
}

TEST_F(Themes, ErasingDeletesTheSelectedThemeOnly)
{
    Save("Gone");
    Save("Stays");
    dlg.m_cbTheme->setCurrentIndex(0);
    dlg.OnEraseTheme(); // the blank top entry: nothing
    EXPECT_TRUE(boxes.boxes.empty());
    Pick("Gone");
    dlg.OnEraseTheme();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(QDir(DataFolder()).entryList({"*.thm"}), QStringList{"Stays.thm"});
    EXPECT_EQ(dlg.m_cbTheme->count(), 2);
    Pick("Stays");
    QFile::remove(DataFolder() + "Stays.thm"); // behind the dialog's back
    dlg.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "No such theme");
}

TEST_F(Themes, DamagedThemesAreRefusedAndReadingIsBounded)
{
    WriteFileBytes(DataFolder() + "Short.thm", Bytes({1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9}));
    WriteFileBytes(DataFolder() + "Huge.thm", QByteArray(CTheme::MAX_FILE_BYTES + 1, 'x'));
    WriteFileBytes(DataFolder() + "Two.dots.thm", QByteArray(12, '\0')); // listed as "Two": no such file
    dlg.FillLists();
    for (const char* psz : {"Short", "Huge", "Two"}) {
        boxes.Clear();
        Pick(psz);
        EXPECT_EQ(boxes.LastText(), "Error loading file") << psz;
        EXPECT_EQ(dlg.m_crCube, RGB(0, 0, 192)) << psz;
        EXPECT_EQ(dlg.m_cbBackground->currentText(), "Blue01.jpg") << psz;
    }
    const struct {
        QByteArray data;
        COLORREF crCube;
        QString strName;
    } aCases[] = {
        {Bytes({1, 2, 3, 0xFF, 0, 0, 0, 0xAB, 9, 8, 7, 0x80}) + "x.jpg", RGB(1, 2, 3), "x.jpg"}, // top bytes cleared
        {QByteArray(12, '\0') + QByteArray(300, 'n'), 0, QString(255, 'n')},                      // 255 name bytes
        {QByteArray(12, '\0') + QByteArray("a\0b", 3), 0, "a"},
        {QByteArray(12, '\0') + "\xE9t\xE9.gif", 0, QString::fromUtf8("été.gif")},
    };
    for (const auto& c : aCases) {
        CTheme theme;
        ASSERT_TRUE(theme.FromData(c.data));
        EXPECT_EQ(theme.m_crCube, c.crCube);
        EXPECT_EQ(theme.m_crSelected & 0xFF000000u, 0u);
        EXPECT_EQ(theme.m_strBackgroundName, c.strName);
    }
    // Written, a name is cut where a load would stop reading.
    CTheme theme;
    theme.m_strBackgroundName = QString(400, 'z');
    EXPECT_EQ(theme.ToData().size(), 12 + 255);
}

TEST_F(Themes, ASaveThatCannotBeWrittenFailsAndLeavesWhatWasThere)
{
    // The card's data folder is never made for the player: without one, saving fails.
    dlg.m_pStorageCard->click();
    Save("Card");
    EXPECT_EQ(boxes.LastText(), "Error saving file");
    EXPECT_EQ(dlg.m_cbTheme->count(), 1);
    // A folder in the theme's place cannot be replaced and stays as it was.
    const QString cardData = TestStorageCard() + "My Documents/Quillotrix/data/";
    QDir().mkpath(cardData + "Blocked.thm");
    WriteFileBytes(cardData + "Blocked.thm/inside", "x");
    boxes.Clear();
    boxes.nDefaultAnswer = IDYES;
    Save("Blocked");
    EXPECT_EQ(boxes.LastText(), "Error saving file");
    EXPECT_EQ(ReadFileBytes(cardData + "Blocked.thm/inside"), "x");
}
