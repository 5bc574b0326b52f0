#include "lancxilo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    Lancxilo::preparas();
    return Lancxilo::lancxas();
}
