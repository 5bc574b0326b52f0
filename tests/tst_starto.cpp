// The start of the program against a course site on 127.0.0.1: the first
// start's language dialog, and the refresh of the translation list.
#include "tst_elsxuto_servilo.h"
#include "tst_lerbo_komuna.h"

#include "filedownloader.h"
#include "lingvoelekto.h"
#include "tradukdosiero.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace lerbotesto;

namespace {

QByteArray grupo(int i, const QByteArray& id, const QByteArray& nomo, const QByteArray& dosiero, const QByteArray& dato)
{
    return "[" + QByteArray::number(i) + "]\r\nLingvoID=" + id + "\r\nLingvo=" + nomo + "\r\nDosierNomo=" + dosiero
           + "\r\nDato=" + dato + "\r\n";
}

QByteArray listo(const QByteArray& volapukaDato)
{
    return grupo(0, "en", "English — angla", "angla.trd", "09.07.2020")
           + grupo(1, "vo", "Volapük — volapuka", "volapuka.trd", volapukaDato)
           + grupo(2, "eo", "Esperanto", "esperanto.trd", "09.07.2020");
}

QByteArray volapuka(const QByteArray& dato, const QByteArray& kio)
{
    return "[Traduko]\r\nLingvo=Volapük — volapuka\r\nLingvoID=vo\r\nDato=" + dato + "\r\nTradukinto=Karl Muster\r\n"
           + testilo::CxefajGrupoj + "[Menuo]\r\nKioEstas=" + kio + "\r\nEliri=Beenden\r\n";
}

const QByteArray ListoDeLaRetejo = listo("01.02.2023");
const QByteArray VolapukaDeLaRetejo = volapuka("01.02.2023", "Was ist Esperanto?");

QByteArray legas(const QString& vojo)
{
    QFile f(vojo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mankas>");
}

// A label of the main window and the key of the translation it shows.
struct Teksto
{
    const char* etikedo;
    const char* sxlosilo;
};
const Teksto HejmajTekstoj[] = {
    {"label_Kio", "Menuo/KioEstas"},      {"label_Kiel", "Menuo/KielUzi"}, {"label_Konfiguroj", "Menuo/Konfigurado"},
    {"label_Kreditoj", "Menuo/Kreditoj"}, {"label_Eliri", "Menuo/Eliri"},  {"label_Kie", "Menuo/KieButono"},
};
// The title and the explanation of lesson 1's first page.
const Teksto LecionajTekstoj[] = {{"Lec01_Label4", "Lec01/Label4"}, {"Lec01_Label2", "Lec01/Label2"}};

// Whether every label of `tekstoj` shows its text of `traduko`; those that
// do not go to `diferencoj`, a line each. A key the file lacks counts as a
// difference, or a missing text would pass for an agreeing one.
template <size_t N>
bool kongruas(QWidget* w, const TradukDosiero& traduko, const Teksto (&tekstoj)[N], QString* diferencoj)
{
    diferencoj->clear();
    for (const Teksto& t : tekstoj) {
        const QString atendata = traduko.value(QLatin1String(t.sxlosilo)).toString();
        const QString montrata = el<QLabel>(w, t.etikedo)->text();
        if (atendata.isEmpty() || montrata != atendata)
            *diferencoj += QStringLiteral("%1 shows \"%2\", the file has \"%3\"\n")
                               .arg(QLatin1String(t.etikedo), montrata, atendata);
    }
    return diferencoj->isEmpty();
}

// What a new run of the program starts with; the files stay as they are.
void novaProceso()
{
    sLingvo.clear();
    sTradukoDosiero.clear();
    sTradukoDato.clear();
    sLingvoID.clear();
    LastaLeciono = 1;
    LastaPagxo = 1;
    EkzercoAkuzativoTrad.clear();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace

class TestoStarto : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProvaServilo> servilo;
    QStringList kestoj; // texts of the message boxes of a first start
    int vicojDeLingvo = 0; // rows of the chosen language's name in the dialog

    QList<QByteArray> vojoj() const
    {
        QList<QByteArray> v;
        for (const ProvaServilo::Peto& p : servilo->petoj())
            v << p.vojo;
        return v;
    }

    // Builds the window of a first start; the language dialog that comes
    // is answered with the row `lingvo` once its list has `vicoj` rows.
    // Whether a main window was visible while the dialog ran goes to `videbla`.
    std::unique_ptr<lerbo> unuaStarto(const QString& lingvo, int vicoj, bool* dialogo, bool* videbla)
    {
        std::unique_ptr<lerbo> w;
        bool respondita = false;
        *dialogo = false;
        *videbla = false;
        testilo::kunModalo([&] { w.reset(new lerbo); },
                           [&](QWidget* modalo) {
                               auto* d = qobject_cast<lingvoelekto*>(modalo);
                               if (!d) {
                                   if (auto* k = qobject_cast<QMessageBox*>(modalo))
                                       kestoj << k->text();
                                   modalo->close();
                                   return;
                               }
                               *dialogo = true;
                               if (respondita)
                                   return; // its download runs; it closes itself
                               auto* listo = d->findChild<QListWidget*>(QStringLiteral("Lingvo"));
                               if (listo->count() < vicoj)
                                   return; // the list has not come yet
                               for (QWidget* f : QApplication::topLevelWidgets())
                                   if (qobject_cast<lerbo*>(f) && f->isVisible())
                                       *videbla = true;
                               const QList<QListWidgetItem*> eroj = listo->findItems(lingvo, Qt::MatchExactly);
                               vicojDeLingvo = eroj.size();
                               if (eroj.isEmpty()) {
                                   qWarning("no row %s", qPrintable(lingvo));
                                   d->close();
                                   return;
                               }
                               listo->setCurrentItem(eroj.first());
                               respondita = true;
                               d->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
                           });
        return w;
    }

private slots:
    void init()
    {
        kestoj.clear();
        purigas();
        servilo.reset(new ProvaServilo);
        servilo->respondu("/datumoj/traduklisto.ini", 200, ListoDeLaRetejo);
        servilo->respondu("/datumoj/tradukoj/volapuka.trd", 200, VolapukaDeLaRetejo);
        FileDownloader::setKursejo(servilo->gastiganto());
        QLocale::setDefault(QLocale::c());
    }
    void cleanup()
    {
        servilo->fermuCxiujn();
        FileDownloader::setKursejo(QString());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // No settings file: the dialog comes before the window, the chosen file
    // is fetched, and the window speaks that language from the start.
    void unuaStartoElsxutas()
    {
        QVERIFY(!QFile::exists(agordoVojo()));
        bool dialogo, videbla;
        auto w = unuaStarto(QStringLiteral("Volapük — volapuka"), 3, &dialogo, &videbla);
        QVERIFY(dialogo);
        QVERIFY(!videbla);
        QVERIFY(!w->isVisible());
        QCOMPARE(vojoj(), (QList<QByteArray>{"/datumoj/traduklisto.ini", "/datumoj/tradukoj/volapuka.trd"}));
        for (const ProvaServilo::Peto& p : servilo->petoj())
            QCOMPARE(p.agento, QByteArray("LerboAndrojdo"));
        QCOMPARE(legas(savasLoko + QStringLiteral("volapuka.trd")), VolapukaDeLaRetejo);
        QCOMPARE(sTradukoDosiero, QStringLiteral("volapuka.trd"));
        QCOMPARE(sLingvo, QStringLiteral("Volapük — volapuka"));
        QCOMPARE(sLingvoID, QStringLiteral("vo"));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Was ist Esperanto?"));
        QCOMPARE(el<QLabel>(w.get(), "Tradukinto")->text(), QStringLiteral("Karl Muster"));
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), QStringLiteral("Volapük — volapuka"));
        QVERIFY(montras(w.get()));

        // The choice is kept: the next start asks nothing.
        QVERIFY(w->close());
        w.reset();
        servilo->fermuCxiujn();
        const int petoj = servilo->petoj().size();
        bool duaDialogo, duaVidebla;
        auto w2 = unuaStarto(QStringLiteral("-"), 1, &duaDialogo, &duaVidebla);
        QVERIFY(!duaDialogo);
        QCOMPARE(servilo->petoj().size(), petoj); // the list is a day old at most
        QCOMPARE(el<QLabel>(w2.get(), "label_Kio")->text(), QStringLiteral("Was ist Esperanto?"));
    }

    // With the site out of reach the dialog lists the built-in files, and
    // the built-in file of the chosen language serves.
    void unuaStartoSenRetejo()
    {
        FileDownloader::setKursejo(testilo::fermitaAdreso());
        bool dialogo, videbla;
        auto w = unuaStarto(QStringLiteral("Esperanto"), 1, &dialogo, &videbla);
        QVERIFY(dialogo);
        QVERIFY(!videbla);
        QCOMPARE(sTradukoDosiero, QStringLiteral("esperanto.trd"));
        QVERIFY(!QFile::exists(savasLoko + QStringLiteral("esperanto.trd")));
        QVERIFY(!QFile::exists(savasLoko + QStringLiteral("traduklisto.ini")));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Kio estas Esperanto?"));
    }

    // Every translation built into the program, as a learner of its language
    // meets it on a first start with the site out of reach: found by its own
    // name in the dialog, whatever the locale preselects (two files may share
    // a language code), in the home page and a lesson at once, and still the
    // one in use when the program starts again.
    void enkonstruitaTraduko_data()
    {
        QTest::addColumn<QString>("dosiero");
        const QStringList dosieroj = testilo::tradukoj();
        QVERIFY(!dosieroj.isEmpty());
        for (const QString& d : dosieroj)
            QTest::newRow(qPrintable(d)) << d;
    }
    void enkonstruitaTraduko()
    {
        QFETCH(QString, dosiero);
        const QString enkonstruita = QStringLiteral(":/tradukoj/") + dosiero;
        QVERIFY2(QFile::exists(enkonstruita), "not built into the program");
        const TradukDosiero traduko(enkonstruita);
        const QString lingvo = traduko.value(QStringLiteral("Traduko/Lingvo")).toString();
        const QString id = traduko.value(QStringLiteral("Traduko/LingvoID")).toString();
        const Qt::LayoutDirection direkto =
            traduko.value(QStringLiteral("Traduko/Direkto")).toString() == QLatin1String("RTL") ? Qt::RightToLeft
                                                                                                : Qt::LeftToRight;
        QVERIFY(!lingvo.isEmpty());
        FileDownloader::setKursejo(testilo::fermitaAdreso());
        QLocale::setDefault(QLocale(id));

        QString diferencoj;
        bool dialogo, videbla;
        auto w = unuaStarto(lingvo, 1, &dialogo, &videbla);
        QVERIFY(dialogo);
        QVERIFY(!videbla);
        QCOMPARE(vicojDeLingvo, 1);
        QCOMPARE(sTradukoDosiero, dosiero);
        QCOMPARE(sLingvo, lingvo);
        QCOMPARE(sLingvoID, id);
        QVERIFY(montras(w.get()));
        QVERIFY2(kongruas(w.get(), traduko, HejmajTekstoj, &diferencoj), qPrintable(diferencoj));
        QCOMPARE(w->layoutDirection(), direkto);

        el<QPushButton>(w.get(), "Leciono1")->click();
        QVERIFY(w->lecionoj[0]);
        QCOMPARE(el<QStackedWidget>(w.get(), "Paghujo")->currentIndex(), 1);
        QVERIFY2(kongruas(w->lecionoj[0], traduko, LecionajTekstoj, &diferencoj), qPrintable(diferencoj));
        QCOMPARE(w->lecionoj[0]->layoutDirection(), direkto);

        el<QPushButton>(w.get(), "Hejmo")->click();
        el<QPushButton>(w.get(), "Eliri")->click();
        QVERIFY(!w->isVisible());
        w.reset();
        novaProceso();

        // Without a list the start asks the site for one and translates
        // once that attempt has ended.
        bool duaDialogo, duaVidebla;
        w = unuaStarto(QStringLiteral("-"), 1, &duaDialogo, &duaVidebla);
        QVERIFY(!duaDialogo);
        if (w->elshutilo) {
            QSignalSpy finita(w->elshutilo, &FileDownloader::downloaded);
            QTRY_COMPARE_WITH_TIMEOUT(finita.count(), 1, 20000);
        }
        QCOMPARE(sTradukoDosiero, dosiero);
        QCOMPARE(sLingvo, lingvo);
        QVERIFY(montras(w.get()));
        QVERIFY2(kongruas(w.get(), traduko, HejmajTekstoj, &diferencoj), qPrintable(diferencoj));
        QCOMPARE(w->layoutDirection(), direkto);
        QVERIFY2(kestoj.isEmpty(), qPrintable(kestoj.join(QLatin1Char('\n'))));
    }

    // The chosen language's file cannot be fetched: the learner is told
    // which file is missing and that English serves instead.
    void unuaStartoSenDosiero()
    {
        servilo->respondu("/datumoj/tradukoj/volapuka.trd", 404, QByteArray());
        bool dialogo, videbla;
        auto w = unuaStarto(QStringLiteral("Volapük — volapuka"), 3, &dialogo, &videbla);
        QVERIFY(dialogo);
        QCOMPARE(kestoj.size(), 1);
        QVERIFY2(kestoj.first().contains(QLatin1String("volapuka.trd")), qPrintable(kestoj.first()));
        QVERIFY2(kestoj.first().contains(QLatin1String("English")), qPrintable(kestoj.first()));
        QVERIFY(!QFile::exists(savasLoko + QStringLiteral("volapuka.trd")));
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QCOMPARE(sLingvo, QStringLiteral("English — angla"));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("What is Esperanto?"));
    }

