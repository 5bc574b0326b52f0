#include "lec08.h"
#include "ui_lec08.h"

lec08::lec08(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec08)
{
    ui->setupUi(this);
    glitigas(ui->Lec08);
}

lec08::~lec08()
{
    delete ui;
}

void lec08::on_Lec08_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec08, index);
}
