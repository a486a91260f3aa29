// Typing a word on a board of touching cells (Tessaryl's cube, Cascadio's well): which chain of
// cells the typed letters select. Each key extends the chain already selected when it can;
// otherwise another chain spelling the whole typed text is chosen, the one closest to the last.
#pragma once
#include <QList>
#include <QString>
#include <functional>

class CChainTyping {
public:
    // aCellText: each cell's letters in lower case ("a", "qu"), empty for a cell that cannot be
    // taken. fnTouches(from, to): "to" may follow "from" in a chain. nMaxCells: the longest chain.
    CChainTyping(QStringList aCellText, std::function<bool(int, int)> fnTouches, int nMaxCells);

    // Adds a typed letter (any case). False, with nothing changed, when no chain spells the text
    // with it.
    bool TypeLetter(QChar ch);
    // Takes back the last typed letter; false when nothing was typed.
    bool Backspace();
    // Forgets the typed text and the chain.
    void Clear();

    // Takes over a chain made another way (taps, a hint): the typed text becomes its letters.
    void SetChain(const QList<int>& anChain);

    const QString& GetTyped() const { return m_strTyped; }
    const QStringList& GetCells() const { return m_aCellText; }
    const QList<int>& GetChain() const { return m_anChain; }

    // How many steps (cells tried) the last search took: the benchmark's measure.
    int GetStepsTried() const { return m_nTried; }
    // A search stops after this many steps, so that no board and no typing can make a key hang;
    // a board rich enough to need more (one letter everywhere) is not one a player types on.
    static constexpr int MAX_STEPS = 20000;

private:
    // Every cell of the chain with how many typed characters it took (a "qu" cell takes one
    // character, "q", or two, "qu").
    struct CStep {
        int nCell;
        int nChars;
    };
    bool Extend(const QString& strTyped);
    bool Search(const QString& strTyped);
    void Walk(const QString& strTyped, qsizetype nPos, QList<CStep>& path, QList<CStep>& best, int& nBestScore);
    int Closeness(const QList<CStep>& path) const;
    bool CanTake(const QList<CStep>& path, int nCell) const;
    void SetSteps(const QList<CStep>& steps);

    QStringList m_aCellText;
    std::function<bool(int, int)> m_fnTouches;
    int m_nMaxCells;
    QString m_strTyped;
    QList<int> m_anChain;
    QList<CStep> m_aSteps;
    int m_nTried = 0;
};
