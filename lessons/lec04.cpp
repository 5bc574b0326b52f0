#include "lec04.h"
#include "ui_lec04.h"

lec04::lec04(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec04)
{
    ui->setupUi(this);
    glitigas(ui->Lec04);
}

lec04::~lec04()
{
    delete ui;
}

void lec04::on_Lec04_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec04, index);
}
