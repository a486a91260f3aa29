// Test entry: an offscreen QApplication and a temporary settings store, program folder and storage card.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/Files.h"
#include "tests/support/TestEnv.h"

namespace {
QTemporaryDir* g_pRoot = nullptr;
}

QString TestRootFolder() { return g_pRoot->path() + QStringLiteral("/"); }
QString TestProgramFolder() { return TestRootFolder() + QStringLiteral("program/"); }
QString TestStorageCard() { return TestRootFolder() + QStringLiteral("card/"); }

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    g_pRoot = &root;
    // Settings, program folder and card live under the temporary root, never the user's.
    qputenv("XDG_CONFIG_HOME", (root.path() + QStringLiteral("/config")).toUtf8());
    qputenv("HOME", (root.path() + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_DATA_HOME", (root.path() + QStringLiteral("/home/.local/share")).toUtf8());
    QDir().mkpath(TestProgramFolder() + QStringLiteral("data"));
    QDir().mkpath(TestStorageCard());
    qputenv("QUILLOTRIX_STORAGE_CARD", TestStorageCard().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.path() + QStringLiteral("/config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.path() + QStringLiteral("/config"));

    QApplication app(argc, argv);
    SetProgramFolderOverride(TestProgramFolder());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
