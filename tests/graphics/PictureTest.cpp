// Background pictures: decoding, scaling down, failures, drawing and tiling; bitmap resources.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "graphics/BitmapResource.h"
#include "graphics/Picture.h"
#include "tests/support/TestEnv.h"

namespace {
QString WriteImage(const QString& name, int w, int h, QRgb colour, const char* format)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    const QString path = TestRootFolder() + name;
    EXPECT_TRUE(img.save(path, format));
    return path;
}

// A 30 x 20 pure blue GIF (Qt reads GIF but cannot write it).
QString WriteBlueGif(const QString& name)
{
    static const unsigned char gif[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x1e, 0x00, 0x14, 0x00, 0xf0, 0x00, 0x00, 0x00, 0x00, 0xff,
        0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
        0x1e, 0x00, 0x14, 0x00, 0x00, 0x02, 0x17, 0x84, 0x8f, 0xa9, 0xcb, 0xed, 0x0f, 0xa3, 0x9c, 0xb4,
        0xda, 0x8b, 0xb3, 0xde, 0xbc, 0xfb, 0x0f, 0x86, 0xe2, 0x48, 0x96, 0x66, 0x52, 0x00, 0x00, 0x3b};
    const QString path = TestRootFolder() + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(gif), sizeof gif);
    return path;
}

struct Target {
    Target(int cx, int cy)
    {
        dc.CreateCompatibleDC(nullptr);
        bmp.CreateCompatibleBitmap(&dc, cx, cy);
        dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, cx, cy, RGB(1, 2, 3));
    }
    CDC dc;
    CBitmap bmp;
};
} // namespace

TEST(Picture, LoadsJpegAndGifAndDrawsAtTheGivenPoint)
{
    EXPECT_TRUE(LoadImageDecoder());
    CPicture pic;
    EXPECT_FALSE(pic.IsLoaded());
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteBlueGif("blue.gif")));
    ASSERT_TRUE(pic.IsLoaded());
    EXPECT_EQ(pic.GetWidth(), 30);
    EXPECT_EQ(pic.GetHeight(), 20);
    Target t(50, 50);
    EXPECT_TRUE(pic.Draw(&t.dc, 5, 5));
    EXPECT_EQ(t.dc.GetPixel(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(t.dc.GetPixel(34, 24), RGB(0, 0, 255));
    EXPECT_EQ(t.dc.GetPixel(35, 24), RGB(1, 2, 3));

    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("grey.jpg", 10, 10, qRgb(128, 128, 128), "JPG")));
    EXPECT_EQ(pic.GetWidth(), 10);
}

TEST(Picture, LargePicturesShrinkToFitKeepingTheirProportions)
{
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("wide.png", 960, 320, qRgb(0, 200, 0), "PNG")));
    EXPECT_EQ(pic.GetWidth(), 240);
    EXPECT_EQ(pic.GetHeight(), 80);
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("tall.jpg", 300, 1280, qRgb(0, 200, 0), "JPG")));
    EXPECT_EQ(pic.GetWidth(), 75);
    EXPECT_EQ(pic.GetHeight(), 320);
    // A picture that fits is kept at its size.
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("fits.png", 240, 320, qRgb(0, 200, 0), "PNG")));
    EXPECT_EQ(pic.GetWidth(), 240);
    EXPECT_EQ(pic.GetHeight(), 320);
}

TEST(Picture, AMissingFileKeepsTheEarlierPicture)
{
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("keep.png", 12, 12, qRgb(255, 0, 0), "PNG")));
    EXPECT_FALSE(pic.LoadFromFile(nullptr, TestRootFolder() + "no such picture.jpg"));
    EXPECT_FALSE(pic.LoadFromFile(nullptr, TestRootFolder())); // a folder cannot be read as a file
    ASSERT_TRUE(pic.IsLoaded());
    EXPECT_EQ(pic.GetWidth(), 12);
}

TEST(Picture, AnUndecodableFileLeavesThePictureEmptyAndStillSucceeds)
{
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("before.png", 12, 12, qRgb(255, 0, 0), "PNG")));
    const QString path = TestRootFolder() + "damaged.jpg";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 this is not really a JPEG file at all");
    f.close();
    EXPECT_TRUE(pic.LoadFromFile(nullptr, path));
    EXPECT_FALSE(pic.IsLoaded());
    EXPECT_EQ(pic.GetWidth(), 0);
    Target t(10, 10);
    EXPECT_FALSE(pic.Draw(&t.dc, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(0, 0), RGB(1, 2, 3));

    // An empty file is just as undecodable.
    QFile e(TestRootFolder() + "empty.gif");
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.close();
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("again.png", 12, 12, qRgb(255, 0, 0), "PNG")));
    EXPECT_TRUE(pic.LoadFromFile(nullptr, TestRootFolder() + "empty.gif"));
    EXPECT_FALSE(pic.IsLoaded());
}

TEST(Picture, AfterReleaseNothingIsDrawn)
{
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("rel.png", 12, 12, qRgb(255, 0, 0), "PNG")));
    pic.Release();
    Target t(20, 20);
    EXPECT_FALSE(pic.Draw(&t.dc, 0, 0));
    EXPECT_FALSE(pic.Tile(&t.dc, 20, 20));
    EXPECT_EQ(t.dc.GetPixel(0, 0), RGB(1, 2, 3));
    // ...and a later load works again.
    ASSERT_TRUE(pic.LoadFromFile(nullptr, TestRootFolder() + "rel.png"));
    EXPECT_TRUE(pic.Draw(&t.dc, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(0, 0), RGB(255, 0, 0));
}

TEST(Picture, ScreenBackgroundTilesFromTheOriginOrUsesTheButtonFace)
{
    // A 100 x 100 picture with a marked corner covers 240 x 268 with 3 x 3 copies.
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(qRgb(0, 128, 0));
    img.setPixel(0, 0, qRgb(255, 255, 0));
    ASSERT_TRUE(img.save(TestRootFolder() + "tile.png"));
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, TestRootFolder() + "tile.png"));
    Target t(240, 268);
    DrawScreenBackground(&t.dc, CRect(0, 0, 240, 268), &pic);
    for (int x : {0, 100, 200})
        for (int y : {0, 100, 200})
            EXPECT_EQ(t.dc.GetPixel(x, y), RGB(255, 255, 0)) << x << "," << y;
    EXPECT_EQ(t.dc.GetPixel(239, 267), RGB(0, 128, 0));

    CPicture empty;
    DrawScreenBackground(&t.dc, CRect(0, 0, 240, 268), &empty);
    EXPECT_EQ(t.dc.GetPixel(0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(t.dc.GetPixel(239, 267), GetSysColor(COLOR_BTNFACE));
}

TEST(BitmapResource, AnUnknownNumberFailsAndKeepsTheBitmap)
{
    CBitmap bmp;
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(Qt::red);
    bmp.Attach(img);
    EXPECT_FALSE(LoadBitmapResource(bmp, 1));
    EXPECT_EQ(bmp.GetSize(), CSize(3, 3));
}
