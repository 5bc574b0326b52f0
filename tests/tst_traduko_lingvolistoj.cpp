#include "lingvoelekto.h"
#include "tradukolisto.h"
#include "tradukovojo.h"
#include "tst_lerbo_komuna.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace lerbotesto;

namespace {

// Two translations of one language share its code; only the display name
// and the file tell them apart.
struct Rusa
{
    QString dosiero;
    QString nomo;
    QString eliri;
};
const Rusa Rusaj[] = {{QStringLiteral("rusa.trd"), QStringLiteral("Русский — rusa"), QStringLiteral("Выход")},
                      {QStringLiteral("rusa2.trd"), QStringLiteral("Русский 2 — rusa"), QStringLiteral("Выйти")}};

const Rusa& rusa(const QString& dosiero)
{
    return dosiero == Rusaj[0].dosiero ? Rusaj[0] : Rusaj[1];
}

QByteArray rusaTraduko(const Rusa& r, const QByteArray& dato = "09.07.2020")
{
    return "[Traduko]\r\nLingvo=" + r.nomo.toUtf8() + "\r\nLingvoID=ru\r\nTradukinto=Lerbo de Esperanto\r\nDato=" + dato
           + "\r\n\r\n[Menuo]\r\nEliri=" + r.eliri.toUtf8() + "\r\n[Konfig]\r\n[Mesagxoj]\r\n";
}

QStringList nomoj(const QList<QStringList>& eroj, int kampo)
{
    QStringList n;
    for (const QStringList& e : eroj)
        n << e.at(kampo);
    return n;
}

} // namespace

// The language lists when more files are built in than the three that ship
// today: every one is offered, and the two Russian files are two languages.
class TestoLingvolistoj : public QObject
{
    Q_OBJECT

    // A built-in folder of the program's own kind: English and Esperanto as
    // they ship, and the two Russian files.
    QString radiko;

    static QString eliri(lerbo* w) { return el<QLabel>(w, "label_Eliri")->text(); }

    // A first start whose learner picks `dosiero` in the language dialog.
    std::unique_ptr<lerbo> unuaStarto(const QString& dosiero)
    {
        std::unique_ptr<lerbo> w;
        bool elektita = false;
        testilo::kunModalo([&] { w.reset(new lerbo); },
                           [&](QWidget* modalo) {
                               auto* l = modalo->findChild<QListWidget*>(QStringLiteral("Lingvo"));
                               if (!l) {
                                   modalo->close();
                                   return;
                               }
                               if (elektita || l->count() == 0)
                                   return;
                               const auto eroj = l->findItems(rusa(dosiero).nomo, Qt::MatchExactly);
                               elektita = true;
                               if (eroj.size() != 1) {
                                   modalo->close();
                                   return;
                               }
                               l->setCurrentItem(eroj.first());
                               modalo->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
                           });
        return w;
    }

    // Ends the program as the learner does and starts it again.
    std::unique_ptr<lerbo> rekomencas(std::unique_ptr<lerbo> w)
    {
        w->konservas();
        w.reset();
        sLingvo.clear();
        sTradukoDosiero.clear();
        return kreas();
    }

private slots:
    void initTestCase()
    {
        radiko = testilo::novaDosierujo(QStringLiteral("enkonstruitaj"));
        for (const QString& nomo : {QStringLiteral("angla.trd"), QStringLiteral("esperanto.trd")})
            testilo::skribas(radiko + QStringLiteral("tradukoj/") + nomo, testilo::enkonstruitaTraduko(nomo));
        for (const Rusa& r : Rusaj)
            testilo::skribas(radiko + QStringLiteral("tradukoj/") + r.dosiero, rusaTraduko(r));
    }
    void init()
    {
        purigas();
        Loko = radiko;
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }
    void cleanup()
    {
        Loko = QStringLiteral(":/");
        QLocale::setDefault(QLocale::c());
    }

