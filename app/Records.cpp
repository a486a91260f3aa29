// The records file: reading, merging under a lock, writing by replacement, and the statistics.
#include "app/Records.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

#include "framework/Files.h"

namespace {

const QString GAMES = QStringLiteral("games");
const QString RECORDS = QStringLiteral("records");
const QString STATS = QStringLiteral("stats");
const QString LAST_NAME = QStringLiteral("lastName");

// The earlier game stays ahead of a later one with the same score.
bool Before(const CRecordEntry& a, const CRecordEntry& b)
{
    if (a.nScore != b.nScore)
        return a.nScore > b.nScore;
    if (a.dtEnded != b.dtEnded)
        return a.dtEnded < b.dtEnded;
    return a.strId < b.strId;
}

CRecordEntry EntryFromJson(const QJsonObject& o)
{
    CRecordEntry e;
    e.nScore = o.value(QStringLiteral("score")).toInt();
    e.strName = o.value(QStringLiteral("name")).toString();
    e.dtEnded = QDateTime::fromString(o.value(QStringLiteral("ended")).toString(), Qt::ISODate);
    e.extra = o.value(QStringLiteral("extra")).toObject();
    e.strId = o.value(QStringLiteral("id")).toString();
    return e;
}

// Keeps whatever else a newer program wrote beside the known fields.
QJsonObject EntryToJson(const CRecordEntry& e, QJsonObject o = {})
{
    o[QStringLiteral("score")] = e.nScore;
    o[QStringLiteral("name")] = e.strName;
    o[QStringLiteral("ended")] = e.dtEnded.toString(Qt::ISODate);
    o[QStringLiteral("extra")] = e.extra;
    o[QStringLiteral("id")] = e.strId;
    return o;
}

QList<CRecordEntry> SortedEntries(const QJsonArray& a)
{
    QList<CRecordEntry> list;
    for (const QJsonValue& v : a)
        list.append(EntryFromJson(v.toObject()));
    std::stable_sort(list.begin(), list.end(), Before);
    return list;
}

// The shape the program writes; anything else is a damaged file, kept aside rather than lost.
bool IsWellFormed(const QJsonObject& root)
{
    const QJsonValue games = root.value(GAMES);
    if (games.isUndefined())
        return true;
    if (!games.isObject())
        return false;
    const QJsonObject o = games.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!it->isObject())
            return false;
        const QJsonObject g = it->toObject();
        const QJsonValue records = g.value(RECORDS);
        if (!records.isUndefined()) {
            if (!records.isArray())
                return false;
            for (const QJsonValue& r : records.toArray())
                if (!r.isObject() || !r.toObject().value(QStringLiteral("score")).isDouble())
                    return false;
        }
        const QJsonValue stats = g.value(STATS);
        if (!stats.isUndefined() && !stats.isObject())
            return false;
    }
    return root.value(LAST_NAME).isUndefined() || root.value(LAST_NAME).isString();
}

QString NewId()
{
    static int s_nCounter = 0;
    return QStringLiteral("%1-%2-%3")
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(qint64(getpid()))
        .arg(++s_nCounter);
}

} // namespace

QString GetAccountName()
{
    if (const passwd* pw = getpwuid(getuid())) {
        const QString strGecos = QString::fromLocal8Bit(pw->pw_gecos ? pw->pw_gecos : "").section(u',', 0, 0).trimmed();
        if (!strGecos.isEmpty())
            return strGecos;
        if (pw->pw_name && *pw->pw_name)
            return QString::fromLocal8Bit(pw->pw_name);
    }
    return qEnvironmentVariable("USER");
}

CRecordBook::CRecordBook(const QString& strPath) : m_strPath(strPath) {}

bool CRecordBook::ReadFile(QJsonObject& root, bool& bExists) const
{
    root = QJsonObject();
    const QFileInfo info(m_strPath);
    bExists = info.exists();
    if (!bExists)
        return true;
    // A pipe or a device of this name would block or never end: not a records file.
    if (!info.isFile() || info.size() > MAX_FILE_SIZE)
        return false;
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(MAX_FILE_SIZE + 1);
    if (data.size() > MAX_FILE_SIZE)
        return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() || !IsWellFormed(doc.object()))
        return false;
    root = doc.object();
    return true;
}

