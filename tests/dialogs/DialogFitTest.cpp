// The dialogs at the desktop's own scale: every text fits its control (font metrics against widths),
// nothing leaves the dialog, and neighbouring controls keep a gap between them.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "app/AboutDlg.h"
#include "dialogs/ColorSelectDlg.h"
#include "dialogs/PreferencesDlg.h"
#include "dialogs/SpinButtonCtrl.h"
#include "dialogs/SelectFileDlg.h"
#include "games/AppSettings.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
// Pixels kept free between two controls side by side or one above the other.
constexpr int kMinGap = 3;

std::string Describe(const QWidget* p)
{
    QString str = QString::fromLatin1(p->metaObject()->className());
    const auto* pLabel = qobject_cast<const QLabel*>(p);
    const auto* pButton = qobject_cast<const QAbstractButton*>(p);
    if (pLabel || pButton)
        str += " \"" + (pLabel ? pLabel->text() : pButton->text()) + "\"";
    return str.toStdString();
}

// The texts of labels, buttons and lists fit; every control is inside the dialog; controls that do
// not hold one another keep kMinGap apart.
void ExpectBreathes(QWidget& dlg)
{
    std::vector<QWidget*> apShown;
    for (QWidget* p : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (p->isVisibleTo(&dlg) && !p->isWindow())
            apShown.push_back(p);
    ASSERT_GE(apShown.size(), 3u);
    for (QWidget* p : apShown) {
        EXPECT_TRUE(dlg.rect().contains(p->geometry())) << Describe(p) << " leaves the dialog";
        if (auto* pLabel = qobject_cast<QLabel*>(p); pLabel && !pLabel->text().isEmpty()) {
            EXPECT_GE(pLabel->width(), QFontMetrics(pLabel->font()).horizontalAdvance(pLabel->text())) << Describe(p);
            EXPECT_GE(pLabel->font().pixelSize(), dlg.font().pixelSize()) << Describe(p) << " shrank its font to fit";
        }
        if (qobject_cast<QAbstractButton*>(p) || qobject_cast<QComboBox*>(p)) {
            EXPECT_GE(p->width(), p->sizeHint().width()) << Describe(p) << " cuts its text";
        }
    }
    for (size_t i = 0; i < apShown.size(); ++i)
        for (size_t j = i + 1; j < apShown.size(); ++j) {
            const QRect a = apShown[i]->geometry(), b = apShown[j]->geometry();
            if (a.contains(b) || b.contains(a))
                continue; // a border around its control
            if (qobject_cast<CSpinButtonCtrl*>(apShown[i]) || qobject_cast<CSpinButtonCtrl*>(apShown[j]))
                continue; // arrows joined to their value box
            EXPECT_FALSE(a.adjusted(-kMinGap, -kMinGap, kMinGap, kMinGap).intersects(b))
                << Describe(apShown[i]) << " and " << Describe(apShown[j]) << " touch";
        }
}
} // namespace

class DialogFit : public DialogTest {};

TEST_F(DialogFit, PreferencesShowTheShippedNamesWhole)
{
    WriteDataFiles();
    for (const char* pszName : {"English British.dct", "English Common.dct"})
        WriteDictionary(DataFolder() + pszName, {"word"});
    for (const char* pszName : {"Classic.thm", "Colour-blind safe.thm", "High contrast.thm"})
        WriteFileBytes(DataFolder() + pszName, QByteArray(12, '\0') + "Sand03.gif");
    AppSettings settings;
    settings.m_strDictionary = DataFolder() + "English Comprehensive07.dct";
    CPreferencesDlg dlg(&settings);
    dlg.InitDialog();
    EXPECT_EQ(dlg.m_cbDictionary->currentText(), "English comprehensive07");
    ExpectBreathes(dlg);
    // Each entry of both lists fits the box beside the arrow.
    for (QComboBox* pCombo : {dlg.m_cbDictionary, dlg.m_cbTheme})
        for (int i = 0; i < pCombo->count(); ++i)
            EXPECT_LE(QFontMetrics(pCombo->font()).horizontalAdvance(pCombo->itemText(i)), pCombo->width() - 30)
                << pCombo->itemText(i).toStdString();
}

TEST_F(DialogFit, ColourSelectionAboutAndMessageFreeDialogsBreathe)
{
    CColorSelectDlg colour;
    colour.InitDialog();
    ExpectBreathes(colour);
    QWidget parent;
    CAboutDlg about(&parent);
    ExpectBreathes(about);
}

TEST_F(DialogFit, TheChoosersDatesFitTheirColumn)
{
    const QString strFolder = TestRootFolder() + "fit/";
    QDir().mkpath(strFolder);
    WriteFileBytes(strFolder + "Evening game.wcg", "x");
    for (const BOOL bSave : {TRUE, FALSE}) {
        CSelectFileDlg dlg(bSave);
        dlg.m_strFolder = strFolder;
        dlg.m_strExtension = ".wcg";
        dlg.InitDialog();
        ExpectBreathes(dlg);
        // The longest date there is fits the date column, inside the list beside a scroll bar.
        const QFontMetrics fm(dlg.m_pList->font());
        const QString strWidest = CSelectFileDlg::FormatFileTime(QDateTime(QDate(2026, 12, 28), QTime(23, 58)));
        EXPECT_GE(dlg.m_pList->columnWidth(1), fm.horizontalAdvance(strWidest) + 2 * fm.averageCharWidth() / 2);
        EXPECT_GE(dlg.m_pList->columnWidth(0), fm.horizontalAdvance(QStringLiteral("Evening game")));
        EXPECT_LE(dlg.m_pList->columnWidth(0) + dlg.m_pList->columnWidth(1), dlg.m_pList->width() - 2 * dlg.m_pList->frameWidth())
            << "no sideways scrolling";
    }
}
