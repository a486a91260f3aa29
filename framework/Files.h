// Files on a case-sensitive file system used as if it were case-blind, safe replacement, and folders.
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// The data folder's name below the program folder and below the card's folder, with its '/'.
inline const QString DATA_FOLDER = QStringLiteral("data/");
// The program's own folder on a storage card, below the card's root.
inline const QString STORAGE_CARD_FOLDER = QStringLiteral("My Documents/Quillotrix/");

// Returns the path of an existing file or folder whose name differs from strPath only in letter
// case (each component matched independently); strPath itself when it exists or nothing matches.
QString FindFileCaseBlind(const QString& strPath);

// Replaces the file's contents as a whole: written to a new file, then renamed over the old one,
// so a failed or interrupted write leaves the earlier file as it was. *pbCreated, when given, tells
// whether the new file could be created at all (false: nothing was written). With bInPlaceFallback,
// an existing writable file in a folder where no new file can be made is written over in place.
bool WriteFileReplacing(const QString& strPath, const QByteArray& data, bool* pbCreated = nullptr,
                        bool bInPlaceFallback = false);
// Tests only: called with the target path once the new contents are written and before they
// replace the old file; returning false fails the write there. An empty function removes it.
void SetReplaceWriteHook(std::function<bool(const QString& strPath)> fnHook);

// Reads a whole file (found case-blind); false when it cannot be opened or read.
bool ReadWholeFile(const QString& strPath, QByteArray& data);

// What ReadRegularFile found.
enum class ReadResult {
    Ok,
    Missing,    // nothing of that name
    NotRegular, // a pipe, device, folder or socket: never opened for reading, so never waited on
    TooLarge,   // more than the limit, whatever the file claimed to hold
    Unreadable, // there, but it cannot be opened or read
};
// Reads a regular file (found case-blind) of at most nMaxBytes; data is left empty unless Ok.
// The file is opened without waiting and checked on the open handle, so a pipe put in its place
// meanwhile is refused too, and no more than nMaxBytes + 1 bytes are ever read.
ReadResult ReadRegularFile(const QString& strPath, qint64 nMaxBytes, QByteArray& data);

// Makes the folders of strPath below strRoot (never strRoot itself); a folder that exists, in any
// letter case, is used as it is. Returns the path as it now exists, ending in '/'.
QString CreateFolderPath(const QString& strPath, const QString& strRoot);

// What tells one version of a file from another (device, inode, size, change time to the
// nanosecond); an empty text when there is no such file. A file replaced by rename always differs.
QByteArray GetFileStamp(const QString& strPath);

// Deletes a file found case-blind; false when nothing was deleted.
bool DeleteFileCaseBlind(const QString& strPath);

// The folder of the running executable, ending in '/'. Tests may override it.
QString GetProgramFolder();
void SetProgramFolderOverride(const QString& strFolder);

// The folder holding the help file and the shipped data/ folder, ending in '/': the program's own
// folder when run from the build, <prefix>/share/quillotrix/ when installed.
QString GetProgramFilesFolder();
// Where the shipped data (dictionaries, backgrounds) is read from, ending in '/'.
QString GetReadOnlyDataFolder();
// Where what the player makes (personal word list, saved games, themes) is written, ending in '/':
// the data/ folder beside the program when run from the build; installed, the player's data
// folder (~/.local/share/Brasswinkle/Quillotrix/), made when first asked for.
QString GetWritableDataFolder();

// The storage card root (ending in '/'), or an empty text when there is no card.
// QUILLOTRIX_STORAGE_CARD names it; otherwise the first removable volume under /media or /run/media.
QString GetStorageCardRoot();
