// The per-user settings store: QSettings with the organization set by SetRegistryKey
// ("Brasswinkle") and the application "Quillotrix"; each section is a settings group.
#pragma once
#include <QString>

void SetRegistryKey(const QString& strCompany);

// Absent values, and values that are not integers, give the default.
int GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault);
QString GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault = QString());
// Integers are stored as integers, strings as strings.
bool WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue);
bool WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue);
