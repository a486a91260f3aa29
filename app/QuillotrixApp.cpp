// Start-up in its fixed order, the settings and high scores written as they change, and the exit
// that writes the rest back.
#include "app/QuillotrixApp.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "framework/Clock.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"
#include "framework/Profile.h"

namespace {
// New high scores are looked for this often, so that at most a second's worth is ever at risk and
// the file is written at most once a second while a game keeps beating its record.
constexpr int HISCORE_CHECK_MS = 1000;

QString RegistryName(const HighScoreEntry& entry) { return QString::fromLatin1(entry.pszRegistryName); }
} // namespace

CQuillotrixApp::CQuillotrixApp() { std::fill(std::begin(m_anHiScoreStored), std::end(m_anHiScoreStored), -1); }

CQuillotrixApp::~CQuillotrixApp()
{
    // The frame's screens point into this object, so they go first.
    m_pHiScoreTimer.reset();
    m_pMainWnd.reset();
}

QString CQuillotrixApp::GetPersonalListPath()
{
    return GetWritableDataFolder() + QStringLiteral("personal.pdt");
}

QString CQuillotrixApp::GetRecordsPath()
{
    return GetWritableDataFolder() + QStringLiteral("records.json");
}

void CQuillotrixApp::ReadSettings()
{
    SetRegistryKey(QStringLiteral("Brasswinkle"));
    // Installed, the help file and data/ live apart from the executable; that folder plays the
    // program folder.
    const QString strExeFolder = GetProgramFilesFolder();
    const QString& s = SETTINGS_SECTION;
    m_bVerifyIncorrect = GetProfileInt(s, QStringLiteral("VerifyIncorrect"), 1);
    m_bNoticesInStatusBar = GetProfileInt(s, QStringLiteral("NoticesInStatusBar"), 0) != 0;
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
        this->*HIGH_SCORES[i].pnField = GetProfileInt(s, RegistryName(HIGH_SCORES[i]), 0);
        m_anHiScoreStored[i] = this->*HIGH_SCORES[i].pnField;
    }
    m_strProgramDir = GetProfileString(s, QStringLiteral("ProgramDir"), strExeFolder);
    if (!m_strProgramDir.endsWith(QLatin1Char('/')))
        m_strProgramDir += QLatin1Char('/');
    m_strDictionary = GetProfileString(s, QStringLiteral("Dictionary"),
                                       m_strProgramDir + DATA_FOLDER + QStringLiteral("English Comprehensive07.dct"));
    m_strBackground = GetProfileString(s, QStringLiteral("Background"), m_strProgramDir + DATA_FOLDER + QStringLiteral("Blue01.jpg"));
    m_crCubeColor = COLORREF(GetProfileInt(s, QStringLiteral("CubeColor"), int(RGB(0, 0, 192))));
    m_crFontNormalColor = COLORREF(GetProfileInt(s, QStringLiteral("FontNormalColor"), 0));
    m_crFontSelectedColor = COLORREF(GetProfileInt(s, QStringLiteral("FontSelectedColor"), int(RGB(255, 255, 255))));

    m_mapStored = GetPreferenceValues();
}

QHash<QString, QVariant> CQuillotrixApp::GetPreferenceValues() const
{
    // "ProgramDir" is only ever read.
    return {
        {QStringLiteral("Dictionary"), m_strDictionary},
        {QStringLiteral("Background"), m_strBackground},
        {QStringLiteral("CubeColor"), int(m_crCubeColor)},
        {QStringLiteral("FontNormalColor"), int(m_crFontNormalColor)},
        {QStringLiteral("FontSelectedColor"), int(m_crFontSelectedColor)},
        {QStringLiteral("VerifyIncorrect"), int(m_bVerifyIncorrect)},
        {QStringLiteral("NoticesInStatusBar"), int(m_bNoticesInStatusBar)},
    };
}

