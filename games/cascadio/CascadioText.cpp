// Writing and reading the saved text of a Cascadio game.
#include "games/cascadio/CascadioText.h"

#include "games/GameModel.h"

namespace {

constexpr qsizetype LETTER_FIELD = 2 * CASC_CELLS;

// Both the 2-character letter cells and the numbers read cells row by row from the top.
int CellInTextOrder(int i) { return CascCell(i % CASC_COLUMNS, i / CASC_COLUMNS); }

bool ReadNumber(CSavedTextReader& reader, int nMax, int& nOut)
{
    const long long n = reader.LongNumber();
    reader.NextField();
    if (n < 0 || n > nMax)
        return false;
    nOut = int(n);
    return true;
}

} // namespace

QString FormatCascadioText(const CCascadioState& state)
{
    QString str;
    str.reserve(LETTER_FIELD + 1 + 10 * (CASC_CELLS + 4));
    for (int i = 0; i < CASC_CELLS; ++i) {
        const QString& strLetter = state.astrLetters[CellInTextOrder(i)];
        str += strLetter.left(2).leftJustified(2, u' ');
    }
    str += u'\t';
    for (int i = 0; i < CASC_CELLS; ++i)
        str += QString::number(state.anCritter[CellInTextOrder(i)]) + u'\t';
    for (int n : {state.nScore, state.nSpawnInterval, state.nMaxCritters, state.nStepTicks})
        str += QString::number(n) + u'\t';
    return str;
}

bool ParseCascadioText(const QString& strText, CCascadioState& state)
{
    CSavedTextReader reader(strText);
    if (reader.Length() < LETTER_FIELD)
        return false;

    CCascadioState loaded;
    for (int i = 0; i < CASC_CELLS; ++i) {
        const QChar a = reader.Current(), b = reader.At(reader.Pos() + 1);
        reader.Advance(2);
        // Every cell of a running game holds a letter ("Qu" being the one of two characters).
        if (!a.isLetter() || (b != u' ' && !b.isLetter()))
            return false;
        loaded.astrLetters[CellInTextOrder(i)] = b == u' ' ? QString(a) : QString(a) + b;
    }
    reader.SkipTabs();
    for (int i = 0; i < CASC_CELLS; ++i) {
        if (!ReadNumber(reader, CASC_MAX_CRITTER_VALUE, loaded.anCritter[CellInTextOrder(i)]))
            return false;
    }
    if (!ReadNumber(reader, CASC_MAX_SCORE, loaded.nScore) ||
        !ReadNumber(reader, CASC_MAX_SPAWN_INTERVAL, loaded.nSpawnInterval) ||
        !ReadNumber(reader, CASC_MAX_CRITTERS, loaded.nMaxCritters) ||
        !ReadNumber(reader, CASC_MAX_STEP_TICKS, loaded.nStepTicks))
        return false;
    state = loaded;
    return true;
}
