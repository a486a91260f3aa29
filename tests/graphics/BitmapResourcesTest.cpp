// Checks the compiled-in bitmap resources (sizes, cell layouts, key colours) and the shipped backgrounds.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

#include <cstdlib>

// The resources live in a static library: register them before the first look-up.
static void InitBitmapResources() { Q_INIT_RESOURCE(bitmaps); }

namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

QImage LoadBitmap(int nId)
{
    InitBitmapResources();
    const QImage img(QStringLiteral(":/bitmaps/%1.png").arg(nId));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_RGB32);
}

QRgb Px(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000u; }

int Luma(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

template <typename Pred>
int Count(const QImage& img, const QRect& rc, Pred pred)
{
    int n = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y)
        for (int x = rc.left(); x <= rc.right(); ++x)
            if (pred(Px(img, x, y)))
                ++n;
    return n;
}

int CountNotKey(const QImage& img, const QRect& rc, QRgb key)
{
    return Count(img, rc, [key](QRgb c) { return c != key; });
}

bool IsYellow(QRgb c) { return qRed(c) > 190 && qGreen(c) > 130 && qBlue(c) < qRed(c) - 60; }
bool IsGreen(QRgb c) { return qGreen(c) > 150 && qRed(c) < 140 && qBlue(c) < 140; }
bool IsBlueFace(QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 30; }

} // namespace

TEST(BitmapResources, EveryBitmapHasItsSize)
{
    struct Expected {
        int id, w, h;
    };
    const Expected table[] = {{128, 16, 16}, {131, 152, 18}, {132, 20, 20}, {133, 20, 20}, {134, 20, 20},
                              {138, 24, 22}, {139, 24, 22},  {140, 186, 7}, {145, 299, 50}, {146, 20, 20},
                              {147, 20, 20}, {156, 30, 30},  {157, 40, 10}, {159, 62, 60}, {160, 100, 13}};
    for (const Expected& e : table) {
        const QImage img = LoadBitmap(e.id);
        ASSERT_FALSE(img.isNull()) << "bitmap " << e.id << " is missing from the resources";
        EXPECT_EQ(img.size(), QSize(e.w, e.h)) << "bitmap " << e.id;
    }
    EXPECT_TRUE(LoadBitmap(129).isNull()) << "an unknown number finds nothing";
}

// Transparent copies treat exactly the key colour as hole: a figure pixel that
// is the key, or a blended edge close to it, would show as a hole or a fringe.
TEST(BitmapResources, KeyedBitmapsHaveCleanKeyColour)
{
    const std::pair<int, QRgb> keyed[] = {{138, kBlue}, {139, kBlue}, {140, kBlue}, {145, kBlue}, {157, kRed}};
    for (const auto& [id, key] : keyed) {
        const QImage img = LoadBitmap(id);
        ASSERT_FALSE(img.isNull()) << id;
        int nKey = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = Px(img, x, y);
                if (c == key)
                    ++nKey;
                else
                    EXPECT_GT(ChannelDistance(c, key), 60) << "bitmap " << id << " pixel " << x << "," << y << " bleeds into the key";
            }
        EXPECT_GT(nKey, 0) << id;
        EXPECT_LT(nKey, img.width() * img.height()) << id;
    }
}

TEST(BitmapResources, WalkerFramesStayInTheirColumns)
{
    const QImage img = LoadBitmap(145);
    ASSERT_EQ(img.size(), QSize(299, 50));
    for (const QPoint p : {QPoint(0, 0), QPoint(298, 0), QPoint(0, 49), QPoint(298, 49)})
        EXPECT_EQ(Px(img, p.x(), p.y()), kBlue) << p.x() << "," << p.y();
    // Past the last frame the strip is background.
    EXPECT_EQ(CountNotKey(img, QRect(288, 0, 11, 50), kBlue), 0);

    QSet<QByteArray> frames;
    long rSum = 0, gSum = 0, bSum = 0, nFur = 0;
    for (int f = 0; f < 8; ++f) {
        const QRect cell(36 * f, 0, 36, 50);
        EXPECT_GT(CountNotKey(img, cell, kBlue), 300) << "frame " << f << " holds an animal";
        // Frames are copied opaquely two pixels further right each tick: their
        // left columns must be background or they leave a trail.
        EXPECT_EQ(CountNotKey(img, QRect(36 * f, 0, 3, 50), kBlue), 0) << "frame " << f;
        if (f < 7) {
            // The animal stands on the bank and the bridge beads: some foot is on the last row.
            EXPECT_GT(CountNotKey(img, QRect(36 * f, 49, 36, 1), kBlue), 0) << "frame " << f;
        }
        const QImage one = img.copy(cell);
        frames.insert(QByteArray(reinterpret_cast<const char*>(one.constBits()), int(one.sizeInBytes())));
        for (int y = 0; y < 50; ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QRgb c = Px(img, x, y);
                if (c != kBlue) {
                    rSum += qRed(c);
                    gSum += qGreen(c);
                    bSum += qBlue(c);
                    ++nFur;
                }
            }
    }
    EXPECT_EQ(frames.size(), 8) << "every frame differs: a walk cycle and a fall";
    ASSERT_GT(nFur, 0);
    // Brown: red above green above blue on average.
    EXPECT_GT(rSum / nFur, gSum / nFur);
    EXPECT_GT(gSum / nFur, bSum / nFur);
}

