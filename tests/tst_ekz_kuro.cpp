#include "ekzercfolio.h"
#include "ekzercokuro.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "verdikto.h"

#include <QFont>

// The run that every exercise frame shares, without any window.
class TestoEkzKuro : public QObject
{
    Q_OBJECT

private slots:
    void procento_data()
    {
        QTest::addColumn<int>("gxustaj");
        QTest::addColumn<int>("malgxustaj");
        QTest::addColumn<int>("atendata");
        QTest::addColumn<bool>("trapasas");
        QTest::newRow("13 and 7") << 13 << 7 << 65 << false;
        QTest::newRow("2 and 1") << 2 << 1 << 66 << false;
        QTest::newRow("10 and 3") << 10 << 3 << 76 << true;
        QTest::newRow("7 and 3") << 7 << 3 << 70 << true;
        QTest::newRow("40 and 17") << 40 << 17 << 70 << true;
        QTest::newRow("40 and 18") << 40 << 18 << 68 << false;
        QTest::newRow("69.9 dropped to 69") << 237 << 102 << 69 << false;
        QTest::newRow("first wrong") << 0 << 1 << 0 << false;
        QTest::newRow("first right") << 1 << 0 << 100 << true;
        QTest::newRow("no answers") << 0 << 0 << 0 << false;
    }
    void procento()
    {
        QFETCH(int, gxustaj);
        QFETCH(int, malgxustaj);
        QFETCH(int, atendata);
        QFETCH(bool, trapasas);
        QCOMPARE(Verdikto::procento(gxustaj, malgxustaj), atendata);
        QCOMPARE(ekzercokuro::procento(gxustaj, malgxustaj), atendata);
        QCOMPARE(Verdikto::trapasas(gxustaj, malgxustaj), trapasas);
        QCOMPARE(ekzercokuro::trapasas(gxustaj, malgxustaj), trapasas);
        ekzercokuro kuro;
        QVERIFY(kuro.komencu(gxustaj + malgxustaj + 1, ekzercokuro::CiujEroj));
        for (int i = 0; i < malgxustaj; ++i) {
            kuro.tiru();
            QVERIFY(kuro.respondas(false));
        }
        for (int i = 0; i < gxustaj; ++i) {
            kuro.tiru();
            QVERIFY(kuro.respondas(true));
        }
        QCOMPARE(kuro.procento(), atendata);
    }

    void limo_data()
    {
        QTest::addColumn<int>("kvanto");
        QTest::addColumn<int>("limo");
        QTest::addColumn<int>("celo");
        QTest::newRow("14 capped") << 14 << int(ekzercokuro::Limigita) << 14;
        QTest::newRow("55 capped") << 55 << int(ekzercokuro::Limigita) << 40;
        QTest::newRow("40 capped") << 40 << int(ekzercokuro::Limigita) << 40;
        QTest::newRow("56 all") << 56 << int(ekzercokuro::CiujEroj) << 56;
    }
    void limo()
    {
        QFETCH(int, kvanto);
        QFETCH(int, limo);
        QFETCH(int, celo);
        ekzercokuro kuro;
        QVERIFY(kuro.komencu(kvanto, ekzercokuro::Limo(limo)));
        QCOMPARE(kuro.celo(), celo);
        QCOMPARE(kuro.restas(), celo);
        QSet<int> viditaj;
        while (!kuro.finita()) {
            const int ero = kuro.tiru();
            QVERIFY(ero >= 0 && ero < kvanto);
            QVERIFY2(!viditaj.contains(ero), "an item answered right came again");
            viditaj << ero;
            QVERIFY(kuro.respondas(true));
            QCOMPARE(kuro.restas(), celo - kuro.gxustaj());
        }
        QCOMPARE(kuro.gxustaj(), celo);
        QCOMPARE(kuro.restas(), 0);
    }

    // A second answer to the item on screen is not counted.
    void unuRespondoPorEro()
    {
        ekzercokuro kuro;
        QVERIFY(kuro.komencu(3, ekzercokuro::CiujEroj));
        QVERIFY(!kuro.respondas(true)); // nothing shown yet
        kuro.tiru();
        QVERIFY(kuro.respondas(false));
        QVERIFY(!kuro.respondas(false));
        QVERIFY(!kuro.respondas(true));
        QCOMPARE(kuro.malgxustaj(), 1);
        QCOMPARE(kuro.gxustaj(), 0);
        kuro.tiru();
        QVERIFY(kuro.respondas(true));
        QVERIFY(!kuro.respondas(true));
        QCOMPARE(kuro.gxustaj(), 1);
    }

