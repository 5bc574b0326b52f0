#include "lancxilo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    Lancxilo::agordasAplikon();
    QApplication app(argc, argv);
    Lancxilo::preparas();
    return Lancxilo::lancxas();
}
