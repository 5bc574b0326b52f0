#pragma once
#include "leciono.h"

class Ui_lec06;

// Lesson 6: the correlatives in -EL, -OM, -AL, -ES and -A, the correlatives
// as relative words, six exercise pages (the accusative among them) and a
// send page.
class lec06 : public leciono
{
    Q_OBJECT

public:
    explicit lec06(QWidget* parent = nullptr);
    ~lec06() override;

private slots:
    void on_Lec06_currentChanged(int index);

private:
    Ui_lec06* ui;
};
