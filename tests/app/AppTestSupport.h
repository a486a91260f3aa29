// Shared set-up of the shell tests: a clean settings store, recorded boxes and help command lines.
#pragma once
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "dictionary/DictionaryWriter.h"
#include "framework/Help.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestEnv.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        QFile::remove(DictionaryPath());
        QFile::remove(TestProgramFolder() + "data/personal.pdt");
        SetHelpViewerStarter([this](const QString& s) { helpLines << s; });
    }
    void TearDown() override { SetHelpViewerStarter({}); }

    static void ClearSettings()
    {
        QSettings s("Brasswinkle", "Quillotrix");
        s.clear();
        s.sync();
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
    static BOOL& TessarylRunning(CTessarylWnd& wnd) { return wnd.m_bGameRunning; }
    static int& TessarylScore(CTessarylWnd& wnd) { return wnd.m_nScore; }
    static CListBox& TessarylUsedWords(CTessarylWnd& wnd) { return wnd.m_wndUsedWords; }
    static void Spin()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    CScriptedMessageBox boxes;
    QStringList helpLines;
};
