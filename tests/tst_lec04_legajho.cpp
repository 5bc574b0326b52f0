// What only lesson 4 has: the reading page, whose recording stops when the
// learner turns to another page in the main window (a paused one stays
// paused), and the word list 0402 of its item file, which no frame reads.
#include "erodosieroj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "tst_lerbo_komuna.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

class TestoLec04Legajho : public QObject
{
    Q_OBJECT

    std::unique_ptr<lerbo> w;

    QTabWidget* lec() const { return w->findChild<QTabWidget*>(QStringLiteral("Lec04")); }
    QWidget* ludilo() const { return lec()->findChild<QWidget*>(QStringLiteral("Lec04_memo1")); }
    QPushButton* butono(const char* nomo) const { return ludilo()->findChild<QPushButton*>(QLatin1String(nomo)); }
    // The reading's player is made on the first press of play.
    QMediaPlayer::State stato() const
    {
        const auto* medio = ludilo()->findChild<QMediaPlayer*>();
        return medio ? medio->state() : QMediaPlayer::StoppedState;
    }

    void klakas(const char* nomo) { testilo::klakas(lerbotesto::el<QAbstractButton>(w.get(), nomo)); }

    // Turns with the right arrow until page `indekso` shows.
    void alPagho(int indekso)
    {
        QVERIFY(lerbotesto::montras(w.get()));
        for (int i = 0; lec()->currentIndex() != indekso && i < lec()->count(); ++i)
            klakas("dekstren");
        QCOMPARE(lec()->currentIndex(), indekso);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        lerbotesto::purigas();
        lerbotesto::lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        // A recording long enough to be still playing when the page turns.
        const QString klipo = mrLoko + QStringLiteral("sonoj/lec04/memo1.oga");
        testilo::skribas(klipo, QByteArray());
        QFile::remove(klipo);
        QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), klipo));
        w = lerbotesto::kreas();
        lerbotesto::enEkrano(w.get());
        QVERIFY(lerbotesto::montras(w.get()));
        lSxaltilo = false;
        lNoteto = false;
        klakas("Leciono4");
        QVERIFY(lec());
    }

    void teksto()
    {
        // The reading stands above its player, in Esperanto whatever the
        // learner's language, written as a learner tells of himself.
        alPagho(5);
        auto* teksto = lec()->currentWidget()->findChild<QLabel*>(QStringLiteral("Memo1_Lec04"));
        QVERIFY(teksto && teksto->isVisible());
        QVERIFY(teksto->text().startsWith(QStringLiteral("Mia nomo estas Petro. ")));
        QVERIFY2(teksto->text().size() > 250 && teksto->text().size() < 350, qPrintable(teksto->text()));
        QVERIFY(ludilo()->isVisible());
        QVERIFY(ludilo()->y() > teksto->y());
    }

    void haltas_ce_pagxshangxo()
    {
        // Playing, it stops when the page is left; started again and
        // paused, it stays paused.
        alPagho(5);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        testilo::klakas(butono("Ludu"));
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        QVERIFY(butono("Chesu")->isVisible());
        klakas("dekstren");
        QCOMPARE(lec()->currentIndex(), 6);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        klakas("maldekstren");
        QCOMPARE(lec()->currentIndex(), 5);
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
        QVERIFY(butono("Ludu")->isVisible());
        QVERIFY(!butono("Chesu")->isVisible());

        testilo::klakas(butono("Ludu"));
        QCOMPARE(stato(), QMediaPlayer::PlayingState);
        testilo::klakas(butono("Pauzu"));
        QCOMPARE(stato(), QMediaPlayer::PausedState);
        klakas("maldekstren");
        QCOMPARE(stato(), QMediaPlayer::PausedState);
        klakas("dekstren");
        testilo::klakas(butono("Chesu"));
        QCOMPARE(stato(), QMediaPlayer::StoppedState);
    }

    void vortlisto_0402()
    {
        // The list no frame reads: 18 different words, each standing in a
        // greeting or question of the lesson as it is written there.
        QStringList eroj;
        QCOMPARE(_Matriz(&eroj, QStringLiteral("0402"), QStringLiteral("D")), 18);
        QCOMPARE(QSet<QString>(eroj.begin(), eroj.end()).size(), 18);
        const QRegularExpression inter(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption);
        QSet<QString> vortoj;
        const auto etikedoj = lec()->findChildren<QLabel*>();
        for (QLabel* e : etikedoj)
            if (e->inherits("klakbutono_nova"))
                for (const QString& v : e->text().toLower().split(inter, Qt::SkipEmptyParts))
                    vortoj.insert(v);
        for (const QString& ero : eroj)
            QVERIFY2(vortoj.contains(ero), qPrintable(ero));
    }

    void cleanupTestCase() { w.reset(); }
};

LERBO_TEST_MAIN(TestoLec04Legajho)
#include "tst_lec04_legajho.moc"
