// The preset themes shipped in data/: they load through the theme code, meet their contrast
// promises (WCAG relative luminance), are listed beside the player's own, and are never erased or
// overwritten.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QStandardPaths>
#include <cmath>

#include "dialogs/PreferencesDlg.h"
#include "dialogs/Theme.h"
#include "framework/Files.h"
#include "games/AppSettings.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
const char* const kPresets[] = {"Classic", "Colour-blind safe", "Dark", "High contrast"};

QString ShippedData() { return QStringLiteral(QX_SOURCE_DIR "/data/"); }

double Linear(double dChannel)
{
    return dChannel <= 0.04045 ? dChannel / 12.92 : std::pow((dChannel + 0.055) / 1.055, 2.4);
}

// Relative luminance of linear red, green and blue.
double Luminance(double r, double g, double b) { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }
double Luminance(COLORREF cr)
{
    return Luminance(Linear(GetRValue(cr) / 255.0), Linear(GetGValue(cr) / 255.0), Linear(GetBValue(cr) / 255.0));
}
double Contrast(double dA, double dB) { return (std::max(dA, dB) + 0.05) / (std::min(dA, dB) + 0.05); }
double Contrast(COLORREF a, COLORREF b) { return Contrast(Luminance(a), Luminance(b)); }

// Luminance as a viewer without red or green cones sees the colour (Viénot, Brettel and Mollon's
// dichromat projections, in linear RGB).
double DichromatLuminance(COLORREF cr, bool bProtan)
{
    static const double kProtan[3][3] = {{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}};
    static const double kDeutan[3][3] = {{0.29275, 0.70725, 0.0}, {0.29275, 0.70725, 0.0}, {-0.02234, 0.02234, 1.0}};
    const auto& k = bProtan ? kProtan : kDeutan;
    const double c[3] = {Linear(GetRValue(cr) / 255.0), Linear(GetGValue(cr) / 255.0), Linear(GetBValue(cr) / 255.0)};
    double seen[3];
    for (int i = 0; i < 3; ++i)
        seen[i] = k[i][0] * c[0] + k[i][1] * c[1] + k[i][2] * c[2];
    return Luminance(seen[0], seen[1], seen[2]);
}

double MeanLuminance(const QImage& img)
{
    double dSum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb rgb = img.pixel(x, y);
            dSum += Luminance(RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)));
        }
    return dSum / (img.width() * img.height());
}

CTheme LoadPreset(const char* pszName)
{
    CTheme theme;
    EXPECT_TRUE(theme.Load(ShippedData() + pszName + ".thm")) << pszName;
    return theme;
}
} // namespace

TEST(ThemePresets, LoadAndKeepTheirPromises)
{
    for (const char* pszName : kPresets) {
        const CTheme theme = LoadPreset(pszName);
        // The background is a shipped picture, or none.
        EXPECT_TRUE(theme.m_strBackgroundName == " [None]" || QFileInfo::exists(ShippedData() + theme.m_strBackgroundName))
            << pszName << ": " << theme.m_strBackgroundName.toStdString();
        EXPECT_GE(Contrast(theme.m_crFont, theme.m_crSelected), 1.3) << pszName << ": selected letters stand apart";
    }

    // Classic is the program's defaults, which stay the defaults.
    const CTheme classic = LoadPreset("Classic");
    const AppSettings defaults;
    EXPECT_EQ(classic.m_crCube, defaults.m_crCubeColor);
    EXPECT_EQ(classic.m_crFont, defaults.m_crFontNormalColor);
    EXPECT_EQ(classic.m_crSelected, defaults.m_crFontSelectedColor);
    EXPECT_EQ(classic.m_strBackgroundName, "Blue01.jpg");

    const CTheme high = LoadPreset("High contrast");
    EXPECT_GE(Contrast(high.m_crFont, high.m_crCube), 7.0);
    EXPECT_GE(Contrast(high.m_crSelected, high.m_crCube), 7.0);
    EXPECT_GE(Contrast(high.m_crFont, high.m_crSelected), 1.5) << "apart in lightness as well as hue";

    const CTheme dark = LoadPreset("Dark");
    EXPECT_LT(Luminance(dark.m_crCube), 0.08) << "dark tiles";
    EXPECT_GT(Luminance(dark.m_crFont), 0.6) << "light letters";
    EXPECT_GE(Contrast(dark.m_crFont, dark.m_crCube), 7.0);
    EXPECT_GE(Contrast(dark.m_crSelected, dark.m_crCube), 4.5);
    const QImage slate(ShippedData() + dark.m_strBackgroundName);
    ASSERT_FALSE(slate.isNull());
    EXPECT_LT(MeanLuminance(slate), Luminance(dark.m_crCube)) << "a dark background, darker than the tiles";

    // Told apart without red or green: by lightness, also as either kind of dichromat sees them.
    const CTheme safe = LoadPreset("Colour-blind safe");
    for (const bool bProtan : {false, true}) {
        const double dCube = DichromatLuminance(safe.m_crCube, bProtan);
        const double dFont = DichromatLuminance(safe.m_crFont, bProtan), dSelected = DichromatLuminance(safe.m_crSelected, bProtan);
        EXPECT_GE(Contrast(dFont, dSelected), 2.0) << (bProtan ? "protan" : "deutan");
        EXPECT_GE(Contrast(dFont, dCube), 4.5) << (bProtan ? "protan" : "deutan");
        EXPECT_GE(Contrast(dSelected, dCube), 4.5) << (bProtan ? "protan" : "deutan");
    }
    // The default colours the presets offer a way out of: black on #0000C0 is under 2:1.
    EXPECT_LT(Contrast(defaults.m_crFontNormalColor, defaults.m_crCubeColor), 2.0);
}

