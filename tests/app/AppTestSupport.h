// Shared set-up of the shell tests: no dictionary, personal list or records left behind, and
// Tessaryl's state.
#pragma once
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingTest.h"
#include "tests/support/TestEnv.h"

class ShellTest : public RecordingTest {
protected:
    void SetUp() override
    {
        RecordingTest::SetUp();
        QFile::remove(DictionaryPath());
        QFile::remove(TestProgramFolder() + "data/personal.pdt");
        // Each test's games count in records of its own.
        QFile::remove(TestProgramFolder() + "data/records.json");
    }
    static QVariant StoredValue(const QString& name)
    {
        QSettings s("Brasswinkle", "Quillotrix");
        return s.value("Settings/" + name);
    }
    static QString DictionaryPath() { return TestProgramFolder() + "data/English Comprehensive07.dct"; }
    // A small dictionary where the program looks for it by default.
    static void WriteDictionary()
    {
        WriteFileBytes(DictionaryPath(), BuildDictionaryImage({"able", "bridge", "cube", "drop", "tile", "word"}, 2));
    }
    // Tessaryl's running flag, score and found words.
    static BOOL& TessarylRunning(CTessarylWnd& wnd) { return wnd.Game().m_bGameRunning; }
    static int& TessarylScore(CTessarylWnd& wnd) { return wnd.Game().m_nScore; }
    static QStringList& TessarylUsedWords(CTessarylWnd& wnd) { return wnd.Game().m_astrUsedWords; }
    static void Spin()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
};
