#pragma once
#include "leciono.h"

class Ui_lec05;

// Lesson 5: the correlatives in -U, -E, -AM and -O, the word ĉi, the
// vocabulary, five exercise pages and a send page.
class lec05 : public leciono
{
    Q_OBJECT

public:
    explicit lec05(QWidget* parent = nullptr);
    ~lec05() override;

private slots:
    void on_Lec05_currentChanged(int index);

private:
    Ui_lec05* ui;
};
