#pragma once
#include "leciono.h"

class Ui_lec08;

// Lesson 8: comparison (tiel ... kiel, pli ... ol, malpli ... ol), the
// superlative, word building with prefixes and suffixes, four exercise
// pages and a send page.
class lec08 : public leciono
{
    Q_OBJECT

public:
    explicit lec08(QWidget* parent = nullptr);
    ~lec08() override;

private slots:
    void on_Lec08_currentChanged(int index);

private:
    Ui_lec08* ui;
};