    // Without a downloaded list the dialog and the settings page offer every
    // built-in file, in file name order.
    void cxiujEnkonstruitaj()
    {
        const QStringList dosieroj{"angla.trd", "esperanto.trd", "rusa.trd", "rusa2.trd"};
        const QStringList montrataj{"English — angla", "Esperanto", Rusaj[0].nomo, Rusaj[1].nomo};
        const QList<QStringList> eroj = TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020"));
        QCOMPARE(nomoj(eroj, TradukoListo::Dosiero), dosieroj);
        QCOMPARE(nomoj(eroj, TradukoListo::ID), (QStringList{"en", "eo", "ru", "ru"}));

        {
            lingvoelekto d;
            d.show();
            auto* l = d.findChild<QListWidget*>(QStringLiteral("Lingvo"));
            QTRY_COMPARE(l->count(), 4);
            QStringList tekstoj;
            for (int i = 0; i < l->count(); ++i)
                tekstoj << l->item(i)->text();
            QCOMPARE(tekstoj, montrataj);
            // The locale's language: the later of the two files.
            QCOMPARE(l->currentRow(), 3);
        }

        skribasAgordojn({{QStringLiteral("Lingvo"), QStringLiteral("English — angla")},
                         {QStringLiteral("Dosiero"), QStringLiteral("angla.trd")},
                         {QStringLiteral("Sxaltilo"), false}});
        auto w = kreas();
        auto* kombo = el<QComboBox>(w.get(), "Lingvo");
        QTRY_COMPARE(kombo->count(), 4);
        QStringList tekstoj;
        for (int i = 0; i < kombo->count(); ++i)
            tekstoj << kombo->itemText(i);
        QCOMPARE(tekstoj, montrataj);
        QCOMPARE(kombo->currentText(), QStringLiteral("English — angla"));
    }

