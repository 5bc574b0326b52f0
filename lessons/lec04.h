#pragma once
#include "leciono.h"

class Ui_lec04;

// Lesson 4: greetings, the days, the months and dates, questions with ĉu,
// vocabulary and a reading with its recording (the form stops the recording
// when the page is turned), four exercise pages and two send pages.
class lec04 : public leciono
{
    Q_OBJECT

public:
    explicit lec04(QWidget* parent = nullptr);
    ~lec04() override;

private slots:
    void on_Lec04_currentChanged(int index);

private:
    Ui_lec04* ui;
};
