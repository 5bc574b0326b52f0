#include "lancxilo.h"
#include "agordo.h"
#include "agordoj.h"
#include "funkcioj.h"
#include "haltigilo.h"
#include "lerbo.h"
#include "unukopio.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSysInfo>

void Lancxilo::agordasAplikon()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // No window of the program holds an OpenGL widget. Left able to, every
    // window is made an OpenGL one, which loads the graphics driver before
    // the first paint: under X without a GPU driver that was half the start
    // and half the memory.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
}

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
    // Listening before the window exists: a signal during a box of the start
    // or the first start's language dialog closes it, and the program as
    // soon as the window stands.
    Haltigilo haltigilo;
    const QMetaObject::Connection dialogo = QObject::connect(&haltigilo, &Haltigilo::petas, [] {
        if (QWidget* modalo = QApplication::activeModalWidget())
            modalo->close();
    });
    auto avertas = [](const QString& teksto) {
        if (teksto.isEmpty())
            return;
        // It names the writable folder, whose name may hold anything.
        QMessageBox kesto(QMessageBox::Warning, QString(), teksto);
        kesto.setTextFormat(Qt::PlainText);
        kesto.exec();
    };
    // One copy owns the settings file: a second start brings the running
    // window to the front and ends.
    UnuKopio kopio(savasLoko);
    if (!kopio.posedas()) {
        avertas(kopio.problemo());
        return 0;
    }
    avertas(kopio.problemo());
    Agordoj::forigasRestajhojn(savasLoko);
    // The session asks for the learner's work to be kept; the program then
    // ends by the session's own request, so a logout called off leaves it
    // running. Qt's fallback would close the window instead, and a lesson
    // page refuses the first close.
    QGuiApplication::setFallbackSessionManagementEnabled(false);

    lerbo w;
    QObject::disconnect(dialogo);
    if (NeEkzistasTraduko)
        return 1;
    QObject::connect(&haltigilo, &Haltigilo::petas, &w, &lerbo::FermasOrde, Qt::QueuedConnection);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &w, &lerbo::konservasFine);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &w, &lerbo::konservasFine);
    QObject::connect(&kopio, &UnuKopio::montruPetita, &w, [&w] {
        w.setWindowState((w.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w.show();
        w.raise();
        w.activateWindow();
    });
    if (haltigilo.petita())
        QMetaObject::invokeMethod(&w, &lerbo::FermasOrde, Qt::QueuedConnection);
    montras(w);
    return QApplication::exec();
}

void Lancxilo::montras(lerbo& w)
{
    w.setWindowFlag(Qt::MaximizeUsingFullscreenGeometryHint, false);
    w.setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    // The greeting waits for the window to be on screen: its clip would
    // otherwise hold back the first paint.
    QObject::connect(&w, &lerbo::unuaPentrado, &w, &lerbo::Saluton, Qt::QueuedConnection);
    w.show();
}
