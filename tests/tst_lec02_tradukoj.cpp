// Lesson 2's texts in the shipped English and Esperanto files, the list of
// keys the translation editor offers, and the sentence translations that
// the gap-filling and accusative exercises show.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lec02.h"
#include "lecionaj_tradukoj.h"
#include "testilo.h"

#include <QLabel>
#include <QTabWidget>
#include <memory>

class TestoLec02Tradukoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<lec02> leciono;
    QStringList etikedoj;

private slots:
    void initTestCase()
    {
        leciono = std::make_unique<lec02>(nullptr);
        auto* lec = leciono->findChild<QTabWidget*>(QStringLiteral("Lec02"));
        QVERIFY(lec);
        etikedoj = lecionaj_tradukoj::tradukataj(lec);
        QCOMPARE(etikedoj.size(), 80);
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
        lecionaj_tradukoj::kontrolasSekcion(trd, QStringLiteral("Lec02"), etikedoj);
        if (QTest::currentTestFailed())
            return;
        // Headings read as headings; the send page's questions keep their numbers.
        for (const char* kapo : {"Label131", "Label139", "Label146", "Label151", "Label50", "Label157"})
            QVERIFY2(!trd.value(QLatin1String(kapo)).toString().endsWith(QLatin1Char('.')), kapo);
        const QStringList demandoj = {"Label237", "Label238", "Label22",  "Label240", "Label241",
                                      "Label242", "Label243", "Label244", "Label245", "Label246"};
        for (int i = 0; i < demandoj.size(); ++i)
            QVERIFY(trd.value(demandoj.at(i)).toString().startsWith(QString::number(i + 1) + QLatin1String(". ")));
    }

    void respondojDistingeblaj_data() { dosieroj_data(); }
    void respondojDistingeblaj()
    {
        // The word-choice exercise offers several meanings at once; two equal
        // meanings among its answers would make a question unanswerable.
        QFETCH(QString, dosiero);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        QStringList r;
        QCOMPARE(_Matriz(&r, QStringLiteral("0203"), QStringLiteral("R")), 42);
        QSet<QString> signifoj;
        for (const QString& m : qAsConst(r))
            signifoj.insert(trd.value(QStringLiteral("Lec02/Label") + m).toString());
        QCOMPARE(signifoj.size(), 42);
    }

    void frazoj_data() { dosieroj_data(); }
    void frazoj()
    {
        // One translation per sentence, read the way the exercises read them.
        QFETCH(QString, dosiero);
        const QString antaua = sTradukoDosiero;
        sTradukoDosiero = dosiero;
        QStringList t;
        const int n = _Matriz(&t, QStringLiteral("0204"), QStringLiteral("T"));
        sTradukoDosiero = antaua;
        QCOMPARE(n, 28);
        QStringList d;
        QCOMPARE(_Matriz(&d, QStringLiteral("0202"), QStringLiteral("D")), n);
        for (const QString& f : qAsConst(t))
            QVERIFY2(!f.trimmed().isEmpty() && f != QLatin1String("Ne tradukita"), qPrintable(f));
        QCOMPARE(QSet<QString>(t.begin(), t.end()).size(), n);
    }

    void esperantoNeMontrasRespondojn()
    {
        // A learner working in Esperanto must not find the answers in the
        // hints: no translation holds a word that takes -n in its sentence.
        IniDosiero trd(QStringLiteral(":/tradukoj/esperanto.trd"));
        QList<QStringList> d, r;
        _Matriz2(&d, QStringLiteral("0202"), QStringLiteral("D"), 11);
        _Matriz2(&r, QStringLiteral("0202"), QStringLiteral("R"), 11);
        for (int i = 0; i < d.size(); ++i) {
            const QStringList vortoj = trd.value(QStringLiteral("Ekzerco-0204/%1").arg(i))
                                           .toString()
                                           .toLower()
                                           .remove(QLatin1Char('.'))
                                           .remove(QLatin1Char(','))
                                           .split(QLatin1Char(' '));
            for (int k = 0; k < d.at(i).size(); ++k)
                if (r.at(i).at(k) == QLatin1String("1"))
                    QVERIFY2(!vortoj.contains(d.at(i).at(k).toLower() + QLatin1Char('n')), qPrintable(d.at(i).at(k)));
        }
    }

    void tradukendaj()
    {
        // The translation editor offers the keys in the order of the form.
        IniDosiero tdf(QStringLiteral(":/tradukoj/tradukendaj.tdf"));
        tdf.beginGroup(QStringLiteral("Lec02"));
        const QStringList n = tdf.childKeys();
        QCOMPARE(n.size(), 80);
        QStringList listo;
        for (int i = 0; i < n.size(); ++i)
            listo << tdf.value(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).toString();
        QCOMPARE(listo, etikedoj);
    }
};

LERBO_TEST_MAIN(TestoLec02Tradukoj)
#include "tst_lec02_tradukoj.moc"