bool CRecordBook::MoveDamagedAside(QString& strError)
{
    QString strAside = m_strPath + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(strAside); ++n)
        strAside = m_strPath + QStringLiteral(".damaged-%1").arg(n);
    if (!QFile::rename(m_strPath, strAside)) {
        strError = QStringLiteral("The records file %1 is damaged and could not be moved aside.  "
                                  "Records will not be saved until it is moved or removed.")
                       .arg(m_strPath);
        return false;
    }
    strError = QStringLiteral("The records file %1 was damaged.  It has been kept as %2 and the records "
                              "start afresh.")
                   .arg(m_strPath, strAside);
    return true;
}

bool CRecordBook::Reload(QString& strError)
{
    strError.clear();
    bool bExists = false;
    if (ReadFile(m_root, bExists)) {
        m_rootBeforePending = m_root;
        for (const auto& fn : m_aPending)
            fn(m_root);
        return true;
    }
    m_root = QJsonObject();
    m_rootBeforePending = m_root;
    MoveDamagedAside(strError);
    return false;
}

bool CRecordBook::Write(const QJsonObject& root, QString& strError)
{
    const QFileInfo info(m_strPath);
    if (info.exists() && !info.isFile()) {
        strError = QStringLiteral("Could not save the records to %1.").arg(m_strPath);
        return false;
    }
    if (!WriteFileReplacing(m_strPath, QJsonDocument(root).toJson(QJsonDocument::Indented))) {
        strError = QStringLiteral("Could not save the records to %1.").arg(m_strPath);
        return false;
    }
    return true;
}

bool CRecordBook::Update(std::function<void(QJsonObject&)> fnChange, QString& strError)
{
    strError.clear();
    m_aPending.append(std::move(fnChange));
    QLockFile lock(m_strPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    // Another window holds it only for the moment of one write.
    const bool bLocked = lock.tryLock(3000);

    QJsonObject disk;
    bool bExists = false;
    bool bReadable = ReadFile(disk, bExists);
    if (!bReadable) {
        // Never write over a file that could not be read: it may be someone's records.
        bReadable = MoveDamagedAside(strError);
        disk = QJsonObject();
    }
    if (!bReadable || !bLocked) {
        // The changes still count in this window and go to disk with the next write.
        m_root = m_rootBeforePending;
        for (const auto& fn : m_aPending)
            fn(m_root);
        // Only a lock another copy holds is waited for; a folder that refuses the lock file is
        // no window's doing.
        if (!bLocked && lock.error() == QLockFile::LockFailedError)
            strError = QStringLiteral("Could not save the records to %1: another window kept it locked.")
                           .arg(m_strPath);
        else if (!bLocked)
            strError = QStringLiteral("Could not save the records to %1.").arg(m_strPath);
        return false;
    }
    const QJsonObject diskBefore = disk;
    for (const auto& fn : m_aPending)
        fn(disk);
    m_root = disk;
    QString strWriteError;
    if (!Write(disk, strWriteError)) {
        strError = strError.isEmpty() ? strWriteError : strError + QLatin1Char('\n') + strWriteError;
        m_rootBeforePending = diskBefore;
        return false;
    }
    m_aPending.clear();
    m_rootBeforePending = m_root;
    return true;
}

int CRecordBook::PlaceFor(const QString& strGame, int nScore) const
{
    if (nScore <= 0)
        return 0;
    const QList<CRecordEntry> list = GetEntries(strGame);
    int nPlace = 1;
    for (const CRecordEntry& e : list)
        if (e.nScore >= nScore)
            ++nPlace;
    return nPlace <= MAX_ENTRIES ? nPlace : 0;
}

bool CRecordBook::AddGame(const QString& strGame, const CGameResult& result, const QString& strName, int* pnPlace,
                          QString& strError)
{
    CRecordEntry entry;
    entry.nScore = result.nScore;
    entry.strName = strName;
    entry.dtEnded = result.dtEnded.isValid() ? result.dtEnded : QDateTime::currentDateTime();
    entry.extra = result.extra;
    entry.strId = NewId();

    int nGameBestPoints = 0;
    const QString strGameBest = result.BestWord(&nGameBestPoints);
    QString strGameLongest;
    for (const QString& strWord : result.aWords)
        if (strWord.size() > strGameLongest.size())
            strGameLongest = strWord;
    auto fnChange = [strGame, entry, nWords = result.aWords.size(), strGameBest, nGameBestPoints,
                     strGameLongest](QJsonObject& root) {
        QJsonObject games = root.value(GAMES).toObject();
        QJsonObject game = games.value(strGame).toObject();

        // The table: insert, sort, keep ten.
        QJsonArray records = game.value(RECORDS).toArray();
        records.append(EntryToJson(entry));
        QList<QPair<CRecordEntry, QJsonObject>> all;
        for (const QJsonValue& v : records)
            all.append({EntryFromJson(v.toObject()), v.toObject()});
        std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return Before(a.first, b.first); });
        QJsonArray kept;
        bool bEntered = false;
        for (int i = 0; i < all.size() && i < MAX_ENTRIES; ++i) {
            kept.append(EntryToJson(all[i].first, all[i].second));
            bEntered = bEntered || all[i].first.strId == entry.strId;
        }
        game[RECORDS] = kept;

        // The statistics.
        QJsonObject stats = game.value(STATS).toObject();
        const auto fnInt = [&](const char* pszKey) { return stats.value(QLatin1String(pszKey)).toInteger(); };
        stats[QStringLiteral("played")] = fnInt("played") + 1;
        stats[QStringLiteral("totalScore")] = fnInt("totalScore") + entry.nScore;
        stats[QStringLiteral("bestScore")] = std::max<qint64>(fnInt("bestScore"), entry.nScore);
        stats[QStringLiteral("totalWords")] = fnInt("totalWords") + nWords;
        // Ties keep the word found first.
        if (nGameBestPoints > fnInt("bestWordScore")) {
            stats[QStringLiteral("bestWord")] = strGameBest;
            stats[QStringLiteral("bestWordScore")] = nGameBestPoints;
        }
        if (strGameLongest.size() > stats.value(QStringLiteral("longestWord")).toString().size())
            stats[QStringLiteral("longestWord")] = strGameLongest;
        game[STATS] = stats;

        games[strGame] = game;
        root[GAMES] = games;
        if (bEntered && !entry.strName.isEmpty())
            root[LAST_NAME] = entry.strName;
    };
    const bool bOk = Update(std::move(fnChange), strError);
    int nPlace = 0;
    const QList<CRecordEntry> list = GetEntries(strGame);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].strId == entry.strId)
            nPlace = i + 1;
    if (nPlace > 0)
        m_newestIds[strGame] = entry.strId;
    if (pnPlace)
        *pnPlace = nPlace;
    return bOk;
}

