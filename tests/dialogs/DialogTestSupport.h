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
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestEnv.h"

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
    // A plain picture of one colour (PNG inside, whatever the name says: the decoder looks at the bytes).
    static void WritePicture(const QString& strPath, QRgb rgb)
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(rgb);
        ASSERT_TRUE(img.save(strPath, "PNG"));
    }

    CScriptedMessageBox boxes;
    QStringList helpLines;
};
