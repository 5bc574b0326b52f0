// What only lesson 3 has: numbers written out in Esperanto words beside
// their digits, on the numbers page and in the numerals exercise's items.
// Each Esperanto numeral must name the very number its digits show, read by
// the grammar the page teaches (tens and hundreds joined to their digit,
// thousands and millions standing apart), so a slip in either is caught.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"
#include "trad.h"

#include <QFormLayout>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <memory>

namespace {

const QStringList UNUOJ = {QString(),
                           QStringLiteral("unu"),
                           QStringLiteral("du"),
                           QStringLiteral("tri"),
                           QStringLiteral("kvar"),
                           QStringLiteral("kvin"),
                           QStringLiteral("ses"),
                           QStringLiteral("sep"),
                           QStringLiteral("ok"),
                           QStringLiteral("naŭ")};

// The value of one word below a thousand: "sep" 7, "sepdek" 70,
// "sepcent" 700, "dek" 10, "cent" 100; -1 for anything else.
int vorto(const QString& v)
{
    if (v == QLatin1String("dek"))
        return 10;
    if (v == QLatin1String("cent"))
        return 100;
    for (int u = 1; u <= 9; ++u) {
        if (v == UNUOJ.at(u))
            return u;
        // "unudek" and "unucent" are not said: dek and cent alone are ten and a hundred.
        if (u > 1 && v == UNUOJ.at(u) + QLatin1String("dek"))
            return 10 * u;
        if (u > 1 && v == UNUOJ.at(u) + QLatin1String("cent"))
            return 100 * u;
    }
    return -1;
}

// An Esperanto cardinal numeral as a number, or -1 when it does not follow
// the rules: words from the largest down, each step at most once, "mil" and
// "miliono(j)" after the group they multiply, "nulo" alone.
long long valoro(const QString& frazo)
{
    const QStringList vortoj = frazo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (vortoj == QStringList{QStringLiteral("nulo")})
        return 0;
    if (vortoj.isEmpty())
        return -1;
    long long tuto = 0;
    int grupo = 0; // the group below a thousand being read
    int lasta = 1000; // the step of the word before, to keep them falling
    long long limo = -1; // the multiplier of the last group closed
    for (const QString& v : vortoj) {
        long long obligo = 0;
        if (v == QLatin1String("mil"))
            obligo = 1000;
        else if (v == QLatin1String("miliono") || v == QLatin1String("milionoj"))
            obligo = 1000000;
        if (obligo) {
            const int g = grupo ? grupo : 1;
            // "unu miliono" but "milionoj" from two; "mil" alone is a thousand, "unu mil" is not said.
            if (obligo == 1000000 && (grupo == 0 || (g == 1) != (v == QLatin1String("miliono"))))
                return -1;
            if (obligo == 1000 && grupo == 1)
                return -1;
            if (limo >= 0 && obligo >= limo)
                return -1;
            tuto += g * obligo;
            limo = obligo;
            grupo = 0;
            lasta = 1000;
            continue;
        }
        const int n = vorto(v);
        const int pasxo = n >= 100 ? 100 : n >= 10 ? 10 : 1;
        if (n < 0 || pasxo >= lasta)
            return -1;
        grupo += n;
        lasta = pasxo;
    }
    return tuto + grupo;
}

// Digits as the page writes them: groups of three may stand apart.
long long ciferoj(const QString& teksto)
{
    bool bone = false;
    const long long n = QString(teksto).remove(QLatin1Char(' ')).toLongLong(&bone);
    return bone ? n : -1;
}

} // namespace