    // Chosen in the dialog, applied, kept over a restart; then the other one
    // chosen on the settings page, applied and kept.
    void ambauRusaj_data()
    {
        QTest::addColumn<QString>("unua");
        QTest::addColumn<QString>("dua");
        QTest::newRow("rusa, then rusa2") << "rusa.trd"
                                          << "rusa2.trd";
        QTest::newRow("rusa2, then rusa") << "rusa2.trd"
                                          << "rusa.trd";
    }
    void ambauRusaj()
    {
        QFETCH(QString, unua);
        QFETCH(QString, dua);

        auto w = unuaStarto(unua);
        QVERIFY(w);
        QCOMPARE(sTradukoDosiero, unua);
        QCOMPARE(sLingvo, rusa(unua).nomo);
        QCOMPARE(eliri(w.get()), rusa(unua).eliri);
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), rusa(unua).nomo);

        w = rekomencas(std::move(w));
        QTRY_COMPARE(eliri(w.get()), rusa(unua).eliri);
        QCOMPARE(sTradukoDosiero, unua);
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), rusa(unua).nomo);

        el<QPushButton>(w.get(), "Konfigurado")->click();
        auto* kombo = el<QComboBox>(w.get(), "Lingvo");
        const int vico = kombo->findText(rusa(dua).nomo);
        QVERIFY(vico >= 0);
        kombo->setCurrentIndex(vico);
        emit kombo->activated(vico);
        auto* apliki = el<QPushButton>(w.get(), "shanghasKonfigurojn");
        QVERIFY(apliki->isEnabled());
        apliki->click();
        QTRY_COMPARE(eliri(w.get()), rusa(dua).eliri);
        QCOMPARE(sTradukoDosiero, dua);
        QCOMPARE(sLingvo, rusa(dua).nomo);

        w = rekomencas(std::move(w));
        QTRY_COMPARE(eliri(w.get()), rusa(dua).eliri);
        QCOMPARE(sTradukoDosiero, dua);
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), rusa(dua).nomo);
    }

    // The newer-version check after the list was fetched looks at the entry
    // of the file in use, not at the first entry of its language code.
    void pliNovaLauxDosiero_data()
    {
        QTest::addColumn<QString>("uzata");
        QTest::addColumn<QString>("rusaDato");
        QTest::addColumn<QString>("rusa2Dato");
        QTest::addColumn<bool>("elshutas");
        QTest::newRow("rusa2 in use, rusa2 newer") << "rusa2.trd"
                                                   << "09.07.2020"
                                                   << "10.07.2020" << true;
        QTest::newRow("rusa2 in use, rusa newer") << "rusa2.trd"
                                                  << "10.07.2020"
                                                  << "09.07.2020" << false;
        QTest::newRow("rusa in use, rusa2 newer") << "rusa.trd"
                                                  << "09.07.2020"
                                                  << "10.07.2020" << false;
        QTest::newRow("rusa in use, rusa newer") << "rusa.trd"
                                                 << "10.07.2020"
                                                 << "09.07.2020" << true;
        // A file the list does not name: the first entry of its code decides.
        QTest::newRow("unlisted file, first ru newer") << "rusa3.trd"
                                                       << "10.07.2020"
                                                       << "09.07.2020" << true;
        QTest::newRow("unlisted file, first ru older") << "rusa3.trd"
                                                       << "09.07.2020"
                                                       << "10.07.2020" << false;
    }
    void pliNovaLauxDosiero()
    {
        QFETCH(QString, uzata);
        QFETCH(QString, rusaDato);
        QFETCH(QString, rusa2Dato);
        QFETCH(bool, elshutas);
        const Rusa propra{uzata, QStringLiteral("Русский — ") + uzata, QStringLiteral("Выход ") + uzata};
        lernantoKun(propra.nomo, uzata);
        testilo::skribas(savasLoko + uzata, rusaTraduko(propra));
        auto w = kreas();
        QVERIFY(!w->elshutilo);
        QCOMPARE(eliri(w.get()), propra.eliri);

        skribasListon({{"en", "English — angla", "angla.trd", "09.07.2020"},
                       {"ru", Rusaj[0].nomo, Rusaj[0].dosiero, rusaDato},
                       {"ru", Rusaj[1].nomo, Rusaj[1].dosiero, rusa2Dato}});
        w->aktualigasTradukon();
        QCOMPARE(w->elshutilo != nullptr, elshutas);
    }

    // A header is read alone only where that gives what QSettings gives over
    // the whole file; every other file is read whole, as before.
    void kapoKielQSettings_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::addColumn<bool>("simpla");
        const QByteArray plena = "[Traduko]\r\nLingvo=Deutsch — germana\r\nLingvoID=de\r\nTradukinto=Lerbo de "
                                 "Esperanto\r\nDato=09.07.2020\r\n\r\n[Menuo]\r\nEliri=Beenden\r\n";
        QTest::newRow("plain, CRLF") << plena << true;
        QTest::newRow("LF, blanks around keys and values")
            << QByteArray("\n\n[Traduko] \nLingvo = Čeština — ĉeĥa \n\tLingvoID\t=cs\n[Menuo]\n") << true;
        QTest::newRow("CR alone") << QByteArray("[Traduko]\rLingvo=中文 — ĉina\rLingvoID=ch\r[Menuo]\r") << true;
        QTest::newRow("comment line") << QByteArray("[Traduko]\r\n; noto\r\nLingvo=X — x\r\n") << true;
        QTest::newRow("empty value") << QByteArray("[Traduko]\r\nLingvo=\r\nLingvoID=xx\r\n") << true;
        QTest::newRow("missing keys") << QByteArray("[Traduko]\r\nTradukinto=Lerbo\r\n[Menuo]\r\n") << true;
        QTest::newRow("invalid UTF-8") << QByteArray("[Traduko]\r\nLingvo=\xff\xfe x\xc3\r\n") << true;
        QTest::newRow("escaped section elsewhere") << plena + "[Mesa%U011Doj]\r\nsmDenove=x\r\n" << true;
        QTest::newRow("bracket opening a text") << plena + "[Menuo4]\r\nLabel1=[x]\r\n" << true;
        // Neither of these reaches the header's keys.
        QTest::newRow("a section named with slashes") << plena + "  [/Traduko/]\r\nLingvo=B\r\n" << true;
        QTest::newRow("general section") << plena + "[General]\r\nTraduko/Lingvo=B\r\n" << true;

        QTest::newRow("quoted, with a comma")
            << QByteArray("[Traduko]\r\nLingvo=\"Norsk, bokmål — norvega\"\r\n") << false;
        QTest::newRow("unquoted comma") << QByteArray("[Traduko]\r\nLingvo=Norsk, bokmål — norvega\r\n") << false;
        QTest::newRow("escaped quote") << QByteArray("[Traduko]\r\nLingvo=\"A \\\"B\\\" — c\"\r\n") << false;
        QTest::newRow("comment after a value") << QByteArray("[Traduko]\r\nLingvo=A ; noto\r\n") << false;
        QTest::newRow("special value") << QByteArray("[Traduko]\r\nLingvo=@String(A)\r\n") << false;
        QTest::newRow("continued line") << QByteArray("[Traduko]\r\nLingvo=A\\\r\n B\r\n") << false;
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[Traduko]\r\nLingvo=A\r\n") << false;
        QTest::newRow("repeated key") << QByteArray("[Traduko]\r\nLingvo=A\r\nLingvo=B\r\n") << false;
        QTest::newRow("title with more") << QByteArray("[Traduko] x\r\nLingvo=A\r\n") << false;
        QTest::newRow("section again, later") << plena + "[Traduko]\r\nLingvo=B\r\n" << false;
        QTest::newRow("section again, with blanks") << plena + " [ Traduko ] \r\nLingvo=B\r\n" << false;
        QTest::newRow("section again, escaped") << plena + "[Tradu%6Bo]\r\nLingvo=B\r\n" << false;
        QTest::newRow("another section first") << QByteArray("[Menuo]\r\nEliri=x\r\n") + plena << false;
        QTest::newRow("key before the sections") << QByteArray("Traduko/Lingvo=B\r\n") + plena << false;
        QTest::newRow("not an INI file") << QByteArray("<html><body>Not found</body></html>") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }
    void kapoKielQSettings()
    {
        QFETCH(QByteArray, enhavo);
        QFETCH(bool, simpla);
        QHash<QString, QString> kapo;
        const bool legebla = TradukoListo::simplaKapo(enhavo, kapo);

        const QString dosierujo = testilo::novaDosierujo(QStringLiteral("kapo"));
        const QString vojo = dosierujo + QStringLiteral("tradukoj/x.trd");
        testilo::skribas(vojo, enhavo);
        IniDosiero ini(vojo);
        ini.beginGroup(QStringLiteral("Traduko"));
        if (legebla) {
            QStringList sxlosiloj = kapo.keys();
            sxlosiloj.sort();
            QStringList atenditaj = ini.childKeys();
            atenditaj.sort();
            QCOMPARE(sxlosiloj, atenditaj);
            for (const QString& s : atenditaj)
                QCOMPARE(kapo.value(s), ini.value(s).toString());
        }
        Loko = dosierujo;
        const QList<QStringList> eroj = TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020"));
        QCOMPARE(eroj.size(), 1);
        QCOMPARE(eroj.first(),
                 (QStringList{ini.value(QStringLiteral("LingvoID"), QStringLiteral("??")).toString(),
                              ini.value(QStringLiteral("Lingvo"), QStringLiteral("?????????")).toString(),
                              QStringLiteral("x.trd"),
                              ini.value(QStringLiteral("Dato"), QStringLiteral("10.05.2020")).toString()}));
        // A file read whole where its header alone would do costs the time again.
        QCOMPARE(legebla, simpla);
    }

    // The index built in with the translations names every built-in file and
    // holds its header as the file gives it, and as the files in the source
    // tree give it now (a file changed since the build shows here); the lists,
    // which read the index in place of the files, show the rows the files give.
    void indeksoKielDosieroj()
    {
        Loko = QStringLiteral(":/");
        QFile f(TradukUjo() + TradukoListo::indeksoNomo());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto indekso = TradukoListo::elIndekso(f.readAll());
        const QStringList nomoj =
            QDir(TradukUjo()).entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        QStringList indeksitaj = indekso.keys();
        indeksitaj.sort(Qt::CaseInsensitive);
        QCOMPARE(indeksitaj, nomoj);
        const QString fontoj = qEnvironmentVariable("LERBO_FONTO") + QStringLiteral("/resources/tradukoj/");
        const auto elFontoj = TradukoListo::elIndekso(TradukoListo::indekso(fontoj, nomoj));
        QList<QStringList> vicoj;
        for (const QString& nomo : nomoj) {
            const QHash<QString, QString> kapo = TradukoListo::kapo(TradukUjo() + nomo);
            QVERIFY2(indekso.value(nomo) == kapo, qPrintable(nomo));
            QVERIFY2(elFontoj.value(nomo) == kapo, qPrintable(nomo + QStringLiteral(" changed since the build")));
            vicoj.append({kapo.value(QStringLiteral("LingvoID"), QStringLiteral("??")),
                          kapo.value(QStringLiteral("Lingvo"), QStringLiteral("?????????")), nomo,
                          kapo.value(QStringLiteral("Dato"), QStringLiteral("10.05.2020"))});
        }
        QCOMPARE(TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020")), vicoj);
    }

    // A folder's index stands in for the headers of the files it names; a
    // file it does not name is read, and a name without a file is no row.
    void indeksoAnstatauKapoj_data()
    {
        QTest::addColumn<QByteArray>("indekso");
        QTest::addColumn<QList<QStringList>>("vicoj");
        const QStringList a{"aa", "Aa — a", "a.trd", "01.02.2020"};
        const QStringList b{"bb", "B=b, 50% — b", "b.trd", "10.05.2020"};
        QTest::newRow("no index") << QByteArray() << QList<QStringList>{a, b};
        QTest::newRow("the index of both") << QByteArray("*") << QList<QStringList>{a, b};
        QTest::newRow("index gives another name")
            << QByteArray("a.trd\nLingvo=Alia\nLingvoID=aa\nDato=03.03.2021\nb.trd\nLingvo=B%3Db, 50%25 — b\n"
                          "LingvoID=bb\n")
            << QList<QStringList>{{"aa", "Alia", "a.trd", "03.03.2021"}, b};
        QTest::newRow("index without b") << QByteArray("a.trd\nLingvo=Alia\nLingvoID=aa\n")
                                         << QList<QStringList>{{"aa", "Alia", "a.trd", "10.05.2020"}, b};
        QTest::newRow("index naming a file not there")
            << QByteArray("c.trd\nLingvo=C\nLingvoID=cc\n") << QList<QStringList>{a, b};
    }
    void indeksoAnstatauKapoj()
    {
        QFETCH(QByteArray, indekso);
        QFETCH(QList<QStringList>, vicoj);
        const QString dosierujo = testilo::novaDosierujo(QStringLiteral("indeksita"));
        const QString tradukoj = dosierujo + QStringLiteral("tradukoj/");
        testilo::skribas(tradukoj + QStringLiteral("a.trd"),
                         "[Traduko]\r\nLingvo=Aa — a\r\nLingvoID=aa\r\nDato=01.02.2020\r\n[Menuo]\r\n");
        // Read through QSettings: the header is not plain.
        testilo::skribas(tradukoj + QStringLiteral("b.trd"),
                         "[Traduko]\r\nLingvo=\"B=b, 50% — b\"\r\nLingvoID=bb\r\n[Menuo]\r\n");
        if (indekso == "*")
            indekso = TradukoListo::indekso(tradukoj, {QStringLiteral("a.trd"), QStringLiteral("b.trd")});
        if (!indekso.isEmpty())
            testilo::skribas(tradukoj + TradukoListo::indeksoNomo(), indekso);
        Loko = dosierujo;
        QCOMPARE(TradukoListo::enkonstruitaj(QStringLiteral("10.05.2020")), vicoj);
    }

    // Every translation that ships has a header plain enough to be read alone.
    void sendatajSimplaj()
    {
        const QDir fontoj(qEnvironmentVariable("LERBO_FONTO") + QStringLiteral("/resources/tradukoj"));
        const QStringList nomoj = fontoj.entryList({QStringLiteral("*.trd")}, QDir::Files);
        QVERIFY(nomoj.size() >= 3);
        for (const QString& nomo : nomoj) {
            QFile f(fontoj.filePath(nomo));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QHash<QString, QString> kapo;
            QVERIFY2(TradukoListo::simplaKapo(f.readAll(), kapo), qPrintable(nomo));
            IniDosiero ini(fontoj.filePath(nomo));
            ini.beginGroup(QStringLiteral("Traduko"));
            QCOMPARE(kapo.size(), ini.childKeys().size());
            for (const QString& s : ini.childKeys())
                QCOMPARE(kapo.value(s), ini.value(s).toString());
        }
    }
};

LERBO_TEST_MAIN(TestoLingvolistoj)
#include "tst_traduko_lingvolistoj.moc"
