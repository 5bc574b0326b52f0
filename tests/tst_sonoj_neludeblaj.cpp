// A clip that cannot be played is told, once in a run, with the
// translation's own message, instead of an exercise that stays silent: a
// missing or empty clip as a recording that cannot be played, one the player
// gives up on as a missing sound device, which it may be. A song that cannot
// be played is told on its page, and plays on the next press once its file
// is there.
//
// With LERBO_EKRANKOPIOJ set to a folder, the notice on lesson 12's song
// page is saved there as "lec12_kanto_neludebla.png".
#include "tst_lerbo_komuna.h"

#include <QDir>
#include <QMediaPlayer>
#include <QPainter>

using namespace lerbotesto;

class TestoSonojNeludeblaj : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    void unufoje_data()
    {
        QTest::addColumn<QString>("kio");
        QTest::addColumn<bool>("aparato"); // told as a missing sound device
        QTest::newRow("no sonoj folder") << "mankas" << false;
        QTest::newRow("clips of 0 bytes") << "malplena" << false;
        QTest::newRow("clips of random bytes") << "hazarda" << true;
    }
    void unufoje()
    {
        QFETCH(QString, kio);
        QFETCH(bool, aparato);
        const QString propra = mrLoko;
        mrLoko = testilo::novaDosierujo(QStringLiteral("multrimedoj_") + kio);
        for (const char* nomo : {"sonoj/lec01/tio.oga", "sonoj/lec01/kio.oga"}) {
            if (kio == QLatin1String("malplena"))
                testilo::skribas(mrLoko + QLatin1String(nomo), QByteArray());
            else if (kio == QLatin1String("hazarda"))
                testilo::skribas(mrLoko + QLatin1String(nomo), QByteArray(4096, '\x5a') + "\x01\x02\x03");
        }
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        QVERIFY(!smNeSono.isEmpty() && smNeSono != NeTradukita);
        QVERIFY(!smNeLudebla.isEmpty() && smNeLudebla != NeTradukita && smNeLudebla != smNeSono);
        QVERIFY(montras(w.get()));
        lNeSonoDirita = false;

        mp3(QStringLiteral("sonoj/lec01/tio.oga"));
        QTRY_COMPARE_WITH_TIMEOUT(videblajKestoj(), QStringList{aparato ? smNeSono : smNeLudebla}, 20000);
        for (QWidget* f : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<QMessageBox*>(f))
                k->close();
        QVERIFY(montras(w.get()));
        mp3(QStringLiteral("sonoj/lec01/kio.oga"));
        // Once the player has given up on the second clip, nothing more is said.
        QTRY_VERIFY_WITH_TIMEOUT(
            w->sonludilo()->media().request().url().toLocalFile().endsWith(QLatin1String("kio.oga"))
                && (w->sonludilo()->mediaStatus() == QMediaPlayer::InvalidMedia
                    || w->sonludilo()->error() != QMediaPlayer::NoError),
            20000);
        QCoreApplication::processEvents();
        QVERIFY(videblajKestoj().isEmpty());

        lNeSonoDirita = true;
        w.reset();
        mrLoko = propra;
    }

    // Lesson 12's song with its clip missing: the press of play says so on
    // the song page, in the learner's language, with what brings it back;
    // once the clip is there, the next press plays it.
    void kanto()
    {
        Q_INIT_RESOURCE(ludiloj);
        const QString propra = mrLoko;
        mrLoko = testilo::novaDosierujo(QStringLiteral("multrimedoj_kanto"));
        const QString vojo = mrLoko + QStringLiteral("sonoj/lec12/fragoj.oga");
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        enEkrano(w.get());
        el<QPushButton>(w.get(), "Leciono12")->click();
        auto* leciono = el<QTabWidget>(w.get(), "Lec12");
        QWidget* ludilo = el(w.get(), "Lec12_fragoj");
        // Turned to by the arrows, as the learner does.
        for (int i = 0; i < leciono->count() && !leciono->currentWidget()->isAncestorOf(ludilo); ++i)
            el<QAbstractButton>(w.get(), "dekstren")->click();
        QVERIFY(ludilo->isVisible());
        auto* ludu = ludilo->findChild<QPushButton*>(QStringLiteral("Ludu"));

        ludu->click();
        const QString teksto =
            IniDosiero(QStringLiteral(":/tradukoj/angla.trd")).value(QStringLiteral("Mesagxoj/smNeLudebla")).toString();
        QVERIFY(teksto.startsWith(QLatin1String("This recording cannot be played")));
        QTRY_COMPARE_WITH_TIMEOUT(videblajKestoj(), QStringList{teksto}, 20000);
        QMessageBox* kesto = nullptr;
        for (QWidget* f : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible())
                kesto = k;
        QCOMPARE(kesto->parentWidget(), w.get());
        const QString dosierujo = qEnvironmentVariable("LERBO_EKRANKOPIOJ");
        if (!dosierujo.isEmpty()) {
            QTest::qWait(100);
            QImage bildo = w->grab().toImage();
            // The box where it stands over the window, or in its middle.
            QPoint loko = kesto->mapToGlobal(QPoint()) - w->mapToGlobal(QPoint());
            if (!bildo.rect().contains(QRect(loko, kesto->size())))
                loko = bildo.rect().center() - kesto->rect().center();
            QPainter p(&bildo);
            p.drawPixmap(loko, kesto->grab());
            p.end();
            QVERIFY(QDir().mkpath(dosierujo));
            QVERIFY(bildo.save(dosierujo + QStringLiteral("/lec12_kanto_neludebla.png")));
        }
        kesto->close();

        testilo::skribas(vojo, QByteArray());
        QFile::remove(vojo);
        QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), vojo));
        ludu->click();
        auto* medio = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->media().request().url(), QUrl::fromLocalFile(vojo));
        QTRY_COMPARE_WITH_TIMEOUT(medio->mediaStatus(), QMediaPlayer::BufferedMedia, 20000);
        QCOMPARE(medio->state(), QMediaPlayer::PlayingState);
        QVERIFY(videblajKestoj().isEmpty());

        w.reset();
        mrLoko = propra;
    }
};

LERBO_TEST_MAIN(TestoSonojNeludeblaj)
#include "tst_sonoj_neludeblaj.moc"
