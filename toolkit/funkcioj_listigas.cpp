#include "funkcioj.h"
#include "inidosiero.h"

#include <QLabel>
#include <QTabWidget>

// The list of keys to translate, made from the forms that are open: one
// section per tab widget, entries "000", "001", ... naming the label keys in
// form order. Whoever prepares the list for the translation editor runs it.
void ListigasTradukendajn(QWidget* paghujo, const QString& dosiero)
{
    if (!paghujo)
        return;
    IniDosiero listo(dosiero);
    for (QTabWidget* tabeto : paghujo->findChildren<QTabWidget*>()) {
        const QString s = tabeto->objectName();
        const QString prefikso = s + QLatin1Char('_');
        listo.beginGroup(s);
        int n = 0;
        for (int i = 0; i < tabeto->count(); ++i) {
            for (const QLabel* l : tabeto->widget(i)->findChildren<QLabel*>()) {
                const QString nomo = l->objectName();
                const bool plenigo = nomo == QLatin1String("Ekz_Plen2");
                if (!(nomo.contains(prefikso) || plenigo) || nomo.contains(QLatin1String("Pan"))
                    || nomo.contains(QLatin1String("Memo")))
                    continue;
                QString sxlosilo = QString(nomo).remove(prefikso);
                if (plenigo) {
                    const QString kadro = l->parentWidget() ? l->parentWidget()->objectName() : QString();
                    sxlosilo = kadro.mid(5, 1) == QLatin1String("B") ? QStringLiteral("Frame42.Label84")
                                                                     : QStringLiteral("TFrame41.Label84");
                }
                if (sxlosilo.isEmpty())
                    continue;
                // Three digits at least: a thousandth key gets "1000" rather
                // than overwriting "000".
                listo.setValue(QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')), sxlosilo);
                ++n;
            }
        }
        listo.endGroup();
    }
    listo.sync();
}
