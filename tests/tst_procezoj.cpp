// The program as the desktop runs it: each case starts this test program
// again as a child that goes through the program's own start (Lancxilo), does
// what a learner does, says "preta" on its output, and is then ended from
// outside with a signal or met by a second copy.
#include "filedownloader.h"
#include "lancxilo.h"
#include "lingvoelekto.h"
#include "tradukmodelo.h"
#include "tst_lerbo_komuna.h"
#include "unukopio.h"

#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTabWidget>
#include <csignal>
#include <cstdio>

using namespace lerbotesto;

// The toolkit's call through which the platform tells the application that
// the session ends; its header is not installed, the call is exported.
class QWindowSystemInterface
{
public:
    struct SynchronousDelivery
    {
    };
    template <typename Dorso>
    static bool handleApplicationTermination();
};

namespace {

const QString Respondo = QStringLiteral("Mi lernas Esperanton.");

void diras(const char* vorto)
{
    std::fputs(vorto, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

lerbo* videblaFenestro()
{
    for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<lerbo*>(f); w && w->isVisible())
            return w;
    return nullptr;
}

// Runs `pasxo` every few milliseconds until it says it is done. Stopped at
// once: a box that `pasxo` opens runs a loop of its own, in which the timer
// would go on firing until that box is closed.
void ripetas(const std::function<bool()>& pasxo)
{
    auto* tempo = new QTimer(qApp);
    QObject::connect(tempo, &QTimer::timeout, [tempo, pasxo] {
        if (pasxo()) {
            tempo->stop();
            tempo->deleteLater();
        }
    });
    tempo->start(10);
}

// The learner opens lesson 1, turns back to its last page (the send page)
// and types an answer into its first field; `antaue` runs once the window
// is in front, `poste` after "preta".
void tajpas(const std::function<void()>& antaue = {}, const std::function<void()>& poste = {})
{
    ripetas([antaue, poste] {
        lerbo* w = videblaFenestro();
        if (!w || QApplication::activeWindow() != w)
            return false;
        el<QPushButton>(w, "Leciono1")->click();
        el<QPushButton>(w, "maldekstren")->click();
        auto* leciono = el<QTabWidget>(w, "Lec01");
        QWidget* kampo = nullptr;
        for (QWidget* k : RespondoKampoj(leciono))
            if (!kampo && leciono->currentWidget()->isAncestorOf(k))
                kampo = k;
        if (!kampo)
            qFatal("no answer field on the last page of lesson 1");
        kampo->setFocus();
        if (antaue)
            antaue();
        testilo::tajpas(kampo, Respondo);
        diras("preta");
        if (poste)
            poste();
        return true;
    });
}

// The settings file turns into a folder while the program runs: no save
// can reach the disk from then on, whoever runs the program.
void neSkribebla()
{
    const QString vojo = savasLoko + QStringLiteral("darudaver.ini");
    QFile::remove(vojo);
    QDir().mkpath(vojo + QStringLiteral("/ene"));
}

// The first start's dialog: "Esperanto" chosen (elektas) or left open.
void lingvo(bool elektas)
{
    ripetas([elektas] {
        auto* d = qobject_cast<lingvoelekto*>(QApplication::activeModalWidget());
        if (!d)
            return false;
        auto* listo = d->findChild<QListWidget*>(QStringLiteral("Lingvo"));
        if (listo->count() == 0)
            return false;
        if (!elektas) {
            diras("preta");
            return true;
        }
        listo->setCurrentItem(listo->findItems(QStringLiteral("Esperanto"), Qt::MatchExactly).value(0));
        d->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
        ripetas([] {
            if (!videblaFenestro())
                return false;
            diras("preta");
            return true;
        });
        return true;
    });
}

// A running copy, minimised: it says "levita" when it comes back to the front.
void atendasDuan()
{
    ripetas([] {
        lerbo* w = videblaFenestro();
        if (!w)
            return false;
        w->showMinimized();
        struct Gardisto : QObject
        {
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::WindowStateChange && !static_cast<QWidget*>(o)->isMinimized())
                    diras("levita");
                return false;
            }
        };
        // The window owns its watch, so that the copy ends without a leak.
        auto* gardisto = new Gardisto;
        gardisto->setParent(w);
        w->installEventFilter(gardisto);
        diras("preta");
        return true;
    });
}

