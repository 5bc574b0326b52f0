#include "funkcioj.h"
#include "mp3ludilo.h"
#include "neludeblaj_registrajhoj.h"
#include "testilo.h"

#include <QApplication>
#include <QFile>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

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

    // Where the reading of lesson 9 is looked for, with nothing put there
    // by initTestCase().
    static QString memo3() { return mrLoko + QStringLiteral("sonoj/lec09/memo3.oga"); }

    // The row's kind of unplayable recording at memo3(), and its player on
    // its page; false where the test function must end.
    bool konstruasNeludeblan(std::unique_ptr<FifoGardisto>* gardisto)
    {
        QFETCH(QString, kio);
        if (!neludeblaj_registrajhoj::metas(memo3(), kio, QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), gardisto))
            return false;
        konstruas(QStringLiteral("Lec09_memo3"), SLOT(PaghoShanghita(int)));
        return true;
    }

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
    void neludebla_data() { neludeblaj_registrajhoj::vicoj(); }
    void neludebla()
    {
        const neludeblaj_registrajhoj::Avizoj avizoj(QStringLiteral("This recording cannot be played."));
        std::unique_ptr<FifoGardisto> gardisto;
        if (!konstruasNeludeblan(&gardisto))
            return;
        const QString vojo = memo3();

        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QTRY_COMPARE_WITH_TIMEOUT(testilo::videblajKestoj(), QStringList{smNeLudebla}, 20000);
        testilo::fermasKestojn();

        // Pressed again: the same, and nothing more is said.
        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QCoreApplication::processEvents();
        QCOMPARE(testilo::videblajKestoj(), QStringList());

        if (gardisto) {
            QVERIFY(!medio() || medio()->media().request().url().toLocalFile() != vojo);
            QVERIFY2(!gardisto->malfermita(), "the FIFO was opened");
        }
        gardisto.reset();
        neludeblaj_registrajhoj::forigas(vojo);
    }

    // A recording that failed is tried again on the next press of play: a
    // media folder made or mended while the program runs is played at once,
    // and nothing more is said.
    void ludeblaPoste_data() { neludebla_data(); }
    void ludeblaPoste()
    {
        const neludeblaj_registrajhoj::Avizoj avizoj(QStringLiteral("This recording cannot be played."));
        std::unique_ptr<FifoGardisto> gardisto;
        if (!konstruasNeludeblan(&gardisto))
            return;
        const QString vojo = memo3();
        butono("Ludu")->click();
        QTRY_COMPARE_WITH_TIMEOUT(testilo::videblajKestoj(), QStringList{smNeLudebla}, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(videblaj(), QStringLiteral("L"), 20000);
        testilo::fermasKestojn();

        gardisto.reset();
        neludeblaj_registrajhoj::forigas(vojo);
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
        QCOMPARE(testilo::videblajKestoj(), QStringList());
        butono("Chesu")->click();
        neludeblaj_registrajhoj::forigas(vojo);
    }
};

LERBO_TEST_MAIN(TestoMp3)
#include "tst_ludiloj_mp3.moc"
