// A clip that cannot be played is told, once in a run, with the
// translation's own message, instead of an exercise that stays silent.
#include "tst_lerbo_komuna.h"

#include <QMediaPlayer>

using namespace lerbotesto;

class TestoSonojNeludeblaj : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    void unufoje_data()
    {
        QTest::addColumn<QString>("kio");
        QTest::newRow("no sonoj folder") << "mankas";
        QTest::newRow("clips of 0 bytes") << "malplena";
        QTest::newRow("clips of random bytes") << "hazarda";
    }
    void unufoje()
    {
        QFETCH(QString, kio);
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
        QVERIFY(montras(w.get()));
        lNeSonoDirita = false;

        mp3(QStringLiteral("sonoj/lec01/tio.oga"));
        QTRY_COMPARE_WITH_TIMEOUT(videblajKestoj(), QStringList{smNeSono}, 20000);
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
};

LERBO_TEST_MAIN(TestoSonojNeludeblaj)
#include "tst_sonoj_neludeblaj.moc"
