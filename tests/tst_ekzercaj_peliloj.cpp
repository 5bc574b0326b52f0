// The exercise drivers that the end-to-end run uses, checked on their own:
// each works its frame class through to the verdict, right or wrong as
// planned. The end-to-end run takes every driver of a lesson's frames to
// praise; here each one, in a lesson shown without the main window, also
// goes the other way: every other answer wrong ends in "try again". The
// numerals and clock-time drivers, whose frames no lesson row has yet, run
// on the test lesson and the clock-time items both ways.
#include "ekzercaj_peliloj.h"
#include "ekznumeraloj.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "kiomahoro.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"
#include "trad.h"

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
};

LERBO_TEST_MAIN(TestoEkzercajPeliloj)
#include "tst_ekzercaj_peliloj.moc"
