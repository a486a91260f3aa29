// The saved-game folder and the files' 16-bit character container.
#include "app/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "framework/Files.h"
#include "framework/Profile.h"

QString GetSavedGameFolder(bool bCreate)
{
    const QString strCard = GetProfileInt(SETTINGS_SECTION, QStringLiteral("UseStorage"), 0) != 0
                                ? GetStorageCardRoot()
                                : QString();
    if (strCard.isEmpty()) {
        const QString strFolder = GetWritableDataFolder();
        if (bCreate)
            QDir().mkpath(strFolder);
        return strFolder;
    }
    // The card's file system may spell the folders in another case; folders made here take the
    // spelling of those already there, so themes and saved games share one folder. A card pulled
    // out meanwhile is not made up.
    const QString strFolder = strCard + STORAGE_CARD_FOLDER + DATA_FOLDER;
    return bCreate ? CreateFolderPath(strFolder, strCard) : FindFileCaseBlind(strFolder.chopped(1)) + u'/';
}

QByteArray EncodeSavedGameText(const QString& strText)
{
    QByteArray data(strText.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < strText.size(); ++i) {
        const char16_t ch = strText.at(i).unicode();
        data[2 * i] = char(ch & 0xFF);
        data[2 * i + 1] = char(ch >> 8);
    }
    return data;
}

QString DecodeSavedGameBytes(const QByteArray& data)
{
    const qsizetype nChars = data.size() / 2;
    QString str;
    str.reserve(nChars);
    for (qsizetype i = 0; i < nChars; ++i) {
        const char16_t ch = char16_t(uchar(data[2 * i]) | (uchar(data[2 * i + 1]) << 8));
        if (ch == 0)
            break;
        str += QChar(ch);
    }
    return str;
}

bool WriteSavedGameFile(const QString& strPath, const QString& strText)
{
    return WriteFileReplacing(strPath, EncodeSavedGameText(strText));
}

bool ReadSavedGameFile(const QString& strPath, QString& strText)
{
    const QString strFound = FindFileCaseBlind(strPath);
    // Only a plain file: a pipe of that name would wait for a writer for ever.
    QFile file(strFound);
    if (!QFileInfo(strFound).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > SAVED_GAME_MAX_BYTES)
        return false;
    // Read one byte past the limit, so a file that grew since it was measured is refused too.
    const QByteArray data = file.read(SAVED_GAME_MAX_BYTES + 1);
    if (file.error() != QFileDevice::NoError || data.size() > SAVED_GAME_MAX_BYTES)
        return false;
    strText = DecodeSavedGameBytes(data);
    return true;
}
