#include "lec12.h"
#include "ui_lec12.h"

lec12::lec12(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec12)
{
    ui->setupUi(this);
    glitigas(ui->Lec12);
}

lec12::~lec12()
{
    delete ui;
}

void lec12::on_Lec12_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec12, index);
}