    // Stop and start change the run's token, so a slot waiting in feedback
    // can tell that its run is gone.
    void haltoKajRekomenco()
    {
        ekzercokuro kuro;
        QVERIFY(kuro.komencu(5, ekzercokuro::CiujEroj));
        const int s = kuro.signo();
        QVERIFY(kuro.sama(s));
        kuro.haltu();
        QVERIFY(!kuro.sama(s));
        QVERIFY(!kuro.kuras());
        QVERIFY(!kuro.respondas(true));
        QVERIFY(kuro.komencu(5, ekzercokuro::CiujEroj));
        QVERIFY(!kuro.sama(s));
        QCOMPARE(kuro.gxustaj(), 0);
        QCOMPARE(kuro.procento(), 0); // no division by a zero total
    }

    void troMalmultajEroj_data()
    {
        QTest::addColumn<int>("kvanto");
        QTest::addColumn<int>("minimumo");
        QTest::addColumn<bool>("kuras");
        QTest::newRow("none") << 0 << 1 << false;
        QTest::newRow("four of five") << 4 << 5 << false;
        QTest::newRow("five of five") << 5 << 5 << true;
        QTest::newRow("one of two") << 1 << 2 << false;
    }
    void troMalmultajEroj()
    {
        QFETCH(int, kvanto);
        QFETCH(int, minimumo);
        QFETCH(bool, kuras);
        ekzercokuro kuro;
        QCOMPARE(kuro.komencu(kvanto, ekzercokuro::Limigita, minimumo), kuras);
        QCOMPARE(kuro.kuras(), kuras);
        if (!kuras)
            QCOMPARE(kuro.procento(), 0);
    }

    // The titles and instructions of the exercise frames, in both shipped
    // reference translations and in the list of keys to translate.
    void gheneralajTekstoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("ekzemplo");
        QTest::newRow("English") << "angla.trd"
                                 << "at least 70% right answers.";
        QTest::newRow("Esperanto") << "esperanto.trd" << QString::fromUtf8("almenaŭ 70% da ĝustaj respondoj.");
    }
    void gheneralajTekstoj()
    {
        QFETCH(QString, dosiero);
        QFETCH(QString, ekzemplo);
        const QStringList sxlosiloj = {
            "TFrame1.Label7",  "TFrame2.PP_Label1", "TFrame2.PP_Label41", "TFrame3.Label59",   "TFrame3.Label68",
            "TFrame4.Label83", "TFrame5.Label1",    "TFrame5.Label6",     "Ekz_FrazoKonstruo", "TFrame2.SenMikrofono"};
        IniDosiero trd(":/tradukoj/" + dosiero);
        for (const QString& k : sxlosiloj) {
            const QVariant v = trd.value("Gheneralaj/" + k);
            QVERIFY2(v.type() == QVariant::String, qPrintable(k));
            QVERIFY2(!v.toString().isEmpty(), qPrintable(k));
        }
        QVERIFY(trd.value("Gheneralaj/TFrame3.Label68").toString().endsWith(ekzemplo));
        IniDosiero tdf(":/tradukoj/tradukendaj.tdf");
        tdf.beginGroup("Gheneralaj");
        QStringList listigitaj;
        for (const QString& k : tdf.childKeys())
            listigitaj << tdf.value(k).toString();
        QCOMPARE(listigitaj.size(), sxlosiloj.size());
        QCOMPARE(QSet<QString>(listigitaj.begin(), listigitaj.end()),
                 QSet<QString>(sxlosiloj.begin(), sxlosiloj.end()));
        QCOMPARE(tdf.value("000").toString(), QString("TFrame2.PP_Label1"));
    }

    void foliaGrando()
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(16);
        QCOMPARE(ekzercfolio::grando(f), 12);
        f.setPixelSize(14); // 10.5 rounds up
        QCOMPARE(ekzercfolio::grando(f), 11);
        f.setPointSize(13); // set in points: no pixel size
        QCOMPARE(f.pixelSize(), -1);
        QCOMPARE(ekzercfolio::grando(f), 13);
    }
};

LERBO_TEST_MAIN(TestoEkzKuro)
#include "tst_ekz_kuro.moc"
