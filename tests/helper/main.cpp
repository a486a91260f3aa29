// qx_apphelper: the program's own code in a process of its own, for the tests that need two copies
// at once or a real signal. Each mode prints what it reached on a line of its own and waits for a
// line on its standard input where the test must choose the moment.
//   personal LIST WORD           reads the list, waits, adds the word (which writes the list)
//   scores FOLDER SCORE [COLOUR] starts as the program does, waits, sets Tessaryl's high score (or
//                                "reset" runs Reset High Scores) and the tile colour, writes the
//                                scores, waits, exits as Exit does
//   run FOLDER [play]            runs as the program does; with play a Tessaryl game of 300 points
//                                is started, a record of 777 set, a word added and the tile colour
//                                changed
#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <string>

#include "app/AppSession.h"
#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"

namespace {
void Say(const char* pszLine)
{
    std::printf("%s\n", pszLine);
    std::fflush(stdout);
}

void AwaitGo()
{
    std::string line;
    int c;
    while ((c = std::getchar()) != EOF && c != '\n')
        line += char(c);
}

int RunPersonal(const QString& strList, const QString& strWord)
{
    CDictionary dict;
    dict.LoadPersonalList(strList);
    Say("loaded");
    AwaitGo();
    dict.AddPersonalWord(strWord);
    Say(dict.IsPersonalDirty() ? "failed" : "saved");
    return 0;
}

int RunScores(const QString& strScore, const QString& strColour)
{
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    Say("loaded");
    AwaitGo();
    if (strScore == QLatin1String("reset"))
        app.ResetHighScores();
    else
        app.m_nCubeHiScore = strScore.toInt();
    if (!strColour.isEmpty())
        app.m_crCubeColor = COLORREF(strColour.toUInt());
    app.SaveHighScores();
    Say(QByteArray::number(app.m_nCubeHiScore).constData());
    AwaitGo();
    app.ExitInstance();
    return 0;
}

int RunProgram(bool bPlay)
{
    CQuillotrixApp app;
    RunHooks hooks;
    hooks.fnActivated = [] { Say("activated"); };
    hooks.fnStarted = [bPlay](CQuillotrixApp& a) {
        if (bPlay) {
            CScreenHostWnd& host = a.GetMainWnd()->GetScreenHost();
            host.OnCommand(ID_GAME_TESSARYL);
            host.OnCommand(ID_FILE_NEWGAME);
            // Points and a word, as if played, for the records to count at the end.
            host.m_wndTessaryl.Game().m_nScore = 300;
            host.m_wndTessaryl.Game().m_astrUsedWords = QStringList{QStringLiteral("Cube")};
            // As a game does when its score passes the record, and as the preferences do.
            a.m_nCubeHiScore = 777;
            a.m_crCubeColor = RGB(1, 2, 3);
            a.m_dictionary.AddPersonalWord(QStringLiteral("signalled"));
            Say(host.m_wndTessaryl.IsGameRunning() ? "playing" : "not playing");
        }
        Say("ready");
    };
    return RunQuillotrix(app, hooks);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("personal"))
        return RunPersonal(args[2], args[3]);
    if (args.size() < 3)
        return 2;
    SetProgramFolderOverride(args[2]);
    if (args[1] == QLatin1String("scores") && args.size() >= 4)
        return RunScores(args[3], args.value(4));
    if (args[1] == QLatin1String("run"))
        return RunProgram(args.value(3) == QLatin1String("play"));
    return 2;
}
