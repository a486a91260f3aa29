// Checks the compiled-in bitmap resources (sizes, cell layouts, key colours) and the shipped backgrounds.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTransform>
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

QByteArray Bytes(const QImage& img) { return QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())); }

// How many of the strip's cells differ from each other.
int DistinctCells(const QImage& img, int nCells, int cx)
{
    QSet<QByteArray> cells;
    for (int i = 0; i < nCells; ++i)
        cells.insert(Bytes(img.copy(cx * i, 0, cx, img.height())));
    return int(cells.size());
}

// Mean channel difference between columns a and b.
double ColumnDifference(const QImage& img, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = Px(img, a, y), q = Px(img, b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
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
    for (int id : {132, 133, 134, 146, 147})
        buttons.insert(Bytes(LoadBitmap(id)));
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

TEST(BitmapResources, FigureStripsHoldOneDistinctFigurePerCell)
{
    // Walker frame f at x = 36 f (a walk cycle and a fall); critters in 10 x 10 cells.
    for (const auto& [id, nCells, cx, key, nMin] : {std::tuple(145, 8, 36, kBlue, 300), std::tuple(157, 4, 10, kRed, 30)}) {
        const QImage img = LoadBitmap(id);
        ASSERT_FALSE(img.isNull()) << id;
        for (int i = 0; i < nCells; ++i)
            EXPECT_GT(CountNotKey(img, QRect(cx * i, 0, cx, img.height()), key), nMin) << id << " cell " << i;
        EXPECT_EQ(DistinctCells(img, nCells, cx), nCells) << id;
    }
}

TEST(BitmapResources, WalkerLeavesNoTrailAndWalksOverChasm)
{
    const QImage img = LoadBitmap(145);
    ASSERT_EQ(img.size(), QSize(299, 50));
    EXPECT_EQ(CountNotKey(img, QRect(288, 0, 11, 50), kBlue), 0) << "past the last frame";
    // Frames are copied opaquely two pixels further right each tick: their
    // left columns must be background or they leave a trail.
    for (int f = 0; f < 8; ++f)
        EXPECT_EQ(CountNotKey(img, QRect(36 * f, 0, 3, 50), kBlue), 0) << "frame " << f;

    // The walker's feet pass over the top rows of the banks and the rope: they are chasm.
    const QImage left = LoadBitmap(138), right = LoadBitmap(139), rope = LoadBitmap(140);
    EXPECT_EQ(right, left.mirrored(true, false));
    EXPECT_EQ(CountNotKey(left, QRect(0, 0, 24, 1), kBlue), 0);
    EXPECT_EQ(CountNotKey(rope, QRect(0, 0, 186, 1), kBlue), 0);
    EXPECT_NE(Px(left, 0, 21), kBlue) << "ground at the outer side";
    EXPECT_EQ(Px(left, 23, 21), kBlue) << "chasm at the right";
}

// The games copy digit d from x = 10 d (the red strip 131 is not drawn, so only its size counts).
TEST(BitmapResources, DigitStripHoldsTheDigitsInOrderInTheirCells)
{
    const QImage img = LoadBitmap(160);
    ASSERT_FALSE(img.isNull());
    auto lit = [](QRgb c) { return qGreen(c) > 150 && qGreen(c) > qRed(c) + 80; };
    std::vector<int> counts;
    for (int d = 0; d < 10; ++d) {
        counts.push_back(Count(img, QRect(d * 10, 0, 10, 13), lit));
        // Digits keep off their cell's left edge, so neighbours never touch.
        EXPECT_EQ(Count(img, QRect(d * 10, 0, 1, 13), lit), 0) << "digit " << d;
    }
    EXPECT_EQ(DistinctCells(img, 10, 10), 10);
    EXPECT_EQ(*std::max_element(counts.begin(), counts.end()), counts[8]) << "8 lights every segment";
    EXPECT_EQ(*std::min_element(counts.begin(), counts.end()), counts[1]) << "1 lights fewest";
    EXPECT_GT(counts[1], 0);
}

// Screens tile the picture from the origin, so it must load, fit the screen and
// change across its wrap-around seams no more than between neighbouring lines inside.
TEST(Backgrounds, ShippedPicturesLoadFitAndTile)
{
    const QString dir = QStringLiteral(QX_SOURCE_DIR "/data/");
    const QStringList names = QDir(dir).entryList({"*.jpg", "*.gif"}, QDir::Files, QDir::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("Blue01.jpg"))) << "the default background";
    EXPECT_FALSE(names.filter(QStringLiteral(".gif")).isEmpty()) << "one background is a GIF";
    for (const QString& name : names) {
        QImageReader reader(dir + name);
        const QImage img = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
        EXPECT_LE(img.width(), 240) << qPrintable(name);
        EXPECT_LE(img.height(), 320) << qPrintable(name);
        // The preferences list shows names lower-cased with a capital first letter.
        EXPECT_EQ(name, name.left(1).toUpper() + name.mid(1).toLower());
        // Rows are the columns of the picture turned a quarter.
        for (const QImage& m : {img, img.transformed(QTransform().rotate(90))}) {
            double inner = 0;
            for (int x = 0; x + 1 < m.width(); ++x)
                inner += ColumnDifference(m, x, x + 1) / (m.width() - 1);
            EXPECT_LE(ColumnDifference(m, m.width() - 1, 0), 2.0 * inner + 2.0) << qPrintable(name) << " seam";
        }
    }
}
