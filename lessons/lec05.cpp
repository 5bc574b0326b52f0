#include "lec05.h"
#include "ui_lec05.h"

lec05::lec05(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec05)
{
    ui->setupUi(this);
    glitigas(ui->Lec05);
}

lec05::~lec05()
{
    delete ui;
}

void lec05::on_Lec05_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec05, index);
}
