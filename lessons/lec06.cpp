#include "lec06.h"
#include "ui_lec06.h"

lec06::lec06(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec06)
{
    ui->setupUi(this);
    glitigas(ui->Lec06);
}

lec06::~lec06()
{
    delete ui;
}

void lec06::on_Lec06_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec06, index);
}
