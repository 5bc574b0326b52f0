// The course's songs as the learner meets them, from the media folder that
// tools/sonoj.sh builds beside the program: lesson 12's song through its
// player, which plays on over the page of its words and stops further away,
// and lesson 2's video through its page, which no page change stops; each
// lasting as long as its score, and the media check passing on all three.
// With LERBO_EKRANKOPIOJ set to a folder, the test also saves there a picture
// of lesson 2's page while the first line of the song is sung (run it under
// xvfb-run: a picture of the screen shows the video, a widget's own does not).
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QMediaPlayer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <memory>

namespace {

const QStringList kDosieroj = {QStringLiteral("sonoj/lec12/fragoj.oga"), QStringLiteral("sonoj/lec02/ziv_video.oga"),
                               QStringLiteral("video/lec02/ziv_video.ogv")};

struct Rezulto
{
    int stato = -1;
    QString el;
};

Rezulto lancxu(const QString& programo, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programo, args);
    Rezulto r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.el = QStringLiteral("timed out");
        return r;
    }
    r.stato = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.el = QString::fromUtf8(p.readAll());
    return r;
}

} // namespace

class TestoKantoj : public QObject
{
    Q_OBJECT

    QString fonto; // the source tree: the scores and the check
    QString konstruo; // the build folder, whose media folder the program plays

    // The length in milliseconds that a score gives its song.
    qint64 longo(const QString& partituro)
    {
        const Rezulto r = lancxu(QStringLiteral("python3"), {fonto + QStringLiteral("/tools/muziko/partituro.py"),
                                                             partituro, QStringLiteral("--longo")});
        bool bone = false;
        const double s = r.el.trimmed().toDouble(&bone);
        return r.stato == 0 && bone ? qRound64(s * 1000) : -1;
    }

