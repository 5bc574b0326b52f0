#include "filedownloader.h"
#include "funkcioj.h"
#include "testilo.h"
#include "tradukmodelo.h"
#include "tradukolisto.h"

#include <QFile>

namespace {
QByteArray grupo(int i, const QByteArray& id, const QByteArray& dosiero)
{
    return "[" + QByteArray::number(i) + "]\r\nLingvoID=" + id + "\r\nLingvo=Lingvo " + QByteArray::number(i)
           + "\r\nDosierNomo=" + dosiero + "\r\nDato=0" + QByteArray::number(i % 10) + ".01.2021\r\n";
}
} // namespace

class TestoTradukoListo : public QObject
{
    Q_OBJECT

    QString vojo() const { return savasLoko + "traduklisto.ini"; }

private slots:
    void validaNomo_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<bool>("valida");
        QTest::newRow("plain") << "angla.trd" << true;
        QTest::newRow("digit") << "rusa2.trd" << true;
        QTest::newRow("parent") << "../x.trd" << false;
        QTest::newRow("absolute") << "/etc/x" << false;
        QTest::newRow("absolute trd") << "/etc/x.trd" << false;
        QTest::newRow("sub folder") << "a/b.trd" << false;
        QTest::newRow("backslash") << "a\\b.trd" << false;
        QTest::newRow("dots inside") << "a..b.trd" << false;
        QTest::newRow("hidden") << ".x.trd" << false;
        QTest::newRow("only the ending") << ".trd" << false;
        QTest::newRow("other ending") << "angla.ini" << false;
        QTest::newRow("upper-case ending") << "angla.TRD" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("missing value") << "?????????" << false;
        QTest::newRow("control character") << QString("a") + QChar(0) + "b.trd" << false;
        QTest::newRow("newline inside") << "a\nevil.trd" << false;
        QTest::newRow("tab inside") << "a\tb.trd" << false;
        QTest::newRow("carriage return at the end") << "a.trd\r" << false;
        QTest::newRow("letters") << "ĉeĥa.trd" << true;
        QTest::newRow("blank, dash, underscore inside") << "mia traduko-2_b.trd" << true;
        QTest::newRow("leading blank") << " mia.trd" << false;
        QTest::newRow("non-breaking space") << QString("mia") + QChar(0xA0) + "b.trd" << false;
        QTest::newRow("URL characters") << "a?b#c.trd" << false;
        QTest::newRow("colon") << "a:b.trd" << false;
        QTest::newRow("percent") << "a%2fb.trd" << false;
        QTest::newRow("quote") << "a\"b.trd" << false;
        QTest::newRow("64 characters") << QString(60, 'a') + ".trd" << true;
        QTest::newRow("65 characters") << QString(61, 'a') + ".trd" << false;
    }
    // The downloader's list check and the translation editor share the rule;
    // the editor trims the typed name first.
    void validaNomo()
    {
        QFETCH(QString, nomo);
        QFETCH(bool, valida);
        QCOMPARE(TradukoListo::ValidaDosierNomo(nomo), valida);
        QCOMPARE(FileDownloader::ValidaCelo(nomo), valida);
        if (nomo == nomo.trimmed())
            QCOMPARE(TradukModelo::BonaDosiernomo(nomo), valida);
    }

    void stopsAtFirstGap()
    {
        QByteArray listo;
        for (int i = 0; i < 5; ++i)
            listo += grupo(i, "l" + QByteArray::number(i), "lingvo" + QByteArray::number(i) + ".trd");
        listo += grupo(7, "l7", "lingvo7.trd");
        testilo::skribas(vojo(), listo);
        const QList<QStringList> eroj = TradukoListo::disponeblaj(vojo(), "10.05.2020");
        QCOMPARE(eroj.size(), 5);
        QCOMPARE(eroj.at(3), (QStringList{"l3", "Lingvo 3", "lingvo3.trd", "03.01.2021"}));
    }

    void defaultsOfAnEntry()
    {
        testilo::skribas(vojo(), "[0]\r\nLingvoID=xx\r\nDosierNomo=x.trd\r\n");
        QCOMPARE(TradukoListo::elListo(vojo()), (QList<QStringList>{{"xx", "?????????", "x.trd", "?????????"}}));
    }

    void hostileNamesSkipped()
    {
        testilo::skribas(vojo(), grupo(0, "en", "angla.trd") + grupo(1, "aa", "../x.trd") + grupo(2, "bb", "/etc/x")
                                     + grupo(3, "cc", "a/b.trd") + grupo(4, "de", "germana.trd"));
        const QList<QStringList> eroj = TradukoListo::elListo(vojo());
        QCOMPARE(eroj.size(), 2);
        QCOMPARE(eroj.at(0).at(TradukoListo::Dosiero), QString("angla.trd"));
        QCOMPARE(eroj.at(1).at(TradukoListo::Dosiero), QString("germana.trd"));
    }

    void fallsBackToBuiltIn_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::newRow("group 0 lacks LingvoID")
            << QByteArray("[0]\r\nLingvo=X\r\nDosierNomo=x.trd\r\n") + grupo(1, "de", "germana.trd");
        QTest::newRow("not an INI file") << QByteArray("<html><body>Not found</body></html>");
        QTest::newRow("every name hostile") << grupo(0, "en", "../angla.trd");
        QTest::newRow("missing") << QByteArray();
    }
    void fallsBackToBuiltIn()
    {
        QFETCH(QByteArray, enhavo);
        QFile::remove(vojo());
        if (!enhavo.isEmpty())
            testilo::skribas(vojo(), enhavo);
        const QList<QStringList> eroj = TradukoListo::disponeblaj(vojo(), "10.05.2020");
        QCOMPARE(eroj, TradukoListo::enkonstruitaj("10.05.2020"));
        QVERIFY(!eroj.isEmpty());
    }

    void builtIn()
    {
        const QList<QStringList> eroj = TradukoListo::enkonstruitaj("10.05.2020");
        QStringList nomoj;
        for (const QStringList& e : eroj)
            nomoj << e.at(TradukoListo::Dosiero);
        // In file-name order, not by display name.
        QCOMPARE(nomoj.first(), QString("angla.trd"));
        QStringList ordigitaj = nomoj;
        std::sort(ordigitaj.begin(), ordigitaj.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(nomoj, ordigitaj);
        QVERIFY(nomoj.contains("esperanto.trd"));
        QVERIFY(!nomoj.contains("tradukendaj.tdf"));
        QCOMPARE(eroj.first(), (QStringList{"en", "English — angla", "angla.trd", "09.07.2020"}));
    }

    void preselection_data()
    {
        QTest::addColumn<QStringList>("kodoj");
        QTest::addColumn<QString>("loka");
        QTest::addColumn<int>("vico");
        QTest::newRow("locale listed") << QStringList{"en", "de", "fr"} << "de" << 1;
        QTest::newRow("locale missing, English") << QStringList{"fr", "en", "de"} << "pt" << 1;
        QTest::newRow("neither") << QStringList{"fr", "de"} << "pt" << -1;
        QTest::newRow("two ru, the later") << QStringList{"ru", "en", "ru"} << "ru" << 2;
        QTest::newRow("no code for the locale, a file without one") << QStringList{"en", ""} << "" << 0;
    }
    void preselection()
    {
        QFETCH(QStringList, kodoj);
        QFETCH(QString, loka);
        QFETCH(int, vico);
        QList<QStringList> eroj;
        for (const QString& k : kodoj)
            eroj.append({k, k, k + ".trd", "01.01.2021"});
        QCOMPARE(TradukoListo::antauElekto(eroj, loka), vico);
    }

    void dateInList()
    {
        testilo::skribas(vojo(), grupo(0, "en", "angla.trd") + "[3]\r\nLingvoID= de \r\nDato=05.05.2025\r\n"
                                     + "[4]\r\nLingvoID=fr\r\n");
        QCOMPARE(TradukoListo::datoEnListo(vojo(), "de"), QString("05.05.2025"));
        QCOMPARE(TradukoListo::datoEnListo(vojo(), " en"), QString("00.01.2021"));
        QCOMPARE(TradukoListo::datoEnListo(vojo(), "fr"), QString("01.01.2000"));
        QCOMPARE(TradukoListo::datoEnListo(vojo(), "pt"), QString());
        QFile::remove(vojo());
        QCOMPARE(TradukoListo::datoEnListo(vojo(), "en"), QString());
    }
};

LERBO_TEST_MAIN(TestoTradukoListo)
#include "tst_traduko_listo.moc"
