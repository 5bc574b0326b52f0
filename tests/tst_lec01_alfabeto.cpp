// What only lesson 1 has: the alphabet page, with its letters and example
// words, and the hear-and-pick exercise whose words are those examples.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <memory>

class TestoLec01Alfabeto : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    QLabel* etikedo(const QString& nomo) const { return lec->findChild<QLabel*>(nomo); }

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(1, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 1);
        QVERIFY(lec);
    }

    void rulumado()
    {
        // The alphabet page scrolls with a fixed width until a page change shows it.
        auto* areo = lec->findChild<QWidget*>(QStringLiteral("tab"))
                         ->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(areo);
        QVERIFY(!areo->widgetResizable());
        QCOMPARE(areo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void literoj()
    {
        // Letters in row order: the left half is numbered 29-42, the right half 85-98.
        const QString literoj = QStringLiteral("ABCĈDEFGĜHĤIJĴKLMNOPRSŜTUŬVZ");
        for (int i = 0; i < 28; ++i) {
            const int n = i < 14 ? 29 + i : 85 + i - 14;
            QLabel* l = etikedo(QStringLiteral("Lec01_Button%1").arg(n));
            QVERIFY(l);
            QCOMPARE(l->text(), QString(literoj.at(i)));
        }
    }

    void auskultuKajElektu()
    {
        // The item file's hear-and-pick words are the alphabet page's example
        // words, row by row, except that L is exemplified by ĉelo there.
        QStringList eroj;
        QCOMPARE(_Matriz(&eroj, QStringLiteral("0101"), QStringLiteral("D")), 56);
        const QStringList vortoj = {"Lec01_Button10", "Lec01_Button26", "Lec01_XButton1",
                                    "Lec01_XButton2", "Lec01_Button1",  "Lec01_Button55"};
        for (int i = 0; i < vortoj.size(); ++i)
            QCOMPARE(eroj.at(i), etikedo(vortoj.at(i))->text());
        QCOMPARE(etikedo(QStringLiteral("Lec01_Button2"))->text(), QStringLiteral("ŝelo"));
        QCOMPARE(eroj.at(30), QStringLiteral("ĉelo"));
        QCOMPARE(eroj.at(31), etikedo(QStringLiteral("Lec01_Button56"))->text());
        QCOMPARE(eroj.last(), etikedo(QStringLiteral("Lec01_Button4"))->text());
    }
};

LERBO_TEST_MAIN(TestoLec01Alfabeto)
#include "tst_lec01_alfabeto.moc"
