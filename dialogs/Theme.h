// CTheme: a named set of appearance choices (a background entry and three colours) and its small
// binary file: three little-endian colours, then the background entry as 8-bit text.
#pragma once
#include <QByteArray>
#include <QString>

#include "framework/Types.h"

class CTheme {
public:
    CTheme() = default;
    virtual ~CTheme() = default;

    // FALSE when the file could not be written whole; the earlier file then stays as it was.
    BOOL Save(const QString& strPath) const;
    // FALSE when the file cannot be opened or read, or is no theme (too short or too large);
    // the object is then left unchanged.
    BOOL Load(const QString& strPath);

    // The file's bytes, and reading them back.
    QByteArray ToData() const;
    BOOL FromData(const QByteArray& data);

    // The three colours, then the name.
    static constexpr int HEADER_BYTES = 12;
    // Name bytes read from a file; the rest is ignored. Saving writes no more than this either.
    static constexpr int MAX_NAME_BYTES = 255;
    // Larger files are not themes at all.
    static constexpr qint64 MAX_FILE_BYTES = 64 * 1024;

    QString m_strBackgroundName;
    COLORREF m_crCube = 0;
    COLORREF m_crFont = 0;
    COLORREF m_crSelected = 0;
};

// A theme name the player typed names a file in the theme folder only: no separators, not "."
// or "..", no zero characters.
BOOL IsSafeThemeName(const QString& strName);
