// The panel beside the cube that reviews every word on it: the list with the player's words
// marked, the counts by length and the share of the full score. Choosing a word hands its path
// to the game, which lights it on the cube.
#pragma once
#include <QWidget>
#include <functional>

#include "games/WordReview.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

class CWordReviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit CWordReviewPanel(QWidget* pParent = nullptr);

    void SetReview(const CWordReview& review);
    const CWordReview& GetReview() const { return m_review; }

    // Called with the path of the word chosen (empty when none is).
    std::function<void(const QList<int>& anPath)> m_fnShowPath;
    // The player closes the review: the Close button or Escape.
    std::function<void()> m_fnClose;

    QLabel* m_pSummary = nullptr;
    QTreeWidget* m_pCounts = nullptr;
    QListWidget* m_pWords = nullptr;
    QPushButton* m_pClose = nullptr;

private:
    CWordReview m_review;
};
