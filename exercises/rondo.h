#pragma once
#include <QList>

// A round of the hear-and-pick exercise, without widgets: four words to
// ask and two distractors, spread over the six word buttons.
class rondo
{
public:
    int celoj[4] = {-1, -1, -1, -1}; // word indices of the targets
    int pozicioj[4] = {-1, -1, -1, -1}; // button position of each target
    int distraktiloj[2] = {-1, -1}; // word indices of the distractors
    QList<int> butonoj; // word index shown at positions 0 .. 5

    // Builds a round over `kvanto` words; `uzataj` marks the words that
    // served as targets already and gets the new targets. While more than
    // 11 words remain, targets come at random, after that in list order.
    // Needs at least five words (four targets and a different distractor).
    static rondo faras(int kvanto, QList<bool>& uzataj, int restas);
};
