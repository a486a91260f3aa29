// Theme files: writing by replacement, reading with every size checked.
#include "dialogs/Theme.h"

#include <QFile>
#include <QtEndian>

#include "framework/Files.h"

namespace {
// The top byte of a colour is always 0.
constexpr COLORREF COLOR_MASK = 0x00FFFFFF;

void AppendColor(QByteArray& data, COLORREF cr)
{
    uchar bytes[4];
    qToLittleEndian<quint32>(cr & COLOR_MASK, bytes);
    data.append(reinterpret_cast<const char*>(bytes), 4);
}

COLORREF ColorAt(const QByteArray& data, int nOffset)
{
    return COLORREF(qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + nOffset)) & COLOR_MASK;
}
} // namespace

QByteArray CTheme::ToData() const
{
    QByteArray data;
    AppendColor(data, m_crCube);
    AppendColor(data, m_crFont);
    AppendColor(data, m_crSelected);
    // The name as 8-bit text up to its first zero, no longer than a load reads back.
    QByteArray name = m_strBackgroundName.toLatin1();
    const qsizetype nZero = name.indexOf('\0');
    if (nZero >= 0)
        name.truncate(nZero);
    data.append(name.left(MAX_NAME_BYTES));
    return data;
}

BOOL CTheme::FromData(const QByteArray& data)
{
    if (data.size() < HEADER_BYTES || data.size() > MAX_FILE_BYTES)
        return FALSE;
    m_crCube = ColorAt(data, 0);
    m_crFont = ColorAt(data, 4);
    m_crSelected = ColorAt(data, 8);
    QByteArray name = data.mid(HEADER_BYTES, MAX_NAME_BYTES);
    const qsizetype nZero = name.indexOf('\0');
    if (nZero >= 0)
        name.truncate(nZero);
    m_strBackgroundName = QString::fromLatin1(name);
    return TRUE;
}

BOOL CTheme::Save(const QString& strPath) const
{
    return WriteFileReplacing(strPath, ToData()) ? TRUE : FALSE;
}

BOOL CTheme::Load(const QString& strPath)
{
    QFile file(FindFileCaseBlind(strPath));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_FILE_BYTES)
        return FALSE;
    // One byte more than allowed shows a file that grew past the limit since its size was read.
    const QByteArray data = file.read(MAX_FILE_BYTES + 1);
    if (file.error() != QFileDevice::NoError)
        return FALSE;
    return FromData(data);
}

BOOL IsSafeThemeName(const QString& strName)
{
    if (strName.isEmpty() || strName == QLatin1String(".") || strName == QLatin1String(".."))
        return FALSE;
    for (const QChar ch : strName) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QChar(0))
            return FALSE;
    }
    return TRUE;
}