    // Waits until the player has moved at least `ms` past where it stands now.
    static bool antauenas(QMediaPlayer* m, qint64 ms)
    {
        const qint64 de = m->position();
        return QTest::qWaitFor([&] { return m->position() >= de + ms; }, 20000);
    }

private slots:
    void initTestCase()
    {
        fonto = qEnvironmentVariable("LERBO_FONTO");
        QVERIFY2(!fonto.isEmpty(), "LERBO_FONTO names the source tree");
        konstruo =
            QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).canonicalPath() + QLatin1Char('/');
        for (const QString& d : kDosieroj)
            if (QFileInfo(konstruo + d).size() == 0)
                LERBO_MANKAS(
                    qPrintable(QStringLiteral("the media folder is not built (%1 is missing): run bash tools/sonoj.sh "
                                              "%2 (tools/testi.sh does)")
                                   .arg(konstruo + d, konstruo)));
        mrLoko = konstruo;
        // The silent sink of the other tests takes a song as fast as it can
        // decode it, so it would be over before a page could turn; the
        // automatic one keeps time, and where no sound device answers (a test
        // machine) it keeps time on a silent sink of its own.
        qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "autoaudiosink");
    }

    void fragoj()
    {
        std::unique_ptr<QFrame> leciono(KreasLecionon(12, nullptr));
        QTabWidget* lec = lecionilo::tabulo(leciono.get(), 12);
        QVERIFY(lec);
        leciono->show();
        lec->setCurrentIndex(7);
        auto* ludilo = lec->findChild<QWidget*>(QStringLiteral("Lec12_fragoj"));
        QVERIFY(ludilo);
        ludilo->findChild<QPushButton*>(QStringLiteral("Ludu"))->click();
        auto* m = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(m);
        QCOMPARE(m->media().request().url(), QUrl::fromLocalFile(konstruo + QStringLiteral("sonoj/lec12/fragoj.oga")));
        QVERIFY2(antauenas(m, 1000), qPrintable(m->errorString()));
        QCOMPARE(m->error(), QMediaPlayer::NoError);
        const qint64 partituro = longo(QStringLiteral("lec12_fragoj"));
        QVERIFY(partituro > 60000);
        // The length comes from the stream on its own time, after play has begun.
        QTRY_VERIFY2_WITH_TIMEOUT(
            qAbs(m->duration() - partituro) <= 1000,
            qPrintable(QStringLiteral("%1 ms played, %2 ms scored").arg(m->duration()).arg(partituro)), 10000);

        // On to the page with its words it plays on; one page further it stops.
        lec->setCurrentIndex(8);
        QCOMPARE(m->state(), QMediaPlayer::PlayingState);
        QVERIFY(antauenas(m, 500));
        lec->setCurrentIndex(9);
        QCOMPARE(m->state(), QMediaPlayer::StoppedState);
        QVERIFY(!ludilo->findChild<QPushButton*>(QStringLiteral("Ludu"))->isHidden());
    }

    void video()
    {
        std::unique_ptr<QFrame> leciono(KreasLecionon(2, nullptr));
        QTabWidget* lec = lecionilo::tabulo(leciono.get(), 2);
        QVERIFY(lec);
        leciono->resize(1000, 750);
        leciono->show();
        lec->setCurrentIndex(3);
        auto* ludilo = lec->currentWidget()->findChild<QWidget*>(QStringLiteral("videoludilo"));
        QVERIFY(ludilo);
        QVERIFY(QTest::qWaitForWindowExposed(leciono.get()));
        QTest::mousePress(ludilo, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        auto* m = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(m);
        QCOMPARE(m->media().request().url(),
                 QUrl::fromLocalFile(konstruo + QStringLiteral("video/lec02/ziv_video.ogv")));
        QCOMPARE(m->state(), QMediaPlayer::PlayingState);
        QVERIFY2(antauenas(m, 1000), qPrintable(m->errorString()));
        QCOMPARE(m->error(), QMediaPlayer::NoError);
        QVERIFY(m->isVideoAvailable());
        const qint64 partituro = longo(QStringLiteral("lec02_ziv_video"));
        QVERIFY(partituro > 60000);
        // The length comes from the stream on its own time, after play has begun.
        QTRY_VERIFY2_WITH_TIMEOUT(
            qAbs(m->duration() - partituro) <= 1000,
            qPrintable(QStringLiteral("%1 ms played, %2 ms scored").arg(m->duration()).arg(partituro)), 10000);

        const QString ekrankopioj = qEnvironmentVariable("LERBO_EKRANKOPIOJ");
        if (!ekrankopioj.isEmpty()) {
            QVERIFY(QTest::qWaitFor([&] { return m->position() >= 5500; }, 20000));
            QDir().mkpath(ekrankopioj);
            QGuiApplication::primaryScreen()
                ->grabWindow(leciono->winId())
                .save(ekrankopioj + QStringLiteral("/lec02_video.png"));
        }

        // The lesson leaves its video alone on a page change.
        lec->setCurrentIndex(4);
        QCOMPARE(m->state(), QMediaPlayer::PlayingState);
        QVERIFY(antauenas(m, 500));
        lec->setCurrentIndex(3);
        QTest::mousePress(ludilo, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QCOMPARE(m->state(), QMediaPlayer::PausedState);
    }

    void kontrolo()
    {
        // Each of the three plays, lasts as its score says, and its voice comes
        // in on every line within 100 ms of the note.
        const Rezulto r =
            lancxu(QStringLiteral("bash"),
                   {fonto + QStringLiteral("/tools/sonkontrolo.sh"), konstruo, QStringLiteral("--nur"),
                    QStringLiteral("^(sonoj/lec12/fragoj|sonoj/lec02/ziv_video|video/lec02/ziv_video)\\.")});
        QVERIFY2(r.stato == 0, qPrintable(r.el));
        QVERIFY2(r.el.contains(QStringLiteral("3 clips checked, 0 faulty")), qPrintable(r.el));
    }
};

LERBO_TEST_MAIN(TestoKantoj)
#include "tst_kantoj.moc"
