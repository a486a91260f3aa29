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
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString SourceHelp() { return ReadHelp(QStringLiteral(QX_SOURCE_DIR "/resources/help/Quillotrix.htm")); }

QStringList Captures(const QString& strText, const QString& strPattern)
{
    QStringList out;
    QRegularExpressionMatchIterator it = QRegularExpression(strPattern).globalMatch(strText);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

} // namespace

TEST(HelpFile, HoldsEveryAnchorTheProgramOpens)
{
    const QString html = SourceHelp();
    ASSERT_FALSE(html.isEmpty());
    // The main frame, the About box, the preferences and the colour dialog open these.
    for (const char* anchor : {"Main_Contents", "Tessaryl", "Spanwright", "Cascadio", "Preferences"})
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(anchor)))) << anchor;
}

TEST(HelpFile, LinksResolveAndNothingIsFetchedFromOutside)
{
    const QString html = SourceHelp();
    ASSERT_FALSE(html.isEmpty());
    const QStringList ids = Captures(html, QStringLiteral("\\bid=\"([^\"]+)\""));
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size()) << "anchors are unique";
    for (const QString& target : Captures(html, QStringLiteral("href=\"#([^\"]+)\"")))
        EXPECT_TRUE(ids.contains(target)) << qPrintable(target);
    // Self-contained: no other hrefs, no scripts, no style sheets or pictures from elsewhere.
    EXPECT_TRUE(Captures(html, QStringLiteral("href=\"([^#][^\"]*)\"")).isEmpty());
    EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
    EXPECT_FALSE(html.contains(QStringLiteral("<link"), Qt::CaseInsensitive));
    EXPECT_FALSE(html.contains(QStringLiteral("url("), Qt::CaseInsensitive));
    for (const QString& src : Captures(html, QStringLiteral("src=\"([^\"]*)\"")))
        EXPECT_TRUE(src.startsWith(QStringLiteral("data:image/png;base64,"))) << qPrintable(src.left(40));
}

TEST(HelpFile, EmbeddedPicturesDecode)
{
    const QStringList pictures = Captures(SourceHelp(), QStringLiteral("src=\"data:image/png;base64,([^\"]+)\""));
    EXPECT_GE(pictures.size(), 5) << "the buttons are shown as they look in the games";
    for (const QString& b64 : pictures) {
        const QImage img = QImage::fromData(QByteArray::fromBase64(b64.toLatin1()), "PNG");
        EXPECT_FALSE(img.isNull());
    }
}

TEST(HelpFile, TheBuildPutsItBesideTheProgram)
{
    const QString copied = ReadHelp(QStringLiteral(QX_BIN_DIR "/Quillotrix.htm"));
    EXPECT_FALSE(copied.isEmpty()) << "the help viewer looks for it in the program folder";
    EXPECT_EQ(copied, SourceHelp());
}
