// A whole file's bytes, read or written in one step.
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// "<missing>" for a file that cannot be read, so that a comparison shows why.
inline QByteArray ReadFileBytes(const QString& strPath)
{
    QFile f(strPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
inline void WriteFileBytes(const QString& strPath, const QByteArray& data)
{
    QFile f(strPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}
