// The preferences dialog: its controls, the lists, the colours and preview, and OK.
#include "dialogs/PreferencesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "games/AppSettings.h"
#include "dialogs/ColorSelectDlg.h"
#include "dialogs/Theme.h"
#include "framework/Files.h"
#include "framework/Help.h"
#include "framework/MessageBox.h"
#include "framework/Profile.h"

namespace {
const QString& SECTION = SETTINGS_SECTION;
const QString NONE_ENTRY = QStringLiteral(" [None]");

// The preset themes shipped in the program's own data folder. They are never erased; a player's
// theme saved under a preset's name goes to the player's folder and is listed in its place.
const char* const PRESET_THEMES[] = {"Classic", "High contrast", "Dark", "Colour-blind safe"};

bool IsPresetThemeName(const QString& strName)
{
    for (const char* pszPreset : PRESET_THEMES)
        if (strName.compare(QLatin1String(pszPreset), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

CRect ToCRect(const QRect& rc) { return CRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()); }

// The controls keep their places, centred, with a margin on either side.
int DialogWidth() { return std::max(240, CModalDialog::Dlu(0, 0, 141 + 8, 0).width()); }
QRect Place(int x, int y, int cx, int cy)
{
    return CModalDialog::Dlu(x, y, cx, cy).translated((DialogWidth() - CModalDialog::Dlu(0, 0, 141, 0).width()) / 2, 0);
}
// Room between a right-aligned label and the control after it.
constexpr int LABEL_GAP = 5;

// Sorted lists keep their entries in case-blind order; an entry already there is not added again.
int AddSorted(QComboBox* pCombo, const QString& strText, const QString& strFolder)
{
    const int nFound = pCombo->findText(strText, Qt::MatchFixedString);
    if (nFound >= 0)
        return nFound;
    int i = 0;
    while (i < pCombo->count() && pCombo->itemText(i).compare(strText, Qt::CaseInsensitive) <= 0)
        ++i;
    pCombo->insertItem(i, strText, strFolder);
    return i;
}

QString FileNameOf(const QString& strPath) { return strPath.mid(strPath.lastIndexOf(QLatin1Char('/')) + 1); }

// The first entry beginning with the text, letter case ignored; the first entry for an empty text.
int FindPrefix(QComboBox* pCombo, const QString& strText)
{
    if (strText.isEmpty())
        return pCombo->count() > 0 ? 0 : -1;
    return pCombo->findText(strText, Qt::MatchStartsWith);
}

QCheckBox* MakeCheck(QWidget* pParent, const char* pszText, UINT nID, const QRect& rc)
{
    auto* p = new QCheckBox(QLatin1String(pszText), pParent);
    p->setObjectName(QString::number(nID));
    p->setGeometry(rc.x(), rc.y(), std::max(rc.width(), p->sizeHint().width()), std::max(rc.height(), p->sizeHint().height()));
    return p;
}

QComboBox* MakeCombo(QWidget* pParent, UINT nID, const QRect& rc, bool bEditable)
{
    auto* p = new QComboBox(pParent);
    p->setObjectName(QString::number(nID));
    p->setEditable(bEditable);
    if (bEditable)
        p->setInsertPolicy(QComboBox::NoInsert);
    p->setMaxVisibleItems(8);
    p->setGeometry(rc.x(), rc.y(), rc.width(), 20);
    return p;
}
} // namespace

CPreferencesDlg::CPreferencesDlg(AppSettings* pApp, QWidget* pParent)
    : CModalDialog(pParent), m_pApp(pApp)
{
    setWindowTitle(QStringLiteral("Preferences"));
    setFixedSize(DialogWidth(), Dlu(0, 0, 141, 172).height());

    const struct {
        const char* pszText;
        int x, y, cx, cy;
    } aLabels[] = {{"Dictionary", 5, 3, 33, 10}, {"Background", 0, 18, 38, 10}, {"Cube", 20, 33, 18, 10},
                   {"Font", 57, 33, 16, 10},     {"Selected", 89, 33, 30, 10},  {"Theme", 12, 47, 24, 10}};
    for (const auto& l : aLabels) {
        auto* pLabel = new QLabel(QLatin1String(l.pszText), this);
        pLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // As tall as the control beside it, so that the text sits level with the control's. A text
        // wider than its place (a larger desktop font) first takes a smaller font; right-aligned,
        // whatever still does not fit grows to the left.
        QRect rc = Place(l.x, l.y, l.cx, l.cy).adjusted(0, 0, -LABEL_GAP, 0);
        for (QFont font = pLabel->font(); pLabel->sizeHint().width() > rc.width() && font.pixelSize() > 9;) {
            font.setPixelSize(font.pixelSize() - 1);
            pLabel->setFont(font);
        }
        // Only as wide as its text, so that it keeps clear of the swatch before it too.
        rc.setLeft(std::max(0, rc.right() - pLabel->sizeHint().width()));
        pLabel->setGeometry(rc);
    }

    m_cbDictionary = MakeCombo(this, IDC_DICTIONARY, Place(40, 3, 96, 84), false);
    m_cbBackground = MakeCombo(this, IDC_BACKGROUND, Place(40, 18, 96, 68), false);
    connect(m_cbBackground, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });

    // The swatches sit in one-pixel borders and report taps with their own numbers.
    const struct {
        CColorSwatch* pSwatch;
        UINT nID;
        int x;
    } aSwatches[] = {{&m_wndCubeSwatch, IDC_CUBECOLOR, 39}, {&m_wndFontSwatch, IDC_FONTCOLOR, 74},
                     {&m_wndSelectedSwatch, IDC_SELECTEDCOLOR, 120}};
    for (const auto& s : aSwatches) {
        const QRect rc = Place(s.x, 33, 15, 10);
        auto* pBorder = new QFrame(this);
        pBorder->setFrameShape(QFrame::Box);
        pBorder->setGeometry(rc);
        s.pSwatch->m_nNotifyId = int(s.nID);
        s.pSwatch->Create(static_cast<QWidget*>(this), s.nID, ToCRect(rc.adjusted(1, 1, -1, -1)), TRUE);
    }

    m_cbTheme = MakeCombo(this, IDC_THEME, Place(41, 47, 95, 75), true);
    connect(m_cbTheme, &QComboBox::activated, this, [this] { OnThemeChanged(); });
    m_pSaveTheme = new QPushButton(QStringLiteral("Save theme"), this);
    m_pSaveTheme->setObjectName(QString::number(IDC_SAVETHEME));
    m_pSaveTheme->setGeometry(Place(41, 62, 44, 14));
    m_pSaveTheme->setAutoDefault(false);
    connect(m_pSaveTheme, &QPushButton::clicked, this, [this] { OnSaveTheme(); });
    m_pEraseTheme = new QPushButton(QStringLiteral("Erase theme"), this);
    m_pEraseTheme->setObjectName(QString::number(IDC_ERASETHEME));
    m_pEraseTheme->setGeometry(Place(88, 62, 47, 14));
    m_pEraseTheme->setAutoDefault(false);
    connect(m_pEraseTheme, &QPushButton::clicked, this, [this] { OnEraseTheme(); });

    m_pStorageCard = MakeCheck(this, "Storage Card", IDC_STORAGECARD, Place(7, 81, 59, 10));
    connect(m_pStorageCard, &QCheckBox::clicked, this, [this] { FillLists(); });
    m_pVerify = MakeCheck(this, "Verify words", IDC_VERIFY, Place(72, 82, 56, 10));

    // Hidden buttons that do what a tap on each swatch does.
    const struct {
        UINT nID, nSwatch;
        int x;
    } aButtons[] = {{1005, IDC_CUBECOLOR, 71}, {1007, IDC_FONTCOLOR, 89}, {1008, IDC_SELECTEDCOLOR, 107}};
    for (const auto& b : aButtons) {
        auto* p = new QPushButton(QStringLiteral("..."), this);
        p->setObjectName(QString::number(b.nID));
        p->setGeometry(Place(b.x, 80, 14, 10));
        p->setAutoDefault(false);
        p->hide();
        const UINT nSwatch = b.nSwatch;
        connect(p, &QPushButton::clicked, this, [this, nSwatch] { OnPickColor(nSwatch); });
    }

    const QRect rcPreview = Place(8, 94, 123, 41);
    m_pPreviewBorder = new QFrame(this);
    m_pPreviewBorder->setFrameShape(QFrame::Box);
    m_pPreviewBorder->setGeometry(rcPreview);
    m_wndPreview.Create(static_cast<QWidget*>(this), IDC_PREVIEW, ToCRect(rcPreview.adjusted(1, 1, -1, -1)), TRUE);
    m_pShowPreview = MakeCheck(this, "Preview", IDC_SHOWPREVIEW, Place(7, 139, 41, 10));
    m_pShowPreview->hide();
    connect(m_pShowPreview, &QCheckBox::toggled, this, [this](bool bOn) {
        ShowPreview(bOn);
        UpdatePreview();
    });

    // Added below the preview for the desktop, so the buttons move down one row.
    m_pNoticesInStatusBar = MakeCheck(this, "Show notices in the status bar", IDC_NOTICESINSTATUSBAR, Place(7, 139, 127, 10));
    CreateOkCancel(m_pOK, Place(18, 152, 50, 14), m_pCancel, Place(79, 152, 50, 14));
}

BOOL CPreferencesDlg::OnInitDialog()
{
    m_pStorageCard->setChecked(GetProfileInt(SECTION, QStringLiteral("UseStorage"), 0) != 0);
    if (GetStorageCardRoot().isEmpty()) {
        m_pStorageCard->setChecked(false);
        m_pStorageCard->setEnabled(false);
    }
    FillLists();
    return TRUE;
}

QStringList CPreferencesDlg::GetDataFolders(BOOL bCreate) const
{
    const QString strCard = m_pStorageCard->isChecked() ? GetStorageCardRoot() : QString();
    // A card taken out while the dialog is open leaves the program's own folders.
    if (!strCard.isEmpty()) {
        QString base = strCard + STORAGE_CARD_FOLDER;
        if (bCreate)
            base = CreateFolderPath(base, strCard);
        else
            base = FindFileCaseBlind(base.chopped(1)) + QLatin1Char('/');
        return {FindFileCaseBlind(base + DATA_FOLDER.chopped(1)) + QLatin1Char('/')};
    }
    // The player's own folder may not exist yet where it differs from the shipped one.
    if (bCreate && !QFileInfo(GetWritableDataFolder()).isDir())
        QDir().mkpath(GetWritableDataFolder());
    QStringList folders{GetWritableDataFolder()};
    if (GetReadOnlyDataFolder() != folders.front())
        folders << GetReadOnlyDataFolder();
    return folders;
}

QString CPreferencesDlg::ThemePath(const QString& strFolder, const QString& strName)
{
    return strFolder + strName + QStringLiteral(".thm");
}

BOOL CPreferencesDlg::IsPresetTheme(const QString& strFolder, const QString& strName)
{
    return IsPresetThemeName(strName) && QDir::cleanPath(strFolder) == QDir::cleanPath(GetReadOnlyDataFolder());
}

QString CPreferencesDlg::ListName(const QString& strFileName, BOOL bKeepExtension)
{
    QString name = strFileName;
    const qsizetype nDot = name.indexOf(QLatin1Char('.'));
    if (!bKeepExtension && nDot > 0)
        name.truncate(nDot);
    name = name.toLower();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

void CPreferencesDlg::FillLists()
{
    const QStringList folders = GetDataFolders(TRUE);
    m_cbDictionary->clear();
    m_cbBackground->clear();
    m_cbTheme->clear();

    m_cbTheme->addItem(QString(), folders.front());
    m_cbBackground->addItem(NONE_ENTRY);
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QDir::Filters files = QDir::Files | QDir::Readable;
        for (const QString& f : dir.entryList({QStringLiteral("*.dct")}, files, QDir::Name))
            AddSorted(m_cbDictionary, ListName(f, FALSE), folder);
        for (const QString& f : dir.entryList({QStringLiteral("*.thm")}, files, QDir::Name))
            AddSorted(m_cbTheme, ListName(f, FALSE), folder);
        for (const char* pszPattern : {"*.jpg", "*.gif"}) {
            for (const QString& f : dir.entryList({QLatin1String(pszPattern)}, files, QDir::Name))
                AddSorted(m_cbBackground, ListName(f, TRUE), folder);
        }
    }

    // The presets stay listed when the lists come from a storage card.
    const QString strShipped = GetReadOnlyDataFolder();
    if (!folders.contains(strShipped))
        for (const char* pszPreset : PRESET_THEMES)
            if (QFileInfo(FindFileCaseBlind(ThemePath(strShipped, QLatin1String(pszPreset)))).isFile())
                AddSorted(m_cbTheme, QLatin1String(pszPreset), strShipped);

    // The current dictionary: its file name up to the first ".".
    QString strDict = FileNameOf(m_pApp->m_strDictionary);
    const qsizetype nDot = strDict.indexOf(QLatin1Char('.'));
    if (nDot > 0)
        strDict.truncate(nDot);
    int nDict = FindPrefix(m_cbDictionary, strDict);
    if (nDict < 0 && m_cbDictionary->count() > 0)
        nDict = 0;
    m_cbDictionary->setCurrentIndex(nDict);

    const int nBack = FindPrefix(m_cbBackground, FileNameOf(m_pApp->m_strBackground));
    m_cbBackground->setCurrentIndex(nBack < 0 ? 0 : nBack);
    m_cbTheme->setCurrentIndex(0);

    SetColors(m_pApp->m_crCubeColor, m_pApp->m_crFontNormalColor, m_pApp->m_crFontSelectedColor);
    // The word check starts from the choice in force, which may not have reached the settings yet.
    m_pVerify->setChecked(m_pApp->m_bVerifyIncorrect != FALSE);
    m_pNoticesInStatusBar->setChecked(m_pApp->m_bNoticesInStatusBar != FALSE);
    const bool bPreview = GetProfileInt(SECTION, QStringLiteral("PrefencesPreview"), 1) != 0;
    {
        const QSignalBlocker block(m_pShowPreview);
        m_pShowPreview->setChecked(bPreview);
    }
    ShowPreview(bPreview);
    UpdatePreview();
}

void CPreferencesDlg::ShowPreview(bool bShow)
{
    m_pPreviewBorder->setVisible(bShow);
    m_wndPreview.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CPreferencesDlg::SetColors(COLORREF crCube, COLORREF crFont, COLORREF crSelected)
{
    m_crCube = crCube;
    m_crFont = crFont;
    m_crSelected = crSelected;
    m_wndCubeSwatch.SetColor(crCube);
    m_wndFontSwatch.SetColor(crFont);
    m_wndSelectedSwatch.SetColor(crSelected);
}

void CPreferencesDlg::UpdatePreview()
{
    if (!m_pShowPreview->isChecked()) {
        update();
        return;
    }
    const int nBack = m_cbBackground->currentIndex();
    if (nBack >= 0) {
        const QString folder = m_cbBackground->itemData(nBack).toString();
        const QStringList folders = GetDataFolders(FALSE);
        m_wndPreview.SetPicture((folder.isEmpty() ? folders.front() : folder) + m_cbBackground->itemText(nBack));
    } else {
        m_wndPreview.SetPicture(QString());
    }
    m_wndPreview.SetCubeColor(m_crCube);
    m_wndPreview.SetFontColor(m_crFont);
    m_wndPreview.SetSelectedColor(m_crSelected);
}

void CPreferencesDlg::OnPickColor(UINT nSwatchId)
{
    COLORREF* pcr = nSwatchId == IDC_CUBECOLOR ? &m_crCube
                  : nSwatchId == IDC_FONTCOLOR ? &m_crFont
                  : nSwatchId == IDC_SELECTEDCOLOR ? &m_crSelected
                                                   : nullptr;
    CColorSwatch* pSwatch = nSwatchId == IDC_CUBECOLOR ? &m_wndCubeSwatch
                          : nSwatchId == IDC_FONTCOLOR ? &m_wndFontSwatch
                                                       : &m_wndSelectedSwatch;
    if (!pcr)
        return;
    CColorSelectDlg dlg(this);
    dlg.m_color = *pcr;
    dlg.m_strHelp = QStringLiteral("file:quillotrix.htm#Preferences");
    if (dlg.DoModal() != IDOK)
        return;
    *pcr = dlg.m_color;
    pSwatch->SetColor(dlg.m_color);
    pSwatch->Invalidate(FALSE);
    UpdatePreview();
}

LRESULT CPreferencesDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SWATCHCLICKED) {
        OnPickColor(UINT(wParam));
        return 0;
    }
    return CModalDialog::WindowProc(message, wParam, lParam);
}

