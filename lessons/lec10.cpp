#include "lec10.h"
#include "ui_lec10.h"

lec10::lec10(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec10)
{
    ui->setupUi(this);
    glitigas(ui->Lec10);
}

lec10::~lec10()
{
    delete ui;
}

void lec10::on_Lec10_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec10, index);
}
