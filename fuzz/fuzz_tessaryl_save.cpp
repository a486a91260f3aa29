// Fuzzer: the input is a saved Tessaryl file; decode its characters, read the game, and check
// that what is read stays within the board and paths and reads back the same once written.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "app/SavedGameFile.h"
#include "games/tessaryl/TessarylSavedText.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

void CheckGame(const CTessarylSavedGame& game)
{
    for (const QString& strCell : game.m_astrCells)
        Check(strCell.size() <= 2);
    Check(game.m_astrHintWords.size() == qsizetype(game.m_aHintPaths.size()));
    for (const QString& strWord : game.m_astrUsedWords)
        Check(!strWord.isEmpty() && !strWord.contains(u'\t'));
    for (size_t i = 0; i < game.m_aHintPaths.size(); ++i) {
        Check(!game.m_astrHintWords[qsizetype(i)].isEmpty());
        const CPathBlock& path = game.m_aHintPaths[i];
        Check(path[0] >= 0 && path[TESS_MAX_PATH - 1] == -1);
        int j = 0;
        while (path[j] >= 0) {
            Check(path[j] < TESS_CELLS);
            ++j;
        }
        for (; j < TESS_MAX_PATH; ++j)
            Check(path[j] == -1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(pData), qsizetype(nSize));
    const QString strText = DecodeSavedGameBytes(data);
    Check(strText.size() <= qsizetype(nSize / 2) && !strText.contains(QChar(0)));
    // The characters are the file's, two bytes each, up to the first zero.
    Check(EncodeSavedGameText(strText) == data.left(2 * strText.size()));

    CTessarylSavedGame game;
    if (!ParseTessarylText(strText, game))
        return 0;
    CheckGame(game);

    // A whole board written out reads back as the same game (at most the first hints are written).
    for (const QString& strCell : game.m_astrCells) {
        if (strCell.isEmpty())
            return 0;
    }
    const QString strAgain = FormatTessarylText(game);
    CTessarylSavedGame again;
    Check(ParseTessarylText(DecodeSavedGameBytes(EncodeSavedGameText(strAgain)), again));
    for (int i = 0; i < TESS_CELLS; ++i)
        Check(again.m_astrCells[i] == game.m_astrCells[i]);
    Check(again.m_nScore == game.m_nScore);
    Check(again.m_astrUsedWords == game.m_astrUsedWords);
    const qsizetype nHints = std::min<qsizetype>(TESS_SAVED_HINTS, game.m_astrHintWords.size());
    Check(again.m_astrHintWords == game.m_astrHintWords.mid(0, nHints));
    for (qsizetype i = 0; i < nHints; ++i)
        Check(again.m_aHintPaths[size_t(i)] == game.m_aHintPaths[size_t(i)]);
    Check(FormatTessarylText(again) == strAgain);
    return 0;
}
