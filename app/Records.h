// The player's records: each game's ten best games and its statistics, kept in one file in the
// player's data folder and written the moment a game ends, merged with what is on disk so that two
// windows of the program each keep their games.
#pragma once
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "games/GameResult.h"


struct CRecordEntry {
    int nScore = 0;
    QString strName;
    QDateTime dtEnded;
    QJsonObject extra;
    // Tells the entries apart when two windows merge their tables.
    QString strId;
};

struct CGameStats {
    int nPlayed = 0;
    qint64 nTotalScore = 0;
    int nBestScore = 0;
    QString strBestWord;
    int nBestWordScore = 0;
    QString strLongestWord;
    qint64 nTotalWords = 0;

    int AverageScore() const { return nPlayed > 0 ? int((nTotalScore + nPlayed / 2) / nPlayed) : 0; }
};

class CRecordBook {
public:
    static constexpr int MAX_ENTRIES = 10;

    // strPath is the records file; it need not exist yet.
    explicit CRecordBook(const QString& strPath);

    const QString& GetPath() const { return m_strPath; }

    // Reads the file again. A damaged file is moved aside and the records start empty; false only
    // then, with strError the message to show.
    bool Reload(QString& strError);

    // The place (1 to 10) a game of this score would take in the table now, or 0 when it would not
    // enter. A tie goes below the games already there.
    int PlaceFor(const QString& strGame, int nScore) const;

    // Counts a finished game: statistics always, the table when it enters. The file is read,
    // merged and written at once; false when it could not be written, though the game then still
    // counts in this window and goes to disk with the next write. strError, when not empty, is a
    // message to show (the write failed, or a damaged file was kept aside). *pnPlace gets the
    // place taken (0: not entered).
    bool AddGame(const QString& strGame, const CGameResult& result, const QString& strName, int* pnPlace,
                 QString& strError);

    // Clears every table and every statistic, on disk too.
    bool Reset(QString& strError);

    QList<CRecordEntry> GetEntries(const QString& strGame) const;
    CGameStats GetStats(const QString& strGame) const;
    // The id of the entry this window added last for the game (to highlight it), or empty.
    QString GetNewestId(const QString& strGame) const { return m_newestIds.value(strGame).toString(); }

    // The name offered in the name box: the last one used, else the account's full name, else
    // the login name.
    QString GetDefaultName() const;

    // The file's contents for a test or a merge: everything, unknown fields included.
    const QJsonObject& GetRoot() const { return m_root; }

    // Largest file read; a larger one counts as damaged.
    static constexpr qint64 MAX_FILE_SIZE = 4 * 1024 * 1024;

private:
    // Reads the file into root; false when it exists but is damaged.
    bool ReadFile(QJsonObject& root, bool& bExists) const;
    bool MoveDamagedAside(QString& strError);
    bool Write(const QJsonObject& root, QString& strError);
    // Read, change and write under a lock, so two windows never lose each other's games. A change
    // that cannot be written yet is kept and applied again at the next write.
    bool Update(std::function<void(QJsonObject&)> fnChange, QString& strError);

    QString m_strPath;
    QJsonObject m_root;
    QJsonObject m_newestIds;
    // Changes not yet on disk, and the file as last read before them.
    QList<std::function<void(QJsonObject&)>> m_aPending;
    QJsonObject m_rootBeforePending;
};

// The account's full name (the first field of its comment in the password database), else the
// login name.
QString GetAccountName();