BOOL CPreferencesDlg::OnHelp()
{
    StartHelpViewer(QStringLiteral("file:Quillotrix.htm#Preferences"));
    return TRUE;
}

void CPreferencesDlg::OnOK()
{
    bool bWritten = WriteProfileInt(SECTION, QStringLiteral("PrefencesPreview"), m_pShowPreview->isChecked() ? 1 : 0);
    const QStringList folders = GetDataFolders(TRUE);
    bWritten = WriteProfileInt(SECTION, QStringLiteral("UseStorage"), m_pStorageCard->isChecked() ? 1 : 0) && bWritten;
    ReportProfileWrite(bWritten);
    m_pApp->m_bVerifyIncorrect = m_pVerify->isChecked() ? TRUE : FALSE;
    m_pApp->m_bNoticesInStatusBar = m_pNoticesInStatusBar->isChecked() ? TRUE : FALSE;

    const int nDict = m_cbDictionary->currentIndex();
    if (nDict >= 0) {
        const QString path = m_cbDictionary->itemData(nDict).toString() + m_cbDictionary->itemText(nDict) + QStringLiteral(".dct");
        // The same file is tried again while nothing is loaded: it may have been mended meanwhile.
        if (path.compare(m_pApp->m_strDictionary, Qt::CaseInsensitive) != 0 || !m_pApp->m_dictionary.IsLoaded()) {
            // Tried on its own first, so that a file that cannot be loaded leaves the games the
            // dictionary they have.
            CDictionary trial;
            if (!trial.LoadDictionary(path)) {
                QxMessageBox(path);
            } else if (m_pApp->m_dictionary.LoadDictionary(path)) {
                m_pApp->m_strDictionary = path;
            } else {
                // Gone or changed since the trial: go back to the one in use.
                m_pApp->m_dictionary.LoadDictionary(m_pApp->m_strDictionary);
                QxMessageBox(path);
            }
        }
    }

    const int nBack = m_cbBackground->currentIndex();
    if (nBack >= 0) {
        const QString entry = m_cbBackground->itemText(nBack);
        if (entry == NONE_ENTRY) {
            m_pApp->m_strBackground.clear();
            m_pApp->m_picBackground.Release();
        } else {
            const QString folder = m_cbBackground->itemData(nBack).toString();
            m_pApp->m_strBackground = (folder.isEmpty() ? folders.front() : folder) + entry;
            if (!m_pApp->m_picBackground.LoadFromFile(nullptr, m_pApp->m_strBackground))
                m_pApp->m_picBackground.Release();
        }
    }

    m_pApp->m_crCubeColor = m_crCube;
    m_pApp->m_crFontNormalColor = m_crFont;
    m_pApp->m_crFontSelectedColor = m_crSelected;
    CModalDialog::OnOK();
}

