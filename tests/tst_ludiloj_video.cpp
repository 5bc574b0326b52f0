#include "funkcioj.h"
#include "neludeblaj_registrajhoj.h"
#include "testilo.h"
#include "videoludilo.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <memory>

namespace {
// Counts the presses that reach it from the video frame.
class Patro : public QWidget
{
public:
    int premoj = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++premoj; }
};
} // namespace

// The video frame of lesson 2: poster, play and pause by clicks, poster again
// at the end.
class TestoVideo : public QObject
{
    Q_OBJECT

    QScrollArea* rulumejo = nullptr;
    Patro* patro = nullptr;
    videoludilo* video = nullptr;

    QLabel* afisho() const { return video->findChild<QLabel*>(QStringLiteral("startilo")); }
    QMediaPlayer* medio() const { return video->findChild<QMediaPlayer*>(); }

    static QString vojo() { return mrLoko + QStringLiteral("video/lec02/ziv_video.ogv"); }
    // The backend knows a recording by its content, so a short sound stands
    // in for the video and reaches its end at once.
    static QString bona() { return QStringLiteral(":/fiksajhoj/ludiloj_mallonga.oga"); }
    static void metasBonan()
    {
        neludeblaj_registrajhoj::forigas(vojo());
        QVERIFY(QFile::copy(bona(), vojo()));
    }

    void premas(Qt::MouseButton b) { QTest::mousePress(video, b, Qt::NoModifier, QPoint(20, 20)); }

    void konstruas()
    {
        rulumejo = new QScrollArea();
        rulumejo->setWidgetResizable(false);
        patro = new Patro();
        auto* v = new QVBoxLayout(patro);
        video = new videoludilo(patro);
        v->addWidget(video);
        rulumejo->setWidget(patro);
        rulumejo->resize(500, 400);
    }

    // The row's kind of unplayable video in place, and the frame showing;
    // false where the test function must end.
    bool montrasNeludeblan(std::unique_ptr<FifoGardisto>* gardisto)
    {
        QFETCH(QString, kio);
        if (!neludeblaj_registrajhoj::metas(vojo(), kio, bona(), gardisto))
            return false;
        konstruas();
        rulumejo->show();
        return true;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        testilo::skribas(vojo(), QByteArray());
        metasBonan();
    }

    void cleanup()
    {
        delete rulumejo;
        rulumejo = nullptr;
        sSistemo = QStringLiteral("linux");
    }

