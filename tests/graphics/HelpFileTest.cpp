// Checks the player's help file that ships beside the program: its anchors, links and embedded pictures.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString ReadHelp(const QString& strPath)
{
    QFile f(strPath);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Captures(const QString& strText, const char* pszPattern)
{
    QStringList out;
    for (const auto& m : QRegularExpression(QLatin1String(pszPattern)).globalMatch(strText))
        out << m.captured(1);
    return out;
}

} // namespace

TEST(HelpFile, AnchorsLinksAndPicturesAreWholeAndTheBuildCopiesIt)
{
    const QString html = ReadHelp(QStringLiteral(QX_SOURCE_DIR "/resources/help/Quillotrix.htm"));
    ASSERT_FALSE(html.isEmpty());
    const QStringList ids = Captures(html, "\\bid=\"([^\"]+)\"");
    // The main frame, the About box, the preferences and the colour dialog open these.
    for (const char* anchor : {"Main_Contents", "Tessaryl", "Spanwright", "Cascadio", "Preferences"})
        EXPECT_TRUE(ids.contains(QLatin1String(anchor))) << anchor;
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size()) << "anchors are unique";
    for (const QString& target : Captures(html, "href=\"#([^\"]+)\""))
        EXPECT_TRUE(ids.contains(target)) << qPrintable(target);
    // Self-contained: no other hrefs, no scripts, no style sheets or pictures from elsewhere.
    EXPECT_TRUE(Captures(html, "href=\"([^#][^\"]*)\"").isEmpty());
    for (const char* outside : {"<script", "<link", "url("})
        EXPECT_FALSE(html.contains(QLatin1String(outside), Qt::CaseInsensitive)) << outside;
    const QStringList pictures = Captures(html, "src=\"([^\"]*)\"");
    EXPECT_GE(pictures.size(), 5) << "the buttons are shown as they look in the games";
    for (const QString& src : pictures) {
        EXPECT_TRUE(src.startsWith(QStringLiteral("data:image/png;base64,"))) << qPrintable(src.left(40));
        EXPECT_FALSE(QImage::fromData(QByteArray::fromBase64(src.section(',', 1).toLatin1()), "PNG").isNull());
    }
    // The help viewer looks for it in the program folder.
    EXPECT_EQ(ReadHelp(QStringLiteral(QX_BIN_DIR "/Quillotrix.htm")), html);
}