class TestoLec03Numeraloj : public QObject
{
    Q_OBJECT

private slots:
    void legilo_data()
    {
        // The reader itself, on what it must accept and refuse.
        QTest::addColumn<QString>("frazo");
        QTest::addColumn<long long>("n");
        QTest::newRow("zero") << "nulo" << 0LL;
        QTest::newRow("teen") << "dek sep" << 17LL;
        QTest::newRow("tens") << "naŭdek naŭ" << 99LL;
        QTest::newRow("year") << "mil okcent okdek sep" << 1887LL;
        QTest::newRow("thousands") << "naŭcent naŭdek naŭ mil unu" << 999001LL;
        QTest::newRow("million") << "unu miliono tricent dudek du" << 1000322LL;
        QTest::newRow("millions") << "du milionoj" << 2000000LL;
        QTest::newRow("one thousand said with unu") << "unu mil" << -1LL;
        QTest::newRow("two millions in the singular") << "du miliono" << -1LL;
        QTest::newRow("rising order") << "du dek" << -1LL;
        QTest::newRow("ten as unudek") << "unudek" << -1LL;
        QTest::newRow("two units") << "tri du" << -1LL;
        QTest::newRow("thousand twice") << "mil du mil" << -1LL;
        QTest::newRow("not a numeral") << "dudek kato" << -1LL;
    }
    void legilo()
    {
        QFETCH(QString, frazo);
        QFETCH(long long, n);
        QCOMPARE(valoro(frazo), n);
    }

    void pagho()
    {
        // Every row of the numbers page: the digits on the left are the
        // number the word on the right names, in every language the
        // translation pass may bring.
        const auto dosieroj = {QStringLiteral("angla.trd"), QStringLiteral("esperanto.trd"),
                               QStringLiteral("araba.trd")};
        const QString antaua = sTradukoDosiero;
        for (const QString& dosiero : dosieroj) {
            sTradukoDosiero = dosiero;
            std::unique_ptr<QFrame> leciono(KreasLecionon(3, nullptr));
            QTabWidget* lec = lecionilo::tabulo(leciono.get(), 3);
            QVERIFY(lec);
            Trad(leciono.get(), QStringLiteral("Lec03"));
            QWidget* pagho = lec->findChild<QWidget*>(QStringLiteral("tab_25"));
            QVERIFY(pagho);
            int vicoj = 0;
            const auto formularoj = pagho->findChildren<QFormLayout*>();
            for (QFormLayout* f : formularoj)
                for (int v = 0; v < f->rowCount(); ++v) {
                    auto* nombro = qobject_cast<QLabel*>(f->itemAt(v, QFormLayout::LabelRole)->widget());
                    auto* nomo = qobject_cast<QLabel*>(f->itemAt(v, QFormLayout::FieldRole)->widget());
                    QVERIFY(nombro && nomo && nomo->inherits("klakbutono_nova"));
                    QVERIFY2(ciferoj(nombro->text()) >= 0, qPrintable(nombro->text()));
                    QVERIFY2(valoro(nomo->text()) == ciferoj(nombro->text()),
                             qPrintable(nombro->text() + QStringLiteral(" / ") + nomo->text()));
                    ++vicoj;
                }
            QCOMPARE(vicoj, 44);
            // The groups of three stay apart, whatever the language.
            QCOMPARE(pagho->findChild<QLabel*>(QStringLiteral("label_83"))->text(), QStringLiteral("999 001"));
        }
        sTradukoDosiero = antaua;
    }

    void eroj()
    {
        // The numerals exercise asks each of its phrases once, and its answer
        // in digits is the number the phrase names.
        QStringList frazoj, respondoj;
        QCOMPARE(_Matriz(&frazoj, QStringLiteral("0301"), QStringLiteral("D")), 24);
        QCOMPARE(_Matriz(&respondoj, QStringLiteral("0301"), QStringLiteral("R")), 24);
        QCOMPARE(QSet<QString>(frazoj.begin(), frazoj.end()).size(), frazoj.size());
        for (int i = 0; i < frazoj.size(); ++i) {
            const QString& r = respondoj.at(i);
            QVERIFY2(!r.isEmpty() && r.size() <= 4 && ciferoj(r) == r.toLongLong(), qPrintable(r));
            QVERIFY2(valoro(frazoj.at(i)) == ciferoj(r), qPrintable(frazoj.at(i) + QStringLiteral(" / ") + r));
        }
    }
};

LERBO_TEST_MAIN(TestoLec03Numeraloj)
#include "tst_lec03_numeraloj.moc"
