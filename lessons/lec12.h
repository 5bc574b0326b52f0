#pragma once
#include "leciono.h"

class Ui_lec12;

// Lesson 12: transitive and intransitive verbs, -iĝi and -igi, verbs without a
// subject, an accusative exercise, word building, a song with its words and a
// send page with an article read aloud.
class lec12 : public leciono
{
    Q_OBJECT

public:
    explicit lec12(QWidget* parent = nullptr);
    ~lec12() override;

private slots:
    void on_Lec12_currentChanged(int index);

private:
    Ui_lec12* ui;
};