TEST(BitmapResources, BanksMirrorEachOtherAndOpenOntoTheChasm)
{
    const QImage left = LoadBitmap(138);
    const QImage right = LoadBitmap(139);
    ASSERT_EQ(left.size(), QSize(24, 22));
    ASSERT_EQ(right.size(), QSize(24, 22));
    EXPECT_EQ(right, left.mirrored(true, false));
    // The walking frames cover the top row, so it is chasm.
    EXPECT_EQ(CountNotKey(left, QRect(0, 0, 24, 1), kBlue), 0);
    // Ground at the bridge's end and at the outer bottom corner, chasm under the edge.
    EXPECT_NE(Px(left, 23, 1), kBlue);
    EXPECT_NE(Px(left, 0, 21), kBlue);
    EXPECT_EQ(Px(left, 23, 21), kBlue);
    EXPECT_EQ(Px(right, 0, 21), kBlue);
    // Grass on top: green dominates the first rows of ground.
    EXPECT_GT(Count(left, QRect(0, 1, 24, 2), [](QRgb c) { return qGreen(c) > qRed(c) && qGreen(c) > qBlue(c); }), 40);
}

TEST(BitmapResources, RopeHasABeadInEverySegment)
{
    const QImage img = LoadBitmap(140);
    ASSERT_EQ(img.size(), QSize(186, 7));
    EXPECT_EQ(CountNotKey(img, QRect(0, 0, 186, 1), kBlue), 0) << "the top row stays free for the walker's feet";
    for (int seg = 0; seg < 31; ++seg)
        EXPECT_GE(CountNotKey(img, QRect(seg * 6, 1, 6, 6), kBlue), 15) << "segment " << seg;
}

TEST(BitmapResources, CrittersAreThreeWhiteAndOneBlackOnRed)
{
    const QImage img = LoadBitmap(157);
    ASSERT_EQ(img.size(), QSize(40, 10));
    auto white = [](QRgb c) { return qRed(c) >= 220 && qGreen(c) >= 220 && qBlue(c) >= 220; };
    auto dark = [](QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; };
    QSet<QByteArray> cells;
    for (int i = 0; i < 4; ++i) {
        const QRect cell(10 * i, 0, 10, 10);
        EXPECT_GT(CountNotKey(img, cell, kRed), 30) << "critter " << i;
        if (i < 3)
            EXPECT_GE(Count(img, cell, white), 15) << "critter " << i << " is white";
        else {
            EXPECT_EQ(Count(img, cell, white), 0) << "the fourth critter is black";
            EXPECT_GE(Count(img, cell, dark), 30);
        }
        const QImage one = img.copy(cell);
        cells.insert(QByteArray(reinterpret_cast<const char*>(one.constBits()), int(one.sizeInBytes())));
    }
    EXPECT_EQ(cells.size(), 4) << "the white frames differ, so the critter moves";
    // The background around the figures is key colour.
    EXPECT_EQ(Px(img, 0, 0), kRed);
    EXPECT_EQ(Px(img, 39, 0), kRed);
}

TEST(BitmapResources, DigitStripsHoldTenDistinctDigitsInTheirCells)
{
    struct Strip {
        int id, cell;
        bool green;
    };
    for (const Strip s : {Strip{160, 10, true}, Strip{131, 15, false}}) {
        const QImage img = LoadBitmap(s.id);
        ASSERT_FALSE(img.isNull());
        const int h = img.height();
        auto lit = [&](QRgb c) { return s.green ? qGreen(c) > 150 && qGreen(c) > qRed(c) + 80 : qRed(c) > 150 && qRed(c) > qGreen(c) + 80; };
        QSet<QString> patterns;
        int counts[10];
        for (int d = 0; d < 10; ++d) {
            QString pattern;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < s.cell; ++x)
                    pattern += lit(Px(img, d * s.cell + x, y)) ? QLatin1Char('#') : QLatin1Char('.');
            patterns.insert(pattern);
            counts[d] = int(pattern.count(QLatin1Char('#')));
            // Digits keep off their cell's left edge, so neighbours never touch.
            EXPECT_EQ(Count(img, QRect(d * s.cell, 0, 1, h), lit), 0) << s.id << " digit " << d;
            EXPECT_EQ(Px(img, d * s.cell, 0), qRgb(0, 0, 0)) << s.id << " background is black";
        }
        EXPECT_EQ(patterns.size(), 10) << s.id;
        EXPECT_EQ(*std::max_element(counts, counts + 10), counts[8]) << s.id << ": 8 lights every segment";
        EXPECT_EQ(*std::min_element(counts, counts + 10), counts[1]) << s.id << ": 1 lights fewest";
        EXPECT_GT(counts[1], 0);
        // Only the 152-pixel red strip has spare columns past its tenth cell.
        if (img.width() > 10 * s.cell)
            EXPECT_EQ(Count(img, QRect(10 * s.cell, 0, img.width() - 10 * s.cell, h), lit), 0);
    }
}

