// The compiled-in bitmap resources (sizes, key colours) and the shipped backgrounds.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "graphics/BitmapResource.h"

namespace {
QImage LoadBitmap(int nId)
{
    CBitmap bmp;
    return LoadBitmapResource(bmp, UINT(nId)) ? bmp.GetImage().convertToFormat(QImage::Format_RGB32) : QImage();
}
} // namespace

TEST(BitmapResources, EveryBitmapHasItsSizeAndAnUnknownNumberKeepsTheBitmap)
{
    const int table[][3] = {{128, 16, 16}, {131, 152, 18}, {132, 20, 20}, {133, 20, 20}, {134, 20, 20},
                            {138, 24, 22}, {139, 24, 22},  {140, 186, 7}, {145, 299, 50}, {146, 20, 20},
                            {147, 20, 20}, {156, 30, 30},  {157, 40, 10}, {159, 62, 60}, {160, 100, 13}};
    for (const auto& [id, w, h] : table)
        EXPECT_EQ(LoadBitmap(id).size(), QSize(w, h)) << "bitmap " << id;
    CBitmap bmp;
    QImage img(3, 3, QImage::Format_RGB32);
    bmp.Attach(img);
    EXPECT_FALSE(LoadBitmapResource(bmp, 129));
    EXPECT_EQ(bmp.GetSize(), CSize(3, 3));
}

// Transparent copies treat exactly the key colour as hole: a figure pixel that
// is the key, or a blended edge close to it, would show as a hole or a fringe.
TEST(BitmapResources, KeyedBitmapsHaveCleanKeyColour)
{
    const std::pair<int, QRgb> keyed[] = {{138, qRgb(0, 0, 255)}, {139, qRgb(0, 0, 255)}, {140, qRgb(0, 0, 255)},
                                          {145, qRgb(0, 0, 255)}, {157, qRgb(255, 0, 0)}};
    for (const auto& [id, key] : keyed) {
        const QImage img = LoadBitmap(id);
        int nKey = 0, nBleed = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y) | 0xFF000000u;
                nKey += c == key;
                nBleed += c != key && std::max({std::abs(qRed(c) - qRed(key)), std::abs(qGreen(c) - qGreen(key)),
                                                std::abs(qBlue(c) - qBlue(key))}) <= 60;
            }
        EXPECT_EQ(nBleed, 0) << "bitmap " << id << " has pixels that bleed into the key";
        EXPECT_TRUE(nKey > 0 && nKey < img.width() * img.height()) << id;
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
