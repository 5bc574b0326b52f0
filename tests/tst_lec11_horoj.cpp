// What only lesson 11 has: clock times said in Esperanto. Every phrase the
// lesson shows or asks for (the time page, the clock-time items, the model
// answers of the last page) is read back into a time and must name the time
// it stands for; and the pair boxes named after the second adverb never
// stand in for it.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QLabel>
#include <QLayout>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

namespace {

// The cardinal numbers up to 60, as the phrases write them ("dek kvin",
// "dudek-kvara" for the ordinal).
int nombro(const QString& vortoj)
{
    static const QStringList unuoj = {"unu", "du", "tri", "kvar", "kvin", "ses", "sep", "ok", "naŭ"};
    int suma = 0;
    const QStringList partoj = vortoj.split(QRegularExpression(QStringLiteral("[ -]")), Qt::SkipEmptyParts);
    if (partoj.isEmpty())
        return -1;
    for (const QString& p : partoj) {
        if (p == QLatin1String("dek")) {
            suma += 10;
        } else if (p.endsWith(QLatin1String("dek")) && unuoj.contains(p.chopped(3))) {
            suma += 10 * (unuoj.indexOf(p.chopped(3)) + 1);
        } else if (unuoj.contains(p)) {
            suma += unuoj.indexOf(p) + 1;
        } else {
            return -1;
        }
    }
    return suma;
}

// "la sepa", "la dek-dua": the hour, or -1.
int ordo(const QString& vorto)
{
    static const QRegularExpression re(QStringLiteral("^la (.+)a$"));
    const auto m = re.match(vorto);
    if (!m.hasMatch())
        return -1;
    return nombro(m.captured(1));
}

// Minutes after midnight that a phrase names, the hour being known only
// modulo 12 where no word of the day's part fixes it (*duonTago set); -1 for
// a phrase this reader does not know.
int legas(QString frazo, bool* duonTago)
{
    frazo = frazo.toLower().trimmed();
    frazo.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    frazo.remove(QRegularExpression(QStringLiteral("^(estas|je) ")));
    *duonTago = false;
    if (frazo == QLatin1String("tagmezo"))
        return 12 * 60;
    if (frazo == QLatin1String("noktomezo"))
        return 24 * 60;
    static const QRegularExpression postNoktomezo(QStringLiteral("^(.+) horoj post noktomezo$"));
    auto m = postNoktomezo.match(frazo);
    if (m.hasMatch())
        return nombro(m.captured(1)) * 60;

    QString parto;
    static const QRegularExpression partoRe(QStringLiteral(" (matene|antaŭtagmeze|posttagmeze|vespere|nokte)$"));
    m = partoRe.match(frazo);
    if (m.hasMatch()) {
        parto = m.captured(1);
        frazo.chop(m.capturedLength());
    }

    int horo = -1, minutoj = 0;
    static const QRegularExpression kaj(QStringLiteral("^(la [a-zĉĝĥĵŝŭ -]+?a)(?: kaj (.+))?$"));
    static const QRegularExpression antauPost(QStringLiteral("^(.+?) (antaŭ|post) (la [a-zĉĝĥĵŝŭ-]+a)$"));
    if ((m = antauPost.match(frazo)).hasMatch()) {
        QString kiom = m.captured(1);
        kiom.remove(QRegularExpression(QStringLiteral(" minutoj$")));
        int n = kiom == QLatin1String("kvarono") ? 15 : kiom == QLatin1String("duono") ? 30 : nombro(kiom);
        horo = ordo(m.captured(3));
        if (n < 0 || horo < 0)
            return -1;
        if (m.captured(2) == QStringLiteral("antaŭ")) {
            horo -= 1;
            n = 60 - n;
        }
        minutoj = n;
    } else if ((m = kaj.match(frazo)).hasMatch()) {
        horo = ordo(m.captured(1));
        const QString kiom = m.captured(2);
        minutoj = kiom.isEmpty()                     ? 0
                  : kiom == QLatin1String("kvarono") ? 15
                  : kiom == QLatin1String("duono")   ? 30
                                                     : nombro(kiom);
        if (horo < 0 || minutoj < 0)
            return -1;
    } else {
        return -1;
    }
    if (parto == QLatin1String("posttagmeze") || parto == QLatin1String("vespere")) {
        if (horo < 12)
            horo += 12;
    } else if (parto == QLatin1String("nokte")) {
        if (horo >= 6 && horo < 12)
            horo += 12;
    } else if (parto.isEmpty() && horo <= 12) {
        *duonTago = true;
    }
    return horo * 60 + minutoj;
}

int legas(const QString& horo)
{
    static const QRegularExpression re(QStringLiteral("^(\\d\\d):(\\d\\d)$"));
    const auto m = re.match(horo);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

// Whether the phrase names the time "HH:MM".
QString eraro(const QString& frazo, const QString& horo)
{
    bool duonTago = false;
    const int diras = legas(frazo, &duonTago);
    const int estas = legas(horo);
    if (estas < 0)
        return QStringLiteral("\"%1\" is no time").arg(horo);
    if (diras < 0)
        return QStringLiteral("\"%1\" reads as no time").arg(frazo);
    if (duonTago ? diras % 720 != estas % 720 : diras != estas)
        return QStringLiteral("\"%1\" is not %2").arg(frazo, horo);
    return QString();
}

} // namespace

class TestoLec11Horoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(11, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 11);
        QVERIFY(lec);
    }

    void leganto_data()
    {
        QTest::addColumn<QString>("frazo");
        QTest::addColumn<QString>("horo");
        QTest::addColumn<bool>("gxusta");
        QTest::newRow("ordinal and minutes") << "La dua kaj dudek posttagmeze"
                                             << "14:20" << true;
        QTest::newRow("quarter before") << "Kvarono antaŭ la deka matene"
                                        << "09:45" << true;
        QTest::newRow("minutes before, word left out") << "Estas sep (minutoj) antaŭ la oka"
                                                       << "07:53" << true;
        QTest::newRow("midnight is 24:00") << "Noktomezo"
                                           << "24:00" << true;
        QTest::newRow("midnight is not 00:00") << "Noktomezo"
                                               << "00:00" << false;
        QTest::newRow("evening is not morning") << "La naŭa vespere"
                                                << "09:00" << false;
        QTest::newRow("one minute off") << "La sesa kaj tridek tri matene"
                                        << "06:34" << false;
        QTest::newRow("night after midnight") << "Je du horoj post noktomezo"
                                              << "02:00" << true;
    }
    void leganto()
    {
        // The reader itself, on phrases right and wrong.
        QFETCH(QString, frazo);
        QFETCH(QString, horo);
        QFETCH(bool, gxusta);
        QCOMPARE(eraro(frazo, horo).isEmpty(), gxusta);
    }

    void eroj()
    {
        // The clock-time exercise asks each phrase for its own time.
        QStringList d, r;
        QCOMPARE(_Matriz(&d, QStringLiteral("1101"), QStringLiteral("D")), 14);
        QCOMPARE(_Matriz(&r, QStringLiteral("1101"), QStringLiteral("R")), 14);
        QCOMPARE(QSet<QString>(r.begin(), r.end()).size(), 14);
        for (int i = 0; i < d.size(); ++i) {
            const QString e = eraro(d.at(i), r.at(i));
            QVERIFY2(e.isEmpty(), qPrintable(e));
        }
    }

    void horpagho()
    {
        // Each time of the time page with its two phrases beside it.
        QWidget* pagho = lec->findChild<QWidget*>(QStringLiteral("tab_6"));
        QVERIFY(pagho);
        int vicoj = 0;
        const auto etikedoj = lecionilo::propraj<QLabel>(pagho);
        for (QLabel* horo : etikedoj) {
            if (!QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(horo->text()).hasMatch())
                continue;
            ++vicoj;
            QVERIFY(horo->font().bold());
            QLayout* vico = lecionilo::ujoDe(pagho, horo);
            QVERIFY(vico && vico->count() == 2);
            QLayout* frazoj = vico->itemAt(1)->layout();
            QVERIFY(frazoj && frazoj->count() == 2);
            for (int i = 0; i < 2; ++i) {
                auto* frazo = qobject_cast<QLabel*>(frazoj->itemAt(i)->widget());
                QVERIFY(frazo && frazo->inherits("neklakebla_nova"));
                const QString e = eraro(frazo->text(), horo->text());
                QVERIFY2(e.isEmpty(), qPrintable(e));
            }
        }
        QCOMPARE(vicoj, 10);
    }

    void modelaj()
    {
        // The last page's model answers say their time two ways, a line each.
        QWidget* pagho = lec->findChild<QWidget*>(QStringLiteral("tab_5"));
        QVERIFY(pagho);
        const auto modeloj = pagho->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^label_(6|7|8|9|10)$")));
        QCOMPARE(modeloj.size(), 5);
        for (QLabel* m : modeloj) {
            QVERIFY(m->inherits("korekta"));
            // The time labels of its block stand before it: "1a) 13:45".
            QLayout* bloko = lecionilo::ujoDe(pagho, m);
            QVERIFY(bloko);
            auto* etikedo = qobject_cast<QLabel*>(bloko->itemAt(0)->layout()->itemAt(0)->widget());
            QVERIFY(etikedo);
            const QString horo = etikedo->text().section(QLatin1Char(' '), 1);
            const QStringList linioj = m->text().split(QLatin1Char('\n'));
            QCOMPARE(linioj.size(), 2);
            QVERIFY2(linioj.first().endsWith(QLatin1Char(' ')), qPrintable(linioj.first()));
            for (const QString& l : linioj) {
                const QString e = eraro(l, horo);
                QVERIFY2(e.isEmpty(), qPrintable(e));
            }
        }
    }

    void paroj()
    {
        // "Lec11_Button711" names the word box of "ankaŭ" alone; the pair
        // boxes of page 8 carry it with a suffix.
        const auto cxiuj = lec->findChildren<QLabel*>(QStringLiteral("Lec11_Button711"));
        QCOMPARE(cxiuj.size(), 1);
        QCOMPARE(cxiuj.first()->text(), QStringLiteral("ankaŭ"));
        QVERIFY(lec->widget(0)->isAncestorOf(cxiuj.first()));
        for (int i = 3; i <= 7; ++i) {
            auto* paro = lec->findChild<QLabel*>(QStringLiteral("Lec11_Button711_%1").arg(i));
            QVERIFY(paro && paro->inherits("neklakebla_nova"));
            QVERIFY2(paro->text().contains(QLatin1String("... ")), qPrintable(paro->text()));
        }
    }
};

LERBO_TEST_MAIN(TestoLec11Horoj)
#include "tst_lec11_horoj.moc"
