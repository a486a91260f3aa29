// Background pictures: decoding, scaling down, failures, drawing and tiling.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "graphics/Picture.h"
#include "tests/support/TestEnv.h"

namespace {

QString WriteFile(const QString& name, const QByteArray& data)
{
    QFile f(TestRootFolder() + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
    return f.fileName();
}

QString WriteImage(const QString& name, int w, int h, QRgb colour = qRgb(255, 0, 0), const char* format = "PNG")
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    img.setPixel(0, 0, qRgb(255, 255, 0)); // marks the corner for tiling
    EXPECT_TRUE(img.save(TestRootFolder() + name, format));
    return TestRootFolder() + name;
}

// A 30 x 20 pure blue GIF (Qt reads GIF but cannot write it).
const unsigned char kBlueGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x1e, 0x00, 0x14, 0x00, 0xf0, 0x00, 0x00, 0x00, 0x00, 0xff,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x1e, 0x00, 0x14, 0x00, 0x00, 0x02, 0x17, 0x84, 0x8f, 0xa9, 0xcb, 0xed, 0x0f, 0xa3, 0x9c, 0xb4,
    0xda, 0x8b, 0xb3, 0xde, 0xbc, 0xfb, 0x0f, 0x86, 0xe2, 0x48, 0x96, 0x66, 0x52, 0x00, 0x00, 0x3b};

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

TEST(Picture, LoadsGifAndJpegShrinksLargeOnesAndDrawsAtTheGivenPoint)
{
    EXPECT_TRUE(LoadImageDecoder());
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteFile("blue.gif", QByteArray(reinterpret_cast<const char*>(kBlueGif), sizeof kBlueGif))));
    EXPECT_EQ(CSize(pic.GetWidth(), pic.GetHeight()), CSize(30, 20));
    Target t(50, 50);
    EXPECT_TRUE(pic.Draw(&t.dc, 5, 5));
    EXPECT_TRUE(t.dc.GetPixel(5, 5) == RGB(0, 0, 255) && t.dc.GetPixel(34, 24) == RGB(0, 0, 255));
    EXPECT_TRUE(t.dc.GetPixel(35, 24) == RGB(1, 2, 3) && t.dc.GetPixel(34, 25) == RGB(1, 2, 3));

    // At most 240 x 320, keeping the proportions; a picture that fits keeps its size.
    const int cases[][4] = {{960, 320, 240, 80}, {300, 1280, 75, 320}, {240, 320, 240, 320}, {10, 10, 10, 10}};
    for (const auto& [w, h, fitW, fitH] : cases)
        for (const char* format : {"PNG", "JPG"}) {
            ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage(QStringLiteral("fit.") + format, w, h, qRgb(0, 200, 0), format)));
            EXPECT_EQ(CSize(pic.GetWidth(), pic.GetHeight()), CSize(fitW, fitH)) << w << "x" << h << " " << format;
        }
}

// Unreadable files keep the earlier picture; undecodable ones leave none and still succeed.
TEST(Picture, LoadingFailures)
{
    const QString red = WriteImage("red.png", 12, 12);
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, red));
    EXPECT_FALSE(pic.LoadFromFile(nullptr, TestRootFolder() + "no such picture.jpg"));
    EXPECT_FALSE(pic.LoadFromFile(nullptr, TestRootFolder())); // a folder cannot be read as a file
    EXPECT_EQ(pic.GetWidth(), 12);
    // A pipe would wait for a writer for ever and /dev/zero never ends (it once ran out of memory):
    // both are refused at once and the picture stays.
    const QString fifo = TestRootFolder() + "background.fifo";
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(pic.LoadFromFile(nullptr, fifo));
    EXPECT_FALSE(pic.LoadFromFile(nullptr, "/dev/zero"));
    EXPECT_EQ(pic.GetWidth(), 12);
    // Larger than the limit: refused unread, however it got so big.
    const QString big = TestRootFolder() + "huge.jpg";
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(CPicture::MAX_FILE_SIZE + 1));
    }
    EXPECT_FALSE(pic.LoadFromFile(nullptr, big));
    EXPECT_EQ(pic.GetWidth(), 12);

    for (const QString& bad : {WriteFile("damaged.jpg", "\xFF\xD8\xFF\xE0 this is not really a JPEG file at all"),
                               WriteFile("empty.gif", QByteArray())}) {
        ASSERT_TRUE(pic.LoadFromFile(nullptr, red));
        EXPECT_TRUE(pic.LoadFromFile(nullptr, bad)) << qPrintable(bad);
        EXPECT_FALSE(pic.IsLoaded() || pic.GetWidth());
        Target t(20, 20);
        EXPECT_FALSE(pic.Draw(&t.dc, 0, 0) || pic.Tile(&t.dc, 20, 20));
        EXPECT_EQ(t.dc.GetPixel(0, 0), RGB(1, 2, 3));
    }

    // Released, nothing is drawn; a later load works again.
    ASSERT_TRUE(pic.LoadFromFile(nullptr, red));
    pic.Release();
    Target t(20, 20);
    EXPECT_FALSE(pic.Draw(&t.dc, 0, 0));
    ASSERT_TRUE(pic.LoadFromFile(nullptr, red));
    EXPECT_TRUE(pic.Draw(&t.dc, 0, 0));
    EXPECT_EQ(t.dc.GetPixel(1, 1), RGB(255, 0, 0));
}

TEST(Picture, ScreenBackgroundTilesFromTheOriginOrUsesTheButtonFace)
{
    // A 100 x 100 picture with a marked corner covers 240 x 268 with 3 x 3 copies.
    CPicture pic;
    ASSERT_TRUE(pic.LoadFromFile(nullptr, WriteImage("tile.png", 100, 100, qRgb(0, 128, 0))));
    Target t(240, 268);
    DrawScreenBackground(&t.dc, CRect(0, 0, 240, 268), &pic);
    for (int x : {0, 100, 200})
        for (int y : {0, 100, 200})
            EXPECT_EQ(t.dc.GetPixel(x, y), RGB(255, 255, 0)) << x << "," << y;
    EXPECT_EQ(t.dc.GetPixel(239, 267), RGB(0, 128, 0));
    // No picture: the button face colour.
    CPicture empty;
    DrawScreenBackground(&t.dc, CRect(0, 0, 240, 268), &empty);
    EXPECT_TRUE(t.dc.GetPixel(0, 0) == GetSysColor(COLOR_BTNFACE) && t.dc.GetPixel(239, 267) == GetSysColor(COLOR_BTNFACE));
}
