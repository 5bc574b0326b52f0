#include "funkcioj.h"
#include "lerbo.h"

#include <QApplication>
#include <QSysInfo>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.0 gufe"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Lerbo de Esperanto Gufe"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));
    lerbo_rimedoj();

    sSistemo = QSysInfo::productType();
    sSistemo = QStringLiteral("linux");
    mrLoko = kiuSistemo(QStringLiteral("multrimedoj"));
    savasLoko = kiuSistemo(QStringLiteral("skribebla"));
    Loko = QStringLiteral(":/");

    lerbo w;
    w.show();
    return app.exec();
}
