// How long opening lesson 1 from the home page takes (building the lesson,
// restoring its answers, translating it and showing it), the same again
// later in the run, against building and showing an empty main window; and
// how much memory the program holds once the lesson is open.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_lec01
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

// Opens lesson 1 from the home page and waits until it is laid out.
double malfermas(lerbo& w)
{
    QElapsedTimer t;
    t.start();
    w.findChild<QAbstractButton*>(QStringLiteral("Leciono1"))->click();
    atendas();
    return ms(t);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));
    lerbo_rimedoj();
    sSistemo = QStringLiteral("linux");
    Loko = QStringLiteral(":/");
    savasLoko = QDir::tempPath() + QStringLiteral("/lerbo_mezuro_lec01/");
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
    const long antau = pintaMemoro();
    const double unua = malfermas(w);
    const long post = pintaMemoro();

    double poste = 0;
    for (int i = 0; i < fojoj; ++i) {
        w.findChild<QAbstractButton*>(QStringLiteral("Hejmo"))->click();
        atendas();
        poste += malfermas(w);
    }
    poste /= fojoj;

    // The lesson's form built again in this warm process (exercise frames
    // included): what a first opening costs beyond one-time set-up.
    double varma = 0;
    for (int i = 0; i < fojoj; ++i) {
        QWidget patro;
        t.start();
        delete KreasLecionon(1, &patro);
        varma += ms(t);
    }
    varma /= fojoj;

    std::printf("empty QMainWindow, built and shown:    %8.2f ms (mean of %d)\n", malplena, fojoj);
    std::printf("lesson 1, first opening from home:     %8.2f ms\n", unua);
    std::printf("lesson 1, later opening from home:     %8.2f ms (mean of %d)\n", poste, fojoj);
    std::printf("lesson 1 frame built again (warm):     %8.2f ms (mean of %d)\n", varma, fojoj);
    std::printf("peak memory: %ld kB with the main window, %ld kB with lesson 1 open\n", antau, post);
    QDir(savasLoko).removeRecursively();
    return 0;
}