    // The dialog closed before its list came: English, under the name the
    // settings page lists, so that nothing counts as a change there.
    void dialogoFermitaSenElekto()
    {
        servilo->respondu("/datumoj/traduklisto.ini", 200, QByteArray(), ProvaServilo::Silenta);
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QVERIFY(mesagxoj.isEmpty());
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QCOMPARE(sLingvo, QStringLiteral("English — angla"));
        el<QPushButton>(w.get(), "Konfigurado")->click();
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), sLingvo);
        w->shanghitajKonfiguroj();
        QVERIFY(!el<QPushButton>(w.get(), "shanghasKonfigurojn")->isEnabled());
    }

    // The start-up decision for a learner who chose German before, with an
    // older copy of the German file: a missing or week-old list is fetched,
    // and then the newer German file it names; a list of today is trusted
    // and the translation is in the window before it shows.
    void decido_data()
    {
        QTest::addColumn<int>("aghoTagoj"); // -1: no list
        QTest::addColumn<bool>("elsxutas");
        QTest::newRow("no list") << -1 << true;
        QTest::newRow("list of today") << 0 << false;
        QTest::newRow("list 8 days old") << 8 << true;
    }
    void decido()
    {
        QFETCH(int, aghoTagoj);
        QFETCH(bool, elsxutas);
        const QString listoVojo = savasLoko + QStringLiteral("traduklisto.ini");
        const QByteArray malnova = volapuka("01.01.2023", "Was ist Esperanto? (alt)");
        testilo::skribas(savasLoko + QStringLiteral("volapuka.trd"), malnova);
        skribasAgordojn({{"Lingvo", "Volapük — volapuka"}, {"Dosiero", "volapuka.trd"}, {"Sxaltilo", false}});
        if (aghoTagoj >= 0) {
            testilo::skribas(listoVojo, listo("01.01.2023"));
            QFile f(listoVojo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-aghoTagoj), QFileDevice::FileModificationTime));
        }

        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QVERIFY(mesagxoj.isEmpty());
        auto* kio = el<QLabel>(w.get(), "label_Kio");
        if (!elsxutas) {
            QCOMPARE(kio->text(), QStringLiteral("Was ist Esperanto? (alt)"));
            QVERIFY(!w->elshutilo);
            QVERIFY(montras(w.get()));
            QTest::qWait(50);
            QVERIFY(servilo->petoj().isEmpty());
            QCOMPARE(legas(savasLoko + QStringLiteral("volapuka.trd")), malnova);
            return;
        }
        // Until the list has come the window shows its own texts.
        QVERIFY(!kio->text().startsWith(QStringLiteral("Was ist")));
        QVERIFY(montras(w.get()));
        QTRY_COMPARE_WITH_TIMEOUT(kio->text(), QStringLiteral("Was ist Esperanto?"), 20000);
        QCOMPARE(vojoj(), (QList<QByteArray>{"/datumoj/traduklisto.ini", "/datumoj/tradukoj/volapuka.trd"}));
        QCOMPARE(legas(listoVojo), ListoDeLaRetejo);
        QCOMPARE(legas(savasLoko + QStringLiteral("volapuka.trd")), VolapukaDeLaRetejo);
        QCOMPARE(QFileInfo(listoVojo).lastModified().date(), QDate::currentDate());
        QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text(), QStringLiteral("Beenden"));
    }

    // A list fetched at start that names no newer version loads the local
    // copy, and a failed fetch leaves the old list alone.
    void listoSenNovajho_data()
    {
        QTest::addColumn<int>("stato");
        QTest::newRow("list answered, same date") << 200;
        QTest::newRow("site answers 404") << 404;
    }
    void listoSenNovajho()
    {
        QFETCH(int, stato);
        const QString listoVojo = savasLoko + QStringLiteral("traduklisto.ini");
        const QByteArray malnovaListo = listo("01.02.2023");
        servilo->respondu("/datumoj/traduklisto.ini", stato, stato == 200 ? ListoDeLaRetejo : QByteArray("<html/>"));
        const QByteArray loka = volapuka("01.02.2023", "Lokale Kopie");
        testilo::skribas(savasLoko + QStringLiteral("volapuka.trd"), loka);
        testilo::skribas(listoVojo, malnovaListo);
        QFile f(listoVojo);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-30), QFileDevice::FileModificationTime));
        f.close();
        skribasAgordojn({{"Lingvo", "Volapük — volapuka"}, {"Dosiero", "volapuka.trd"}, {"Sxaltilo", false}});
        auto w = kreas();
        QVERIFY(w->elshutilo);
        QTRY_COMPARE_WITH_TIMEOUT(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Lokale Kopie"), 20000);
        QCOMPARE(vojoj(), QList<QByteArray>{"/datumoj/traduklisto.ini"});
        QCOMPARE(legas(savasLoko + QStringLiteral("volapuka.trd")), loka);
        QCOMPARE(legas(listoVojo), stato == 200 ? ListoDeLaRetejo : malnovaListo);
    }
};

LERBO_TEST_MAIN(TestoStarto)
#include "tst_starto.moc"
