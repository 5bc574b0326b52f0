// How long the learner waits. The start of the program to the first paint of
// its main window, in a home where English is chosen, with 3 and with 35
// built-in translation files (sets made for the run), against an empty
// QMainWindow of a program linked with Qt Widgets alone (bench_malplena),
// with Qt's defaults and with the raster widgets the program asks for: whole
// processes, from their launch, and from main. The first opening of every
// lesson of the lesson table from the home page of a fresh start, and the
// first and later opening of each as they are opened one after the other
// (building the lesson, restoring its answers, translating it, showing it),
// with the peak memory. The listing of the built-in translations is timed
// with the files that ship and with 35: the reading of their headers alone,
// the first start's language dialog and a start without a downloaded list,
// each of the two until the first paint of the filled list.
//
// Every figure is the median of several runs, each run a process of its own
// (a first opening happens once per process); the kinds of start are run
// alternately so that a busy machine slows them alike.
//
//   xvfb-run -a build/bench/bench_lecionoj          the table
//   build/bench/bench_lecionoj --fojoj 9            more runs
#include "filedownloader.h"
#include "funkcioj.h"
#include "lancxilo.h"
#include "lecionoj.h"
#include "lerbo.h"
#include "tradukolisto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QMap>
#include <QProcess>
#include <QResource>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

QElapsedTimer ekdeStarto;

// The monotonic clock in nanoseconds, which this process and the ones it
// starts share.
long long nun()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

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

// Prints the time of the first paint of the watched window, from main and on
// the monotonic clock, and ends the run.
class Gvatanto : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !farita) {
            farita = true;
            std::printf("starto %.3f %lld\n", ms(ekdeStarto), nun());
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
    bool farita = false;
};

// Another set of built-in translations, the resource file `rimedo`, in
// place of the program's own; false when it cannot be registered.
bool anstatauigasTradukojn(const QString& rimedo)
{
    if (rimedo.isEmpty())
        return true;
    if (!QResource::registerResource(rimedo, QStringLiteral("/mezuro"))) {
        std::fprintf(stderr, "cannot register %s\n", qPrintable(rimedo));
        return false;
    }
    Loko = QStringLiteral(":/mezuro/");
    return true;
}

// One start of the program as main() does it, with the built-in translations
// of `rimedo` when given.
int starto(int argc, char** argv, const QString& rimedo)
{
    Lancxilo::agordasAplikon();
    QApplication app(argc, argv);
    Lancxilo::preparas();
    if (!anstatauigasTradukojn(rimedo))
        return 1;
    Gvatanto gvatanto;
    lerbo w;
    w.installEventFilter(&gvatanto);
    w.resize(569, 770);
    Lancxilo::montras(w);
    return QApplication::exec();
}

// Waits for the first paint of a window that shows its list of languages
// filled: the dialog's list, or the settings page's combo box of the main
// window (filled when the translation is loaded, the page itself unseen).
class ListoGvatanto : public QObject
{
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || !o->isWidgetType())
            return false;
        QWidget* fenestro = static_cast<QWidget*>(o)->window();
        if (fenestro->inherits("lingvoelekto")) {
            auto* l = fenestro->findChild<QListWidget*>(QStringLiteral("Lingvo"));
            if (l && l->count() > 0)
                finas("dialogo", l->count());
        } else if (fenestro->inherits("lerbo")) {
            auto* l = fenestro->findChild<QComboBox*>(QStringLiteral("Lingvo"));
            if (l && l->count() > 0)
                finas("senlisto", l->count());
        }
        return false;
    }
    [[noreturn]] static void finas(const char* kio, int lingvoj)
    {
        std::printf("%s %.3f %d\n", kio, ms(ekdeStarto), lingvoj);
        std::fflush(stdout);
        // Nothing after the figure matters, and the dialog runs its own
        // modal loop inside the main window's constructor.
        std::_Exit(0);
    }
};

// A start that lists the built-in translations: the first start (no settings;
// the language dialog) or a start whose downloaded list is missing. The list
// download is refused at once, as without a network. `rimedo`, when given,
// holds another set of built-in translations.
int listanta(int argc, char** argv, const QString& rimedo)
{
    Lancxilo::agordasAplikon();
    QApplication app(argc, argv);
    Lancxilo::preparas();
    if (!anstatauigasTradukojn(rimedo))
        return 1;
    {
        QTcpServer provizora;
        provizora.listen(QHostAddress::LocalHost, 0);
        FileDownloader::setKursejo(QStringLiteral("127.0.0.1:%1").arg(provizora.serverPort()));
    }
    ListoGvatanto gvatanto;
    app.installEventFilter(&gvatanto);
    lerbo w;
    w.resize(569, 770);
    Lancxilo::montras(w);
    return QApplication::exec();
}

