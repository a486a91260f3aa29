// Saved-game files: where they live, and the text of a game stored as 16-bit little-endian
// characters with nothing else in the file.
#pragma once
#include <QByteArray>
#include <QString>

#include "framework/Types.h"

class CGameWnd;
class QWidget;

// Larger files are refused unread: no game's text comes near it.
constexpr qint64 SAVED_GAME_MAX_BYTES = 1024 * 1024;

// The storage card's "My Documents/Quillotrix/data/" when "UseStorage" is set (read now) and a card
// is present, else the writable data folder; ends in '/'. With bCreate the folder is made when
// missing (below the card's root, never the root itself).
QString GetSavedGameFolder(bool bCreate = false);

// The file's bytes for a text: two per character, low byte first.
QByteArray EncodeSavedGameText(const QString& strText);
// The text of a file's bytes: as many characters as whole pairs of bytes, ending early at the
// first zero character. A last odd byte belongs to no character and is left out.
QString DecodeSavedGameBytes(const QByteArray& data);

// Replaces the file as a whole (write, then rename); false when any step fails, the old file
// then being as it was.
bool WriteSavedGameFile(const QString& strPath, const QString& strText);
// false when the file cannot be opened or read, or is larger than SAVED_GAME_MAX_BYTES.
bool ReadSavedGameFile(const QString& strPath, QString& strText);

// Save Game and Open Game once the game is known (the screen host picks the visible one): the
// chooser on the saved-game folder, with the game's timers held still until it closes. Saving
// first asks the game whether it may be saved; failures are reported to the player. Opening
// returns TRUE when a game was loaded (and so replaced the one before).
void SaveGameWithChooser(CGameWnd* pGame, QWidget* pParent);
BOOL OpenGameWithChooser(CGameWnd* pGame, QWidget* pParent);
