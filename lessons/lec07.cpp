#include "lec07.h"
#include "ui_lec07.h"

lec07::lec07(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec07)
{
    ui->setupUi(this);
    glitigas(ui->Lec07);
}

lec07::~lec07()
{
    delete ui;
}

void lec07::on_Lec07_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec07, index);
}
