#include "lerbo.h"
#include "funkcioj.h"

#include <QMediaPlayer>

lerbo::lerbo(QWidget* parent)
    : QMainWindow(parent)
{
    randomize();
    ludilo = new QMediaPlayer(this);
}

lerbo::~lerbo() = default;
