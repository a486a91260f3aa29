// The per-user settings store: QSettings with the organization set by SetRegistryKey
// ("Brasswinkle") and the application "Quillotrix"; each section is a settings group.
#pragma once
#include <QString>
#include <memory>

// The one section every value of the program lives in.
inline const QString SETTINGS_SECTION = QStringLiteral("Settings");

void SetRegistryKey(const QString& strCompany);
// The file the settings are kept in, for messages.
QString GetProfileFileName();

// Absent values, and values that are not integers, give the default.
int GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault);
QString GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault = QString());
// Integers are stored as integers, strings as strings. FALSE when the file could not be written.
bool WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue);
bool WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue);

// Tells the player, naming the file, that the settings and high scores could not be saved: once,
// until a write works again. Returns bWritten.
bool ReportProfileWrite(bool bWritten);

// Several reads and writes of one section as one step, with other copies of the program held off
// for its length (a lock file beside the settings file), so that a value read here and written
// back cannot miss what another copy wrote in between. Values read come from the file as it is now.
class CProfileBatch {
public:
    explicit CProfileBatch(const QString& strSection);
    ~CProfileBatch();
    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;

    bool Contains(const QString& strEntry);
    // FALSE when the value is absent or no integer.
    bool ReadInt(const QString& strEntry, int& nValue);
    void WriteInt(const QString& strEntry, int nValue);
    void WriteString(const QString& strEntry, const QString& strValue);
    // Writes the file; FALSE when it could not be written (a read-only folder, a full disk).
    bool Commit();

private:
    struct CData;
    std::unique_ptr<CData> m_pData;
};