// The headers of every built-in translation read once, as a list reads them
// in a process that has read none before.
int kapoj(int argc, char** argv, const QString& rimedo)
{
    QCoreApplication app(argc, argv);
    lerbo_rimedoj();
    Loko = QStringLiteral(":/");
    if (!rimedo.isEmpty()) {
        if (!QResource::registerResource(rimedo, QStringLiteral("/mezuro")))
            return 1;
        Loko = QStringLiteral(":/mezuro/");
    }
    QElapsedTimer t;
    t.start();
    const int n = TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020")).size();
    std::printf("kapoj %.3f %d\n", ms(t), n);
    return 0;
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

// A learner's first click comes well after the first paint: what the window
// does in the time between (the media player, work done ahead while idle) is
// not a lesson's cost. Half a second, or LERBO_KVIETE_MS (under a profiler
// that slows the program down many times).
void kvietas()
{
    const int kiom =
        qEnvironmentVariableIsSet("LERBO_KVIETE_MS") ? qEnvironmentVariableIntValue("LERBO_KVIETE_MS") : 500;
    QElapsedTimer kviete;
    kviete.start();
    while (kviete.elapsed() < kiom)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// One lesson opened from the home page of a fresh start: the first opening
// a learner who starts the program and goes to that lesson waits for.
int leciono(int argc, char** argv, int numero)
{
    Lancxilo::agordasAplikon();
    QApplication app(argc, argv);
    Lancxilo::preparas();
    lerbo w;
    w.resize(569, 770);
    Lancxilo::montras(w);
    kvietas();
    std::printf("sola %d %.3f\n", numero, malfermas(w, numero));
    std::fflush(stdout);
    return 0;
}

// Every lesson of the table opened from the home page, once and then again.
int lecionoj(int argc, char** argv)
{
    Lancxilo::agordasAplikon();
    QApplication app(argc, argv);
    Lancxilo::preparas();
    lerbo w;
    w.resize(569, 770);
    Lancxilo::montras(w);
    kvietas();
    std::printf("memoro 0 %ld\n", pintaMemoro());
    const int fojoj = 10;
    for (int n = 1; n <= 13; ++n) {
        const LecionaDatumo* d = LecionaDatumoj(n);
        if (!d || !d->kreas)
            continue;
        const double unua = malfermas(w, n);
        double poste = 0;
        for (int i = 0; i < fojoj; ++i) {
            hejmen(w);
            poste += malfermas(w, n);
        }
        hejmen(w);
        std::printf("leciono %d %.3f %.3f %ld\n", n, unua, poste / fojoj, pintaMemoro());
    }
    std::printf("memoro 99 %ld\n", pintaMemoro());
    std::fflush(stdout);
    return 0;
}

double mediano(QVector<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const int m = v.size() / 2;
    return v.size() % 2 ? v.at(m) : (v.at(m - 1) + v.at(m)) / 2;
}

// One run of a measuring process: its lines split in words, and the
// monotonic clock when it was launched.
struct Kuro
{
    QList<QStringList> linioj;
    long long lancxita = 0;

    // The first number after the word `kio` (-1 without such a line).
    double nombro(const QString& kio, int kampo = 1) const
    {
        for (const QStringList& l : linioj)
            if (l.value(0) == kio)
                return l.value(kampo).toDouble();
        return -1;
    }
    // From the launch to the clock reading after the word `kio`, in ms.
    double ekdeLancxo(const QString& kio, int kampo) const
    {
        for (const QStringList& l : linioj)
            if (l.value(0) == kio)
                return (l.value(kampo).toLongLong() - lancxita) / 1e6;
        return -1;
    }
};

// Runs `programo` (this program when empty) with `argumentoj`.
Kuro kuras(const QStringList& argumentoj, const QProcessEnvironment& medio, const QString& programo = QString())
{
    QProcess p;
    p.setProcessEnvironment(medio);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Kuro kuro;
    kuro.lancxita = nun();
    p.start(programo.isEmpty() ? QCoreApplication::applicationFilePath() : programo, argumentoj);
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::fprintf(stderr, "%s: the run failed\n", qPrintable(argumentoj.join(QLatin1Char(' '))));
        return kuro;
    }
    for (const QByteArray& l : p.readAllStandardOutput().split('\n'))
        if (!l.trimmed().isEmpty())
            kuro.linioj.append(QString::fromUtf8(l).split(QLatin1Char(' '), Qt::SkipEmptyParts));
    return kuro;
}

// A learner who chose English before, with a list of languages from today:
// no language dialog and no download at start.
bool preparasHejmon(const QString& hejmo)
{
    const QString dosierujo = hejmo + QStringLiteral("/data/Lerbo de Esperanto/DarudAver/");
    if (!QDir().mkpath(dosierujo))
        return false;
    QFile ini(dosierujo + QStringLiteral("darudaver.ini"));
    QFile listo(dosierujo + QStringLiteral("traduklisto.ini"));
    if (!ini.open(QIODevice::WriteOnly) || !listo.open(QIODevice::WriteOnly))
        return false;
    ini.write("[Gxenerala]\nLingvo=English \xe2\x80\x94 angla\nDosiero=angla.trd\n");
    return true;
}

bool skribas(const QString& vojo, const QByteArray& enhavo)
{
    QFile f(vojo);
    return f.open(QIODevice::WriteOnly) && f.write(enhavo) == enhavo.size();
}

// Homes for the two listing starts: one never started (the dialog comes),
// one with English chosen and no downloaded list.
bool preparasListajnHejmojn(const QString& unua, const QString& senListo)
{
    const QString sub = QStringLiteral("/data/Lerbo de Esperanto/DarudAver/");
    return QDir().mkpath(unua + sub) && QDir().mkpath(senListo + sub)
           && skribas(senListo + sub + QStringLiteral("darudaver.ini"),
                      "[Gxenerala]\nLingvo=English \xe2\x80\x94 angla\nDosiero=angla.trd\n");
}

// `n` built-in translations as a resource file: English first, then the
// other shipped ones in name order, then copies of them under other names,
// each with a header of its own, and their index. `dosierujo` is a scratch folder; the result
// is its "tradukoj.rcc", or empty.
QString preparasTradukojn(const QString& dosierujo, int kiom)
{
    lerbo_rimedoj();
    QDir().mkpath(dosierujo + QStringLiteral("/tradukoj"));
    QStringList sendataj =
        QDir(QStringLiteral(":/tradukoj")).entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name);
    if (!sendataj.removeOne(QStringLiteral("angla.trd")))
        return QString();
    sendataj.prepend(QStringLiteral("angla.trd"));
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (int i = 0; i < kiom; ++i) {
        const QString fonto = sendataj.at(i % sendataj.size());
        QFile f(QStringLiteral(":/tradukoj/") + fonto);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        QByteArray enhavo = f.readAll();
        QString nomo = fonto;
        if (i >= sendataj.size()) {
            nomo = QStringLiteral("kopio%1.trd").arg(i, 2, 10, QLatin1Char('0'));
            const QByteArray n = QByteArray::number(i);
            enhavo.replace("\nLingvo=", "\nLingvo=Kopio " + n + " \xe2\x80\x94 ");
            enhavo.replace("\nLingvoID=", "\nLingvoID=k" + n);
        }
        if (!skribas(dosierujo + QStringLiteral("/tradukoj/") + nomo, enhavo))
            return QString();
        qrc += "<file>tradukoj/" + nomo.toUtf8() + "</file>\n";
    }
    // With its index, as the build makes one for the files that ship.
    QStringList nomoj;
    for (const QString& f : QDir(dosierujo + QStringLiteral("/tradukoj")).entryList({QStringLiteral("*.trd")}))
        nomoj << f;
    if (!skribas(dosierujo + QStringLiteral("/tradukoj/") + TradukoListo::indeksoNomo(),
                 TradukoListo::indekso(dosierujo + QStringLiteral("/tradukoj"), nomoj)))
        return QString();
    qrc += "<file>tradukoj/" + TradukoListo::indeksoNomo().toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    if (!skribas(dosierujo + QStringLiteral("/tradukoj.qrc"), qrc))
        return QString();
    const QString rcc = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/rcc");
    const QString celo = dosierujo + QStringLiteral("/tradukoj.rcc");
    QProcess p;
    p.setWorkingDirectory(dosierujo);
    p.start(QFile::exists(rcc) ? rcc : QStringLiteral("rcc"),
            {QStringLiteral("-binary"), QStringLiteral("tradukoj.qrc"), QStringLiteral("-o"), celo});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return celo;
}

