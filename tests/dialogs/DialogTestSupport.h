// Shared set-up of the dialog tests: a clean settings store and data folder, recorded message
// boxes, help command lines and modal runs, and small dictionaries and pictures to list.
#pragma once
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <gtest/gtest.h>

#include "dialogs/ModalDialog.h"
#include "dictionary/DictionaryWriter.h"
#include "framework/Help.h"
#include "framework/Wnd.h"
#include "tests/support/ScriptedMessageBox.h"
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

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings s("Brasswinkle", "Quillotrix");
        s.clear();
        s.sync();
        QDir data(DataFolder());
        for (const QString& f : data.entryList(QDir::Files))
            data.remove(f);
        QDir(TestStorageCard()).removeRecursively();
        QDir().mkpath(TestStorageCard());
        SetHelpViewerStarter([this](const QString& s) { helpLines << s; });
    }
    void TearDown() override
    {
        SetHelpViewerStarter({});
        CModalDialog::SetModalRunner({});
    }

    static QString DataFolder() { return TestProgramFolder() + "data/"; }
    static void WriteFile(const QString& strPath, const QByteArray& data)
    {
        QFile f(strPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(data), data.size());
    }
    static QByteArray ReadFile(const QString& strPath)
    {
        QFile f(strPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void WriteDictionary(const QString& strPath, std::vector<std::string> aWords)
    {
        WriteFile(strPath, BuildDictionaryImage(aWords, 2));
    }
    // Two dictionaries, two pictures (PNG inside: the decoder looks at the bytes) and a stray file.
    static void WriteDataFiles()
    {
        WriteDictionary(DataFolder() + "English Comprehensive07.dct", {"able", "cube", "tile", "word"});
        WriteDictionary(DataFolder() + "english common.dct", {"bridge", "drop"});
        WritePicture(DataFolder() + "BLUE01.JPG", qRgb(0, 0, 255));
        WritePicture(DataFolder() + "Sand03.gif", qRgb(200, 180, 0));
        WriteFile(DataFolder() + "notes.txt", "not listed");
    }
    // A plain picture of one colour.
    static void WritePicture(const QString& strPath, QRgb rgb)
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(rgb);
        ASSERT_TRUE(img.save(strPath, "PNG"));
    }

    CScriptedMessageBox boxes;
    QStringList helpLines;
};
