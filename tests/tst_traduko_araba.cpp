#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"

// The shipped right-to-left translation: its header drives the direction
// paths, and every text must survive the INI quoting as Arabic.
class TestoAraba : public QObject
{
    Q_OBJECT

private slots:
    void header()
    {
        IniDosiero t(":/tradukoj/araba.trd");
        QCOMPARE(t.value("Traduko/Direkto").toString(), QString("RTL"));
        QCOMPARE(t.value("Traduko/LingvoID").toString(), QString("ar"));
        QCOMPARE(t.value("Traduko/Lingvo").toString(), QString("العربية — araba"));
        QVERIFY(QDate::fromString(t.value("Traduko/Dato").toString(), "dd.MM.yyyy").isValid());
    }

    void everyTextIsArabicAndKnown()
    {
        IniDosiero araba(":/tradukoj/araba.trd");
        IniDosiero angla(":/tradukoj/angla.trd");
        int kiom = 0;
        for (const QString& grupo : araba.childGroups()) {
            if (grupo == "Traduko")
                continue;
            araba.beginGroup(grupo);
            for (const QString& sxlosilo : araba.childKeys()) {
                const QVariant v = araba.value(sxlosilo);
                const QString teksto = v.toString();
                const QString kie = grupo + "/" + sxlosilo;
                // A value that QSettings split at a comma comes back as a list.
                QVERIFY2(v.type() == QVariant::String, qPrintable(kie));
                bool araba_litero = false;
                for (const QChar c : teksto)
                    araba_litero |= c.unicode() >= 0x0600 && c.unicode() <= 0x06FF;
                QVERIFY2(araba_litero, qPrintable(kie));
                QVERIFY2(!teksto.startsWith('"') && !teksto.endsWith('"'), qPrintable(kie));
                QVERIFY2(angla.contains(kie), qPrintable(kie + " is not a key of the English file"));
                ++kiom;
            }
            araba.endGroup();
        }
        QVERIFY(kiom > 0 || angla.childGroups() == QStringList{"Traduko"});
    }

    // A key the Arabic file lacks shows the "Ne Tradukita" placeholder in an
    // Arabic interface, so every English text needs its Arabic counterpart.
    void everyEnglishKeyIsTranslated()
    {
        IniDosiero araba(":/tradukoj/araba.trd");
        IniDosiero angla(":/tradukoj/angla.trd");
        QStringList mankas;
        for (const QString& kie : angla.allKeys())
            if (!kie.startsWith("Traduko/") && !araba.contains(kie))
                mankas << kie;
        QVERIFY2(mankas.isEmpty(), qPrintable("missing in araba.trd: " + mankas.join(' ')));
    }
};

LERBO_TEST_MAIN(TestoAraba)
#include "tst_traduko_araba.moc"