BOOL CQuillotrixApp::InitInstance(BOOL bShow)
{
    ReadSettings();
    LoadImageDecoder();
    m_picBackground.LoadFromFile(nullptr, m_strBackground);
    m_dictionary.LoadPersonalList(GetPersonalListPath());
    m_dictionary.LoadDictionary(m_strDictionary);

    m_pMainWnd = std::make_unique<CMainFrame>(this);
    m_pMainWnd->Create();

    srand(GetTickCount());

    // The games raise the high scores in the record as they play; the check writes them out.
    m_pHiScoreTimer = std::make_unique<QTimer>();
    QObject::connect(m_pHiScoreTimer.get(), &QTimer::timeout, [this] { SaveHighScores(); });
    m_pHiScoreTimer->start(HISCORE_CHECK_MS);

    if (bShow)
        m_pMainWnd->ShowAndPaint();
    return TRUE;
}

void CQuillotrixApp::SaveHighScores()
{
    bool bChanged = m_bResetPending;
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i)
        bChanged = bChanged || this->*HIGH_SCORES[i].pnField != m_anHiScoreStored[i];
    if (!bChanged)
        return;

    CProfileBatch batch(SETTINGS_SECTION);
    int anWrite[HIGH_SCORE_COUNT];
    for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
        const QString strName = RegistryName(HIGH_SCORES[i]);
        anWrite[i] = this->*HIGH_SCORES[i].pnField;
        int nOnDisk = 0;
        const bool bOnDisk = batch.ReadInt(strName, nOnDisk);
        if (!m_bResetPending && bOnDisk)
            anWrite[i] = std::max(anWrite[i], nOnDisk);
        if (!bOnDisk || nOnDisk != anWrite[i])
            batch.WriteInt(strName, anWrite[i]);
    }
    const bool bWritten = batch.Commit();
    if (bWritten) {
        m_bResetPending = FALSE;
        for (int i = 0; i < HIGH_SCORE_COUNT; ++i) {
            // A better score another copy wrote is the record here too (the main screen shows it).
            this->*HIGH_SCORES[i].pnField = anWrite[i];
            m_anHiScoreStored[i] = anWrite[i];
        }
    } else {
        // Tried again at the next check only when something changes once more, so the file is not
        // hammered; Exit tries once more in any case.
        for (int i = 0; i < HIGH_SCORE_COUNT; ++i)
            m_anHiScoreStored[i] = this->*HIGH_SCORES[i].pnField;
    }
    ReportProfileWrite(bWritten);
}

void CQuillotrixApp::ResetHighScores()
{
    for (const HighScoreEntry& entry : HIGH_SCORES)
        this->*entry.pnField = 0;
    m_bResetPending = TRUE;
    SaveHighScores();
}

void CQuillotrixApp::SaveSettings()
{
    // A preference is written when the player changed it here, or when the file still lacks it (a
    // first start); one another copy changed meanwhile is not undone by this one's old value.
    const QHash<QString, QVariant> mapValues = GetPreferenceValues();
    {
        CProfileBatch batch(SETTINGS_SECTION);
        bool bChanged = false;
        for (auto it = mapValues.cbegin(); it != mapValues.cend(); ++it) {
            if (m_mapStored.value(it.key()) == it.value() && batch.Contains(it.key()))
                continue;
            bChanged = true;
            if (it.value().typeId() == QMetaType::Int)
                batch.WriteInt(it.key(), it.value().toInt());
            else
                batch.WriteString(it.key(), it.value().toString());
        }
        if (bChanged) {
            const bool bWritten = batch.Commit();
            if (bWritten)
                m_mapStored = mapValues;
            ReportProfileWrite(bWritten);
        }
    }
    // At the end every score is tried once more, also one whose earlier write failed.
    std::fill(std::begin(m_anHiScoreStored), std::end(m_anHiScoreStored), -1);
    SaveHighScores();
}

int CQuillotrixApp::ExitInstance()
{
    m_pHiScoreTimer.reset();
    if (m_bSessionEnding)
        SetDefaultMessageBox(QuietMessageBox);
    // The close counted the games already, unless the session ended it: then they count here,
    // under the last name used, as no one may be there to give one.
    if (m_pMainWnd)
        m_pMainWnd->GetScreenHost().CountGamesInPlay(FALSE);
    m_pMainWnd.reset();
    SaveSettings();
    return 0;
}

void CQuillotrixApp::EndSession()
{
    m_bSessionEnding = TRUE;
    SetDefaultMessageBox(QuietMessageBox);
    // Every event loop ends, a modal box's or dialog's included, and main's exit path runs.
    QCoreApplication::exit(0);
}

void CQuillotrixApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainWnd.get());
    dlg.exec();
}
