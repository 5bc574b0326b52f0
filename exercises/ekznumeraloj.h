#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QStringList>

namespace Ui {
class ekznumeraloj;
}

// Numerals: an Esperanto number phrase is shown and the learner writes the
// number in digits.
class ekznumeraloj : public QFrame
{
    Q_OBJECT

public:
    explicit ekznumeraloj(QWidget* parent = nullptr);
    ~ekznumeraloj() override;

    // The exercise's items: lesson 3, exercise 1, whatever the frame is named.
    QString kodo = QStringLiteral("0301");

    // The printed sheet of the whole exercise, as HTML.
    QString folio() const;

public slots:
    void on_BitBtn1_clicked();
    void on_BitBtn2_clicked();
    void on_BitBtn3_clicked();
    void on_Edit1_returnPressed();
    void on_printilo_ps_clicked();
    void novafrazo();

private:
    Ui::ekznumeraloj* ui;
    QStringList frazoj;
    QStringList respondoj;
    ekzercokuro kuro;
    poentaro tabulo;
};
