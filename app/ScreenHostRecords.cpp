// The records in the screen host: each game counted once when it ends in any way, the name box,
// the line the status bar shows at the end, and the High Scores dialog.
#include <QLocale>
#include <vector>

#include "app/QuillotrixApp.h"
#include "app/ScreenHostWnd.h"
#include "dialogs/RecordsDlg.h"
#include "framework/MessageBox.h"

namespace {

// What each game adds to its table, by its name in the records.
QList<CHighScoresDlg::CColumn> RecordColumns(const QString& strGame)
{
    if (strGame == QLatin1String("Tessaryl"))
        return {{QStringLiteral("Words"), QStringLiteral("words")}};
    if (strGame == QLatin1String("Spanwright"))
        return {{QStringLiteral("Level"), QStringLiteral("level")}, {QStringLiteral("Letters"), QStringLiteral("letters")}};
    if (strGame == QLatin1String("Cascadio"))
        return {{QStringLiteral("Words"), QStringLiteral("words")}, {QStringLiteral("Critters"), QStringLiteral("critters")}};
    return {};
}

// "Game over: 1,250 points, 3rd place. Best word: QUARTZ (600)"; the place only when the game
// entered the table, the best word only when there was one (the first of the highest scoring).
QString EndLine(const QString& strHow, const CGameResult& result, int nPlace)
{
    const QLocale locale;
    QString str = QStringLiteral("%1: %2 points").arg(strHow, locale.toString(result.nScore));
    str += nPlace > 0 ? QStringLiteral(", %1 place.").arg(OrdinalPlace(nPlace)) : QStringLiteral(".");
    int nBest = 0;
    const QString strBest = result.BestWord(&nBest);
    if (!strBest.isEmpty())
        str += QStringLiteral(" Best word: %1 (%2)").arg(strBest, locale.toString(nBest));
    return str;
}

// Every game holds still while a records dialog is open, as under the preferences.
class CGamesHeld {
public:
    explicit CGamesHeld(const std::array<CGameWnd*, 3>& apGames) : m_apGames(apGames)
    {
        for (CGameWnd* pGame : m_apGames)
            m_abWas.push_back(pGame->SetDialogOpen(TRUE));
    }
    ~CGamesHeld()
    {
        for (size_t i = 0; i < m_apGames.size(); ++i)
            m_apGames[i]->SetDialogOpen(m_abWas[i]);
    }

private:
    std::array<CGameWnd*, 3> m_apGames;
    std::vector<BOOL> m_abWas;
};

} // namespace

QString CScreenHostWnd::GetRecordName(const CGameWnd* pGame)
{
    for (const GameEntry& game : GetGameTable())
        if (game.pWnd == pGame)
            return QString::fromLatin1(game.pszName);
    return QString();
}

void CScreenHostWnd::ShowRecordsError(const QString& strError)
{
    // A disk that keeps refusing would otherwise ask the player to dismiss the same box after
    // every game.
    if (strError.isEmpty() || m_setRecordErrorsShown.contains(strError))
        return;
    m_setRecordErrorsShown.insert(strError);
    QxMessageBox(strError);
}

QString CScreenHostWnd::CountGame(CGameWnd* pGame, const CGameResult& result, BOOL bAskName, const QString& strHow)
{
    const QString strGame = GetRecordName(pGame);
    if (pGame->IsResultCounted() || result.nScore <= 0 || strGame.isEmpty())
        return QString();
    // Marked first: the name box runs an event loop, and nothing in it may count the game again.
    pGame->SetResultCounted(TRUE);

    // Another window may have filled the table since: the place asked about is the place taken.
    QString strError;
    m_records.Reload(strError);
    ShowRecordsError(strError);
    QString strName = m_records.GetDefaultName();
    const int nPlace = m_records.PlaceFor(strGame, result.nScore);
    if (nPlace > 0 && bAskName) {
        const QString strWhat = QStringLiteral("%1: %2 points, %3 place.")
                                    .arg(strGame, QLocale().toString(result.nScore), OrdinalPlace(nPlace));
        CGamesHeld held(GetGames());
        CRecordNameDlg dlg(strWhat, strName, GetSafeHwnd() ? GetSafeHwnd()->window() : nullptr);
        // Cancel still keeps the game, under the name offered.
        if (dlg.DoModal() == IDOK)
            strName = dlg.m_strName;
    }
    int nPlaceTaken = 0;
    m_records.AddGame(strGame, result, strName, &nPlaceTaken, strError);
    ShowRecordsError(strError);
    return EndLine(strHow, result, nPlaceTaken);
}

void CScreenHostWnd::ShowEndLine(CGameWnd* pGame, const QString& strLine)
{
    if (!strLine.isEmpty()) {
        m_mapEndLines.insert(pGame, strLine);
        pGame->SetResultLine(strLine);
    } else if (m_mapEndLines.contains(pGame)) {
        // A new game does not go on showing how the one before it ended.
        if (pGame->GetResultLine() == m_mapEndLines.value(pGame))
            pGame->SetResultLine(QString());
        m_mapEndLines.remove(pGame);
    }
}

void CScreenHostWnd::CountGamesInPlay(BOOL bAskName)
{
    for (CGameWnd* pGame : GetGames())
        CountGame(pGame, pGame->GetGameResult(), bAskName, QStringLiteral("Game ended"));
}

void CScreenHostWnd::OnHighScores()
{
    QString strError;
    m_records.Reload(strError);
    ShowRecordsError(strError);

    QList<CHighScoresDlg::CGameTab> aTabs;
    int nCurrent = 0;
    for (const GameEntry& game : GetGameTable()) {
        CHighScoresDlg::CGameTab tab;
        tab.strTitle = QString::fromLatin1(game.pszName);
        tab.aEntries = m_records.GetEntries(tab.strTitle);
        tab.stats = m_records.GetStats(tab.strTitle);
        tab.aColumns = RecordColumns(tab.strTitle);
        tab.strNewestId = m_records.GetNewestId(tab.strTitle);
        if (game.pWnd->IsWindowVisible())
            nCurrent = int(aTabs.size());
        aTabs.append(tab);
    }
    CGamesHeld held(GetGames());
    CHighScoresDlg dlg(aTabs, nCurrent, GetSafeHwnd() ? GetSafeHwnd()->window() : nullptr);
    dlg.DoModal();
}
