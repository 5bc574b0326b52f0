#pragma once
#include "leciono.h"

class Ui_lec11;

// Lesson 11: primitive adverbs, telling the time, words in pairs, questions
// with "ĉu ne", interjections and abbreviations; a word-choice page, the
// clock-time exercise and two writing pages for the corrector.
class lec11 : public leciono
{
    Q_OBJECT

public:
    explicit lec11(QWidget* parent = nullptr);
    ~lec11() override;

private slots:
    void on_Lec11_currentChanged(int index);

private:
    Ui_lec11* ui;
};
