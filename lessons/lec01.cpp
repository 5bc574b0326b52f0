#include "lec01.h"
#include "ui_lec01.h"

lec01::lec01(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec01)
{
    ui->setupUi(this);
    glitigas(ui->Lec01);
}

lec01::~lec01()
{
    delete ui;
}

void lec01::on_Lec01_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec01, index);
}
