#pragma once
#include "leciono.h"

class Ui_lec02;

// Lesson 2: the suffix -ino, the accusative, the prefix mal- and negation,
// a music and video page, the vocabulary, six exercise pages and a send page.
class lec02 : public leciono
{
    Q_OBJECT

public:
    explicit lec02(QWidget* parent = nullptr);
    ~lec02() override;

private slots:
    void on_Lec02_currentChanged(int index);

private:
    Ui_lec02* ui;
};
