#include "lec13.h"
#include "ui_lec13.h"

lec13::lec13(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec13)
{
    ui->setupUi(this);
    glitigas(ui->Lec13);
}

lec13::~lec13()
{
    delete ui;
}

void lec13::on_Lec13_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec13, index);
}
