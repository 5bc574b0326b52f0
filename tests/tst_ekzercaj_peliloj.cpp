// The exercise drivers that the end-to-end run uses, checked on their own:
// each works its frame class through to the verdict, right or wrong as
// planned. The end-to-end run takes every driver of a lesson's frames to
// praise; here each one, in a lesson shown without the main window, also
// goes the other way: every other answer wrong ends in "try again". The
// numerals and clock-time drivers, whose frames no lesson row has yet, run
// on the test lesson and the clock-time items both ways. Last, every frame
// class is started on a section it cannot run.
#include "akuzativo.h"
#include "audkompreno.h"
#include "ekzercaj_peliloj.h"
#include "ekzerco1.h"
#include "ekznumeraloj.h"
#include "erodosieroj.h"
#include "fiksajhoj/lec99.h"
#include "frazokonstruo.h"
#include "funkcioj.h"
#include "kiomahoro.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "plenigas_spacon.h"
#include "prononco.h"
#include "sxajna_registrilo.h"
#include "testilo.h"
#include "trad.h"
#include "vortoludo.h"

#include <QFile>
#include <QTabWidget>
#include <memory>

using lecionaj_datumoj::Leciono;

Q_DECLARE_METATYPE(const Leciono*)

namespace {

const char* const GRATULON = "GRATULON";
const char* const DENOVE = "DENOVE";

// Checks a finished run: the plan's wrong answers were given, and the
// verdict is the one its score earns.
void kontrolas(const ekzercaj_peliloj::Rezulto& r, bool alterne, const QString& verdikto)
{
    QVERIFY(r.celo > 0);
    if (!r.verdiktas)
        return; // pronunciation judges nothing
    if (alterne)
        QVERIFY2(r.malgxustaj * 2 >= r.respondoj - 1, "every other answer is wrong");
    else
        QCOMPARE(r.malgxustaj, 0);
    QCOMPARE(r.mesagxoj.value(r.mesagxoj.size() - 1), verdikto);
}

// A frame of class `klaso` for exercise `kodo`, on the exercise page
// `pagxo`, named as a lesson names it; a pronunciation frame records into
// the stand-in it hands back in `registrilo`, never the sound card.
QFrame* kadroDe(const QString& klaso, const QString& kodo, QWidget* pagxo, SxajnaRegistrilo** registrilo)
{
    QFrame* kadro = nullptr;
    if (klaso == QLatin1String("ekzerco1")) {
        auto* k = new ekzerco1(pagxo);
        k->kodo = kodo;
        kadro = k;
    } else if (klaso == QLatin1String("ekznumeraloj")) {
        auto* k = new ekznumeraloj(pagxo);
        k->kodo = kodo;
        kadro = k;
    } else if (klaso == QLatin1String("frazokonstruo")) {
        kadro = new frazokonstruo(pagxo);
    } else if (klaso == QLatin1String("vortoludo")) {
        kadro = new vortoludo(pagxo);
    } else if (klaso == QLatin1String("audkompreno")) {
        kadro = new audkompreno(pagxo);
    } else if (klaso == QLatin1String("plenigas_spacon")) {
        kadro = new plenigas_spacon(pagxo);
    } else if (klaso == QLatin1String("akuzativo")) {
        kadro = new akuzativo(pagxo);
    } else if (klaso == QLatin1String("prononco")) {
        auto* k = new prononco(pagxo);
        *registrilo = new SxajnaRegistrilo;
        k->metuRegistrilon(*registrilo);
        kadro = k;
    } else {
        return nullptr;
    }
    kadro->setObjectName(QStringLiteral("Lec%1_Ekz_%2").arg(kodo.left(2), kodo));
    return kadro;
}

} // namespace

