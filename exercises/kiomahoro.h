#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QStringList>

namespace Ui {
class kiomahoro;
}

// The clock-time exercise of lesson 11: a time given in words, typed as
// hours and minutes.
class kiomahoro : public QFrame
{
    Q_OBJECT

public:
    explicit kiomahoro(QWidget* parent = nullptr);
    ~kiomahoro() override;

    // The sheet that the print button prints, as HTML.
    QString folio() const;

private slots:
    void on_BitBtn1_clicked();
    void novafrazo();
    void on_BitBtn3_clicked();
    void on_BitBtn2_clicked();
    void on_Edit1_returnPressed();
    void on_printilo_ps_clicked();

private:
    Ui::kiomahoro* ui;
    ekzercokuro Kuro;
    poentaro Poentaro;
    QStringList Frazoj;
    QStringList Solvoj;
};
