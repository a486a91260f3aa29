// Fuzzer: the input is a .thm theme file; load it, check what was taken, write it and read it back.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <unistd.h>

#include "dialogs/Theme.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

QString TempPath(const char* pszWhich)
{
    return QStringLiteral("/dev/shm/qx-fuzz-theme-%1-%2.thm").arg(getpid()).arg(QLatin1String(pszWhich));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray input(reinterpret_cast<const char*>(pData), qsizetype(nSize));
    const QString in = TempPath("in");
    {
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(input);
    }

    CTheme theme;
    theme.m_strBackgroundName = QStringLiteral("unchanged");
    theme.m_crCube = 0x123456;
    const BOOL bLoaded = theme.Load(in);
    Check((bLoaded != FALSE) == (input.size() >= CTheme::HEADER_BYTES && input.size() <= CTheme::MAX_FILE_BYTES));
    if (!bLoaded) {
        Check(theme.m_strBackgroundName == QStringLiteral("unchanged") && theme.m_crCube == 0x123456);
        return 0;
    }
    for (COLORREF cr : {theme.m_crCube, theme.m_crFont, theme.m_crSelected})
        Check((cr & 0xFF000000u) == 0);
    Check(theme.m_strBackgroundName.size() <= CTheme::MAX_NAME_BYTES);
    Check(!theme.m_strBackgroundName.contains(QChar(0)));

    // Written back it is the input with the top bytes cleared, cut at the name's first zero byte.
    QByteArray expected = input.left(CTheme::HEADER_BYTES + theme.m_strBackgroundName.size());
    expected[3] = expected[7] = expected[11] = 0;
    Check(theme.ToData() == expected);
    const QString out = TempPath("out");
    Check(theme.Save(out));
    CTheme again;
    Check(again.Load(out));
    Check(again.m_crCube == theme.m_crCube && again.m_crFont == theme.m_crFont && again.m_crSelected == theme.m_crSelected);
    Check(again.m_strBackgroundName == theme.m_strBackgroundName);
    return 0;
}