bool CRecordBook::Reset(QString& strError)
{
    m_newestIds = QJsonObject();
    // Nothing written before the reset matters any more.
    m_aPending.clear();
    return Update(
        [](QJsonObject& root) {
            // The tables and statistics go; the name last used and anything unknown stay.
            root.remove(GAMES);
        },
        strError);
}

QList<CRecordEntry> CRecordBook::GetEntries(const QString& strGame) const
{
    const QList<CRecordEntry> list =
        SortedEntries(m_root.value(GAMES).toObject().value(strGame).toObject().value(RECORDS).toArray());
    return list.mid(0, MAX_ENTRIES);
}

CGameStats CRecordBook::GetStats(const QString& strGame) const
{
    const QJsonObject o = m_root.value(GAMES).toObject().value(strGame).toObject().value(STATS).toObject();
    CGameStats stats;
    stats.nPlayed = int(o.value(QStringLiteral("played")).toInteger());
    stats.nTotalScore = o.value(QStringLiteral("totalScore")).toInteger();
    stats.nBestScore = int(o.value(QStringLiteral("bestScore")).toInteger());
    stats.strBestWord = o.value(QStringLiteral("bestWord")).toString();
    stats.nBestWordScore = int(o.value(QStringLiteral("bestWordScore")).toInteger());
    stats.strLongestWord = o.value(QStringLiteral("longestWord")).toString();
    stats.nTotalWords = o.value(QStringLiteral("totalWords")).toInteger();
    return stats;
}

QString CRecordBook::GetDefaultName() const
{
    const QString strLast = m_root.value(LAST_NAME).toString();
    return strLast.isEmpty() ? GetAccountName() : strLast;
}
