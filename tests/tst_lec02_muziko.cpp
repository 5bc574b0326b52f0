// What only lesson 2 has: the music page, which the lesson frame lays out
// itself so that the video player (a widget without a form of its own to be
// promoted from) stands above the heading, and the video it plays when the
// learner turns to it in the main window.
#include "lecionilo.h"
#include "lecionoj.h"
#include "tst_lerbo_komuna.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QScrollArea>
#include <QTabWidget>
#include <memory>

class TestoLec02Muziko : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        lerbotesto::purigas();
        lerbotesto::lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
    }

    void arangho()
    {
        // Video player first, then the heading, the introduction, the cart
        // with the link, and free space below.
        std::unique_ptr<QFrame> leciono(KreasLecionon(2, nullptr));
        QTabWidget* lec = lecionilo::tabulo(leciono.get(), 2);
        QVERIFY(lec);
        auto* enhavo = lec->findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_6"));
        QVERIFY(enhavo);
        auto* kolumno = qobject_cast<QVBoxLayout*>(enhavo->layout());
        QVERIFY(kolumno);
        QCOMPARE(kolumno->count(), 5);
        QWidget* video = kolumno->itemAt(0)->widget();
        QVERIFY(video && video->inherits("videoludilo"));
        QCOMPARE(video->parentWidget(), enhavo);
        QCOMPARE(kolumno->itemAt(1)->widget(), lec->findChild<QWidget*>(QStringLiteral("Lec02_Label50")));
        QCOMPARE(kolumno->itemAt(2)->widget(), lec->findChild<QWidget*>(QStringLiteral("Lec02_Label49")));
        auto* vico = qobject_cast<QHBoxLayout*>(kolumno->itemAt(3)->layout());
        QVERIFY(vico);
        QCOMPARE(vico->count(), 2);
        QCOMPARE(vico->itemAt(0)->widget(), enhavo->findChild<QWidget*>(QStringLiteral("label")));
        QCOMPARE(vico->itemAt(1)->widget(), lec->findChild<QWidget*>(QStringLiteral("label_21")));
        QSpacerItem* spaco = kolumno->itemAt(4)->spacerItem();
        QVERIFY(spaco);
        QCOMPARE(spaco->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

        auto* ligilo = lec->findChild<QLabel*>(QStringLiteral("label_21"));
        QVERIFY(ligilo->openExternalLinks());
        QVERIFY(ligilo->text().contains(QLatin1String("<a href=\"http")));
        auto* areo = lec->findChild<QScrollArea*>(QStringLiteral("scrollArea_6"));
        QCOMPARE(areo->sizeAdjustPolicy(), QAbstractScrollArea::AdjustToContentsOnFirstShow);
        QVERIFY(areo->widgetResizable());
    }

    void video()
    {
        // Turned to in the main window, the video player asks for the
        // lesson's video, and the heading stands under it.
        std::unique_ptr<lerbo> w = lerbotesto::kreas();
        lerbotesto::enEkrano(w.get());
        QVERIFY(lerbotesto::montras(w.get()));
        testilo::klakas(lerbotesto::el<QAbstractButton>(w.get(), "Leciono2"));
        QTabWidget* lec = w->findChild<QTabWidget*>(QStringLiteral("Lec02"));
        QVERIFY(lec);
        while (lec->currentIndex() < 3)
            testilo::klakas(lerbotesto::el<QAbstractButton>(w.get(), "dekstren"));
        QCOMPARE(lec->currentWidget()->objectName(), QStringLiteral("tab_16"));
        QCOMPARE(LastaPagxo, 3);
        QWidget* ludilo = lec->currentWidget()->findChild<QWidget*>(QStringLiteral("videoludilo"));
        QVERIFY(ludilo && ludilo->isVisible());
        auto* medio = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("video/lec02/ziv_video.ogv")));
        QVERIFY(lec->currentWidget()->findChild<QWidget*>(QStringLiteral("Lec02_Label50"))->y()
                >= ludilo->geometry().bottom());
    }
};

LERBO_TEST_MAIN(TestoLec02Muziko)
#include "tst_lec02_muziko.moc"