int tabelo(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int fojoj = 7;
    const QStringList args = QCoreApplication::arguments();
    const int i = args.indexOf(QStringLiteral("--fojoj"));
    if (i > 0)
        fojoj = qMax(1, args.value(i + 1).toInt());

    QTemporaryDir hejmo;
    if (!hejmo.isValid() || !preparasHejmon(hejmo.path())) {
        std::fprintf(stderr, "no temporary home folder\n");
        return 1;
    }
    QProcessEnvironment medio = QProcessEnvironment::systemEnvironment();
    medio.insert(QStringLiteral("HOME"), hejmo.path());
    medio.insert(QStringLiteral("XDG_DATA_HOME"), hejmo.path() + QStringLiteral("/data"));
    medio.insert(QStringLiteral("XDG_CONFIG_HOME"), hejmo.path() + QStringLiteral("/config"));
    medio.insert(QStringLiteral("XDG_CACHE_HOME"), hejmo.path() + QStringLiteral("/cache"));
    // The platform's and the media backend's notices would bury the table.
    medio.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*=false"));
    if (!medio.contains(QStringLiteral("QT_GSTREAMER_PLAYBIN_AUDIOSINK")))
        medio.insert(QStringLiteral("QT_GSTREAMER_PLAYBIN_AUDIOSINK"), QStringLiteral("fakesink"));

    QTemporaryDir tradukoj3, tradukoj35;
    const QString rimedo3 = tradukoj3.isValid() ? preparasTradukojn(tradukoj3.path(), 3) : QString();
    const QString rimedo35 = tradukoj35.isValid() ? preparasTradukojn(tradukoj35.path(), 35) : QString();
    const QString malplena = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_malplena");
    if (rimedo3.isEmpty() || rimedo35.isEmpty() || !QFile::exists(malplena)) {
        std::fprintf(stderr, "cannot prepare the starts\n");
        return 1;
    }

    // The starts: the empty windows and the program with 3 and with 35
    // translations, one of each in turn.
    struct Speco
    {
        const char* nomo;
        QStringList argumentoj;
        QString programo;
        QVector<double> tuta, ekdeMain;
    };
    QVector<Speco> specoj = {
        {"empty QMainWindow, Qt's defaults             ", {}, malplena, {}, {}},
        {"empty QMainWindow, raster as the program     ", {QStringLiteral("--rastre")}, malplena, {}, {}},
        {"main window,  3 built-in translations        ", {QStringLiteral("--lerbo"), rimedo3}, QString(), {}, {}},
        {"main window, 35 built-in translations        ", {QStringLiteral("--lerbo"), rimedo35}, QString(), {}, {}},
    };
    for (int n = 0; n < fojoj; ++n) {
        for (Speco& s : specoj) {
            const Kuro k = kuras(s.argumentoj, medio, s.programo);
            s.tuta.append(k.ekdeLancxo(QStringLiteral("starto"), 2));
            s.ekdeMain.append(k.nombro(QStringLiteral("starto")));
        }
    }
    const double fundo = mediano(specoj.first().tuta);
    const double fundoMain = mediano(specoj.first().ekdeMain);
    std::printf("Start to the first paint, a home with English chosen, median of %d runs each, run alternately;\n"
                "whole process from its launch, and from main; times the empty window with Qt's defaults:\n",
                fojoj);
    std::printf("                                                whole process          from main\n");
    for (const Speco& s : specoj) {
        const double tuta = mediano(s.tuta);
        const double ekdeMain = mediano(s.ekdeMain);
        std::printf("  %s %7.1f ms  %5.2f x   %7.1f ms  %5.2f x\n", s.nomo, tuta, fundo > 0 ? tuta / fundo : 0.0,
                    ekdeMain, fundoMain > 0 ? ekdeMain / fundoMain : 0.0);
    }
    std::printf("\n");

    // The listing starts, with the shipped translations and with 35.
    QTemporaryDir unuaHejmo, senListoHejmo;
    if (!unuaHejmo.isValid() || !senListoHejmo.isValid()
        || !preparasListajnHejmojn(unuaHejmo.path(), senListoHejmo.path())) {
        std::fprintf(stderr, "cannot prepare the listing starts\n");
        return 1;
    }
    auto medioDe = [&medio](const QString& h) {
        QProcessEnvironment m = medio;
        m.insert(QStringLiteral("HOME"), h);
        m.insert(QStringLiteral("XDG_DATA_HOME"), h + QStringLiteral("/data"));
        m.insert(QStringLiteral("XDG_CONFIG_HOME"), h + QStringLiteral("/config"));
        m.insert(QStringLiteral("XDG_CACHE_HOME"), h + QStringLiteral("/cache"));
        return m;
    };
    const QProcessEnvironment unuaMedio = medioDe(unuaHejmo.path());
    const QProcessEnvironment senListoMedio = medioDe(senListoHejmo.path());
    const QString kapoj = QStringLiteral("--kapoj");
    const QString listanta = QStringLiteral("--listanta");
    QVector<double> kapoj3, kapoj35, dialogoj3, dialogoj35, senListo3, senListo35;
    for (int n = 0; n < fojoj; ++n) {
        kapoj3.append(kuras({kapoj}, medio).nombro(QStringLiteral("kapoj")));
        kapoj35.append(kuras({kapoj, rimedo35}, medio).nombro(QStringLiteral("kapoj")));
        dialogoj3.append(kuras({listanta}, unuaMedio).nombro(QStringLiteral("dialogo")));
        dialogoj35.append(kuras({listanta, rimedo35}, unuaMedio).nombro(QStringLiteral("dialogo")));
        senListo3.append(kuras({listanta}, senListoMedio).nombro(QStringLiteral("senlisto")));
        senListo35.append(kuras({listanta, rimedo35}, senListoMedio).nombro(QStringLiteral("senlisto")));
    }
    // Both columns may hold 35 files: the heads say which is which.
    std::printf("Listing the built-in translations, median of %d runs each, run alternately, with the files\n"
                "that ship and with a set of 35 made for the run:\n"
                "                                                    %2d shipped      35 made\n",
                fojoj, int(QDir(QStringLiteral(":/tradukoj")).entryList({QStringLiteral("*.trd")}).size()));
    std::printf("  every header read, once in a fresh process        %10.2f   %10.2f ms\n", mediano(kapoj3),
                mediano(kapoj35));
    std::printf("  first start, to the first paint of the dialog     %10.1f   %10.1f ms\n", mediano(dialogoj3),
                mediano(dialogoj35));
    std::printf("  no downloaded list, to the first paint of the\n"
                "  main window with its languages listed             %10.1f   %10.1f ms\n\n",
                mediano(senListo3), mediano(senListo35));

    // Every lesson opened first in a fresh start, then all of them one after
    // the other in one process.
    QMap<int, QVector<double>> solaj, unuaj, postaj, memoroj;
    QVector<double> hejma, cxiuj;
    for (int n = 0; n < fojoj; ++n) {
        for (int leciono = 1; leciono <= 13; ++leciono) {
            const LecionaDatumo* d = LecionaDatumoj(leciono);
            if (d && d->kreas)
                solaj[leciono].append(kuras({QStringLiteral("--leciono"), QString::number(leciono)}, medio)
                                          .nombro(QStringLiteral("sola"), 2));
        }
        for (const QStringList& l : kuras({QStringLiteral("--lecionoj")}, medio).linioj) {
            if (l.value(0) == QLatin1String("leciono")) {
                const int leciono = l.value(1).toInt();
                unuaj[leciono].append(l.value(2).toDouble());
                postaj[leciono].append(l.value(3).toDouble());
                memoroj[leciono].append(l.value(4).toDouble());
            } else if (l.value(0) == QLatin1String("memoro")) {
                (l.value(1) == QLatin1String("0") ? hejma : cxiuj).append(l.value(2).toDouble());
            }
        }
    }
    std::printf("Lessons opened from the home page, median of %d runs: the first opening in a fresh start\n"
                "(after half a second at rest), and the first and later openings one after the other:\n",
                fojoj);
    std::printf("  lesson  fresh start ms  first in turn ms  later ms  peak memory MB\n");
    for (auto it = unuaj.cbegin(); it != unuaj.cend(); ++it)
        std::printf("  %6d  %14.1f  %16.1f  %8.1f  %14.1f\n", it.key(), mediano(solaj.value(it.key())),
                    mediano(it.value()), mediano(postaj.value(it.key())), mediano(memoroj.value(it.key())) / 1024);
    std::printf("\nPeak memory: %.1f MB with the main window, %.1f MB with every lesson opened\n",
                mediano(hejma) / 1024, mediano(cxiuj) / 1024);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ekdeStarto.start();
    const QByteArray reghimo = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const QString rimedo = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (reghimo == "--lerbo")
        return starto(argc, argv, rimedo);
    if (reghimo == "--lecionoj")
        return lecionoj(argc, argv);
    if (reghimo == "--leciono" && argc > 2)
        return leciono(argc, argv, QByteArray(argv[2]).toInt());
    if (reghimo == "--kapoj")
        return kapoj(argc, argv, rimedo);
    if (reghimo == "--listanta")
        return listanta(argc, argv, rimedo);
    return tabelo(argc, argv);
}
