#pragma once
#include "leciono.h"

class Ui_lec09;

// Lesson 9: the suffixes -ER to -UJ, word order, the particle ja and the
// ki- words, a comic verse in free word order with its recording; a
// word-choice and a gap-filling exercise and two send pages.
class lec09 : public leciono
{
    Q_OBJECT

public:
    explicit lec09(QWidget* parent = nullptr);
    ~lec09() override;

private slots:
    void on_Lec09_currentChanged(int index);

private:
    Ui_lec09* ui;
};