// Says the text of every message box on one line ("kesto ...") and closes
// it, as a learner reads and presses OK.
void legasKestojn()
{
    ripetas([] {
        if (auto* kesto = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            diras(qPrintable(QStringLiteral("kesto ") + kesto->text().simplified()));
            kesto->close();
        }
        return false;
    });
}

// The volunteer opens the translation editor, which asks what becomes of
// the texts kept from the last run; "preta" once the question is open,
// then `poste`.
void redaktilo(const std::function<void()>& poste = {})
{
    ripetas([poste] {
        lerbo* w = videblaFenestro();
        if (!w || QApplication::activeWindow() != w)
            return false;
        ripetas([poste] {
            auto* kesto = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!kesto || !kesto->text().contains(QStringLiteral("restarigi")))
                return false;
            diras("preta");
            if (poste)
                poste();
            return true;
        });
        // The opening waits in the question until it is answered: it runs
        // after this step has said it is done.
        QTimer::singleShot(0, w, [w] {
            el<QPushButton>(w, "Konfigurado")->click();
            el<QPushButton>(w, "tradukilo")->click();
        });
        return true;
    });
}

// What the platform does when the desktop session ends (a logout).
void sesioFinighas()
{
    QTimer::singleShot(
        0, [] { QWindowSystemInterface::handleApplicationTermination<QWindowSystemInterface::SynchronousDelivery>(); });
}

int infano(int argc, char** argv)
{
    QApplication app(argc, argv);
    Lancxilo::preparas();
    TempoSkalo = 0.001;
    FileDownloader::setKursejo(QStringLiteral("127.0.0.1:9"));
    const QByteArray reghimo = argv[2];
    if (reghimo == "tajpas")
        tajpas();
    else if (reghimo == "neskribebla")
        tajpas(neSkribebla);
    else if (reghimo == "sesio")
        tajpas(neSkribebla, sesioFinighas);
    else if (reghimo == "restarigo")
        redaktilo();
    else if (reghimo == "restarigo_sesio")
        redaktilo(sesioFinighas);
    else if (reghimo == "lingvo")
        lingvo(true);
    else if (reghimo == "dialogo")
        lingvo(false);
    else if (reghimo == "unua")
        atendasDuan();
    else if (reghimo == "kestoj") {
        legasKestojn();
        ripetas([] {
            if (videblaFenestro())
                diras("fenestro");
            return videblaFenestro() != nullptr;
        });
    } else if (reghimo == "fermas")
        // The learner goes home and presses Exit.
        tajpas(neSkribebla, [] {
            legasKestojn();
            QTimer::singleShot(0, [] {
                el<QPushButton>(videblaFenestro(), "Hejmo")->click();
                el<QPushButton>(videblaFenestro(), "Eliri")->click();
            });
        });
    else
        ripetas([] {
            if (videblaFenestro())
                diras("fenestro");
            return videblaFenestro() != nullptr;
        });
    return Lancxilo::lancxas();
}

// A copy of the program with the writable folder under `hejmo`.
class Kopio
{
public:
    explicit Kopio(const QString& hejmo)
        : m_Hejmo(hejmo)
    {
        QProcessEnvironment medio = QProcessEnvironment::systemEnvironment();
        medio.insert(QStringLiteral("XDG_DATA_HOME"), hejmo);
        m_Procezo.setProcessEnvironment(medio);
        m_Procezo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Kopio()
    {
        if (m_Procezo.state() != QProcess::NotRunning) {
            m_Procezo.kill();
            m_Procezo.waitForFinished(10000);
        }
    }

    // The writable folder of the child, as Lancxilo::preparas finds it.
    static QString dosierujo(const QString& hejmo) { return hejmo + QStringLiteral("/Lerbo de Esperanto/DarudAver/"); }

    // Keeps the child's standard error for eraroj() instead of passing it on.
    void kaptasEraron() { m_Procezo.setProcessChannelMode(QProcess::SeparateChannels); }
    QByteArray eraroj() { return m_Procezo.readAllStandardError(); }

    void lancxas(const QString& reghimo)
    {
        m_Procezo.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--infano"), reghimo});
    }
    // Whether the child said `vorto` before it ended.
    bool diris(const QByteArray& vorto)
    {
        return QTest::qWaitFor(
                   [&] {
                       m_Eligo += m_Procezo.readAllStandardOutput();
                       return m_Eligo.split('\n').contains(vorto) || m_Procezo.state() == QProcess::NotRunning;
                   },
                   60000)
               && (m_Eligo += m_Procezo.readAllStandardOutput()).split('\n').contains(vorto);
    }
    bool finighis() { return m_Procezo.waitForFinished(60000); }
    void sendas(int signalo) { ::kill(pid_t(m_Procezo.processId()), signalo); }
    QProcess& procezo() { return m_Procezo; }
    QByteArray eligo() { return m_Eligo += m_Procezo.readAllStandardOutput(); }

private:
    QString m_Hejmo;
    QProcess m_Procezo;
    QByteArray m_Eligo;
};

} // namespace

