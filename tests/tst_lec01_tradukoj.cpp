// Lesson 1's texts in the shipped English and Esperanto files, and the list
// of keys the translation editor offers, against the labels of the form.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lec01.h"
#include "lecionaj_tradukoj.h"
#include "testilo.h"
#include "trad.h"

#include <QLabel>
#include <QTabWidget>
#include <memory>

class TestoLec01Tradukoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<lec01> leciono;
    QStringList etikedoj;

private slots:
    void initTestCase()
    {
        leciono = std::make_unique<lec01>(nullptr);
        auto* lec = leciono->findChild<QTabWidget*>(QStringLiteral("Lec01"));
        QVERIFY(lec);
        etikedoj = lecionaj_tradukoj::tradukataj(lec);
        QCOMPARE(etikedoj.size(), 123);
    }

    void dosieroj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::newRow("English") << "angla.trd";
        QTest::newRow("Esperanto") << "esperanto.trd";
    }
    void dosieroj()
    {
        QFETCH(QString, dosiero);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        lecionaj_tradukoj::kontrolasSekcion(trd, QStringLiteral("Lec01"), etikedoj);
        if (QTest::currentTestFailed())
            return;
        // The headings read as headings, the send page's questions keep their numbers.
        QVERIFY(!trd.value(QStringLiteral("Label4")).toString().endsWith(QLatin1Char('.')));
        QVERIFY(trd.value(QStringLiteral("Label110")).toString().startsWith(QLatin1String("4. ")));
        QVERIFY(trd.value(QStringLiteral("Label130")).toString().startsWith(QLatin1String("10. ")));
    }

    void postTrad_data() { dosieroj_data(); }
    void postTrad()
    {
        // Through the translation pass itself: every label of the lesson gets
        // its text from the file, none is left saying it was not translated.
        QFETCH(QString, dosiero);
        sTradukoDosiero = dosiero;
        lec01 nova(nullptr);
        Trad(&nova, QStringLiteral("Lec01"));
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        auto* lec = nova.findChild<QTabWidget*>(QStringLiteral("Lec01"));
        const QStringList sxlosiloj = lecionaj_tradukoj::tradukataj(lec);
        for (const QString& k : sxlosiloj) {
            auto* l = lec->findChild<QLabel*>(QStringLiteral("Lec01_") + k);
            QCOMPARE(l->text(), trd.value(QStringLiteral("Lec01/") + k).toString());
            QVERIFY2(l->text() != NeTradukita, qPrintable(k));
        }
    }

    void respondojDistingeblaj_data() { dosieroj_data(); }
    void respondojDistingeblaj()
    {
        // The word-choice exercise offers five meanings at once; two equal
        // meanings among its answers would make a question unanswerable.
        QFETCH(QString, dosiero);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        QStringList r;
        QCOMPARE(_Matriz(&r, QStringLiteral("0103"), QStringLiteral("R")), 45);
        QSet<QString> signifoj;
        for (const QString& m : qAsConst(r))
            signifoj.insert(trd.value(QStringLiteral("Lec01/Label") + m).toString());
        QCOMPARE(signifoj.size(), 45);
    }

    void tradukendaj()
    {
        // The translation editor offers the keys in the order of the form.
        IniDosiero tdf(QStringLiteral(":/tradukoj/tradukendaj.tdf"));
        tdf.beginGroup(QStringLiteral("Lec01"));
        const QStringList n = tdf.childKeys();
        QCOMPARE(n.size(), 123);
        QStringList listo;
        for (int i = 0; i < n.size(); ++i)
            listo << tdf.value(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).toString();
        QCOMPARE(listo, etikedoj);
    }
};

LERBO_TEST_MAIN(TestoLec01Tradukoj)
#include "tst_lec01_tradukoj.moc"
