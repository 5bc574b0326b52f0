// The translation editor's rules without a window: file names, the entry in
// the translation list, and what one save writes into the volunteer's file.
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "tradukmodelo.h"

#include <QFileInfo>

namespace {

QByteArray listo(const QList<int>& grupoj)
{
    QByteArray t;
    for (int i : grupoj)
        t += QStringLiteral("[%1]\r\nLingvoID=x%1\r\nLingvo=Lingvo %1\r\nDosierNomo=alia%1.trd\r\n"
                            "Dato=01.01.2020\r\n")
                 .arg(i)
                 .toUtf8();
    return t;
}

} // namespace

class TestoTradukModelo : public QObject
{
    Q_OBJECT

    QString dosierujo;

private slots:
    void shippedListOffersEveryEnglishKey()
    {
        // The editor offers a section's keys from tradukendaj.tdf; a text the
        // program shows but the list lacks could never be translated.
        IniDosiero tdf(QStringLiteral(":/tradukoj/tradukendaj.tdf"));
        IniDosiero angla(QStringLiteral(":/tradukoj/angla.trd"));
        const QStringList sekcioj = tdf.childGroups();
        QVERIFY(sekcioj.contains(QStringLiteral("Gheneralaj")));
        for (const QString& sekcio : sekcioj) {
            tdf.beginGroup(sekcio);
            QSet<QString> listigitaj;
            for (const QString& n : tdf.childKeys())
                listigitaj.insert(tdf.value(n).toString());
            tdf.endGroup();
            angla.beginGroup(sekcio);
            const QStringList sxlosiloj = angla.childKeys();
            angla.endGroup();
            for (const QString& k : sxlosiloj)
                QVERIFY2(listigitaj.contains(k), qPrintable(sekcio + QLatin1Char('/') + k));
        }
    }

    void initTestCase()
    {
        Q_INIT_RESOURCE(tradukilo);
        TradukModelo::MetasTradukujon(QStringLiteral(":/fiksajhoj/tradukilo/"));
    }
    void init() { dosierujo = testilo::novaDosierujo(QStringLiteral("modelo")); }