class ThemePresetDialog : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        WriteDataFiles();
    }
    void TearDown() override
    {
        SetProgramFolderOverride(TestProgramFolder());
        DialogTest::TearDown();
    }
    static void CopyPresets(const QString& strFolder)
    {
        QDir().mkpath(strFolder);
        for (const char* pszName : kPresets) {
            QFile::remove(strFolder + pszName + ".thm");
            ASSERT_TRUE(QFile::copy(ShippedData() + pszName + ".thm", strFolder + pszName + ".thm"));
        }
    }
    static QStringList Listed(const CPreferencesDlg& dlg)
    {
        QStringList a;
        for (int i = 0; i < dlg.m_cbTheme->count(); ++i)
            a << dlg.m_cbTheme->itemText(i);
        return a;
    }
    void Pick(CPreferencesDlg& dlg, const QString& strName)
    {
        dlg.m_cbTheme->setCurrentIndex(dlg.m_cbTheme->findText(strName));
        dlg.OnThemeChanged();
    }

    AppSettings settings;
};

// Run from the build, the player's folder is the program's own: presets there are kept whole.
TEST_F(ThemePresetDialog, InTheProgramsOwnFolderPresetsAreListedAndKept)
{
    CopyPresets(DataFolder());
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    EXPECT_EQ(Listed(dlg), (QStringList {"", "Classic", "Colour-blind safe", "Dark", "High contrast"}));
    Pick(dlg, "High contrast");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(dlg.m_crCube, RGB(255, 255, 255));
    EXPECT_EQ(dlg.m_cbBackground->currentText(), " [None]");

    const QByteArray before = ReadFileBytes(DataFolder() + "Dark.thm");
    Pick(dlg, "Dark");
    dlg.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "A preset theme cannot be erased");
    dlg.m_cbTheme->lineEdit()->setText("dark");
    dlg.OnSaveTheme();
    EXPECT_EQ(boxes.LastText(), "A preset theme cannot be overwritten.  Please choose another name.");
    EXPECT_EQ(ReadFileBytes(DataFolder() + "Dark.thm"), before);
    EXPECT_EQ(dlg.m_cbTheme->count(), 5);
}

// Installed: presets come from the shipped folder; the player's theme of a preset's name goes to the
// player's folder and shows instead, and erasing it brings the preset back.
TEST_F(ThemePresetDialog, InstalledAPlayersThemeOfAPresetsNameHidesItUntilErased)
{
    const QString strPrefix = TestRootFolder() + "themeprefix/";
    QDir().mkpath(strPrefix + "bin");
    CopyPresets(strPrefix + "share/quillotrix/data/");
    SetProgramFolderOverride(strPrefix + "bin");
    const QString strPlayer = GetWritableDataFolder();
    ASSERT_TRUE(strPlayer.startsWith(TestRootFolder()));
    QFile::remove(strPlayer + "Dark.thm");

    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    EXPECT_EQ(Listed(dlg), (QStringList {"", "Classic", "Colour-blind safe", "Dark", "High contrast"}));
    const QByteArray preset = ReadFileBytes(strPrefix + "share/quillotrix/data/Dark.thm");
    dlg.m_wndCubeSwatch.SetColor(dlg.m_crCube = RGB(1, 2, 3));
    dlg.m_cbTheme->lineEdit()->setText("Dark");
    dlg.OnSaveTheme();
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.LastText().toStdString();
    EXPECT_EQ(ReadFileBytes(strPlayer + "Dark.thm").left(3), QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(ReadFileBytes(strPrefix + "share/quillotrix/data/Dark.thm"), preset);
    EXPECT_EQ(dlg.m_cbTheme->count(), 5) << "listed once";

    // A fresh dialog lists the player's copy in the preset's place.
    CPreferencesDlg again(&settings);
    again.InitDialog();
    Pick(again, "Dark");
    EXPECT_EQ(again.m_crCube, RGB(1, 2, 3));
    again.OnEraseTheme();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_FALSE(QFileInfo::exists(strPlayer + "Dark.thm"));
    EXPECT_EQ(again.m_cbTheme->count(), 5) << "the preset is listed again";
    Pick(again, "Dark");
    EXPECT_EQ(again.m_crCube, RGB(58, 64, 80));
    again.OnEraseTheme();
    EXPECT_EQ(boxes.LastText(), "A preset theme cannot be erased");
    EXPECT_EQ(ReadFileBytes(strPrefix + "share/quillotrix/data/Dark.thm"), preset);

    // With the lists on a storage card the presets are still offered.
    QDir().mkpath(TestStorageCard() + "My Documents/Quillotrix/data");
    again.m_pStorageCard->click();
    EXPECT_EQ(Listed(again), (QStringList {"", "Classic", "Colour-blind safe", "Dark", "High contrast"}));
}
