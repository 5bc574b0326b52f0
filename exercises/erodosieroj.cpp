#include "erodosieroj.h"
#include "funkcioj.h"
#include "tradukdosiero.h"
#include "tradukovojo.h"

#include <algorithm>

static QString itemDosiero(const QString& kodo)
{
    return QStringLiteral(":/ekzercoj/ekz") + kodo.left(2) + QStringLiteral(".dat");
}

// Reads the values of keys "0" .. n-1 of one group, a missing key giving the
// default. In an item file built into the program n is one more than the
// highest key, so that a section of other right orders ("A") may hold only
// the items that have any. A translation comes from outside: there n is the
// number of keys, so that a stray high number cannot make the list that long
// (a gap yields the default and drops the highest key). A translation's texts
// are read as texts from outside, the items built into the program as they
// stand.
template <typename Dosiero>
static QStringList legasGrupon(const QString& vojo, const QString& grupo, const QString& defauxlto, bool gxisPlejAlta)
{
    QStringList el;
    Dosiero ini(vojo);
    ini.beginGroup(grupo);
    const QStringList sxlosiloj = ini.childKeys();
    int n = sxlosiloj.size();
    if (gxisPlejAlta) {
        n = 0;
        for (const QString& s : sxlosiloj) {
            bool nombro = false;
            const int i = s.toInt(&nombro);
            if (nombro && i >= 0 && QString::number(i) == s)
                n = std::max(n, i + 1);
        }
    }
    for (int i = 0; i < n; ++i) {
        el << IniDosiero::teksto(ini.value(QString::number(i), defauxlto));
    }
    ini.endGroup();
    return el;
}

int _Matriz(QStringList* el, const QString& kodo, const QString& speco)
{
    el->clear();
    if (speco == QLatin1String("T"))
        *el = legasGrupon<TradukDosiero>(TradukoVojo(sTradukoDosiero), QStringLiteral("Ekzerco-") + kodo,
                                         NeTradukitaEkzerco, false);
    else
        *el = legasGrupon<IniDosiero>(itemDosiero(kodo), kodo + speco, QString(), true);
    return el->size();
}

int _Matriz2(QList<QStringList>* el, const QString& kodo, const QString& speco, int kolumnoj)
{
    el->clear();
    const QStringList valoroj = legasGrupon<IniDosiero>(itemDosiero(kodo), kodo + speco, QString(), true);
    for (const QString& v : valoroj) {
        QStringList kampoj = v.split(QLatin1Char('~'));
        while (kampoj.size() < kolumnoj)
            kampoj << QString();
        el->append(kampoj);
    }
    return el->size();
}