int CPreferencesDlg::SelectedThemeIndex() const
{
    const QString text = m_cbTheme->currentText();
    const int n = m_cbTheme->currentIndex();
    if (n >= 0 && m_cbTheme->itemText(n) == text)
        return n;
    return m_cbTheme->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void CPreferencesDlg::OnSaveTheme()
{
    const QString name = m_cbTheme->currentText();
    if (name.isEmpty()) {
        QxMessageBox(QStringLiteral("Please enter a theme name in the theme list first"));
        return;
    }
    // A name that would reach outside the theme folder is no theme name.
    if (!IsSafeThemeName(name)) {
        QxMessageBox(QStringLiteral("Error saving file"));
        return;
    }
    const QString folder = GetDataFolders(TRUE).front();
    // Run from the build, the player's folder is the program's own, where the presets live.
    if (IsPresetTheme(folder, name)) {
        QxMessageBox(QStringLiteral("A preset theme cannot be overwritten.  Please choose another name."));
        return;
    }
    const QString path = ThemePath(folder, name);
    QFile existing(FindFileCaseBlind(path));
    if (existing.open(QIODevice::ReadOnly)) {
        existing.close();
        if (QxMessageBox(QStringLiteral("That theme already exists.  Overwrite it?"), QStringLiteral("Confirmation"),
                         MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    CTheme theme;
    theme.m_strBackgroundName = m_cbBackground->currentIndex() >= 0 ? m_cbBackground->currentText() : QString();
    theme.m_crCube = m_wndCubeSwatch.m_clrColor;
    theme.m_crFont = m_wndFontSwatch.m_clrColor;
    theme.m_crSelected = m_wndSelectedSwatch.m_clrColor;
    if (!theme.Save(path)) {
        QxMessageBox(QStringLiteral("Error saving file"));
        return;
    }
    // Saving over a listed theme selects it rather than listing it twice.
    int n = m_cbTheme->findText(name, Qt::MatchFixedString);
    if (n < 0)
        n = AddSorted(m_cbTheme, name, folder);
    else
        m_cbTheme->setItemData(n, folder);
    m_cbTheme->setCurrentIndex(n);
}

void CPreferencesDlg::OnThemeChanged()
{
    const int n = SelectedThemeIndex();
    const QString name = n >= 0 ? m_cbTheme->itemText(n) : QString();
    if (name.isEmpty())
        return;
    CTheme theme;
    if (!IsSafeThemeName(name) || !theme.Load(ThemePath(m_cbTheme->itemData(n).toString(), name))) {
        QxMessageBox(QStringLiteral("Error loading file"));
        return;
    }
    const int nBack = m_cbBackground->findText(theme.m_strBackgroundName, Qt::MatchFixedString);
    if (nBack >= 0)
        m_cbBackground->setCurrentIndex(nBack);
    SetColors(theme.m_crCube, theme.m_crFont, theme.m_crSelected);
    UpdatePreview();
}

void CPreferencesDlg::OnEraseTheme()
{
    const int n = SelectedThemeIndex();
    if (n < 0) {
        QxMessageBox(QStringLiteral("Please select a theme to delete first"));
        return;
    }
    const QString name = m_cbTheme->itemText(n);
    if (name.isEmpty())
        return;
    if (IsPresetTheme(m_cbTheme->itemData(n).toString(), name)) {
        QxMessageBox(QStringLiteral("A preset theme cannot be erased"));
        return;
    }
    if (!IsSafeThemeName(name) || !DeleteFileCaseBlind(ThemePath(m_cbTheme->itemData(n).toString(), name))) {
        QxMessageBox(QStringLiteral("No such theme"));
        return;
    }
    // The player's own theme of a preset's name is gone: the preset it hid is listed again.
    const QString strShipped = GetReadOnlyDataFolder();
    if (IsPresetThemeName(name) && QFileInfo(FindFileCaseBlind(ThemePath(strShipped, name))).isFile())
        m_cbTheme->setItemData(n, strShipped);
    else
        m_cbTheme->removeItem(n);
    m_cbTheme->setCurrentIndex(0);
}