class TestoProcezoj : public QObject
{
    Q_OBJECT

    QString hejmo;

    // The settings a learner left in the child's writable folder.
    void lernanto()
    {
        const QString propra = savasLoko;
        savasLoko = Kopio::dosierujo(hejmo);
        QDir().mkpath(savasLoko);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        savasLoko = propra;
    }
    QVariant valoro(const QString& sxlosilo) const
    {
        return IniDosiero(Kopio::dosierujo(hejmo) + QStringLiteral("darudaver.ini")).value(sxlosilo);
    }

private slots:
    void init() { hejmo = testilo::novaDosierujo(QStringLiteral("infano")).chopped(1); }

    // Whatever ends the program, the language chosen and the answers typed
    // are there at the next start; SIGKILL allows no last save, so what it
    // finds was written while the learner went on.
    void finoKunSignalo_data()
    {
        QTest::addColumn<QString>("reghimo");
        QTest::addColumn<int>("signalo");
        QTest::newRow("answers, SIGTERM") << "tajpas" << int(SIGTERM);
        QTest::newRow("answers, SIGHUP") << "tajpas" << int(SIGHUP);
        QTest::newRow("answers, SIGINT") << "tajpas" << int(SIGINT);
        QTest::newRow("answers, SIGKILL once typing stopped") << "tajpas" << int(SIGKILL);
        QTest::newRow("language chosen, SIGKILL") << "lingvo" << int(SIGKILL);
        QTest::newRow("language dialog open, SIGTERM") << "dialogo" << int(SIGTERM);
    }
    void finoKunSignalo()
    {
        QFETCH(QString, reghimo);
        QFETCH(int, signalo);
        const bool respondoj = reghimo == QLatin1String("tajpas");
        if (respondoj)
            lernanto();
        Kopio kopio(hejmo);
        kopio.lancxas(reghimo);
        QVERIFY2(kopio.diris("preta"), kopio.eligo().constData());
        if (signalo == SIGKILL && respondoj) {
            // The answer reaches the disk a moment after the typing stops.
            QTRY_COMPARE_WITH_TIMEOUT(valoro(QStringLiteral("Lec01/lineEdit")).toString(), Respondo, 20000);
        }
        kopio.sendas(signalo);
        QVERIFY(kopio.finighis());
        if (signalo != SIGKILL) {
            QCOMPARE(kopio.procezo().exitStatus(), QProcess::NormalExit);
            QCOMPARE(kopio.procezo().exitCode(), 0);
        }
        if (respondoj) {
            QCOMPARE(valoro(QStringLiteral("Lec01/lineEdit")).toString(), Respondo);
            QCOMPARE(valoro(QStringLiteral("Gxenerala/LastaLeciono")).toInt(), 1);
        } else {
            QVERIFY(!valoro(QStringLiteral("Gxenerala/Lingvo")).toString().isEmpty());
            if (reghimo == QLatin1String("lingvo"))
                QCOMPARE(valoro(QStringLiteral("Gxenerala/Dosiero")).toString(), QStringLiteral("esperanto.trd"));
        }
    }

