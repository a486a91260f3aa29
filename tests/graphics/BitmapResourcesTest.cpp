// Checks the compiled-in bitmap resources (sizes, cell layouts, key colours) and the shipped backgrounds.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

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

template <typename Pred>
int Count(const QImage& img, const QRect& rc, Pred pred)
{
    int n = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y)
        for (int x = rc.left(); x <= rc.right(); ++x)
            n += pred(Px(img, x, y)) ? 1 : 0;
    return n;
}

int CountNotKey(const QImage& img, const QRect& rc, QRgb key)
{
    return Count(img, rc, [key](QRgb c) { return c != key; });
}

// The cells of a strip, as bytes, to tell whether they differ.
int DistinctCells(const QImage& img, int nCells, int cx)
{
    QSet<QByteArray> cells;
    for (int i = 0; i < nCells; ++i) {
        const QImage one = img.copy(cx * i, 0, cx, img.height());
        cells.insert(QByteArray(reinterpret_cast<const char*>(one.constBits()), int(one.sizeInBytes())));
    }
    return int(cells.size());
}

} // namespace

TEST(BitmapResources, EveryBitmapHasItsSize)
{
    const int table[][3] = {{128, 16, 16}, {131, 152, 18}, {132, 20, 20}, {133, 20, 20}, {134, 20, 20},
                            {138, 24, 22}, {139, 24, 22},  {140, 186, 7}, {145, 299, 50}, {146, 20, 20},
                            {147, 20, 20}, {156, 30, 30},  {157, 40, 10}, {159, 62, 60}, {160, 100, 13}};
    for (const auto& [id, w, h] : table) {
        const QImage img = LoadBitmap(id);
        ASSERT_FALSE(img.isNull()) << "bitmap " << id << " is missing from the resources";
        EXPECT_EQ(img.size(), QSize(w, h)) << "bitmap " << id;
    }
    EXPECT_TRUE(LoadBitmap(129).isNull()) << "an unknown number finds nothing";
    QSet<QByteArray> buttons;
    for (int id : {132, 133, 134, 146, 147}) {
        const QImage img = LoadBitmap(id);
        buttons.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
    }
    EXPECT_EQ(buttons.size(), 5) << "each button its own picture";
}

// Transparent copies treat exactly the key colour as hole: a figure pixel that
// is the key, or a blended edge close to it, would show as a hole or a fringe.
TEST(BitmapResources, KeyedBitmapsHaveCleanKeyColour)
{
    const std::pair<int, QRgb> keyed[] = {{138, kBlue}, {139, kBlue}, {140, kBlue}, {145, kBlue}, {157, kRed}};
    for (const auto& [id, key] : keyed) {
        const QImage img = LoadBitmap(id);
        ASSERT_FALSE(img.isNull()) << id;
        const int nKey = Count(img, img.rect(), [key](QRgb c) { return c == key; });
        const int nBleed = Count(img, img.rect(), [key](QRgb c) {
            return c != key && std::max({std::abs(qRed(c) - qRed(key)), std::abs(qGreen(c) - qGreen(key)),
                                         std::abs(qBlue(c) - qBlue(key))}) <= 60;
        });
        EXPECT_EQ(nBleed, 0) << "bitmap " << id << " has pixels that bleed into the key";
        EXPECT_GT(nKey, 0) << id;
        EXPECT_LT(nKey, img.width() * img.height()) << id;
    }
}

TEST(BitmapResources, WalkerFramesStayInTheirColumnsOverTheChasm)
{
    const QImage img = LoadBitmap(145);
    ASSERT_EQ(img.size(), QSize(299, 50));
    EXPECT_EQ(CountNotKey(img, QRect(288, 0, 11, 50), kBlue), 0) << "past the last frame";
    for (int f = 0; f < 8; ++f) {
        EXPECT_GT(CountNotKey(img, QRect(36 * f, 0, 36, 50), kBlue), 300) << "frame " << f << " holds an animal";
        // Frames are copied opaquely two pixels further right each tick: their
        // left columns must be background or they leave a trail.
        EXPECT_EQ(CountNotKey(img, QRect(36 * f, 0, 3, 50), kBlue), 0) << "frame " << f;
    }
    EXPECT_EQ(DistinctCells(img, 8, 36), 8) << "a walk cycle and a fall";

    // The walker's feet pass over the top rows of the banks and the rope: they are chasm.
    const QImage left = LoadBitmap(138), right = LoadBitmap(139), rope = LoadBitmap(140);
    EXPECT_EQ(right, left.mirrored(true, false));
    EXPECT_EQ(CountNotKey(left, QRect(0, 0, 24, 1), kBlue), 0);
    EXPECT_EQ(CountNotKey(rope, QRect(0, 0, 186, 1), kBlue), 0);
    EXPECT_NE(Px(left, 0, 21), kBlue) << "ground at the outer side";
    EXPECT_EQ(Px(left, 23, 21), kBlue) << "chasm at the right";
}

