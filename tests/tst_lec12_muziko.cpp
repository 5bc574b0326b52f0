// What only lesson 12 has: the song, whose player plays on while the learner
// turns to the page with its words and stops on any other page; the reading
// of the article, which stops on any page change; the song page's picture,
// album list and links; and the few boxes that keep one line.
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocument>
#include <memory>

namespace {

// Tab indexes of the pages the players stand on and around.
enum Pagho { Vortoj = 6, Kanto = 7, Teksto = 8, Sendo = 9 };

QMediaPlayer::State stato(QWidget* ludilo)
{
    return ludilo->findChild<QMediaPlayer*>()->state();
}

} // namespace

class TestoLec12Muziko : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    QWidget* ludilo(const char* nomo) const { return lec->findChild<QWidget*>(QLatin1String(nomo)); }

    // Turns to `de`, presses play on `nomo`, and turns to `al`.
    void ludasKajTurnas(const char* nomo, int de, int al)
    {
        lec->setCurrentIndex(de);
        ludilo(nomo)->findChild<QPushButton*>(QStringLiteral("Ludu"))->click();
        QCOMPARE(stato(ludilo(nomo)), QMediaPlayer::PlayingState);
        lec->setCurrentIndex(al);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        for (const char* klipo : {"sonoj/lec12/fragoj.oga", "sonoj/lec12/memo10.oga"}) {
            testilo::skribas(mrLoko + QLatin1String(klipo), QByteArray());
            QFile::remove(mrLoko + QLatin1String(klipo));
            QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), mrLoko + QLatin1String(klipo)));
        }
    }

    void init()
    {
        leciono.reset(KreasLecionon(12, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 12);
        QVERIFY(lec);
        leciono->show();
    }
    void cleanup() { leciono.reset(); }

    void kanto_data()
    {
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("al");
        QTest::addColumn<bool>("ludas");
        QTest::newRow("on to the song's words") << int(Kanto) << int(Teksto) << true;
        QTest::newRow("on past the song's words") << int(Kanto) << int(Sendo) << false;
        QTest::newRow("back from the song") << int(Kanto) << int(Vortoj) << false;
        QTest::newRow("far away") << int(Kanto) << 0 << false;
    }
    void kanto()
    {
        QFETCH(int, de);
        QFETCH(int, al);
        QFETCH(bool, ludas);
        ludasKajTurnas("Lec12_fragoj", de, al);
        QCOMPARE(stato(ludilo("Lec12_fragoj")) == QMediaPlayer::PlayingState, ludas);
        QCOMPARE(ludilo("Lec12_fragoj")->findChild<QMediaPlayer*>()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec12/fragoj.oga")));
    }

    void kantoDaurasGxisTria()
    {
        // From the song to its words and back it plays on; the third page stops it.
        ludasKajTurnas("Lec12_fragoj", Kanto, Teksto);
        lec->setCurrentIndex(Kanto);
        lec->setCurrentIndex(Teksto);
        QCOMPARE(stato(ludilo("Lec12_fragoj")), QMediaPlayer::PlayingState);
        lec->setCurrentIndex(Sendo);
        QCOMPARE(stato(ludilo("Lec12_fragoj")), QMediaPlayer::StoppedState);
        QVERIFY(!ludilo("Lec12_fragoj")->findChild<QPushButton*>(QStringLiteral("Ludu"))->isHidden());
    }

    void legajho()
    {
        // The reading of the article stops as soon as the page turns, and
        // the song's player, never played, does not move.
        ludasKajTurnas("Lec12_memo10", Sendo, Teksto);
        QCOMPARE(stato(ludilo("Lec12_memo10")), QMediaPlayer::StoppedState);
        QCOMPARE(stato(ludilo("Lec12_fragoj")), QMediaPlayer::StoppedState);
        QCOMPARE(ludilo("Lec12_memo10")->findChild<QMediaPlayer*>()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec12/memo10.oga")));
    }

    void pauzita()
    {
        // A paused song stays paused through page changes.
        ludasKajTurnas("Lec12_fragoj", Kanto, Kanto);
        ludilo("Lec12_fragoj")->findChild<QPushButton*>(QStringLiteral("Pauzu"))->click();
        lec->setCurrentIndex(Sendo);
        QCOMPARE(stato(ludilo("Lec12_fragoj")), QMediaPlayer::PausedState);
    }

    void muzikpagho()
    {
        // The band's picture at its size, the two albums with their
        // publishers and years, and links that show their own addresses,
        // all on invented sites.
        auto* bildo = lec->findChild<QLabel*>(QStringLiteral("label_3"));
        QCOMPARE(bildo->pixmap(Qt::ReturnByValue).size(), QSize(400, 275));
        const QStringList albumoj = lec->findChild<QLabel*>(QStringLiteral("label_6"))->text().split(QLatin1Char('\n'));
        QCOMPARE(albumoj.size(), 5);
        QVERIFY(albumoj.at(0).startsWith(QStringLiteral("• ")));
        QVERIFY(albumoj.at(1).startsWith(QLatin1String("   ")) && albumoj.at(1).endsWith(QLatin1String(" - 1998")));
        QVERIFY(albumoj.at(2).isEmpty());
        QVERIFY(albumoj.at(3).startsWith(QStringLiteral("• ")));
        QVERIFY(albumoj.at(4).startsWith(QLatin1String("   ")) && albumoj.at(4).endsWith(QLatin1String(" - 2000")));

        const QRegularExpression adreso(QStringLiteral("<a href=\"(https://[a-z-]+\\.example\\.org/)\">"));
        for (const char* nomo : {"label_126", "label_127", "label_130", "label_129", "label_131"}) {
            auto* ligilo = lec->findChild<QLabel*>(QLatin1String(nomo));
            QVERIFY2(ligilo && ligilo->openExternalLinks() && !ligilo->wordWrap(), nomo);
            const auto m = adreso.match(ligilo->text());
            QVERIFY2(m.hasMatch(), qPrintable(ligilo->text()));
            QTextDocument d;
            d.setHtml(ligilo->text());
            QCOMPARE(d.toPlainText(), m.captured(1));
        }
    }

    void kantoteksto()
    {
        // Title, then eight lines and nine, the last two abbreviating the refrain.
        QTextDocument titolo;
        titolo.setHtml(lec->findChild<QLabel*>(QStringLiteral("label"))->text());
        QVERIFY(!titolo.toPlainText().trimmed().isEmpty());
        const QStringList unua = lec->findChild<QLabel*>(QStringLiteral("label_16"))->text().split(QLatin1Char('\n'));
        const QStringList dua = lec->findChild<QLabel*>(QStringLiteral("label_17"))->text().split(QLatin1Char('\n'));
        QCOMPARE(unua.size(), 8);
        QCOMPARE(dua.size(), 9);
        for (const QString& linio : unua + dua.mid(0, 7))
            QVERIFY2(!linio.contains(QLatin1String(". .")), qPrintable(linio));
        QVERIFY(dua.at(7).endsWith(QLatin1String(". . .")) && dua.at(8).endsWith(QLatin1String(". . .")));
    }

    void unuliniaj()
    {
        // The note's title and the last compound stay on one line, the
        // compound no wider than its text; the tab widget takes the frame's
        // whole width.
        QVERIFY(!lec->findChild<QLabel*>(QStringLiteral("Lec12_Label12"))->wordWrap());
        auto* lasta = lec->findChild<QLabel*>(QStringLiteral("pushButton_64"));
        QVERIFY(!lasta->wordWrap());
        QCOMPARE(lasta->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(lasta->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        auto* ujo = qobject_cast<QHBoxLayout*>(leciono->layout());
        QVERIFY(ujo);
        QCOMPARE(ujo->stretch(0), 1);
        QCOMPARE(ujo->itemAt(0)->widget(), lec);
    }
};

LERBO_TEST_MAIN(TestoLec12Muziko)
#include "tst_lec12_muziko.moc"