    // A folder that stops taking saves while the learner types: an end from
    // outside (a signal, the session) waits for nobody to read a box. It
    // says on standard error what is lost and ends as usual. The learner's
    // own close tells it in a box.
    void finoSenSkribeblaDosierujo_data()
    {
        QTest::addColumn<QString>("reghimo");
        QTest::addColumn<int>("signalo");
        QTest::newRow("SIGTERM") << "neskribebla" << int(SIGTERM);
        QTest::newRow("SIGHUP") << "neskribebla" << int(SIGHUP);
        QTest::newRow("SIGINT") << "neskribebla" << int(SIGINT);
        QTest::newRow("the session ends") << "sesio" << 0;
        QTest::newRow("the learner presses Exit") << "fermas" << 0;
    }
    void finoSenSkribeblaDosierujo()
    {
        QFETCH(QString, reghimo);
        QFETCH(int, signalo);
        lernanto();
        Kopio kopio(hejmo);
        kopio.kaptasEraron();
        kopio.lancxas(reghimo);
        QVERIFY2(kopio.diris("preta"), kopio.eligo().constData());
        if (signalo)
            kopio.sendas(signalo);
        QVERIFY2(kopio.finighis(), "the program waits for someone");
        QCOMPARE(kopio.procezo().exitStatus(), QProcess::NormalExit);
        QCOMPARE(kopio.procezo().exitCode(), 0);
        const QString eraroj = QString::fromUtf8(kopio.eraroj());
        const QString vojo = QDir::toNativeSeparators(Kopio::dosierujo(hejmo) + QStringLiteral("darudaver.ini"));
        const QString averto = QStringLiteral("The settings could not be saved in ") + vojo;
        if (reghimo == QLatin1String("fermas")) {
            QVERIFY2(kopio.eligo().contains("kesto " + averto.toUtf8()), kopio.eligo().constData());
            QVERIFY2(!eraroj.contains(averto), qPrintable(eraroj));
        } else {
            QVERIFY2(eraroj.count(averto) == 1, qPrintable(eraroj));
            QVERIFY2(eraroj.contains(QStringLiteral("answers")) && eraroj.contains(QStringLiteral("are lost")),
                     qPrintable(eraroj));
        }
        QVERIFY(QFileInfo(Kopio::dosierujo(hejmo) + QStringLiteral("darudaver.ini")).isDir());
    }

    // The editor's question about the texts kept from the last run is open
    // when the program is ended from outside: nobody answered it, so the
    // kept copy stays as it was for the next start, and the end is a normal one.
    void finoDumRestarigoDemando_data()
    {
        QTest::addColumn<QString>("reghimo");
        QTest::addColumn<int>("signalo");
        QTest::newRow("SIGTERM") << "restarigo" << int(SIGTERM);
        QTest::newRow("SIGHUP") << "restarigo" << int(SIGHUP);
        QTest::newRow("the session ends") << "restarigo_sesio" << 0;
    }
    void finoDumRestarigoDemando()
    {
        QFETCH(QString, reghimo);
        QFETCH(int, signalo);
        lernanto();
        const QString vojo = Kopio::dosierujo(hejmo) + TradukModelo::RestarigoNomo();
        const QByteArray kopiita = "[Traduko]\nLingvo=Deutsch\n[Restarigo]\nSekcio=Konfig\nPozicio=0\n"
                                   "[Konfig]\nLabel1=Mia teksto, ne konservita\n";
        testilo::skribas(vojo, kopiita);
        Kopio kopio(hejmo);
        kopio.lancxas(reghimo);
        QVERIFY2(kopio.diris("preta"), kopio.eligo().constData());
        if (signalo)
            kopio.sendas(signalo);
        QVERIFY2(kopio.finighis(), "the program waits for an answer");
        QCOMPARE(kopio.procezo().exitStatus(), QProcess::NormalExit);
        QCOMPARE(kopio.procezo().exitCode(), 0);
        QFile restarigo(vojo);
        QVERIFY2(restarigo.open(QIODevice::ReadOnly), "the kept texts are gone");
        QCOMPARE(restarigo.readAll(), kopiita);
    }

    // A second start while a copy runs: the running window comes to the
    // front and the second copy ends without a window of its own, so no
    // stale copy can write its empty fields over the other's answers.
    void duaKopio()
    {
        lernanto();
        Kopio unua(hejmo);
        unua.lancxas(QStringLiteral("unua"));
        QVERIFY2(unua.diris("preta"), unua.eligo().constData());
        Kopio dua(hejmo);
        dua.lancxas(QStringLiteral("dua"));
        QVERIFY(dua.finighis());
        QCOMPARE(dua.procezo().exitStatus(), QProcess::NormalExit);
        QCOMPARE(dua.procezo().exitCode(), 0);
        QVERIFY2(!dua.eligo().contains("fenestro") && !dua.procezo().readAllStandardOutput().contains("fenestro"),
                 "the second copy opened a window");
        QVERIFY2(unua.diris("levita"), unua.eligo().constData());
        QVERIFY(unua.procezo().state() == QProcess::Running);

        // Once the first copy has ended, a new start runs.
        unua.sendas(SIGTERM);
        QVERIFY(unua.finighis());
        Kopio tria(hejmo);
        tria.lancxas(QStringLiteral("tria"));
        QVERIFY2(tria.diris("fenestro"), tria.eligo().constData());
    }

