#include "lec11.h"
#include "ui_lec11.h"

lec11::lec11(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec11)
{
    ui->setupUi(this);
    glitigas(ui->Lec11);
}

lec11::~lec11()
{
    delete ui;
}

void lec11::on_Lec11_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec11, index);
}
