#include "saluto.h"
#include "tst_lerbo_komuna.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLayout>
#include <QLineEdit>
#include <QMediaContent>
#include <QMediaPlayer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>

using namespace lerbotesto;

// The greeting at start and the orderly close of the main window.
class TestoSaluto : public QObject
{
    Q_OBJECT

    QString provizora;

    static QString klipo(lerbo* w)
    {
        const QString vojo = w->ludilo->media().request().url().toLocalFile();
        return vojo.startsWith(mrLoko) ? vojo.mid(mrLoko.size()) : vojo;
    }

private slots:
    void initTestCase()
    {
        // The recordings removed at close lie in the temporary folder: a
        // folder of this test's own.
        provizora = testilo::novaDosierujo(QStringLiteral("provizora"));
        qputenv("TMPDIR", provizora.toLocal8Bit());
        QCOMPARE(QDir(QDir::tempPath()).canonicalPath(), QDir(provizora).canonicalPath());
    }

    void init()
    {
        purigas();
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        mrLoko = testilo::novaDosierujo(QStringLiteral("multrimedoj"));
    }

    void vortoLauHoro_data()
    {
        QTest::addColumn<int>("horo");
        QTest::addColumn<bool>("lauHoro");
        QTest::addColumn<bool>("tagon");
        QTest::addColumn<QString>("vorto");
        QTest::newRow("any hour, by chance") << 9 << false << true << "saluton";
        QTest::newRow("16:00") << 16 << true << false << "vespero";
        QTest::newRow("20:59") << 20 << true << false << "vespero";
        QTest::newRow("21:00") << 21 << true << true << "nokton";
        QTest::newRow("00:30") << 0 << true << true << "nokton";
        QTest::newRow("04:59") << 4 << true << false << "nokton";
        QTest::newRow("05:00 tagon") << 5 << true << true << "tagon";
        QTest::newRow("05:00 matenon") << 5 << true << false << "matenon";
        QTest::newRow("11:59 matenon") << 11 << true << false << "matenon";
        QTest::newRow("12:00") << 12 << true << false << "tagon";
        QTest::newRow("15:59") << 15 << true << false << "tagon";
    }
    void vortoLauHoro()
    {
        QFETCH(int, horo);
        QFETCH(bool, lauHoro);
        QFETCH(bool, tagon);
        QFETCH(QString, vorto);
        QCOMPARE(Saluto::vorto(horo, lauHoro, tagon), vorto);
    }

    // One clip per word: the greeting is "saluton" or the word of this hour,
    // its one recording, named in lower case.
    void saluton()
    {
        for (const char* nomo : {"saluton1.oga", "vesperoa.oga", "tagon1.oga", "matenon1.oga", "nokton1.oga",
                                 "saluton.oga", "saluton12.oga"})
            testilo::skribas(mrLoko + QStringLiteral("sonoj/") + QLatin1String(nomo), "OggS");
        auto w = kreas();
        lSxaltilo = true;
        const int horo = QTime::currentTime().hour();
        QSet<QString> eblaj = {QStringLiteral("sonoj/saluton1.oga")};
        for (bool tagon : {true, false}) {
            const QString vorto = Saluto::vorto(horo, true, tagon);
            eblaj.insert(QStringLiteral("sonoj/") + vorto + (vorto == QLatin1String("vespero") ? "a" : "1")
                         + QStringLiteral(".oga"));
        }
        for (int i = 0; i < 30; ++i) {
            w->ludilo->setMedia(QMediaContent());
            w->Saluton();
            QVERIFY2(eblaj.contains(klipo(w.get())), qPrintable(klipo(w.get())));
        }
        w->ludilo->setMedia(QMediaContent());
        lSxaltilo = false;
        w->Saluton();
        QCOMPARE(klipo(w.get()), QString());
    }

    void senKlipojSilento()
    {
        auto w = kreas();
        lSxaltilo = true;
        w->Saluton();
        QCOMPARE(klipo(w.get()), QString());
    }

