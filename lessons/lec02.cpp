#include "lec02.h"
#include "ui_lec02.h"

#include "videoludilo.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QVBoxLayout>

lec02::lec02(QWidget* parent)
    : leciono(parent)
    , ui(new Ui_lec02)
{
    ui->setupUi(this);
    glitigas(ui->Lec02);

    // The music page: the form leaves its labels unplaced so that the video
    // player, which has no form of its own to be promoted from, can stand
    // above them. Setting the layout makes the player a child of the page.
    auto* video = new videoludilo(this);
    auto* kolumno = new QVBoxLayout;
    kolumno->addWidget(video);
    kolumno->addWidget(ui->Lec02_Label50);
    kolumno->addWidget(ui->Lec02_Label49);
    auto* ligilo = new QHBoxLayout;
    ligilo->addWidget(ui->label);
    ligilo->addWidget(ui->label_21);
    kolumno->addLayout(ligilo);
    kolumno->addItem(new QSpacerItem(1, 1, QSizePolicy::Fixed, QSizePolicy::Expanding));
    ui->scrollAreaWidgetContents_6->setLayout(kolumno);
}

lec02::~lec02()
{
    delete ui;
}

void lec02::on_Lec02_currentChanged(int index)
{
    ShanghisPaghon(ui->Lec02, index);
}
