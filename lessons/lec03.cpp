#include "lec03.h"
#include "ui_lec03.h"

lec03::lec03(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec03)
{
    ui->setupUi(this);
    glitigas(ui->Lec03);
}

lec03::~lec03()
{
    delete ui;
}

void lec03::on_Lec03_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec03, index);
}
