// Case-blind file look-up, replace-by-rename writing, program folder and storage card.
#include "framework/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString& ProgramFolderOverride()
{
    static QString s_folder;
    return s_folder;
}

std::function<bool(const QString&)>& ReplaceWriteHook()
{
    static std::function<bool(const QString&)> s_fn;
    return s_fn;
}

QString WithSlash(QString s)
{
    if (!s.isEmpty() && !s.endsWith(QLatin1Char('/')))
        s += QLatin1Char('/');
    return s;
}
} // namespace

QString FindFileCaseBlind(const QString& strPath)
{
    if (strPath.isEmpty() || QFileInfo::exists(strPath))
        return strPath;

    // Walk from the root, matching each missing component against the folder's entries.
    const bool bAbsolute = strPath.startsWith(QLatin1Char('/'));
    const QStringList parts = strPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = bAbsolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = current.isEmpty() ? part : WithSlash(current) + part;
        if (!QFileInfo::exists(candidate)) {
            QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            bool bFound = false;
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    candidate = current.isEmpty() ? e : WithSlash(current) + e;
                    bFound = true;
                    break;
                }
            }
            if (!bFound)
                return strPath;
        }
        current = candidate;
    }
    return current;
}

bool WriteFileReplacing(const QString& strPath, const QByteArray& data, bool* pbCreated, bool bInPlaceFallback)
{
    QSaveFile file(FindFileCaseBlind(strPath));
    file.setDirectWriteFallback(bInPlaceFallback);
    // Unbuffered, so that a short write (disk full, size limit) is seen here: a buffered write
    // can lose the error at commit and rename a cut-off file over the good one.
    const bool bCreated = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (pbCreated)
        *pbCreated = bCreated;
    if (!bCreated)
        return false;
    if (file.write(data) != data.size() || (ReplaceWriteHook() && !ReplaceWriteHook()(strPath))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SetReplaceWriteHook(std::function<bool(const QString& strPath)> fnHook) { ReplaceWriteHook() = std::move(fnHook); }

bool ReadWholeFile(const QString& strPath, QByteArray& data)
{
    QFile file(FindFileCaseBlind(strPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

ReadResult ReadRegularFile(const QString& strPath, qint64 nMaxBytes, QByteArray& data)
{
    data.clear();
    const QByteArray path = QFile::encodeName(FindFileCaseBlind(strPath));
    // Non-blocking: opening a pipe for reading would otherwise wait for a writer for ever.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return ReadResult::Unreadable;
    if (!S_ISREG(st.st_mode))
        return ReadResult::NotRegular;
    if (st.st_size > nMaxBytes)
        return ReadResult::TooLarge;
    const int nFlags = ::fcntl(fd, F_GETFL);
    if (nFlags >= 0)
        ::fcntl(fd, F_SETFL, nFlags & ~O_NONBLOCK);

    // The size is only a hint: a file that grows while read is cut off at the limit and refused.
    QByteArray buffer;
    try {
        buffer.resize(qsizetype(st.st_size) + 1);
        qint64 nRead = 0;
        for (;;) {
            if (nRead == buffer.size()) {
                if (nRead > nMaxBytes)
                    return ReadResult::TooLarge;
                buffer.resize(qsizetype(std::min<qint64>(nMaxBytes + 1, nRead * 2 + 4096)));
            }
            const ssize_t n = ::read(fd, buffer.data() + nRead, size_t(buffer.size() - nRead));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return ReadResult::Unreadable;
            if (n == 0)
                break;
            nRead += n;
        }
        if (nRead > nMaxBytes)
            return ReadResult::TooLarge;
        buffer.truncate(qsizetype(nRead));
    } catch (const std::bad_alloc&) {
        return ReadResult::TooLarge;
    }
    data = std::move(buffer);
    return ReadResult::Ok;
}

QByteArray GetFileStamp(const QString& strPath)
{
    struct stat st {};
    if (::stat(QFile::encodeName(FindFileCaseBlind(strPath)).constData(), &st) != 0)
        return QByteArray();
    return QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino)) + ':'
        + QByteArray::number(qlonglong(st.st_size)) + ':' + QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qlonglong(st.st_mtim.tv_nsec));
}

bool DeleteFileCaseBlind(const QString& strPath)
{
    const QString path = FindFileCaseBlind(strPath);
    return QFileInfo(path).isFile() && QFile::remove(path);
}

QString GetProgramFolder()
{
    if (!ProgramFolderOverride().isEmpty())
        return ProgramFolderOverride();
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return WithSlash(dir);
}

void SetProgramFolderOverride(const QString& strFolder) { ProgramFolderOverride() = WithSlash(strFolder); }

QString GetStorageCardRoot()
{
    const QString env = qEnvironmentVariable("QUILLOTRIX_STORAGE_CARD");
    if (!env.isEmpty())
        return QFileInfo(env).isDir() ? WithSlash(env) : QString();
    for (const QStorageInfo& vol : QStorageInfo::mountedVolumes()) {
        const QString root = vol.rootPath();
        if ((root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/")))
            && vol.isValid() && vol.isReady())
            return WithSlash(root);
    }
    return QString();
}

namespace {
#ifndef QX_SHARE_FROM_BIN
#define QX_SHARE_FROM_BIN "../share/quillotrix"
#endif

// Installed: no data/ beside the program, but the shared folder the install puts it in.
bool IsInstalled()
{
    const QString strExe = GetProgramFolder();
    return !QFileInfo(strExe + DATA_FOLDER).isDir()
        && QFileInfo(strExe + QStringLiteral(QX_SHARE_FROM_BIN "/") + DATA_FOLDER).isDir();
}
} // namespace

QString GetProgramFilesFolder()
{
    if (IsInstalled())
        return WithSlash(QDir::cleanPath(GetProgramFolder() + QStringLiteral(QX_SHARE_FROM_BIN)));
    return GetProgramFolder();
}

QString GetReadOnlyDataFolder()
{
    return GetProgramFilesFolder() + DATA_FOLDER;
}

QString GetWritableDataFolder()
{
    if (!IsInstalled())
        return GetProgramFolder() + DATA_FOLDER;
    // The installed tree belongs to the system; the player's own files go to their data folder.
    const QString strFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(strFolder);
    return WithSlash(strFolder);
}

QString CreateFolderPath(const QString& strPath, const QString& strRoot)
{
    QString current = strRoot.endsWith(QLatin1Char('/')) ? strRoot : strRoot + QLatin1Char('/');
    if (!strPath.startsWith(current))
        return strPath;
    const QStringList astrNames = strPath.mid(current.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& strName : astrNames) {
        const QString folder = FindFileCaseBlind(current + strName);
        if (!QFileInfo(folder).isDir())
            QDir().mkdir(folder);
        current = folder + QLatin1Char('/');
    }
    return current;
}