class TestoEkzercajPeliloj : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        smGratulon = QLatin1String(GRATULON);
        smDenove = QLatin1String(DENOVE);
        // The sentence translations the exercises show.
        sTradukoDosiero = QStringLiteral("angla.trd");
        lNoteto = false;
        lSxaltilo = false;
    }

    void lecionaj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<QString>("nomo");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (const lecionaj_datumoj::Ekzerco& e : l.ekzercoj)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + e.klaso)) << &l << e.nomo;
    }
    void lecionaj()
    {
        QFETCH(const Leciono*, l);
        QFETCH(QString, nomo);
        EkzercoAkuzativoTrad = l->akuzativo;
        std::unique_ptr<QFrame> kadro(KreasLecionon(l->numero, nullptr));
        // Translated, as the main window shows every lesson: the word-choice
        // options of a lesson whose labels all read "TextLabel" before it
        // would be five alike.
        Trad(kadro.get(), l->sekcio());
        QTabWidget* lec = lecionilo::tabulo(kadro.get(), l->numero);
        // Translated, as the main window shows a lesson: the options of a
        // word choice are the lesson's translated labels.
        Trad(lec, l->sekcio());
        lec->setCurrentIndex(l->indeksoDe(l->ekzerco(nomo)->pagho));
        kadro->resize(780, 580);
        kadro->show();
        QVERIFY(QTest::qWaitForWindowExposed(kadro.get()));
        const ekzercaj_peliloj::Rezulto r =
            ekzercaj_peliloj::kuras(lec->currentWidget()->findChild<QFrame*>(nomo), ekzercaj_peliloj::alterne());
        if (QTest::currentTestFailed())
            return;
        kontrolas(r, true, QLatin1String(DENOVE));
    }

    void numeraloj_data()
    {
        QTest::addColumn<bool>("alterne");
        QTest::newRow("right") << false;
        QTest::newRow("every other wrong") << true;
    }
    void numeraloj()
    {
        QFETCH(bool, alterne);
        std::unique_ptr<QTabWidget> leciono(lec99::faras());
        auto* ekz = new ekznumeraloj(lec99::pagxo(leciono.get()));
        ekz->setObjectName(QStringLiteral("Lec99_Ekz_9906"));
        ekz->kodo = QStringLiteral("9906");
        QVERIFY(lec99::montras(leciono.get(), ekz, QSize(700, 500)));
        const auto r = ekzercaj_peliloj::kuras(ekz, alterne ? ekzercaj_peliloj::alterne() : ekzercaj_peliloj::Eraroj());
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(r.celo, 5);
        kontrolas(r, alterne, QLatin1String(alterne ? DENOVE : GRATULON));
    }

    void horoj_data() { numeraloj_data(); }
    void horoj()
    {
        QFETCH(bool, alterne);
        kiomahoro ekz;
        ekz.setObjectName(QStringLiteral("Lec11_Ekzerco_Horo"));
        ekz.resize(760, 500);
        ekz.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ekz));
        const auto r =
            ekzercaj_peliloj::kuras(&ekz, alterne ? ekzercaj_peliloj::alterne() : ekzercaj_peliloj::Eraroj());
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(r.celo, 14);
        kontrolas(r, alterne, QLatin1String(alterne ? DENOVE : GRATULON));
    }

    // A frame started on a section it cannot run stays as it was before the
    // start, and no verdict comes: each class without its section, and with
    // a section of fewer items than it needs. Hearing and picking needs a
    // round of four words and one more to choose among, sentence building a
    // second sentence for its distractors, word choice five items for its
    // options; the others need one, so their section holds none.
    void senlabora_data()
    {
        QTest::addColumn<QString>("klaso");
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<bool>("sekcio");
        QTest::addColumn<int>("eroj");
        struct Vico
        {
            const char* klaso;
            const char* kodo;
            int eroj;
            const char* kio;
        };
        const Vico vicoj[] = {
            {"ekzerco1", "9999", 0, "no section"},        {"ekzerco1", "9908", 4, "four words"},
            {"frazokonstruo", "9999", 0, "no section"},   {"frazokonstruo", "9909", 1, "one sentence"},
            {"vortoludo", "9999", 0, "no section"},       {"vortoludo", "9907", 4, "four items"},
            {"audkompreno", "9999", 0, "no section"},     {"audkompreno", "9912", 0, "empty section"},
            {"plenigas_spacon", "9999", 0, "no section"}, {"plenigas_spacon", "9912", 0, "empty section"},
            {"ekznumeraloj", "9999", 0, "no section"},    {"ekznumeraloj", "9912", 0, "empty section"},
            {"akuzativo", "9804", 0, "no section"},       {"akuzativo", "9808", 0, "empty section"},
            {"prononco", "9804", 0, "no section"},        {"prononco", "9808", 0, "empty section"},
        };
        for (const Vico& v : vicoj)
            QTest::newRow(qPrintable(
                QStringLiteral("%1 %2 (%3)").arg(QLatin1String(v.klaso), QLatin1String(v.kio), QLatin1String(v.kodo))))
                << QString(QLatin1String(v.klaso)) << QString(QLatin1String(v.kodo))
                << (qstrcmp(v.kio, "no section") != 0) << v.eroj;
    }
    void senlabora()
    {
        QFETCH(QString, klaso);
        QFETCH(QString, kodo);
        QFETCH(bool, sekcio);
        QFETCH(int, eroj);
        // The fixture is what the row says: the item file is there, and so
        // is the section a row names by what it holds.
        QFile dosiero(QStringLiteral(":/ekzercoj/ekz%1.dat").arg(kodo.left(2)));
        QVERIFY2(dosiero.open(QIODevice::ReadOnly), qPrintable(dosiero.fileName()));
        const QString tekstoj = QString::fromUtf8(dosiero.readAll());
        QCOMPARE(tekstoj.contains(QStringLiteral("[%1D]").arg(kodo)), sekcio);
        QStringList d;
        QCOMPARE(_Matriz(&d, kodo, QStringLiteral("D")), eroj);

        std::unique_ptr<QTabWidget> leciono(lec99::faras());
        SxajnaRegistrilo* registrilo = nullptr;
        QFrame* kadro = kadroDe(klaso, kodo, lec99::pagxo(leciono.get()), &registrilo);
        QVERIFY2(kadro, qPrintable(klaso));
        QVERIFY(lec99::montras(leciono.get(), kadro, QSize(780, 580)));
        ekzercaj_peliloj::kontrolasSenlaboran(kadro);
        if (QTest::currentTestFailed())
            return;
        const QStringList kestoj = ekzercaj_peliloj::komencas(kadro);
        QVERIFY2(!kestoj.contains(QLatin1String(GRATULON)) && !kestoj.contains(QLatin1String(DENOVE)),
                 qPrintable(kestoj.join(QLatin1Char('|'))));
        ekzercaj_peliloj::kontrolasSenlaboran(kadro);
        if (registrilo)
            QCOMPARE(registrilo->okazoj, QStringList());
    }
};

LERBO_TEST_MAIN(TestoEkzercajPeliloj)
#include "tst_ekzercaj_peliloj.moc"
