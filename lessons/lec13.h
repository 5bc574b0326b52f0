#pragma once
#include "leciono.h"

class Ui_lec13;

// Lesson 13: the final examination, ten written tasks on five pages; the send
// button on the last page copies all five for the corrector.
class lec13 : public leciono
{
    Q_OBJECT

public:
    explicit lec13(QWidget* parent = nullptr);
    ~lec13() override;

private slots:
    void on_Lec13_currentChanged(int index);

private:
    Ui_lec13* ui;
};