TEST(BitmapResources, CrittersFillFourCells)
{
    const QImage img = LoadBitmap(157);
    ASSERT_EQ(img.size(), QSize(40, 10));
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(CountNotKey(img, QRect(10 * i, 0, 10, 10), kRed), 30) << "critter " << i;
    EXPECT_EQ(DistinctCells(img, 4, 10), 4);
}

TEST(BitmapResources, DigitStripsHoldTheDigitsInOrderInTheirCells)
{
    for (const auto& [id, cx, bGreen] : {std::tuple(160, 10, true), std::tuple(131, 15, false)}) {
        const QImage img = LoadBitmap(id);
        ASSERT_FALSE(img.isNull());
        const int h = img.height();
        auto lit = [bGreen = bGreen](QRgb c) {
            return bGreen ? qGreen(c) > 150 && qGreen(c) > qRed(c) + 80 : qRed(c) > 150 && qRed(c) > qGreen(c) + 80;
        };
        std::vector<int> counts;
        for (int d = 0; d < 10; ++d) {
            counts.push_back(Count(img, QRect(d * cx, 0, cx, h), lit));
            // Digits keep off their cell's left edge, so neighbours never touch.
            EXPECT_EQ(Count(img, QRect(d * cx, 0, 1, h), lit), 0) << id << " digit " << d;
            EXPECT_EQ(Px(img, d * cx, 0), qRgb(0, 0, 0)) << id << " background is black";
        }
        EXPECT_EQ(DistinctCells(img, 10, cx), 10) << id;
        EXPECT_EQ(*std::max_element(counts.begin(), counts.end()), counts[8]) << id << ": 8 lights every segment";
        EXPECT_EQ(*std::min_element(counts.begin(), counts.end()), counts[1]) << id << ": 1 lights fewest";
        EXPECT_GT(counts[1], 0);
        if (img.width() > 10 * cx) // the red strip's spare columns past its tenth cell
            EXPECT_EQ(Count(img, QRect(10 * cx, 0, img.width() - 10 * cx, h), lit), 0);
    }
}

namespace {

QStringList ShippedBackgrounds()
{
    return QDir(QStringLiteral(QX_SOURCE_DIR "/data")).entryList({"*.jpg", "*.gif"}, QDir::Files, QDir::Name);
}

// Mean channel difference between two columns (or rows) of the picture.
double LineDifference(const QImage& img, bool bColumns, int a, int b)
{
    const int n = bColumns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = bColumns ? Px(img, a, i) : Px(img, i, a), q = bColumns ? Px(img, b, i) : Px(img, i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

} // namespace

// Screens tile the picture from the origin, so it must load, fit the screen and
// change across its wrap-around seams no more than between neighbouring lines inside.
TEST(Backgrounds, ShippedPicturesLoadFitAndTile)
{
    const QStringList names = ShippedBackgrounds();
    EXPECT_TRUE(names.contains(QStringLiteral("Blue01.jpg"))) << "the default background";
    EXPECT_FALSE(names.filter(QStringLiteral(".gif")).isEmpty()) << "one background is a GIF";
    for (const QString& name : names) {
        QImageReader reader(QStringLiteral(QX_SOURCE_DIR "/data/") + name);
        const QImage img = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
        EXPECT_LE(img.width(), 240) << qPrintable(name);
        EXPECT_LE(img.height(), 320) << qPrintable(name);
        // The preferences list shows names lower-cased with a capital first letter.
        EXPECT_EQ(name, name.left(1).toUpper() + name.mid(1).toLower());
        for (const bool bColumns : {true, false}) {
            const int n = bColumns ? img.width() : img.height();
            double inner = 0;
            for (int i = 0; i + 1 < n; ++i)
                inner += LineDifference(img, bColumns, i, i + 1) / (n - 1);
            EXPECT_LE(LineDifference(img, bColumns, n - 1, 0), 2.0 * inner + 2.0) << qPrintable(name) << " seam";
        }
    }
}