TEST(BitmapResources, GameButtonsAreBevelledBlueWithDistinctSymbols)
{
    QSet<QByteArray> seen;
    for (int id : {132, 133, 134, 146, 147}) {
        const QImage img = LoadBitmap(id);
        ASSERT_EQ(img.size(), QSize(20, 20)) << id;
        EXPECT_GT(Luma(Px(img, 0, 10)), Luma(Px(img, 19, 10)) + 80) << id << ": light left edge, dark right edge";
        EXPECT_GT(Luma(Px(img, 10, 0)), Luma(Px(img, 10, 19)) + 80) << id << ": light top, dark bottom";
        EXPECT_GT(Count(img, img.rect(), IsBlueFace), 150) << id;
        if (id == 133)
            EXPECT_GE(Count(img, img.rect(), IsGreen), 20) << "green check mark";
        else
            EXPECT_GE(Count(img, img.rect(), IsYellow), 20) << id << " has a yellow symbol";
        seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 5);
}

TEST(BitmapResources, HelpButtonWhiteSquareAndAboutPicture)
{
    const QImage help = LoadBitmap(128);
    auto grey = [](QRgb c) { return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 150 && qRed(c) < 230; };
    EXPECT_GT(Count(help, help.rect(), grey), 100);
    EXPECT_GE(Count(help, help.rect(), IsYellow), 10);

    const QImage white = LoadBitmap(156);
    EXPECT_EQ(Count(white, white.rect(), [](QRgb c) { return c == qRgb(255, 255, 255); }), 30 * 30);

    const QImage about = LoadBitmap(159);
    QSet<QRgb> colours;
    for (int y = 0; y < about.height(); ++y)
        for (int x = 0; x < about.width(); ++x)
            colours.insert(Px(about, x, y));
    EXPECT_GT(colours.size(), 30) << "a picture, not a flat fill";
}

namespace {

QStringList ShippedBackgrounds()
{
    const QDir dir(QStringLiteral(QX_SOURCE_DIR "/data"));
    return dir.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
}

// Mean absolute difference between column a and column b (or rows).
double LineDifference(const QImage& img, bool bColumns, int a, int b)
{
    const int n = bColumns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = bColumns ? Px(img, a, i) : Px(img, i, a);
        const QRgb q = bColumns ? Px(img, b, i) : Px(img, i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

} // namespace

TEST(Backgrounds, ShippedPicturesLoadAndFitTheScreen)
{
    const QStringList names = ShippedBackgrounds();
    EXPECT_GE(names.size(), 3);
    EXPECT_TRUE(names.contains(QStringLiteral("Blue01.jpg"))) << "the default background";
    bool bGif = false;
    for (const QString& name : names) {
        QImageReader reader(QStringLiteral(QX_SOURCE_DIR "/data/") + name);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
        EXPECT_LE(img.width(), 240) << qPrintable(name);
        EXPECT_LE(img.height(), 320) << qPrintable(name);
        bGif = bGif || name.endsWith(QStringLiteral(".gif"));
        // The preferences list shows names lower-cased with a capital first
        // letter; shipped names already look like that.
        EXPECT_EQ(name, name.left(1).toUpper() + name.mid(1).toLower());
    }
    EXPECT_TRUE(bGif) << "one background is a GIF";

    const QImage blue = QImage(QStringLiteral(QX_SOURCE_DIR "/data/Blue01.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(blue.isNull());
    long r = 0, b = 0;
    for (int y = 0; y < blue.height(); ++y)
        for (int x = 0; x < blue.width(); ++x) {
            r += qRed(Px(blue, x, y));
            b += qBlue(Px(blue, x, y));
        }
    EXPECT_GT(b, r + r / 4) << "Blue01 is blue";
}

// Screens tile the picture: its right edge meets its left edge and its bottom
// its top. Across that seam the picture should change no more than between
// any two neighbouring columns or rows inside it.
TEST(Backgrounds, PicturesTileWithoutSeams)
{
    for (const QString& name : ShippedBackgrounds()) {
        const QImage img = QImage(QStringLiteral(QX_SOURCE_DIR "/data/") + name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << qPrintable(name);
        for (const bool bColumns : {true, false}) {
            const int n = bColumns ? img.width() : img.height();
            double inner = 0;
            for (int i = 0; i + 1 < n; ++i)
                inner += LineDifference(img, bColumns, i, i + 1);
            inner /= n - 1;
            const double seam = LineDifference(img, bColumns, n - 1, 0);
            EXPECT_LE(seam, 2.0 * inner + 2.0)
                << qPrintable(name) << (bColumns ? " left/right" : " top/bottom") << " seam " << seam << " inner " << inner;
        }
    }
}
