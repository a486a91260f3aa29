// Fuzzer: the input is a saved Cascadio game as the file holds it (16-bit little-endian units); read
// it, and when it is taken, check what was read and that writing it out reads back the same.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "app/SavedGameFile.h"
#include "games/cascadio/CascadioText.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

bool SameState(const CCascadioState& a, const CCascadioState& b)
{
    for (int i = 0; i < CASC_CELLS; ++i) {
        if (a.astrLetters[i] != b.astrLetters[i] || a.anCritter[i] != b.anCritter[i])
            return false;
    }
    return a.nScore == b.nScore && a.nSpawnInterval == b.nSpawnInterval && a.nMaxCritters == b.nMaxCritters &&
           a.nStepTicks == b.nStepTicks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // As Open Game reads a file.
    const QString str = DecodeSavedGameBytes(QByteArray(reinterpret_cast<const char*>(pData), qsizetype(nSize)));

    CCascadioState state;
    if (!ParseCascadioText(str, state))
        return 0;
    for (int i = 0; i < CASC_CELLS; ++i) {
        const QString& strLetter = state.astrLetters[i];
        Check((strLetter.size() == 1 || strLetter.size() == 2) && strLetter[0].isLetter());
        Check(strLetter.size() == 1 || strLetter[1].isLetter());
        Check(state.anCritter[i] >= 0 && state.anCritter[i] <= CASC_MAX_CRITTER_VALUE);
    }
    Check(state.nScore >= 0 && state.nScore <= CASC_MAX_SCORE);
    Check(state.nSpawnInterval >= 0 && state.nSpawnInterval <= CASC_MAX_SPAWN_INTERVAL);
    Check(state.nMaxCritters >= 0 && state.nMaxCritters <= CASC_MAX_CRITTERS);
    Check(state.nStepTicks >= 0 && state.nStepTicks <= CASC_MAX_STEP_TICKS);

    const QString strSaved = FormatCascadioText(state);
    CCascadioState again;
    Check(ParseCascadioText(strSaved, again));
    Check(SameState(state, again));
    Check(FormatCascadioText(again) == strSaved);
    return 0;
}
