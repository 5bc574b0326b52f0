#include "lec09.h"
#include "ui_lec09.h"

lec09::lec09(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec09)
{
    ui->setupUi(this);
    glitigas(ui->Lec09);
}

lec09::~lec09()
{
    delete ui;
}

void lec09::on_Lec09_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec09, index);
}
