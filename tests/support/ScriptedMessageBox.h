// Replaces the message box for a test's lifetime: records every box and answers from a script.
#pragma once
#include <QString>
#include <deque>
#include <vector>

#include "framework/MessageBox.h"

struct RecordedBox {
    QString strText;
    QString strCaption;
    UINT nType;
};

class CScriptedMessageBox {
public:
    CScriptedMessageBox();
    ~CScriptedMessageBox();

    // Answers given in order; when the script runs out, Yes/No boxes get nDefaultAnswer, OK boxes IDOK.
    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    int nDefaultAnswer = IDNO;

    std::vector<RecordedBox> boxes;
    QString LastText() const { return boxes.empty() ? QString() : boxes.back().strText; }
    void Clear() { boxes.clear(); }

private:
    std::deque<int> m_answers;
};
