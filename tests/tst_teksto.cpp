#include "funkcioj.h"
#include "testilo.h"

class TestoTeksto : public QObject
{
    Q_OBJECT

private slots:
    void cxsist_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("atendata");
        QTest::newRow("0 unchanged") << "ĉu ŝi?" << 0 << "ĉu ŝi?";
        QTest::newRow("x-system") << "ĉu ŝi?" << 1 << "cxu sxi?";
        QTest::newRow("h-system") << "ĉu ŝi?" << 2 << "chu shi?";
        QTest::newRow("h-system ŭ") << "aŭto" << 2 << "auto";
        QTest::newRow("h-system aŭ Aŭ") << "aŭ Aŭ" << 2 << "au Au";
        QTest::newRow("x-system capitals") << "ĈĜĤĴŜŬ ĉĝĥĵŝŭ" << 1 << "CxGxHxJxSxUx cxgxhxjxsxux";
        QTest::newRow("h-system capitals") << "ĈĜĤĴŜŬ" << 2 << "ChGhHhJhShU";
        QTest::newRow("back from x") << "Cxu CXU cXu" << 3 << "Ĉu CXU cXu";
        QTest::newRow("back all") << "cxgxhxjxsxux CxGxHxJxSxUx" << 3 << "ĉĝĥĵŝŭ ĈĜĤĴŜŬ";
        QTest::newRow("no Esperanto letters, x") << "Hello, world" << 1 << "Hello, world";
        QTest::newRow("no Esperanto letters, h") << "Hello, world" << 2 << "Hello, world";
        QTest::newRow("unknown k") << "ĉu" << 7 << "ĉu";
        QTest::newRow("empty") << "" << 1 << "";
    }
    void cxsist()
    {
        QFETCH(QString, teksto);
        QFETCH(int, k);
        QFETCH(QString, atendata);
        QCOMPARE(CxSist(teksto, k), atendata);
    }

    void purigas_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<bool>("minuskle");
        QTest::addColumn<QString>("atendata");
        QTest::newRow("sentence") << "  Mi   iras,  hejmen.  " << true << "mi iras hejmen";
        QTest::newRow("keeps case") << "GE." << false << "GE";
        QTest::newRow("lower") << "GE." << true << "ge";
        QTest::newRow("thousands") << "1.857" << false << "1857";
        QTest::newRow("comma") << "1,857" << false << "1857";
        QTest::newRow("only blanks") << "    " << true << "";
        QTest::newRow("Esperanto capitals") << "ĈU" << true << "ĉu";
    }
    void purigas()
    {
        QFETCH(QString, teksto);
        QFETCH(bool, minuskle);
        QFETCH(QString, atendata);
        QCOMPARE(::purigas(teksto, minuskle), atendata);
    }

    void limigo_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("atendata");
        for (auto [n, a] : {std::pair{0, 0}, {39, 39}, {40, 40}, {41, 40}, {63, 40}})
            QTest::newRow(qPrintable(QString::number(n))) << n << a;
    }
    void limigo()
    {
        QFETCH(int, n);
        QFETCH(int, atendata);
        QCOMPARE(::limigo(n), atendata);
    }

    void random_range()
    {
        QCOMPARE(::random(0), 0);
        QSet<int> viditaj;
        for (int i = 0; i < 2000; ++i) {
            QCOMPARE(::random(1), 0);
            const int r = ::random(6);
            QVERIFY(r >= 0 && r < 6);
            viditaj << r;
        }
        QCOMPARE(viditaj.size(), 6);
    }
};

LERBO_TEST_MAIN(TestoTeksto)
#include "tst_teksto.moc"