    void afisho_unue()
    {
        konstruas();
        QCOMPARE(video->objectName(), QStringLiteral("videoludilo"));
        QCOMPARE(video->minimumSize(), QSize(352, 272));
        QCOMPARE(video->maximumSize(), QSize(352, 272));
        QVERIFY(!afisho()->isHidden());
        QVERIFY(!afisho()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(video->styleSheet(), QStringLiteral("border: 8px solid Black; "));
        QVERIFY(medio()->media().isNull());

        // The media is set on the first show only; showing again does not
        // rewind the video.
        QSignalSpy shanghoj(medio(), &QMediaPlayer::mediaChanged);
        rulumejo->show();
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));
        QCOMPARE(medio()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("video/lec02/ziv_video.ogv")));
        rulumejo->hide();
        rulumejo->show();
        QCOMPARE(shanghoj.count(), 1);
    }

    // Left click plays in place of the poster, a second one pauses; a right
    // click is not the frame's and reaches the page.
    void klakoj()
    {
        konstruas();
        rulumejo->show();
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));

        premas(Qt::RightButton);
        QCOMPARE(patro->premoj, 1);
        QCOMPARE(medio()->state(), QMediaPlayer::StoppedState);

        premas(Qt::LeftButton);
        QCOMPARE(patro->premoj, 1);
        QCOMPARE(medio()->state(), QMediaPlayer::PlayingState);
        QVERIFY(afisho()->isHidden());
        QCOMPARE(video->styleSheet(), QStringLiteral("border: 16px solid Black; "));
        QVERIFY(rulumejo->widgetResizable());

        premas(Qt::LeftButton);
        QCOMPARE(medio()->state(), QMediaPlayer::PausedState);
        QVERIFY(afisho()->isHidden());
    }

    void fino()
    {
        konstruas();
        rulumejo->show();
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));
        premas(Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
        QCOMPARE(video->styleSheet(), QStringLiteral("border: 8px solid Black; "));
        // After the end a click starts it again.
        premas(Qt::LeftButton);
        QCOMPARE(medio()->state(), QMediaPlayer::PlayingState);
    }

    // Outside every scroll area the frame still plays.
    void sen_rulumejo()
    {
        QWidget sola;
        auto* v = new videoludilo(&sola);
        video = v;
        sola.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sola));
        premas(Qt::LeftButton);
        QCOMPARE(medio()->state(), QMediaPlayer::PlayingState);
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
    }

    // A video that cannot be played keeps its poster (no black frame that
    // seems to play), and says so on its page once, however often it is
    // clicked, with the notice of a recording, not of the sound device; a
    // FIFO in its place is never opened, so the window never waits on it.
    void neludebla_data() { neludeblaj_registrajhoj::vicoj(); }
    void neludebla()
    {
        const neludeblaj_registrajhoj::Avizoj avizoj(QStringLiteral("This video cannot be played."));
        std::unique_ptr<FifoGardisto> gardisto;
        if (!montrasNeludeblan(&gardisto))
            return;
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));

        if (gardisto) {
            // The frame hands its media over as it is first shown.
            QTRY_VERIFY_WITH_TIMEOUT(medio()->error() != QMediaPlayer::NoError
                                         || medio()->mediaStatus() == QMediaPlayer::InvalidMedia,
                                     20000);
            QVERIFY2(!gardisto->malfermita(), "the FIFO was opened");
            QVERIFY(medio()->media().request().url().toLocalFile() != vojo());
        }

        premas(Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(testilo::videblajKestoj(), QStringList{smNeLudebla}, 20000);
        QCOMPARE(video->styleSheet(), QStringLiteral("border: 8px solid Black; "));
        QVERIFY(medio()->state() != QMediaPlayer::PlayingState);
        testilo::fermasKestojn();

        // Clicked again: the poster stays, and nothing more is said.
        premas(Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
        QCoreApplication::processEvents();
        QCOMPARE(testilo::videblajKestoj(), QStringList());
        QVERIFY(medio()->state() != QMediaPlayer::PlayingState);

        if (gardisto)
            QVERIFY2(!gardisto->malfermita(), "the FIFO was opened");
        gardisto.reset();
        metasBonan();
    }

    // A video that failed, as the page was shown or when clicked, is tried
    // again on the next click: a media folder made or mended while the
    // program runs is played at once, and nothing more is said.
    void ludeblaPoste_data() { neludebla_data(); }
    void ludeblaPoste()
    {
        const neludeblaj_registrajhoj::Avizoj avizoj(QStringLiteral("This video cannot be played."));
        std::unique_ptr<FifoGardisto> gardisto;
        if (!montrasNeludeblan(&gardisto))
            return;
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));
        premas(Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(testilo::videblajKestoj(), QStringList{smNeLudebla}, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
        testilo::fermasKestojn();

        gardisto.reset();
        metasBonan();
        QSignalSpy statoj(medio(), &QMediaPlayer::mediaStatusChanged);
        premas(Qt::LeftButton);
        QCOMPARE(medio()->media().request().url(), QUrl::fromLocalFile(vojo()));
        QCOMPARE(int(medio()->state()), int(QMediaPlayer::PlayingState));
        QVERIFY(afisho()->isHidden());
        // It plays to its end, and the poster returns as after any video.
        QTRY_VERIFY_WITH_TIMEOUT(!afisho()->isHidden(), 20000);
        QList<int> sinsekvo;
        for (const QList<QVariant>& s : qAsConst(statoj))
            sinsekvo << s.at(0).value<QMediaPlayer::MediaStatus>();
        QVERIFY2(sinsekvo.contains(QMediaPlayer::EndOfMedia) && !sinsekvo.contains(QMediaPlayer::InvalidMedia),
                 qPrintable(QStringLiteral("statuses: ") + QTest::toString(sinsekvo)));
        QCOMPARE(medio()->error(), QMediaPlayer::NoError);
        QCOMPARE(testilo::videblajKestoj(), QStringList());
    }

    // Where the platform has no player the frame shows its poster only.
    void androjdo()
    {
        sSistemo = QStringLiteral("android");
        konstruas();
        QVERIFY(!medio());
        rulumejo->show();
        QVERIFY(QTest::qWaitForWindowExposed(rulumejo));
        premas(Qt::LeftButton);
        QCOMPARE(patro->premoj, 1);
        QVERIFY(!afisho()->isHidden());
    }
};

LERBO_TEST_MAIN(TestoVideo)
#include "tst_ludiloj_video.moc"