    void fileNames_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<bool>("bona");
        QTest::newRow("plain") << "mia_traduko.trd" << true;
        QTest::newRow("blanks around") << "  mia.trd " << true;
        QTest::newRow("letters") << "ĉeĥa.trd" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("ending only") << ".trd" << false;
        QTest::newRow("no ending") << "mia_traduko" << false;
        QTest::newRow("upper-case ending") << "mia.TRD" << false;
        QTest::newRow("slash") << "a/mia.trd" << false;
        QTest::newRow("backslash") << "a\\mia.trd" << false;
        QTest::newRow("parent") << "../mia.trd" << false;
        QTest::newRow("absolute") << "/etc/mia.trd" << false;
    }
    void fileNames()
    {
        QFETCH(QString, nomo);
        QFETCH(bool, bona);
        QCOMPARE(TradukModelo::BonaDosiernomo(nomo), bona);
    }

    void listEntry_data()
    {
        QTest::addColumn<QList<int>>("grupoj");
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<int>("grupo");
        QTest::newRow("first free group") << QList<int>{0, 1, 2, 3, 4} << "nova.trd" << 5;
        QTest::newRow("empty list") << QList<int>{} << "nova.trd" << 0;
        QTest::newRow("earlier entry") << QList<int>{0, 1, 2, 3, 4} << "alia2.trd" << 2;
        // Readers stop at the gap, so the gap is where the entry must go.
        QTest::newRow("gap before group 7") << QList<int>{0, 1, 7} << "nova.trd" << 2;
    }
    void listEntry()
    {
        QFETCH(QList<int>, grupoj);
        QFETCH(QString, dosiero);
        QFETCH(int, grupo);
        const QString vojo = dosierujo + "traduklisto.ini";
        testilo::skribas(vojo, listo(grupoj) + "\r\n");
        int uzita = -1;
        const QDate hodiau(2026, 12, 9);
        QCOMPARE(TradukModelo::Registras(vojo, "de", "Deutsch — germana", dosiero, hodiau, &uzita),
                 TradukModelo::ListoRezulto::Registrita);
        QCOMPARE(uzita, grupo);
        IniDosiero l(vojo);
        l.beginGroup(QString::number(grupo));
        QCOMPARE(l.value("LingvoID").toString(), QStringLiteral("de"));
        QCOMPARE(l.value("Lingvo").toString(), QStringLiteral("Deutsch — germana"));
        QCOMPARE(l.value("DosierNomo").toString(), dosiero);
        QCOMPARE(l.value("Dato").toString(), QStringLiteral("09.12.2026"));
        l.endGroup();
        QCOMPARE(l.childGroups().size(), grupoj.contains(grupo) ? grupoj.size() : grupoj.size() + 1);
    }

    void listIsNeverCreatedNorOverfilled()
    {
        const QString vojo = dosierujo + "traduklisto.ini";
        QCOMPARE(TradukModelo::Registras(vojo, "de", "D", "nova.trd", QDate::currentDate()),
                 TradukModelo::ListoRezulto::SenListo);
        QVERIFY(!QFileInfo::exists(vojo));

        QList<int> cxiuj;
        for (int i = 0; i < 200; ++i)
            cxiuj << i;
        testilo::skribas(vojo, listo(cxiuj));
        int uzita = 0;
        QCOMPARE(TradukModelo::Registras(vojo, "de", "D", "nova.trd", QDate::currentDate(), &uzita),
                 TradukModelo::ListoRezulto::PlenaListo);
        QCOMPARE(uzita, -1);
        QVERIFY(!IniDosiero(vojo).childGroups().contains("200"));
        // An earlier entry in a full list is still updated.
        QCOMPARE(TradukModelo::Registras(vojo, "de", "D", "alia199.trd", QDate::currentDate(), &uzita),
                 TradukModelo::ListoRezulto::Registrita);
        QCOMPARE(uzita, 199);
    }

    void oneSaveWritesTheLoadedSection()
    {
        const QString vojo = dosierujo + "mia.trd";
        testilo::skribas(vojo, "[Traduko]\r\nDato=01.02.2020\r\n[Lec01]\r\nLabel2=Malnova\r\n"
                               "[Lec07]\r\nLabel1=Alia sekcio\r\n");
        TradukModelo m;
        m.Sharghas("Lec01", "esperanto.trd", "angla.trd", vojo);
        QCOMPARE(m.Nombro(), 123);
        QCOMPARE(m.Propraj().at(1), QStringLiteral("Malnova"));
        QVERIFY(!m.HavasNekonservitajn());
        m.MetasPozicion(1);
        m.MetasPropran(QString()); // emptied: the old text stays in the file
        m.MetasPozicion(2);
        m.MetasPropran(QStringLiteral("Nova, kun komo"));
        QVERIFY(m.HavasNekonservitajn());

        TradukModelo::Kapo k;
        k.lingvo = "Deutsch — germana";
        k.lingvoID = "de";
        k.tradukinto = "Karl";
        k.dosiero = " mia.trd ";
        k.literGrando = 15;
        const auto r = m.Savas(k, dosierujo, QDate::currentDate());
        QVERIFY(r.savita);
        QCOMPARE(r.listo, TradukModelo::ListoRezulto::SenListo);
        QVERIFY(!m.HavasNekonservitajn());
        IniDosiero f(vojo);
        QCOMPARE(f.value("Traduko/Dato").toString(), QStringLiteral("01.02.2020"));
        QCOMPARE(f.value("Traduko/LiterGrando").toInt(), 15);
        QCOMPARE(f.value("Lec01/Label2").toString(), QStringLiteral("Malnova"));
        QCOMPARE(f.value("Lec01/Label7").toString(), QStringLiteral("Nova, kun komo"));
        QCOMPARE(f.value("Lec07/Label1").toString(), QStringLiteral("Alia sekcio"));
        f.beginGroup("Lec01");
        QCOMPARE(f.childKeys().size(), 2);
    }

    // Texts kept aside come back as they were typed, header and place with
    // them; a copy written again holds nothing of the one before.
    void recoveryCopy()
    {
        const QString vojo = dosierujo + TradukModelo::RestarigoNomo();
        TradukModelo::Kapo k;
        k.lingvo = "Deutsch — germana";
        k.tradukinto = "Karl";
        k.dosiero = "germana.trd";
        k.literGrando = 14;
        TradukModelo malnova;
        malnova.Sharghas("Lec07", "esperanto.trd", "angla.trd", QString());
        malnova.MetasPropran("Malnova");
        QVERIFY(malnova.SkribasRestarigon(vojo, k));

        const QStringList tekstoj = {"Nova, kun komo", "du\nlinioj", "\"citita\" \\ ;x", "🙂 ĉeĥa", QString()};
        TradukModelo m;
        m.Sharghas("Lec01", "esperanto.trd", "angla.trd", QString());
        for (int i = 0; i < tekstoj.size(); ++i) {
            m.MetasPozicion(i);
            m.MetasPropran(tekstoj.at(i));
        }
        m.MetasPozicion(3);
        QVERIFY(m.SkribasRestarigon(vojo, k));
        QVERIFY(!IniDosiero(vojo).childGroups().contains("Lec07"));

        TradukModelo::Restarigo r;
        QVERIFY(TradukModelo::LegasRestarigon(vojo, &r));
        QCOMPARE(r.sekcio, QStringLiteral("Lec01"));
        QCOMPARE(r.pozicio, 3);
        QCOMPARE(r.kapo.lingvo, k.lingvo);
        QCOMPARE(r.kapo.lingvoID, QString());
        QCOMPARE(r.kapo.tradukinto, k.tradukinto);
        QCOMPARE(r.kapo.dosiero, k.dosiero);
        QCOMPARE(r.kapo.literGrando, 14);
        TradukModelo restarigita;
        restarigita.Sharghas("Lec01", "esperanto.trd", "angla.trd", QString());
        restarigita.Restarigas(r);
        QCOMPARE(restarigita.Propraj(), m.Propraj());
        QVERIFY(restarigita.HavasNekonservitajn());
    }

    // A copy that cannot be one is not offered.
    void recoveryCopyUnusable_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("random bytes") << QByteArray("\x8f\x02[\xd3\xff]\x00=\x1b\n\xe9", 10);
        QTest::newRow("unknown section") << QByteArray("[Restarigo]\nSekcio=Lec99\n[Lec99]\nLabel1=x\n");
        QTest::newRow("no section named") << QByteArray("[Lec01]\nLabel1=x\n");
    }
    void recoveryCopyUnusable()
    {
        QFETCH(QByteArray, enhavo);
        const QString vojo = dosierujo + TradukModelo::RestarigoNomo();
        if (!enhavo.isEmpty())
            testilo::skribas(vojo, enhavo);
        TradukModelo::Restarigo r;
        QVERIFY(!TradukModelo::LegasRestarigon(vojo, &r));
    }

    void headerCheck_data()
    {
        QTest::addColumn<QString>("lingvo");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("tradukinto");
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<int>("eraro");
        const int neniu = int(TradukModelo::KapoEraro::Neniu);
        const int mankas = int(TradukModelo::KapoEraro::MankasKampo);
        const int nomo = int(TradukModelo::KapoEraro::MalbonaDosiernomo);
        QTest::newRow("complete") << "Deutsch"
                                  << "de"
                                  << "Karl"
                                  << "de.trd" << neniu;
        QTest::newRow("blank language") << "  "
                                        << "de"
                                        << "Karl"
                                        << "de.trd" << mankas;
        QTest::newRow("no code") << "Deutsch"
                                 << ""
                                 << "Karl"
                                 << "de.trd" << mankas;
        QTest::newRow("no translator") << "Deutsch"
                                       << "de"
                                       << ""
                                       << "de.trd" << mankas;
        QTest::newRow("no file") << "Deutsch"
                                 << "de"
                                 << "Karl"
                                 << " " << mankas;
        QTest::newRow("empty before bad name") << ""
                                               << "de"
                                               << "Karl"
                                               << "../de.trd" << mankas;
        QTest::newRow("bad name") << "Deutsch"
                                  << "de"
                                  << "Karl"
                                  << "../de.trd" << nomo;
    }
    void headerCheck()
    {
        QFETCH(QString, lingvo);
        QFETCH(QString, id);
        QFETCH(QString, tradukinto);
        QFETCH(QString, dosiero);
        QFETCH(int, eraro);
        TradukModelo::Kapo k;
        k.lingvo = lingvo;
        k.lingvoID = id;
        k.tradukinto = tradukinto;
        k.dosiero = dosiero;
        QCOMPARE(int(TradukModelo::KontrolasKapon(k)), eraro);
    }
};

LERBO_TEST_MAIN(TestoTradukModelo)
#include "tst_tradukilo_modelo.moc"
