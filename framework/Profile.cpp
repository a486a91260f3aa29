// Settings over QSettings (on Linux ~/.config/Brasswinkle/Quillotrix.conf).
#include "framework/Profile.h"

#include <QSettings>
#include <limits>

namespace {
QString& Company()
{
    static QString s_company = QStringLiteral("Brasswinkle");
    return s_company;
}

struct CSection {
    explicit CSection(const QString& strSection) : settings(Company(), QStringLiteral("Quillotrix"))
    {
        settings.beginGroup(strSection);
    }
    QSettings settings;
};
} // namespace

void SetRegistryKey(const QString& strCompany) { Company() = strCompany; }

int GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault)
{
    CSection s(strSection);
    const QVariant v = s.settings.value(strEntry);
    if (!v.isValid())
        return nDefault;
    bool bOk = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&bOk);
    // A 32-bit value written as unsigned reads back as the same bits.
    if (!bOk || n < std::numeric_limits<int>::min() || n > qlonglong(std::numeric_limits<unsigned>::max()))
        return nDefault;
    return int(static_cast<unsigned>(n));
}

QString GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault)
{
    CSection s(strSection);
    const QVariant v = s.settings.value(strEntry);
    return v.isValid() ? v.toString() : strDefault;
}

bool WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue)
{
    CSection s(strSection);
    s.settings.setValue(strEntry, nValue);
    s.settings.sync();
    return s.settings.status() == QSettings::NoError;
}

bool WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue)
{
    CSection s(strSection);
    s.settings.setValue(strEntry, strValue);
    s.settings.sync();
    return s.settings.status() == QSettings::NoError;
}
