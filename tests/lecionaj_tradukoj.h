#pragma once
// What every lesson's text test checks: the labels the translation pass
// fills, and a shipped file's section holding exactly one text for each.
#include "inidosiero.h"

#include <QLabel>
#include <QTabWidget>
#include <QtTest>

namespace lecionaj_tradukoj {

// The labels the translation pass gives a text: named after the tab widget,
// and not an Esperanto word box or a model answer. Their keys, e.g. "Label4".
inline QStringList tradukataj(QTabWidget* lec)
{
    QStringList sxlosiloj;
    for (int i = 0; i < lec->count(); ++i) {
        const auto etikedoj = lec->widget(i)->findChildren<QLabel*>();
        for (QLabel* l : etikedoj) {
            if (l->objectName().left(5) != lec->objectName() || l->inherits("klakbutono_nova")
                || l->inherits("neklakebla_nova") || l->inherits("korekta"))
                continue;
            sxlosiloj << l->objectName().mid(6);
        }
    }
    return sxlosiloj;
}

// Opens the section of a built-in translation file after checking that its
// keys are exactly `etikedoj`, each a non-empty text (an unquoted comma
// would turn a text into a list). Call through QVERIFY-aware code: failures
// are reported by QTest.
inline void kontrolasSekcion(IniDosiero& trd, const QString& sekcio, QStringList etikedoj)
{
    QCOMPARE(trd.status(), QSettings::NoError);
    trd.beginGroup(sekcio);
    QStringList sxlosiloj = trd.childKeys();
    sxlosiloj.sort();
    etikedoj.sort();
    QCOMPARE(sxlosiloj, etikedoj);
    for (const QString& k : qAsConst(sxlosiloj)) {
        const QVariant v = trd.value(k);
        QVERIFY2(v.type() == QVariant::String, qPrintable(k));
        QVERIFY2(!v.toString().trimmed().isEmpty(), qPrintable(k));
    }
}

} // namespace lecionaj_tradukoj
