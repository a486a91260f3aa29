// A test on an empty settings store that records the message boxes and help command lines the
// program shows instead of showing them.
#pragma once
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

#include "framework/Help.h"
#include "tests/support/ScriptedMessageBox.h"

class RecordingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        SetHelpViewerStarter([this](const QString& s) { helpLines << s; });
    }
    void TearDown() override { SetHelpViewerStarter({}); }

    static void ClearSettings()
    {
        QSettings s("Brasswinkle", "Quillotrix");
        s.clear();
        s.sync();
    }

    CScriptedMessageBox boxes;
    QStringList helpLines;
};
