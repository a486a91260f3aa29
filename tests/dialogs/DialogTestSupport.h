// Shared set-up of the dialog tests: a clean data folder and storage card, no modal runner left
// behind, and small dictionaries and pictures to list.
#pragma once
#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "dialogs/ModalDialog.h"
#include "dictionary/DictionaryWriter.h"
#include "framework/Wnd.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingTest.h"
#include "tests/support/TestEnv.h"

// A window's pixel at a logical point, after a repaint.
inline QRgb PixelAt(CWnd& wnd, int x, int y)
{
    wnd.Invalidate();
    wnd.UpdateWindow();
    const QImage& img = wnd.GetSurface();
    return img.pixel(int(x * img.devicePixelRatio()), int(y * img.devicePixelRatio())) & 0xFFFFFF;
}
inline QRgb ToRgb(COLORREF cr) { return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)) & 0xFFFFFF; }

class DialogTest : public RecordingTest {
protected:
    void SetUp() override
    {
        RecordingTest::SetUp();
        QDir data(DataFolder());
        for (const QString& f : data.entryList(QDir::Files))
            data.remove(f);
        QDir(TestStorageCard()).removeRecursively();
        QDir().mkpath(TestStorageCard());
    }
    void TearDown() override
    {
        CModalDialog::SetModalRunner({});
        RecordingTest::TearDown();
    }

    static QString DataFolder() { return TestProgramFolder() + "data/"; }
    static void WriteDictionary(const QString& strPath, std::vector<std::string> aWords)
    {
        WriteFileBytes(strPath, BuildDictionaryImage(aWords, 2));
    }
    // Two dictionaries, two pictures (PNG inside: the decoder looks at the bytes) and a stray file.
    static void WriteDataFiles()
    {
        WriteDictionary(DataFolder() + "English Comprehensive07.dct", {"able", "cube", "tile", "word"});
        WriteDictionary(DataFolder() + "english common.dct", {"bridge", "drop"});
        WritePicture(DataFolder() + "BLUE01.JPG", qRgb(0, 0, 255));
        WritePicture(DataFolder() + "Sand03.gif", qRgb(200, 180, 0));
        WriteFileBytes(DataFolder() + "notes.txt", "not listed");
    }
    // A plain picture of one colour.
    static void WritePicture(const QString& strPath, QRgb rgb)
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(rgb);
        ASSERT_TRUE(img.save(strPath, "PNG"));
    }
};
