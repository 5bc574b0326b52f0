#include "esperantaj_tekstoj.h"

#include "inidosiero.h"
#include "spacplenigilo.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace esperantaj_tekstoj {

namespace {

bool litero(const QString& t, int i)
{
    return i >= 0 && i < t.size() && t.at(i).isLetter();
}

} // namespace

QString plata(const QString& teksto)
{
    QString t = teksto;
    if (Qt::mightBeRichText(t)) {
        QTextDocument d;
        d.setHtml(t);
        t = d.toPlainText();
    }
    return t;
}

QList<Vorto> vortoj(const QString& teksto)
{
    static const QRegularExpression vorto(QStringLiteral("\\p{L}+(?:-\\p{L}+)*"));
    static const QRegularExpression romia(QStringLiteral("^[IVX]+$"));
    static const QRegularExpression loktenilo(QStringLiteral("^x+$"));
    const QString t = plata(teksto);
    QList<Vorto> el;
    auto it = vorto.globalMatch(t);
    while (it.hasNext()) {
        const auto m = it.next();
        const int komenco = m.capturedStart();
        const int fino = m.capturedEnd();
        const bool afikso = (komenco > 0 && t.at(komenco - 1) == QLatin1Char('-') && !litero(t, komenco - 2))
                            || (fino < t.size() && t.at(fino) == QLatin1Char('-') && !litero(t, fino + 1));
        const QString v = m.captured();
        if (afikso || v.size() < 2 || romia.match(v).hasMatch() || loktenilo.match(v).hasMatch())
            continue;
        Vorto w;
        w.skribita = v;
        w.komenco = komenco;
        w.formoj = v.split(QLatin1Char('-'));
        // Capitals closing a word in lower case mark its ending for the eye
        // ("insektoN", "PetrO", "estUS", "FermU"): the word is the same one in
        // lower case.
        static const QRegularExpression finajho(QStringLiteral("^\\p{Lu}?\\p{Ll}+\\p{Lu}+$"));
        if (w.formoj.size() == 1 && finajho.match(v).hasMatch())
            w.formoj = QStringList{v.left(1) + v.mid(1).toLower()};
        // A noun whose -o gives way to an apostrophe ("monuj'", in verse) is
        // the whole noun.
        if (fino < t.size() && (t.at(fino) == QLatin1Char('\'') || t.at(fino) == QChar(0x2019)) && !litero(t, fino + 1))
            w.formoj = QStringList{v + QLatin1Char('o')};
        if (w.formoj.size() > 1)
            w.kunigita = w.formoj.join(QString()).toLower();
        el << w;
    }
    return el;
}

QList<QStringList> vicoj(IniDosiero& dat, const QString& sekcio)
{
    QList<QStringList> el;
    dat.beginGroup(sekcio);
    for (const QString& k : dat.childKeys()) {
        const QVariant v = dat.value(k);
        const QString t = v.type() == QVariant::StringList ? v.toStringList().join(QLatin1Char(',')) : v.toString();
        const int i = k.toInt();
        while (el.size() <= i)
            el << QStringList();
        el[i] = t.split(QLatin1Char('~'));
    }
    dat.endGroup();
    return el;
}

QString frazo(const QString& speco, const QStringList& d, const QStringList& r, QList<QPair<int, int>>* truoj)
{
    QString el;
    if (speco == QLatin1String("akuzativo")) {
        for (int k = 0; k < d.size(); ++k)
            el += d.at(k) + (r.value(k).trimmed() == QLatin1String("1") ? QStringLiteral("n ") : QStringLiteral(" "));
    } else {
        for (int j = 0; j < spacplenigilo::partoj; ++j) {
            el += d.value(j);
            if (j < spacplenigilo::spacoj && !r.value(j).isEmpty()) {
                if (truoj)
                    *truoj << qMakePair(el.size(), r.value(j).size());
                el += r.value(j);
            }
        }
    }
    return el;
}

} // namespace esperantaj_tekstoj
