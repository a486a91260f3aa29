// Writing and reading the saved text of a Cascadio game.
#include "games/cascadio/CascadioText.h"

namespace {

constexpr qsizetype LETTER_FIELD = 2 * CASC_CELLS;

// Both the 2-character letter cells and the numbers read cells row by row from the top.
int CellInTextOrder(int i) { return CascCell(i % CASC_COLUMNS, i / CASC_COLUMNS); }

bool IsBlank(QChar ch)
{
    const char16_t u = ch.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

// The reading position walks a text that ends at its length (the zero is cut off beforehand).
struct CReader {
    const QString& str;
    qsizetype p = 0;

    QChar At(qsizetype i) const { return i < str.size() ? str[i] : QChar(); }

    // Decimal as the C library reads it: blanks, an optional sign, digits; 0 without digits.
    // Saturates instead of overflowing, so a long run of digits is simply a large number.
    long long Number() const
    {
        qsizetype i = p;
        while (i < str.size() && IsBlank(str[i]))
            ++i;
        bool bNegative = false;
        if (i < str.size() && (str[i] == u'-' || str[i] == u'+'))
            bNegative = str[i++] == u'-';
        long long n = 0;
        while (i < str.size() && str[i] >= u'0' && str[i] <= u'9') {
            if (n < 1000000000000LL)
                n = n * 10 + (str[i].unicode() - u'0');
            ++i;
        }
        return bNegative ? -n : n;
    }
    void SkipTabs()
    {
        while (p < str.size() && str[p] == u'\t')
            ++p;
    }
    void NextField()
    {
        while (p < str.size() && str[p] != u'\t')
            ++p;
        SkipTabs();
    }
};

bool ReadNumber(CReader& reader, int nMax, int& nOut)
{
    const long long n = reader.Number();
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
    const qsizetype nZero = strText.indexOf(QChar(0));
    const QString str = nZero < 0 ? strText : strText.left(nZero);
    if (str.size() < LETTER_FIELD)
        return false;

    CCascadioState loaded;
    CReader reader{str};
    for (int i = 0; i < CASC_CELLS; ++i) {
        const QChar a = str[reader.p], b = str[reader.p + 1];
        reader.p += 2;
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
