#include "ekzercilo.h"
#include "ekzerco1.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "klipoj.h"
#include "rondo.h"
#include "testilo.h"

#include <QPushButton>

class TestoEkzerco1 : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    ekzerco1* ekz = nullptr;

    QPushButton* butono(const QString& nomo) { return ekz->findChild<QPushButton*>(nomo); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }
    QList<QPushButton*> vortbutonoj()
    {
        QList<QPushButton*> l;
        for (const char* n : {"butono0", "butono3", "butono1", "butono4", "butono2", "butono5"})
            l << butono(n);
        return l;
    }
    // The button of the word being spoken.
    QPushButton* celo()
    {
        for (QPushButton* b : vortbutonoj())
            if (b->isEnabled() && klipoj::vorto("99", b->text()) == ekz->sono())
                return b;
        return nullptr;
    }
    QPushButton* alia()
    {
        QPushButton* c = celo();
        for (QPushButton* b : vortbutonoj())
            if (b->isEnabled() && b->text() != c->text())
                return b;
        return nullptr;
    }
    QString vortoDe(const QString& sono)
    {
        for (const QString& v : lec99::vortoj())
            if (klipoj::vorto("99", v) == sono)
                return v;
        if (sono == "sonoj/lec99/auh.oga")
            return QString::fromUtf8("aŭ");
        return QString();
    }

private slots:
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        leciono = lec99::faras();
        ekz = new ekzerco1(lec99::pagxo(leciono));
        ekz->setObjectName("frame");
        ekz->kodo = "9904";
        QVERIFY(lec99::montras(leciono, ekz, QSize(700, 500)));
    }
    void cleanup()
    {
        delete leciono;
        lNoteto = false;
    }

    void rondoj()
    {
        for (int fojo = 0; fojo < 200; ++fojo) {
            QList<bool> uzataj;
            for (int i = 0; i < 9; ++i)
                uzataj << false;
            const int restas = fojo % 2 ? 40 : 8;
            const rondo r = rondo::faras(9, uzataj, restas);
            QCOMPARE(r.butonoj.size(), 6);
            QCOMPARE(uzataj.count(true), 4);
            for (int k = 0; k < 4; ++k) {
                QCOMPARE(r.butonoj.at(r.pozicioj[k]), r.celoj[k]);
                QVERIFY(uzataj.at(r.celoj[k]));
                if (restas <= 11)
                    QCOMPARE(r.celoj[k], k); // the lowest words, in order
            }
            for (int d : r.distraktiloj) {
                QVERIFY(d >= 0 && d < 9);
                for (int k = 0; k < 4; ++k)
                    QVERIFY(d != r.celoj[k]);
                QVERIFY(r.butonoj.contains(d));
            }
        }
    }

    void klipoj_data()
    {
        QTest::addColumn<QString>("vorto");
        QTest::addColumn<QString>("klipo");
        QTest::newRow("plain") << "domo"
                               << "sonoj/lec01/domo.oga";
        QTest::newRow("hat") << QString::fromUtf8("seĝo") << "sonoj/lec01/segxo.oga";
        QTest::newRow("aŭ") << QString::fromUtf8("aŭ") << "sonoj/lec01/auh.oga";
        QTest::newRow("antaŭ") << QString::fromUtf8("antaŭ") << "sonoj/lec01/antaux.oga";
    }
    void klipoj()
    {
        QFETCH(QString, vorto);
        QFETCH(QString, klipo);
        QCOMPARE(klipoj::vorto("01", vorto), klipo);
    }

    void tutaKuro()
    {
        QVERIFY(!butono("BitBtn2")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        for (QPushButton* b : vortbutonoj())
            QVERIFY(!b->isEnabled());
        lec99::klakas(butono("BitBtn1"));
        QCOMPARE(valoro("Placar1"), 8); // nine words: two rounds of four
        QVERIFY(butono("BitBtn3")->isEnabled());
        QStringList demanditaj;
        int modaloj = 0;
        while (butono("BitBtn2")->isEnabled() && demanditaj.size() < 20) {
            demanditaj << vortoDe(ekz->sono());
            QPushButton* c = celo();
            QVERIFY(c);
            if (valoro("Placar1") == 1)
                modaloj += testilo::kunModalo([&] { lec99::klakas(c); });
            else
                lec99::klakas(c);
        }
        QCOMPARE(modaloj, 1);
        QCOMPARE(demanditaj.size(), 8);
        // The last two rounds take the words in list order; the ninth stays unasked.
        QCOMPARE(QSet<QString>(demanditaj.begin(), demanditaj.end()).size(), 8);
        QVERIFY(!demanditaj.contains("pano"));
        QVERIFY(demanditaj.contains(QString::fromUtf8("aŭ")));
        QCOMPARE(valoro("Placar1"), 0);
        QCOMPARE(valoro("Placar2"), 8);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 100);
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        for (QPushButton* b : vortbutonoj())
            QVERIFY(!b->isEnabled());
    }

    // A wrong pick blinks the right word and keeps the round; a click
    // meanwhile does nothing.
    void malgxusta()
    {
        lec99::klakas(butono("BitBtn1"));
        QStringList tekstoj;
        for (QPushButton* b : vortbutonoj())
            tekstoj << b->text();
        QPushButton* c = celo();
        QPushButton* malgxusta = alia();
        lec99::Dume dume([&] { lec99::klakas(c); }); // while the right word blinks
        lec99::klakas(malgxusta);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar1"), 8);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(butono("BitBtn3")->isEnabled());
        QVERIFY(ekz->findChild<QWidget*>("butonujo")->isEnabled());
        QStringList poste;
        for (QPushButton* b : vortbutonoj())
            poste << b->text();
        QCOMPARE(poste, tekstoj); // the same round goes on
        lec99::klakas(celo());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar4"), 50);
    }

    void haltoKajRekomenco()
    {
        lec99::klakas(butono("BitBtn1"));
        lec99::klakas(celo());
        lec99::klakas(alia());
        lec99::klakas(butono("BitBtn2"));
        QVERIFY(butono("BitBtn1")->isEnabled());
        for (QPushButton* b : vortbutonoj())
            QVERIFY(!b->isEnabled());
        QCOMPARE(valoro("Placar2"), 1);
        lec99::klakas(butono("BitBtn1"));
        QCOMPARE(valoro("Placar1"), 8);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        int demandoj = 0;
        while (butono("BitBtn2")->isEnabled() && demandoj < 20) {
            ++demandoj;
            QPushButton* c = celo();
            testilo::kunModalo([&] { lec99::klakas(c); });
        }
        QCOMPARE(demandoj, 8);
    }

    // Stop and start while a wrong pick blinks: the old pick drops its steps.
    void haltoDumAtendo()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn2"));
            lec99::klakas(butono("BitBtn1"));
        });
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(alia()); }), 0);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QCOMPARE(valoro("Placar1"), 8);
        QVERIFY(!butono("BitBtn1")->isEnabled());
        QVERIFY(butono("BitBtn3")->isEnabled());
        QVERIFY(ekz->findChild<QWidget*>("butonujo")->isEnabled());
        QVERIFY(celo());
        lec99::klakas(celo());
        QCOMPARE(valoro("Placar2"), 1);
    }
};

LERBO_TEST_MAIN(TestoEkzerco1)
#include "tst_ekz_ekzerco1.moc"
