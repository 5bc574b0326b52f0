#include "funkcioj.h"
#include "mp3ludilo.h"
#include "testilo.h"
#include "tst_fifogardisto.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// The music player frame: play, pause and stop on a player of its own, and
// stopping when its lesson turns the page.
class TestoMp3 : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    mp3ludilo* ludilo = nullptr;

    QPushButton* butono(const char* nomo) const { return ludilo->findChild<QPushButton*>(QLatin1String(nomo)); }
    QMediaPlayer* medio() const { return ludilo->findChild<QMediaPlayer*>(); }
    // A player never pressed has made no media player yet: it is stopped.
    QMediaPlayer::State stato() const { return medio() ? medio()->state() : QMediaPlayer::StoppedState; }

    // Which buttons show: "L" play, "P" pause, "C" stop.
    QString videblaj() const
    {
        QString s;
        if (!butono("Ludu")->isHidden())
            s += QLatin1Char('L');
        if (!butono("Pauzu")->isHidden())
            s += QLatin1Char('P');
        if (!butono("Chesu")->isHidden())
            s += QLatin1Char('C');
        return s;
    }

    // The texts of the message boxes standing open now.
    static QStringList kestoj()
    {
        QStringList tekstoj;
        for (QWidget* f : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible())
                tekstoj << k->text();
        return tekstoj;
    }
    static void fermasKestojn()
    {
        for (QWidget* f : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible())
                k->close();
    }

    static void kopias(const QString& fonto, const QString& celo)
    {
        testilo::skribas(mrLoko + celo, QByteArray());
        QFile::remove(mrLoko + celo);
        QVERIFY(QFile::copy(fonto, mrLoko + celo));
    }

    // A lesson of five pages; the player stands on page 2 (index 2).
    void konstruas(const QString& nomo, const char* slot)
    {
        leciono = new QTabWidget();
        leciono->setObjectName(nomo.left(5));
        for (int i = 0; i < 5; ++i) {
            auto* p = new QWidget();
            p->setObjectName(QStringLiteral("tab_%1").arg(i));
            leciono->addTab(p, QString::number(i + 1));
        }
        auto* pagho = leciono->widget(2);
        auto* v = new QVBoxLayout(pagho);
        ludilo = new mp3ludilo(pagho);
        ludilo->setObjectName(nomo);
        v->addWidget(ludilo);
        QObject::connect(leciono, SIGNAL(currentChanged(int)), ludilo, slot);
        leciono->setCurrentIndex(2);
        leciono->show();
    }

    // What stands where the recording should be: nothing, or a file that
    // cannot be played.
    static void metasNeludeblan(const QString& vojo, const QString& kio, std::unique_ptr<FifoGardisto>* gardisto)
    {
        forigas(vojo);
        QDir().mkpath(QFileInfo(vojo).path());
        if (kio == QLatin1String("malplena")) {
            testilo::skribas(vojo, QByteArray());
        } else if (kio == QLatin1String("difektita")) {
            testilo::skribas(vojo, QByteArray(4096, '\x5a') + "\x01\x02\x03");
        } else if (kio == QLatin1String("FIFO")) {
            QVERIFY(::mkfifo(QFile::encodeName(vojo).constData(), 0600) == 0);
            gardisto->reset(new FifoGardisto(QFile::encodeName(vojo)));
        } else if (kio == QLatin1String("dosierujo")) {
            QVERIFY(QDir().mkpath(vojo));
        } else if (kio == QLatin1String("nelegebla")) {
            QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), vojo));
            QVERIFY(QFile::setPermissions(vojo, QFileDevice::WriteOwner));
        }
    }
    static void forigas(const QString& vojo)
    {
        QFile::setPermissions(vojo, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QDir(vojo).removeRecursively();
        QFile::remove(vojo);
    }

    // The notice of a recording that cannot be played, and the sound
    // device's, each its own text for the test.
    struct Tekstoj
    {
        const QString neLudebla = std::exchange(smNeLudebla, QStringLiteral("This recording cannot be played."));
        const QString neSono = std::exchange(smNeSono, QStringLiteral("No sound device was found."));
        ~Tekstoj()
        {
            smNeLudebla = neLudebla;
            smNeSono = neSono;
        }
    };

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        kopias(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), QStringLiteral("sonoj/lec07/memo2.oga"));
        kopias(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), QStringLiteral("sonoj/lec12/fragoj.oga"));
        kopias(QStringLiteral(":/fiksajhoj/ludiloj_mallonga.oga"), QStringLiteral("sonoj/lec04/memo1.oga"));
    }

    void cleanup()
    {
        delete leciono;
        leciono = nullptr;
    }

    // Stopped, playing, paused and back, with the recording the object name
    // gives; play after stop starts from the beginning.
    void tri_statoj()
    {
        konstruas(QStringLiteral("Lec07_memo2"), SLOT(PaghoShanghita(int)));
        QCOMPARE(videblaj(), QStringLiteral("L"));
        QVERIFY(!medio()); // made on the first press of play

        butono("Ludu")->click();
        QCOMPARE(medio()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec07/memo2.oga")));
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        QCOMPARE(videblaj(), QStringLiteral("PC"));

        butono("Pauzu")->click();
        QCOMPARE(stato(), QMediaPlayer::PausedState);
        QCOMPARE(videblaj(), QStringLiteral("LC"));

        butono("Ludu")->click();
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        QCOMPARE(videblaj(), QStringLiteral("PC"));

        butono("Ludu")->click(); // play while playing pauses
        QCOMPARE(stato(), QMediaPlayer::PausedState);
        QCOMPARE(videblaj(), QStringLiteral("LC"));

        butono("Chesu")->click();
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QCOMPARE(videblaj(), QStringLiteral("L"));

        butono("Pauzu")->click(); // pause while stopped does nothing
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QCOMPARE(videblaj(), QStringLiteral("L"));
    }

    // A page change stops a playing recording only.
    void pagho_shanghita()
    {
        konstruas(QStringLiteral("Lec07_memo2"), SLOT(PaghoShanghita(int)));
        leciono->setCurrentIndex(3); // never played: nothing
        leciono->setCurrentIndex(2);
        butono("Ludu")->click();
        butono("Pauzu")->click();
        leciono->setCurrentIndex(3);
        QCOMPARE(stato(), QMediaPlayer::PausedState);
        QCOMPARE(videblaj(), QStringLiteral("LC"));
        leciono->setCurrentIndex(2);
        butono("Ludu")->click();
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        leciono->setCurrentIndex(3);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QCOMPARE(videblaj(), QStringLiteral("L"));
    }

    // The song keeps playing on the next page, which holds the rest of its
    // text, and stops two pages on or one page back.
    void fragoj_data()
    {
        QTest::addColumn<int>("al");
        QTest::addColumn<bool>("ludas");
        QTest::newRow("next page") << 3 << true;
        QTest::newRow("two pages on") << 4 << false;
        QTest::newRow("one page back") << 1 << false;
    }
    void fragoj()
    {
        QFETCH(int, al);
        QFETCH(bool, ludas);
        konstruas(QStringLiteral("Lec12_fragoj"), SLOT(PaghoFragoj(int)));
        butono("Ludu")->click();
        QCOMPARE(medio()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec12/fragoj.oga")));
        leciono->setCurrentIndex(al);
        QCOMPARE(stato() == QMediaPlayer::PlayingState, ludas);
        QCOMPARE(videblaj(), ludas ? QStringLiteral("PC") : QStringLiteral("L"));
    }

    // At the end of the recording only the play button shows again.
    void fino()
    {
        konstruas(QStringLiteral("Lec04_memo1"), SLOT(PaghoShanghita(int)));
        butono("Ludu")->click();
        QCOMPARE(videblaj(), QStringLiteral("PC"));
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
    }

    // A player outside every lesson plays, and page changes elsewhere never
    // reach it.
    void ekster_leciono()
    {
        QWidget sola;
        auto* l = new mp3ludilo(&sola);
        l->setObjectName(QStringLiteral("Lec07_memo2"));
        ludilo = l;
        butono("Ludu")->click();
        QCOMPARE(videblaj(), QStringLiteral("PC"));
        l->PaghoShanghita(5);
        l->PaghoFragoj(5);
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        butono("Chesu")->click();
        QCOMPARE(videblaj(), QStringLiteral("L"));
    }

    // A recording that cannot be played leaves the player stopped, with
    // only play showing, and says so on its page once, however often the
    // learner presses play, with the notice of a recording, not of the
    // sound device; the player never opens a FIFO in its place.
    void neludebla_data()
    {
        QTest::addColumn<QString>("kio");
        QTest::newRow("missing") << "mankas";
        QTest::newRow("empty") << "malplena";
        QTest::newRow("damaged") << "difektita";
        QTest::newRow("a FIFO") << "FIFO";
        QTest::newRow("a folder") << "dosierujo";
        QTest::newRow("unreadable") << "nelegebla";
    }
    void neludebla()
    {
        QFETCH(QString, kio);
        if (kio == QLatin1String("nelegebla") && ::geteuid() == 0)
            QSKIP("root reads a file of any mode");
        const QString vojo = mrLoko + QStringLiteral("sonoj/lec09/memo3.oga");
        std::unique_ptr<FifoGardisto> gardisto;
        metasNeludeblan(vojo, kio, &gardisto);
        if (QTest::currentTestFailed())
            return;
        const Tekstoj tekstoj;
        konstruas(QStringLiteral("Lec09_memo3"), SLOT(PaghoShanghita(int)));

        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QTRY_COMPARE_WITH_TIMEOUT(kestoj(), QStringList{smNeLudebla}, 20000);
        fermasKestojn();

        // Pressed again: the same, and nothing more is said.
        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QCoreApplication::processEvents();
        QCOMPARE(kestoj(), QStringList());

        if (gardisto) {
            QVERIFY(!medio() || medio()->media().request().url().toLocalFile() != vojo);
            QVERIFY2(!gardisto->malfermita(), "the FIFO was opened");
        }
        gardisto.reset();
        forigas(vojo);
    }

    // A recording that failed is tried again on the next press of play: a
    // media folder made or mended while the program runs is played at once,
    // and nothing more is said.
    void ludeblaPoste_data() { neludebla_data(); }
    void ludeblaPoste()
    {
        QFETCH(QString, kio);
        if (kio == QLatin1String("nelegebla") && ::geteuid() == 0)
            QSKIP("root reads a file of any mode");
        const QString vojo = mrLoko + QStringLiteral("sonoj/lec09/memo3.oga");
        std::unique_ptr<FifoGardisto> gardisto;
        metasNeludeblan(vojo, kio, &gardisto);
        if (QTest::currentTestFailed())
            return;
        const Tekstoj tekstoj;
        konstruas(QStringLiteral("Lec09_memo3"), SLOT(PaghoShanghita(int)));
        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(kestoj(), QStringList{smNeLudebla}, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        fermasKestojn();

        gardisto.reset();
        forigas(vojo);
        QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), vojo));
        QVERIFY(QFile::setPermissions(vojo, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        butono("Ludu")->click();
        QCOMPARE(medio()->media().request().url(), QUrl::fromLocalFile(vojo));
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        QCOMPARE(videblaj(), QStringLiteral("PC"));
        // Still playing once the player has opened it.
        QTRY_COMPARE_WITH_TIMEOUT(medio()->mediaStatus(), QMediaPlayer::BufferedMedia, 20000);
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        QCOMPARE(medio()->error(), QMediaPlayer::NoError);
        QCOMPARE(kestoj(), QStringList());
        butono("Chesu")->click();
        forigas(vojo);
    }
};

LERBO_TEST_MAIN(TestoMp3)
#include "tst_ludiloj_mp3.moc"
