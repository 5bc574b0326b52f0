// How long opening each lesson of the lesson table from the home page takes
// (building the lesson, restoring its answers, translating it and showing
// it), the same again later in the run, against building and showing an
// empty main window; and how much memory the program holds as the lessons
// are opened one after the other.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_lecionoj
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionoj.h"
#include "lerbo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QMainWindow>
#include <QTabWidget>
#include <cstdio>

namespace {

// Peak resident memory of this process so far, in kB (0 where unknown).
long pintaMemoro()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linio : f.readAll().split('\n'))
        if (linio.startsWith("VmHWM:"))
            return linio.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

double ms(const QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
}

void atendas()
{
    QCoreApplication::processEvents();
}

// Opens a lesson from its tile on the home page and waits until it is laid out.
double malfermas(lerbo& w, int numero)
{
    QElapsedTimer t;
    t.start();
    w.findChild<QAbstractButton*>(QStringLiteral("Leciono%1").arg(numero))->click();
    atendas();
    return ms(t);
}

void hejmen(lerbo& w)
{
    w.findChild<QAbstractButton*>(QStringLiteral("Hejmo"))->click();
    atendas();
}

} // namespace

int main(int argc, char** argv)
{
    // The platform's and the media backend's notices would bury the table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));
    lerbo_rimedoj();
    sSistemo = QStringLiteral("linux");
    Loko = QStringLiteral(":/");
    savasLoko = QDir::tempPath() + QStringLiteral("/lerbo_mezuro_lecionoj/");
    QDir(savasLoko).removeRecursively();
    QDir().mkpath(savasLoko);
    mrLoko = savasLoko;
    {
        // A learner who chose English before: no language dialog, no download.
        IniDosiero ini(savasLoko + QStringLiteral("darudaver.ini"));
        ini.setValue(QStringLiteral("Gxenerala/Lingvo"), QStringLiteral("English — angla"));
        ini.setValue(QStringLiteral("Gxenerala/Dosiero"), QStringLiteral("angla.trd"));
        ini.setValue(QStringLiteral("Gxenerala/Sxaltilo"), false);
    }

    const int fojoj = 20;
    QElapsedTimer t;
    double malplena = 0;
    for (int i = 0; i < fojoj; ++i) {
        t.start();
        auto* w = new QMainWindow;
        w->resize(570, 770);
        w->show();
        atendas();
        malplena += ms(t);
        delete w;
        atendas();
    }
    malplena /= fojoj;

    lerbo w;
    w.show();
    atendas();
    std::printf("empty QMainWindow, built and shown: %.2f ms (mean of %d)\n", malplena, fojoj);
    std::printf("peak memory with the main window: %ld kB\n\n", pintaMemoro());
    std::printf("lesson  first opening ms  later ms (mean of %d)  frame built again ms  peak memory kB\n", fojoj);
    for (int n = 1; n <= 13; ++n) {
        const LecionaDatumo* d = LecionaDatumoj(n);
        if (!d || !d->kreas)
            continue;
        const double unua = malfermas(w, n);
        const long memoro = pintaMemoro();
        double poste = 0;
        for (int i = 0; i < fojoj; ++i) {
            hejmen(w);
            poste += malfermas(w, n);
        }
        hejmen(w);
        // The lesson's form built again in this warm process (exercise
        // frames included): what a first opening costs beyond one-time set-up.
        double varma = 0;
        for (int i = 0; i < fojoj; ++i) {
            QWidget patro;
            t.start();
            delete d->kreas(&patro);
            varma += ms(t);
        }
        std::printf("%6d  %16.2f  %22.2f  %20.2f  %14ld\n", n, unua, poste / fojoj, varma / fojoj, memoro);
    }
    std::printf("\npeak memory with every lesson opened: %ld kB\n", pintaMemoro());
    QDir(savasLoko).removeRecursively();
    return 0;
}
