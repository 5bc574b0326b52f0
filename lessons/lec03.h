#pragma once
#include "leciono.h"

class Ui_lec03;

// Lesson 3: adverbs, the numbers, ordinals and adverbs made from numbers,
// colours and time words, five exercise pages (the numerals exercise among
// them) and a send page.
class lec03 : public leciono
{
    Q_OBJECT

public:
    explicit lec03(QWidget* parent = nullptr);
    ~lec03() override;

private slots:
    void on_Lec03_currentChanged(int index);

private:
    Ui_lec03* ui;
};
