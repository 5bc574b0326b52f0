#include "agordoj.h"
#include "lancxilo.h"
#include "lingvolisto.h"
#include "tradukolisto.h"
#include "tst_lerbo_komuna.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QTextStream>
#include <unistd.h>

using namespace lerbotesto;

// The settings file, the start-up decision and the translation lists.
namespace {

// Root writes into any folder, read-only or not: while this lives, a test
// run as root acts as the unprivileged user a learner is.
struct KielLernanto
{
    bool radiko = ::geteuid() == 0 && ::seteuid(65534) == 0;
    KielLernanto() = default;
    KielLernanto(const KielLernanto&) = delete;
    KielLernanto& operator=(const KielLernanto&) = delete;
    ~KielLernanto()
    {
        if (radiko && ::seteuid(0) != 0)
            qFatal("cannot take back the privileges the test started with");
    }
};

} // namespace

class TestoAgordoj : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    // Written at close, read back at the next start: the same 13 values, the
    // keys in their order, the other groups of the file as they were.
    void skribitajKajRelegitaj()
    {
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        {
            IniDosiero ini(agordoVojo());
            ini.setValue(QStringLiteral("Tradukilo/LastaLeciono"), 7);
            ini.setValue(QStringLiteral("Lec01/Sendas1_Lec01_Edit1"), QStringLiteral("Mi lernas."));
            ini.sync();
        }
        auto w = kreas();
        QVERIFY(w);
        sTiparo = QStringLiteral("DejaVu Serif");
        sTiparoEo = QStringLiteral("DejaVu Sans Mono");
        iLiterGrando = 13;
        iLiterGrandoEo = 15;
        lCxapeligo = false;
        iSistemo = 2;
        LastaLeciono = 9;
        LastaPagxo = 4;
        lSxaltilo = false;
        lNoteto = false;
        iFenestraStilo = 3;
        QVERIFY(montras(w.get()));
        QVERIFY(kunKestoj([&] { w->close(); }).isEmpty());
        QVERIFY(!w->isVisible());

        QFile dosiero(agordoVojo());
        QVERIFY(dosiero.open(QIODevice::ReadOnly));
        QStringList sxlosiloj;
        bool enGrupo = false;
        for (const QByteArray& linio : dosiero.readAll().split('\n')) {
            const QByteArray l = linio.trimmed();
            if (l.startsWith('['))
                enGrupo = l == "[Gxenerala]";
            else if (enGrupo && l.contains('='))
                sxlosiloj.append(QString::fromUtf8(l.left(l.indexOf('='))));
        }
        // The INI writer sorts the keys of a group, whatever order they were set in.
        sxlosiloj.sort();
        QStringList atendataj({"Lingvo", "Tiparo", "TiparoEo", "Dosiero", "Cxapeligo", "Sistemo", "LastaLeciono",
                               "LastaPagxo", "Sxaltilo", "Noteto", "LiterGrando", "LiterGrandoEo", "FenestraStilo"});
        atendataj.sort();
        QCOMPARE(sxlosiloj, atendataj);

        purigasGlobalojn();
        Agordoj::legas(agordoVojo());
        QCOMPARE(sLingvo, QStringLiteral("Esperanto"));
        QCOMPARE(sTradukoDosiero, QStringLiteral("esperanto.trd"));
        QCOMPARE(sTiparo, QStringLiteral("DejaVu Serif"));
        QCOMPARE(sTiparoEo, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(iLiterGrando, 13);
        QCOMPARE(iLiterGrandoEo, 15);
        QCOMPARE(lCxapeligo, false);
        QCOMPARE(iSistemo, 2);
        QCOMPARE(LastaLeciono, 9);
        QCOMPARE(LastaPagxo, 4);
        QCOMPARE(lSxaltilo, false);
        QCOMPARE(lNoteto, false);
        QCOMPARE(iFenestraStilo, 3);

        IniDosiero ini(agordoVojo());
        QCOMPARE(ini.value(QStringLiteral("Tradukilo/LastaLeciono")).toInt(), 7);
        QCOMPARE(ini.value(QStringLiteral("Lec01/Sendas1_Lec01_Edit1")).toString(), QStringLiteral("Mi lernas."));
    }

    void apriorajValoroj()
    {
        Agordoj::legas(agordoVojo());
        QCOMPARE(sLingvo, QString());
        QCOMPARE(iLiterGrando, 11);
        QCOMPARE(iLiterGrandoEo, 11);
        QCOMPARE(sTiparo, QStringLiteral("DejaVu Sans"));
        QCOMPARE(sTiparoEo, QStringLiteral("DejaVu Sans"));
        QCOMPARE(lCxapeligo, true);
        QCOMPARE(lSxaltilo, true);
        QCOMPARE(lNoteto, true);
        QCOMPARE(LastaLeciono, 1);
        QCOMPARE(LastaPagxo, 0);
    }

    void damagxitajGrandoj_data()
    {
        QTest::addColumn<QString>("valoro");
        QTest::addColumn<int>("grando");
        QTest::newRow("not a number") << "granda" << 9;
        QTest::newRow("too large") << "40" << 16;
        QTest::newRow("in range") << "14" << 14;
    }
    void damagxitajGrandoj()
    {
        QFETCH(QString, valoro);
        QFETCH(int, grando);
        skribasAgordojn({{"LiterGrando", valoro}, {"LiterGrandoEo", valoro}});
        Agordoj::legas(agordoVojo());
        QCOMPARE(iLiterGrando, grando);
        QCOMPARE(iLiterGrandoEo, grando);
    }

    void lingvoElLaDosiero()
    {
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QVERIFY(mesagxoj.isEmpty());
        QCOMPARE(sLingvoID, QStringLiteral("eo"));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Kio estas Esperanto?"));
        QCOMPARE(el<QLabel>(w.get(), "Konfig_Label3")->text(), QStringLiteral("Tiparo:"));
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), QStringLiteral("Esperanto"));
        QCOMPARE(smGratulon, QStringLiteral("Gratulon! Vi sukcesis en ĉi tiu ekzerco."));
        QVERIFY(!w->elshutilo); // a list written today is not fetched again
    }

    // A language named without its file (or no settings at all) is a first
    // start: English, and the interface size back at 11.
    void unuaStarto_data()
    {
        QTest::addColumn<QVariantMap>("agordoj");
        QTest::newRow("no settings") << QVariantMap();
        QTest::newRow("language without file")
            << QVariantMap{{"Lingvo", "Esperanto"}, {"Dosiero", ""}, {"LiterGrando", 15}};
        QTest::newRow("file without language")
            << QVariantMap{{"Lingvo", ""}, {"Dosiero", "esperanto.trd"}, {"LiterGrando", 15}};
    }
    void unuaStarto()
    {
        QFETCH(QVariantMap, agordoj);
        if (!agordoj.isEmpty())
            skribasAgordojn(agordoj);
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QVERIFY(mesagxoj.isEmpty());
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QCOMPARE(sLingvo, QStringLiteral("English — angla"));
        QCOMPARE(iLiterGrando, 11);
        QCOMPARE(el<QLabel>(w.get(), "label_Kie")->text(), QStringLiteral("Where I stopped"));
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), QStringLiteral("English — angla"));
    }

    // Neither the writable folder itself nor the resource folder may pass
    // for a translation file when the name is empty.
    void malplenaDosierNomo()
    {
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        sTradukoDosiero.clear();
        const QStringList mesagxoj = kunKestoj([&] { w->Traduku(); });
        QCOMPARE(mesagxoj.size(), 1);
        QVERIFY(mesagxoj.first().contains(QStringLiteral("English translation will be used")));
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("What is Esperanto?"));
    }

    void mankantaTradukoIghasAngla()
    {
        lernantoKun(QStringLiteral("Klingona"), QStringLiteral("klingona.trd"));
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QCOMPARE(mesagxoj.size(), 1);
        QCOMPARE(mesagxoj.first(), QStringLiteral("The translation file klingona.trd could not be found. English "
                                                  "translation will be used as default."));
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text(), QStringLiteral("Exit"));
        QVERIFY(!NeEkzistasTraduko);
    }

    // The exit asked for before the event loop runs would be lost: the start
    // itself ends with 1 after the critical message.
    void nenioTradukeblaFinasLaProgramon()
    {
        lernantoKun(QStringLiteral("Klingona"), QStringLiteral("klingona.trd"));
        Loko = testilo::novaDosierujo(QStringLiteral("sen_tradukoj"));
        int rezulto = -1;
        const QStringList mesagxoj = kunKestoj([&] { rezulto = Lancxilo::lancxas(); });
        Loko = QStringLiteral(":/");
        // The exit asked for outside any event loop would end every later
        // modal loop at once; starting the main loop clears it again.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCOMPARE(rezulto, 1);
        QCOMPARE(mesagxoj.size(), 1);
        QVERIFY(mesagxoj.first().contains(QStringLiteral("could not be found either")));
        QVERIFY(NeEkzistasTraduko);
    }

    // Settings that cannot be written are never lost silently.
    void neSkribeblaDosierujo_data()
    {
        QTest::addColumn<bool>("dosieroAnstataue");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("a file where the folder should be") << true;
    }
    void neSkribeblaDosierujo()
    {
        QFETCH(bool, dosieroAnstataue);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        const QString propra = savasLoko;
        const QString celo = testilo::novaDosierujo(QStringLiteral("fermita"));
        if (dosieroAnstataue) {
            QDir().rmdir(celo);
            testilo::skribas(celo.chopped(1), "ne dosierujo");
            savasLoko = celo + QStringLiteral("ene/");
        } else {
            const QFile::Permissions legebla = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                               | QFile::ReadOther | QFile::ExeOther;
            QFile::setPermissions(celo, legebla);
            savasLoko = celo;
        }
        bool skribebla = true;
        QStringList mesagxoj;
        {
            const KielLernanto lernanto;
            skribebla = ::euidaccess(celo.toLocal8Bit().constData(), W_OK) == 0;
            mesagxoj = kunKestoj([&] { w->SavasKonfig(); });
        }
        savasLoko = propra;
        QVERIFY2(!skribebla, "the folder could be written");
        if (!dosieroAnstataue)
            QFile::setPermissions(celo, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(mesagxoj.size(), 1);
        QVERIFY(mesagxoj.first().startsWith(QStringLiteral("The settings could not be saved")));
        // Where the folder can be written again, nothing is said.
        QVERIFY(kunKestoj([&] { w->SavasKonfig(); }).isEmpty());
    }

    // The list is fetched again when it is missing or was last written more
    // than a week ago; the file's modification time tells, as every download
    // rewrites it.
    void listoAgho_data()
    {
        QTest::addColumn<int>("tagojAntaue");
        QTest::addColumn<bool>("malnova");
        QTest::newRow("missing") << -1 << true;
        QTest::newRow("today") << 0 << false;
        QTest::newRow("7 days") << 7 << false;
        QTest::newRow("8 days") << 8 << true;
        QTest::newRow("a year") << 365 << true;
    }
    void listoAgho()
    {
        QFETCH(int, tagojAntaue);
        QFETCH(bool, malnova);
        const QString listo = savasLoko + QStringLiteral("traduklisto.ini");
        if (tagojAntaue >= 0) {
            skribasListon({{"eo", "Esperanto", "esperanto.trd", "09.07.2020"}});
            QFile f(listo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(
                f.setFileTime(QDateTime::currentDateTime().addDays(-tagojAntaue), QFileDevice::FileModificationTime));
        }
        QCOMPARE(Lingvolisto::malnova(listo, QDate::currentDate()), malnova);

        // The window starts a download of an old list and loads the translation
        // at once from a fresh one.
        skribasAgordojn({{"Lingvo", "Esperanto"}, {"Dosiero", "esperanto.trd"}, {"Sxaltilo", false}});
        auto w = kreas();
        QCOMPARE(w->elshutilo != nullptr, malnova);
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text() == QStringLiteral("Kio estas Esperanto?"), !malnova);
    }

    void pliNovaVersio_data()
    {
        QTest::addColumn<QString>("listaDato");
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<bool>("pliNova");
        QTest::newRow("later") << "10.07.2020"
                               << "eo" << true;
        QTest::newRow("same day") << "09.07.2020"
                                  << "eo" << false;
        QTest::newRow("earlier") << "01.01.2019"
                                 << "eo" << false;
        QTest::newRow("code with blanks") << "10.07.2020"
                                          << " eo " << true;
        QTest::newRow("not listed") << "10.07.2020"
                                    << "fr" << false;
    }
    void pliNovaVersio()
    {
        QFETCH(QString, listaDato);
        QFETCH(QString, kodo);
        QFETCH(bool, pliNova);
        // Group 1 ends the list for the readers, not for the version check.
        IniDosiero ini(savasLoko + QStringLiteral("traduklisto.ini"));
        ini.setValue(QStringLiteral("0/LingvoID"), QStringLiteral("en"));
        ini.setValue(QStringLiteral("0/Dato"), QStringLiteral("01.01.2030"));
        ini.setValue(QStringLiteral("3/LingvoID"), kodo);
        ini.setValue(QStringLiteral("3/Dato"), listaDato);
        ini.sync();
        QCOMPARE(Lingvolisto::pliNova(savasLoko + QStringLiteral("traduklisto.ini"), QStringLiteral("esperanto.trd"),
                                      QStringLiteral("eo"), QDate(2020, 7, 9)),
                 pliNova);
    }

    // After the list was fetched: a newer version of the current file is
    // downloaded first, else the translation loads at once.
    void aktualigasTradukon_data()
    {
        QTest::addColumn<QString>("lokaDato");
        QTest::addColumn<QString>("listaDato");
        QTest::addColumn<bool>("elshutas");
        QTest::newRow("list newer") << "09.07.2020"
                                    << "10.07.2020" << true;
        QTest::newRow("same date") << "09.07.2020"
                                   << "09.07.2020" << false;
        QTest::newRow("local newer") << "11.07.2020"
                                     << "10.07.2020" << false;
        QTest::newRow("no local copy: 2000 against the list") << ""
                                                              << "10.07.2020" << true;
    }
    void aktualigasTradukon()
    {
        QFETCH(QString, lokaDato);
        QFETCH(QString, listaDato);
        QFETCH(bool, elshutas);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        QVERIFY(!w->elshutilo);
        if (!lokaDato.isEmpty())
            testilo::skribas(savasLoko + QStringLiteral("esperanto.trd"),
                             "[Traduko]\r\nLingvo=Esperanto\r\nLingvoID=eo\r\nDato=" + lokaDato.toUtf8() + "\r\n"
                                 + testilo::CxefajGrupoj + "[Menuo]\r\nEliri=Eliru\r\n");
        // Without a local copy the code read is "en", so the English entry decides.
        skribasListon(
            {{"en", "English — angla", "angla.trd", listaDato}, {"eo", "Esperanto", "esperanto.trd", listaDato}});
        el<QLabel>(w.get(), "label_Eliri")->clear();
        w->aktualigasTradukon();
        QCOMPARE(w->elshutilo != nullptr, elshutas);
        QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text().isEmpty(), elshutas);
        if (!elshutas)
            QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text(),
                     lokaDato.isEmpty() ? QStringLiteral("Eliri") : QStringLiteral("Eliru"));
    }

    void listoHaltasCxeMankantaGrupo()
    {
        IniDosiero ini(savasLoko + QStringLiteral("traduklisto.ini"));
        for (int i : {0, 1, 2, 3, 4, 7}) {
            ini.setValue(QString::number(i) + QStringLiteral("/LingvoID"), QStringLiteral("l") + QString::number(i));
            ini.setValue(QString::number(i) + QStringLiteral("/Lingvo"),
                         QStringLiteral("Lingvo ") + QString::number(i));
            ini.setValue(QString::number(i) + QStringLiteral("/DosierNomo"),
                         QStringLiteral("l") + QString::number(i) + QStringLiteral(".trd"));
        }
        ini.sync();
        const QList<QStringList> eroj =
            TradukoListo::disponeblaj(savasLoko + QStringLiteral("traduklisto.ini"), QStringLiteral("?????????"));
        QCOMPARE(eroj.size(), 5);
        QCOMPARE(eroj.at(4), QStringList({"l4", "Lingvo 4", "l4.trd", "?????????"}));
    }

    void senUnuaGrupoLaEnkonstruitaj()
    {
        IniDosiero ini(savasLoko + QStringLiteral("traduklisto.ini"));
        ini.setValue(QStringLiteral("0/Lingvo"), QStringLiteral("sen kodo"));
        ini.setValue(QStringLiteral("1/LingvoID"), QStringLiteral("xx"));
        ini.sync();
        const QList<QStringList> eroj =
            TradukoListo::disponeblaj(savasLoko + QStringLiteral("traduklisto.ini"), QStringLiteral("?????????"));
        QVERIFY(eroj.contains({"en", "English — angla", "angla.trd", "09.07.2020"}));
        QVERIFY(eroj.contains({"eo", "Esperanto", "esperanto.trd", "09.07.2020"}));
        for (const QStringList& ero : eroj)
            QVERIFY(ero.at(2).endsWith(QLatin1String("trd")));
    }

private:
    static void purigasGlobalojn()
    {
        sLingvo.clear();
        sTradukoDosiero.clear();
        sTiparo.clear();
        sTiparoEo.clear();
        iLiterGrando = iLiterGrandoEo = iSistemo = iFenestraStilo = 0;
        lCxapeligo = lSxaltilo = lNoteto = true;
        LastaLeciono = LastaPagxo = -1;
    }
};

LERBO_TEST_MAIN(TestoAgordoj)
#include "tst_lerbo_agordoj.moc"
