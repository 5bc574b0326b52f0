#pragma once
#include "leciono.h"

class Ui_lec07;

// Lesson 7: the prepositions, two readings with their recordings and
// questions, the accusative ending beside the prepositions, four exercise
// pages and a page of sentences to translate into Esperanto.
class lec07 : public leciono
{
    Q_OBJECT

public:
    explicit lec07(QWidget* parent = nullptr);
    ~lec07() override;

private slots:
    void on_Lec07_currentChanged(int index);

private:
    Ui_lec07* ui;
};
