// How long opening lesson 1 takes, against building an empty main window,
// and how much memory the program holds once the lesson is open.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_lec01
#include "funkcioj.h"
#include "lecionoj.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QMainWindow>
#include <QTabWidget>
#include <QVBoxLayout>
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One opening as the main window does it: build the frame into the lesson
// page, restore the written answers, show it and let it lay out.
double malfermas(QWidget* pagho, QFrame** kadro)
{
    QElapsedTimer t;
    t.start();
    if (!*kadro) {
        *kadro = KreasLecionon(1, pagho);
        pagho->layout()->addWidget(*kadro);
        SxargxasEk((*kadro)->findChild<QTabWidget*>(QStringLiteral("Lec01")), false);
    }
    pagho->show();
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
    QDir().mkpath(savasLoko);
    mrLoko = savasLoko;
    const long komenca = pintaMemoro();

    const int fojoj = 20;
    QElapsedTimer t;
    double malplena = 0;
    for (int i = 0; i < fojoj; ++i) {
        t.start();
        auto* w = new QMainWindow;
        w->resize(1000, 700);
        w->show();
        atendas();
        malplena += ms(t);
        delete w;
        atendas();
    }
    malplena /= fojoj;

    QWidget fenestro;
    fenestro.resize(1000, 700);
    new QVBoxLayout(&fenestro);
    QFrame* kadro = nullptr;
    const double unua = malfermas(&fenestro, &kadro);
    const long post = pintaMemoro();

    double poste = 0;
    for (int i = 0; i < fojoj; ++i) {
        fenestro.hide();
        atendas();
        poste += malfermas(&fenestro, &kadro);
    }
    poste /= fojoj;

    // A lesson built again in a warm process: the cost of the form itself.
    double varma = 0;
    for (int i = 0; i < fojoj; ++i) {
        QWidget aliu;
        new QVBoxLayout(&aliu);
        aliu.resize(1000, 700);
        QFrame* k = nullptr;
        varma += malfermas(&aliu, &k);
    }
    varma /= fojoj;

    std::printf("empty QMainWindow, built and shown:  %8.2f ms (mean of %d)\n", malplena, fojoj);
    std::printf("lesson 1, first opening:             %8.2f ms\n", unua);
    std::printf("lesson 1, later opening:             %8.2f ms (mean of %d)\n", poste, fojoj);
    std::printf("lesson 1, built again (warm):        %8.2f ms (mean of %d)\n", varma, fojoj);
    std::printf("peak memory: %ld kB at start, %ld kB with lesson 1 open\n", komenca, post);
    QDir(savasLoko).removeRecursively();
    return 0;
}
