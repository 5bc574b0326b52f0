#include "erodosieroj.h"
#include "funkcioj.h"
#include "tradukdosiero.h"
#include "tradukovojo.h"

static QString itemDosiero(const QString& kodo)
{
    return QStringLiteral(":/ekzercoj/ekz") + kodo.left(2) + QStringLiteral(".dat");
}

// Reads the values of keys "0" .. n-1 of one group; n is the number of keys,
// so a gap in the numbering yields the default and drops the highest key.
// A translation's texts are read as texts from outside, the items built
// into the program as they stand.
template <typename Dosiero>
static QStringList legasGrupon(const QString& vojo, const QString& grupo, const QString& defauxlto)
{
    QStringList el;
    Dosiero ini(vojo);
    ini.beginGroup(grupo);
    const int n = ini.childKeys().size();
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
                                         NeTradukitaEkzerco);
    else
        *el = legasGrupon<IniDosiero>(itemDosiero(kodo), kodo + speco, QString());
    return el->size();
}

int _Matriz2(QList<QStringList>* el, const QString& kodo, const QString& speco, int kolumnoj)
{
    el->clear();
    const QStringList valoroj = legasGrupon<IniDosiero>(itemDosiero(kodo), kodo + speco, QString());
    for (const QString& v : valoroj) {
        QStringList kampoj = v.split(QLatin1Char('~'));
        while (kampoj.size() < kolumnoj)
            kampoj << QString();
        el->append(kampoj);
    }
    return el->size();
}
