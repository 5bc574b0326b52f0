// A translation file in the writable folder that does not read as one, or a
// file name in the settings that is a path, never reaches the interface:
// the built-in copy of the same name serves, else English with a warning.
#include "agordoj.h"
#include "tradukokontrolo.h"
#include "tradukovojo.h"
#include "tst_lerbo_komuna.h"

#include <QLabel>

using namespace lerbotesto;

namespace {

QString eliri(const QString& nomo)
{
    return IniDosiero(QStringLiteral(":/tradukoj/") + nomo).value(QStringLiteral("Menuo/Eliri")).toString();
}

} // namespace

class TestoTradukoKontrolo : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    void enkonstruitajLegeblas()
    {
        for (const QString& nomo :
             {QStringLiteral("angla.trd"), QStringLiteral("esperanto.trd"), QStringLiteral("araba.trd")})
            QVERIFY2(TradukoKontrolo::legeblaDosiero(QStringLiteral(":/tradukoj/") + nomo), qPrintable(nomo));
    }

    void damagxitaAuNesekura_data()
    {
        QTest::addColumn<QString>("dosiero"); // Dosiero of the settings
        QTest::addColumn<QByteArray>("enhavo"); // of that file in the writable folder
        QTest::addColumn<QString>("uzata"); // the built-in file the window shows
        QTest::addColumn<bool>("averto");
        QTest::newRow("downloaded angla.trd cut at 3000 bytes")
            << "angla.trd" << testilo::enkonstruitaTraduko(QStringLiteral("angla.trd")).left(3000) << "angla.trd"
            << false;
        QTest::newRow("esperanto.trd in UTF-16")
            << "esperanto.trd" << testilo::utf16(testilo::enkonstruitaTraduko(QStringLiteral("esperanto.trd")))
            << "esperanto.trd" << false;
        QTest::newRow("a cut translation without a built-in copy")
            << "volapuka.trd" << testilo::enkonstruitaTraduko(QStringLiteral("angla.trd")).left(3000) << "angla.trd"
            << true;
        QTest::newRow("a path") << "../../../../etc/passwd" << QByteArray() << "angla.trd" << true;
        QTest::newRow("a path to a good translation")
            << "../tradukoj/esperanto.trd" << QByteArray() << "angla.trd" << true;
    }
    void damagxitaAuNesekura()
    {
        QFETCH(QString, dosiero);
        QFETCH(QByteArray, enhavo);
        QFETCH(QString, uzata);
        QFETCH(bool, averto);
        lernantoKun(QStringLiteral("Lingvo"), dosiero);
        if (!enhavo.isEmpty())
            testilo::skribas(savasLoko + dosiero, enhavo);
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text(), eliri(uzata));
        QCOMPARE(mesagxoj.size(), averto ? 1 : 0);
        if (averto)
            QVERIFY2(mesagxoj.first().contains(QStringLiteral("could not be found")), qPrintable(mesagxoj.first()));
        QCOMPARE(TradukoVojo(sTradukoDosiero), QStringLiteral(":/tradukoj/") + uzata);
        // What is saved is the name in use, never the unsafe one.
        QVERIFY(Agordoj::skribas(agordoVojo()));
        sTradukoDosiero.clear();
        Agordoj::legas(agordoVojo());
        QCOMPARE(sTradukoDosiero, averto ? QStringLiteral("angla.trd") : dosiero);
    }
};

LERBO_TEST_MAIN(TestoTradukoKontrolo)
#include "tst_traduko_kontrolo.moc"
