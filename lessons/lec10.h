#pragma once
#include "leciono.h"

class Ui_lec10;

// Lesson 10: the conditional and the imperative, reported speech, voli, povi
// and devi, the participles and the pronoun si; two gap-filling pages, an
// accusative page and three send pages around a reading with its recording.
class lec10 : public leciono
{
    Q_OBJECT

public:
    explicit lec10(QWidget* parent = nullptr);
    ~lec10() override;

private slots:
    void on_Lec10_currentChanged(int index);

private:
    Ui_lec10* ui;
};
