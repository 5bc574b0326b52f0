#pragma once
#include "leciono.h"

class Ui_lec01;

// Lesson 1: the alphabet, pronouns, esti, nouns, adjectives, the plural,
// possessives and the article, five exercise pages and a send page.
class lec01 : public leciono
{
    Q_OBJECT

public:
    explicit lec01(QWidget* parent = nullptr);
    ~lec01() override;

private slots:
    void on_Lec01_currentChanged(int index);

private:
    Ui_lec01* ui;
};