    // A lock file whose owner cannot be read is no copy that runs: it is
    // taken over. A folder in its place cannot be, and the learner is told
    // where it stands; one copy still runs at a time.
    void seruroSenPosedanto_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::addColumn<bool>("dosierujo");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("random bytes") << QByteArray("\x8f\x02\xd3\xff\x00\x1bq\xe9\x80\n\x7f", 11) << false;
        QTest::newRow("an owner that ended") << QByteArray("morta") << false;
        QTest::newRow("a folder") << QByteArray() << true;
    }
    void seruroSenPosedanto()
    {
        QFETCH(QByteArray, enhavo);
        QFETCH(bool, dosierujo);
        lernanto();
        const QString seruro = Kopio::dosierujo(hejmo) + QStringLiteral("darudaver.seruro");
        if (dosierujo) {
            QVERIFY(QDir().mkpath(seruro + QStringLiteral("/ene")));
        } else if (enhavo == "morta") {
            QProcess finita;
            finita.start(QStringLiteral("true"), QStringList());
            QVERIFY(finita.waitForStarted(10000));
            const qint64 pid = finita.processId();
            QVERIFY(finita.waitForFinished(10000));
            testilo::skribas(seruro,
                             QByteArray::number(pid) + "\ndarudaver\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        } else {
            testilo::skribas(seruro, enhavo);
        }
        Kopio kopio(hejmo);
        kopio.lancxas(QStringLiteral("kestoj"));
        QVERIFY2(kopio.diris("fenestro"), kopio.eligo().constData());
        QList<QByteArray> kestoj;
        for (const QByteArray& linio : kopio.eligo().split('\n'))
            if (linio.startsWith("kesto "))
                kestoj.append(linio);
        if (dosierujo) {
            QCOMPARE(kestoj.size(), 1);
            QVERIFY2(kestoj.first().contains(QDir::toNativeSeparators(seruro).toUtf8()), kestoj.first().constData());
            Kopio dua(hejmo);
            dua.lancxas(QStringLiteral("dua"));
            QVERIFY(dua.finighis());
            QCOMPARE(dua.procezo().exitCode(), 0);
            QVERIFY2(!dua.eligo().contains("fenestro") && !dua.procezo().readAllStandardOutput().contains("fenestro"),
                     "a second copy opened a window");
        } else {
            QVERIFY2(kestoj.isEmpty(), kestoj.value(0).constData());
            qint64 posedanto = 0;
            QString gastiga;
            QString programo;
            QVERIFY(QLockFile(seruro).getLockInfo(&posedanto, &gastiga, &programo));
            QCOMPARE(posedanto, kopio.procezo().processId());
        }
        kopio.sendas(SIGTERM);
        QVERIFY(kopio.finighis());
        QCOMPARE(kopio.procezo().exitCode(), 0);
    }

    // A copy that holds the lock but does not answer: it has no socket yet,
    // its socket takes the request and never replies (it hangs in a long
    // wait), or it is stopped. The new start ends with 0 and no window of
    // its own, says why, and takes nothing: neither the lock nor the socket
    // of the copy that runs.
    void mutaKopio_data()
    {
        QTest::addColumn<QString>("kiel");
        QTest::newRow("no socket") << "sen ingo";
        QTest::newRow("a socket that reads and never replies") << "legas";
        QTest::newRow("a stopped copy") << "haltigita";
    }
    void mutaKopio()
    {
        QFETCH(QString, kiel);
        lernanto();
        const QString seruro = Kopio::dosierujo(hejmo) + QStringLiteral("darudaver.seruro");
        QLockFile muta(seruro);
        QLocalServer ingo;
        QByteArray legita;
        int konektoj = 0;
        Kopio unua(hejmo);
        qint64 posedanto = QCoreApplication::applicationPid();
        if (kiel == QLatin1String("haltigita")) {
            unua.lancxas(QStringLiteral("unua"));
            QVERIFY2(unua.diris("preta"), unua.eligo().constData());
            posedanto = unua.procezo().processId();
            unua.sendas(SIGSTOP);
        } else {
            QVERIFY(muta.tryLock(0));
        }
        if (kiel == QLatin1String("legas")) {
            QVERIFY(ingo.listen(UnuKopio::ingo(Kopio::dosierujo(hejmo))));
            connect(&ingo, &QLocalServer::newConnection, [&] {
                while (QLocalSocket* s = ingo.nextPendingConnection()) {
                    ++konektoj;
                    connect(s, &QLocalSocket::readyRead, [&legita, s] { legita += s->readAll(); });
                }
            });
        }
        Kopio dua(hejmo);
        dua.lancxas(QStringLiteral("kestoj"));
        // The test's own socket reads while it waits.
        QTRY_VERIFY_WITH_TIMEOUT(dua.procezo().state() == QProcess::NotRunning, 60000);
        if (kiel == QLatin1String("haltigita"))
            unua.sendas(SIGCONT);
        QCOMPARE(dua.procezo().exitStatus(), QProcess::NormalExit);
        QCOMPARE(dua.procezo().exitCode(), 0);
        QVERIFY2(!dua.eligo().contains("fenestro"), "a second copy opened a window");
        QVERIFY2(dua.eligo().contains("kesto Another copy of the program runs here (process "
                                      + QByteArray::number(posedanto) + "), but it did not answer"),
                 dua.eligo().constData());
        qint64 pid = 0;
        QString gastiga;
        QString programo;
        QVERIFY(QLockFile(seruro).getLockInfo(&pid, &gastiga, &programo));
        QCOMPARE(pid, posedanto);
        if (kiel == QLatin1String("legas")) {
            QVERIFY2(legita.contains("montru"), legita.constData());
            // The name still leads to the socket of the copy that runs.
            const int antaue = konektoj;
            QLocalSocket ankorau;
            ankorau.connectToServer(UnuKopio::ingo(Kopio::dosierujo(hejmo)));
            QVERIFY(ankorau.waitForConnected(5000));
            QTRY_COMPARE(konektoj, antaue + 1);
        }
        if (kiel == QLatin1String("haltigita")) {
            // Running again, the first copy answers the next start itself.
            Kopio tria(hejmo);
            tria.lancxas(QStringLiteral("kestoj"));
            QVERIFY(tria.finighis());
            QCOMPARE(tria.procezo().exitCode(), 0);
            QVERIFY2(!tria.eligo().contains("kesto ") && !tria.eligo().contains("fenestro"), tria.eligo().constData());
            QVERIFY(unua.procezo().state() == QProcess::Running);
        }
    }

    // Temporary files of a save that was killed half-way go at the next
    // start; other files of the folder stay.
    void restajhojForigitaj()
    {
        lernanto();
        const QString d = Kopio::dosierujo(hejmo);
        const QStringList restajhoj = {QStringLiteral("darudaver.ini.Ab12Cd"), QStringLiteral("darudaver.ini.xY9zQ1")};
        const QStringList aliaj = {QStringLiteral("darudaver.ini.sekurkopio"), QStringLiteral("darudaver.ini.Ab12C"),
                                   QStringLiteral("mia_traduko.trd")};
        for (const QString& nomo : restajhoj + aliaj)
            testilo::skribas(d + nomo, "[Gxenerala]\nLingvo=duone\n");
        Kopio kopio(hejmo);
        kopio.lancxas(QStringLiteral("fenestro"));
        QVERIFY2(kopio.diris("fenestro"), kopio.eligo().constData());
        for (const QString& nomo : restajhoj)
            QVERIFY2(!QFile::exists(d + nomo), qPrintable(nomo));
        for (const QString& nomo : aliaj)
            QVERIFY2(QFile::exists(d + nomo), qPrintable(nomo));
        QCOMPARE(valoro(QStringLiteral("Gxenerala/Lingvo")).toString(), QStringLiteral("Esperanto"));
        kopio.sendas(SIGTERM);
        QVERIFY(kopio.finighis());
    }
};

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--infano") == 0)
        return infano(argc, argv);
    QApplication app(argc, argv);
    testilo::preparas();
    TestoProcezoj testo;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&testo, argc, argv);
}

#include "tst_procezoj.moc"
