#include "myLabel.h"

myLabel::myLabel(QWidget* parent)
    : QLabel(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(slotClicked()));
}

void myLabel::slotClicked() {}

void myLabel::mouseReleaseEvent(QMouseEvent*)
{
    emit clicked();
}
