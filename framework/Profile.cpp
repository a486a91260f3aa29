// Settings over QSettings (on Linux ~/.config/Brasswinkle/Quillotrix.conf).
#include "framework/Profile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <limits>

#include "framework/MessageBox.h"

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

bool ToProfileInt(const QVariant& v, int& nValue)
{
    if (!v.isValid())
        return false;
    bool bOk = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&bOk);
    // A 32-bit value written as unsigned reads back as the same bits.
    if (!bOk || n < std::numeric_limits<int>::min() || n > qlonglong(std::numeric_limits<unsigned>::max()))
        return false;
    nValue = int(static_cast<unsigned>(n));
    return true;
}

bool SyncOk(QSettings& settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

void SetRegistryKey(const QString& strCompany) { Company() = strCompany; }

QString GetProfileFileName() { return QSettings(Company(), QStringLiteral("Quillotrix")).fileName(); }

int GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault)
{
    CSection s(strSection);
    int nValue = nDefault;
    return ToProfileInt(s.settings.value(strEntry), nValue) ? nValue : nDefault;
}

QString GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault)
{
    CSection s(strSection);
    const QVariant v = s.settings.value(strEntry);
    return v.isValid() ? v.toString() : strDefault;
}

bool WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue)
{
    CProfileBatch batch(strSection);
    batch.WriteInt(strEntry, nValue);
    return batch.Commit();
}

bool WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue)
{
    CProfileBatch batch(strSection);
    batch.WriteString(strEntry, strValue);
    return batch.Commit();
}

bool ReportProfileWrite(bool bWritten)
{
    static bool s_bShown = false;
    if (bWritten)
        s_bShown = false;
    else if (!s_bShown) {
        s_bShown = true;
        QxMessageBox(QStringLiteral("Error: unable to save the settings and high scores to %1").arg(GetProfileFileName()));
    }
    return bWritten;
}

struct CProfileBatch::CData {
    // Not QSettings' own lock (its sync takes that one): a second name that only this program uses.
    explicit CData(const QString& strSection)
        : lock(GetProfileFileName() + QStringLiteral(".batch-lock")), section(strSection)
    {
        QDir().mkpath(QFileInfo(GetProfileFileName()).path());
        lock.setStaleLockTime(10000);
        // A folder that takes no lock file takes no settings either; the commit then says so.
        lock.tryLock(3000);
    }
    QLockFile lock; // taken before the settings are read, so they are read afresh under it
    CSection section;
};

CProfileBatch::CProfileBatch(const QString& strSection) : m_pData(std::make_unique<CData>(strSection)) {}

CProfileBatch::~CProfileBatch() = default;

bool CProfileBatch::Contains(const QString& strEntry) { return m_pData->section.settings.contains(strEntry); }

bool CProfileBatch::ReadInt(const QString& strEntry, int& nValue)
{
    return ToProfileInt(m_pData->section.settings.value(strEntry), nValue);
}

void CProfileBatch::WriteInt(const QString& strEntry, int nValue) { m_pData->section.settings.setValue(strEntry, nValue); }

void CProfileBatch::WriteString(const QString& strEntry, const QString& strValue)
{
    m_pData->section.settings.setValue(strEntry, strValue);
}

bool CProfileBatch::Commit() { return SyncOk(m_pData->section.settings); }