    // A close from another page only goes home; from home the farewell
    // plays, the settings are saved, the recordings go, and the window closes.
    void fermo()
    {
        for (const char* nomo : {"ghis1.oga", "revido1.oga", "baldau1.oga", "adiau1.oga"})
            testilo::skribas(mrLoko + QStringLiteral("sonoj/") + QLatin1String(nomo), "OggS");
        for (int n = 0; n < 4; ++n)
            testilo::skribas(provizora + QStringLiteral("prononco%1.raw").arg(n), "RIFF");
        testilo::skribas(provizora + QStringLiteral("prononco4.raw"), "RIFF");
        QFile::remove(agordoVojo());
        auto w = kreas();
        lSxaltilo = true;
        LastaLeciono = 6;
        QVERIFY(montras(w.get()));

        el<QPushButton>(w.get(), "Konfigurado")->click();
        QVERIFY(kunKestoj([&] { QVERIFY(!w->close()); }).isEmpty());
        QVERIFY(w->isVisible());
        QCOMPARE(el<QStackedWidget>(w.get(), "Paghujo")->currentIndex(), 0);
        QCOMPARE(klipo(w.get()), QString());

        QVERIFY(kunKestoj([&] { QVERIFY(w->close()); }).isEmpty());
        QVERIFY(!w->isVisible());
        QVERIFY(QStringList({"sonoj/ghis1.oga", "sonoj/revido1.oga", "sonoj/baldau1.oga", "sonoj/adiau1.oga"})
                    .contains(klipo(w.get())));
        QCOMPARE(IniDosiero(agordoVojo()).value(QStringLiteral("Gxenerala/LastaLeciono")).toInt(), 6);
        for (int n = 0; n < 4; ++n)
            QVERIFY(!QFile::exists(provizora + QStringLiteral("prononco%1.raw").arg(n)));
        QVERIFY(QFile::exists(provizora + QStringLiteral("prononco4.raw")));
    }

    // The answers of every lesson opened in this run are kept at close.
    void respondojKonservitaj()
    {
        auto w = kreas();
        lSxaltilo = false;
        QWidget* pagho = el(w.get(), "Pagho03");
        auto* kadro = new QFrame(pagho);
        kadro->setObjectName(QStringLiteral("lec03"));
        auto* tabulo = new QTabWidget(kadro);
        tabulo->setObjectName(QStringLiteral("Lec03"));
        auto* sendas = new QWidget;
        sendas->setObjectName(QStringLiteral("Sendas1_Lec03"));
        auto* respondo = new QLineEdit(QStringLiteral("Mi lernas Esperanton."), sendas);
        respondo->setObjectName(QStringLiteral("Lec03_Edit1"));
        tabulo->addTab(sendas, QStringLiteral("1"));
        pagho->layout()->addWidget(kadro);
        w->ShanghasPaghon(QStringLiteral("Pagho03"), kadro);
        QVERIFY(montras(w.get()));

        // The footer's send command copies the page shown, numbered from 1.
        QApplication::clipboard()->clear();
        kunKestoj([&] { QMetaObject::invokeMethod(el(w.get(), "Sendas"), "click"); });
        QVERIFY2(QApplication::clipboard()->text().startsWith(QStringLiteral("Leciono 03 - Paĝo 1")),
                 qPrintable(QApplication::clipboard()->text()));
        QVERIFY(montras(w.get()));

        QVERIFY(!w->close());
        QVERIFY(w->close());
        QCOMPARE(IniDosiero(agordoVojo()).value(QStringLiteral("Lec03/Lec03_Edit1")).toString(),
                 QStringLiteral("Mi lernas Esperanton."));
    }

    // A farewell that never gets going (a stream that never answers stands
    // for a missing sound device) holds the close for a few seconds at most.
    void adiauNeSenfina()
    {
        QTcpServer muta;
        QVERIFY(muta.listen(QHostAddress::LocalHost));
        QList<QTcpSocket*> konektoj;
        connect(&muta, &QTcpServer::newConnection, [&] {
            while (QTcpSocket* k = muta.nextPendingConnection())
                konektoj.append(k); // accepted, never answered
        });
        auto w = kreas();
        lSxaltilo = true;
        QVERIFY(montras(w.get()));
        w->ludilo->setMedia(QUrl(QStringLiteral("http://127.0.0.1:%1/adiau1.oga").arg(muta.serverPort())));
        w->ludilo->play();
        QTest::qWait(200);
        const bool okupata = w->ludilo->mediaStatus() == QMediaPlayer::LoadingMedia
                             || w->ludilo->mediaStatus() == QMediaPlayer::BufferingMedia
                             || w->ludilo->state() == QMediaPlayer::PlayingState;
        if (!okupata)
            QSKIP("this media backend gives up on a silent stream by itself");

        const double skalo = TempoSkalo;
        TempoSkalo = 1.0;
        QElapsedTimer tempo;
        tempo.start();
        QVERIFY(kunKestoj([&] { QVERIFY(w->close()); }).isEmpty());
        TempoSkalo = skalo;
        QVERIFY2(tempo.elapsed() < lerbo::AdiauLimoMs + 2000, qPrintable(QString::number(tempo.elapsed())));
        QVERIFY(!w->isVisible());
        w->ludilo->stop();
    }
};

LERBO_TEST_MAIN(TestoSaluto)
#include "tst_lerbo_saluto.moc"
