// The compiled-in bitmap resources (sizes, key colours) and the shipped backgrounds.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include <algorithm>
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

template <typename Pred>
int Count(const QImage& img, const QRect& rc, Pred pred)
{
    int n = 0;
    for (int y = rc.top(); y <= rc.bottom(); ++y)
        for (int x = rc.left(); x <= rc.right(); ++x)
            n += pred(Px(img, x, y)) ? 1 : 0;
    return n;
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

// Screens tile the picture from the origin and the decoder shrinks it to the screen: the shipped
// ones must load and already fit.
TEST(Backgrounds, ShippedPicturesLoadAndFit)
{
    const QString dir = QStringLiteral(QX_SOURCE_DIR "/data/");
    const QStringList names = QDir(dir).entryList({"*.jpg", "*.gif"}, QDir::Files, QDir::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("Blue01.jpg"))) << "the default background";
    for (const QString& name : names) {
        QImageReader reader(dir + name);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
        EXPECT_TRUE(img.width() <= 240 && img.height() <= 320) << qPrintable(name);
    }
}
