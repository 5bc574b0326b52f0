#include "lancxilo.h"
#include "agordo.h"
#include "funkcioj.h"
#include "lerbo.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>

void Lancxilo::preparas()
{
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.0 gufe"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Lerbo de Esperanto Gufe"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));
    QString domajno = QStringLiteral(LERBO_KURSEJO);
    domajno = domajno.section(QLatin1Char(':'), 0, 0);
    QCoreApplication::setOrganizationDomain(domajno);
    lerbo_rimedoj();

    sSistemo = QSysInfo::productType();
    sSistemo = QStringLiteral("linux");
    mrLoko = kiuSistemo(QStringLiteral("multrimedoj"));
    savasLoko = kiuSistemo(QStringLiteral("skribebla"));
    Loko = QStringLiteral(":/");
    // Downloads on a first start land in the writable folder before the
    // settings file has ever created it.
    QDir().mkpath(savasLoko);
}

int Lancxilo::lancxas()
{
    lerbo w;
    if (NeEkzistasTraduko)
        return 1;
    w.setWindowFlag(Qt::MaximizeUsingFullscreenGeometryHint, false);
    w.setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    // The greeting waits for the window to be on screen: its clip would
    // otherwise hold back the first paint.
    QObject::connect(&w, &lerbo::unuaPentrado, &w, &lerbo::Saluton, Qt::QueuedConnection);
    w.show();
    return QApplication::exec();
}
