#include "tekstosekurigilo.h"

#include <QHash>
#include <QSet>

namespace {

// Tags kept, with the attributes each may keep; "" for none.
const QHash<QString, QSet<QString>>& permesataj()
{
    static const QSet<QString> bloko = {QStringLiteral("align"), QStringLiteral("dir"), QStringLiteral("style")};
    static const QSet<QString> nenio;
    static const QHash<QString, QSet<QString>> tabelo = {
        {QStringLiteral("b"), nenio},
        {QStringLiteral("strong"), nenio},
        {QStringLiteral("i"), nenio},
        {QStringLiteral("em"), nenio},
        {QStringLiteral("u"), nenio},
        {QStringLiteral("s"), nenio},
        {QStringLiteral("sub"), nenio},
        {QStringLiteral("sup"), nenio},
        {QStringLiteral("small"), nenio},
        {QStringLiteral("big"), nenio},
        {QStringLiteral("tt"), nenio},
        {QStringLiteral("code"), nenio},
        {QStringLiteral("nobr"), nenio},
        {QStringLiteral("br"), nenio},
        {QStringLiteral("hr"), nenio},
        {QStringLiteral("ul"), nenio},
        {QStringLiteral("ol"), nenio},
        {QStringLiteral("li"), nenio},
        {QStringLiteral("center"), nenio},
        {QStringLiteral("blockquote"), nenio},
        {QStringLiteral("pre"), nenio},
        {QStringLiteral("p"), bloko},
        {QStringLiteral("div"), bloko},
        {QStringLiteral("span"), bloko},
        {QStringLiteral("h1"), bloko},
        {QStringLiteral("h2"), bloko},
        {QStringLiteral("h3"), bloko},
        {QStringLiteral("h4"), bloko},
        {QStringLiteral("font"), {QStringLiteral("color"), QStringLiteral("size"), QStringLiteral("face")}},
        {QStringLiteral("img"), {QStringLiteral("src"), QStringLiteral("width"), QStringLiteral("height")}},
    };
    return tabelo;
}

// The contents of these go with the tag: a style sheet or script shown as
// text helps nobody.
bool kunEnhavo(const QString& nomo)
{
    return nomo == QLatin1String("style") || nomo == QLatin1String("script") || nomo == QLatin1String("head")
           || nomo == QLatin1String("title");
}

bool simplaNomo(const QString& nomo)
{
    if (nomo.isEmpty())
        return false;
    for (const QChar c : nomo)
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))))
            return false;
    return true;
}

// A value the tag may keep as it stands. A style naming an address, an
// import or an escape (which could spell one) goes whole.
bool bonaValoro(const QString& atributo, const QString& valoro)
{
    if (atributo == QLatin1String("src"))
        return TekstoSekurigilo::propraRimedo(valoro);
    for (const QChar c : valoro)
        if (c.unicode() < 0x20 || c == QLatin1Char('\\') || c == QLatin1Char('&'))
            return false;
    if (atributo == QLatin1String("style")) {
        const QString s = valoro.toLower();
        return !s.contains(QLatin1String("url")) && !s.contains(QLatin1String("image"))
               && !s.contains(QLatin1String("import")) && !s.contains(QLatin1String("expression"));
    }
    if (atributo == QLatin1String("width") || atributo == QLatin1String("height")) {
        bool nombro = false;
        valoro.toInt(&nombro);
        return nombro;
    }
    return !valoro.contains(QLatin1Char('(')) && !valoro.contains(QLatin1Char(':'));
}

QString escapas(const QString& valoro)
{
    QString el = valoro;
    el.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    el.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    el.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    el.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return el;
}

struct Etikedo
{
    QString nomo; // lower case; "" when it is no plain name
    bool ferma = false;
    QList<QPair<QString, QString>> atributoj;
};

// Reads the tag whose "<" stands at `i` and returns the index after its
// ">" (or the end of the text, where the label's parser ends it too).
// Quotes are honoured as that parser honours them, so a ">" inside a
// quoted value does not end the tag here either.
int legasEtikedon(const QString& t, int i, Etikedo* e)
{
    const int n = t.size();
    int j = i + 1;
    auto spacoj = [&] {
        while (j < n && t.at(j).isSpace())
            ++j;
    };
    auto vorto = [&]() -> QString {
        QString v;
        if (j < n && (t.at(j) == QLatin1Char('"') || t.at(j) == QLatin1Char('\''))) {
            const QChar cit = t.at(j++);
            while (j < n && t.at(j) != cit)
                v += t.at(j++);
            if (j < n)
                ++j;
            // A quoted name is still read as a name by the label's parser;
            // here it is no plain name and the tag goes.
            return QStringLiteral("\"") + v;
        }
        while (j < n) {
            const QChar c = t.at(j);
            const bool fino = c == QLatin1Char('/') && j + 1 < n && t.at(j + 1) == QLatin1Char('>');
            if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('=') || fino || c.isSpace())
                break;
            v += c;
            ++j;
        }
        return v;
    };

    spacoj();
    if (j < n && (t.at(j) == QLatin1Char('/') || t.at(j) == QLatin1Char('!') || t.at(j) == QLatin1Char('?'))) {
        e->ferma = t.at(j) == QLatin1Char('/');
        ++j;
        spacoj();
    }
    const QString nomo = vorto().toLower();
    e->nomo = simplaNomo(nomo) ? nomo : QString();
    while (j < n && t.at(j) != QLatin1Char('>')) {
        spacoj();
        if (j >= n || t.at(j) == QLatin1Char('>'))
            break;
        if (t.at(j) == QLatin1Char('/') || t.at(j) == QLatin1Char('=') || t.at(j) == QLatin1Char('<')) {
            // A stray "<" inside a tag is read by the label's parser as the
            // start of the next tag; here it stays inside this one, which
            // is rebuilt without it.
            ++j;
            continue;
        }
        const QString atributo = vorto().toLower();
        spacoj();
        QString valoro;
        if (j < n && t.at(j) == QLatin1Char('=')) {
            ++j;
            spacoj();
            valoro = vorto();
            if (valoro.startsWith(QLatin1Char('"')))
                valoro.remove(0, 1);
        }
        if (!atributo.isEmpty())
            e->atributoj.append({atributo, valoro});
    }
    return j < n ? j + 1 : n;
}

// The elements the label's parser knows. A "<" before any other name is
// kept as text: "x < y ... >" in a plain label stays whole.
bool konataElemento(const QString& nomo)
{
    static const QSet<QString> elementoj = {
        QStringLiteral("a"),          QStringLiteral("address"), QStringLiteral("b"),     QStringLiteral("big"),
        QStringLiteral("blockquote"), QStringLiteral("body"),    QStringLiteral("br"),    QStringLiteral("caption"),
        QStringLiteral("center"),     QStringLiteral("cite"),    QStringLiteral("code"),  QStringLiteral("dd"),
        QStringLiteral("dfn"),        QStringLiteral("div"),     QStringLiteral("dl"),    QStringLiteral("dt"),
        QStringLiteral("em"),         QStringLiteral("font"),    QStringLiteral("h1"),    QStringLiteral("h2"),
        QStringLiteral("h3"),         QStringLiteral("h4"),      QStringLiteral("h5"),    QStringLiteral("h6"),
        QStringLiteral("head"),       QStringLiteral("hr"),      QStringLiteral("html"),  QStringLiteral("i"),
        QStringLiteral("img"),        QStringLiteral("kbd"),     QStringLiteral("li"),    QStringLiteral("link"),
        QStringLiteral("meta"),       QStringLiteral("nobr"),    QStringLiteral("ol"),    QStringLiteral("p"),
        QStringLiteral("pre"),        QStringLiteral("qt"),      QStringLiteral("s"),     QStringLiteral("samp"),
        QStringLiteral("script"),     QStringLiteral("small"),   QStringLiteral("span"),  QStringLiteral("strong"),
        QStringLiteral("style"),      QStringLiteral("sub"),     QStringLiteral("sup"),   QStringLiteral("table"),
        QStringLiteral("tbody"),      QStringLiteral("td"),      QStringLiteral("tfoot"), QStringLiteral("th"),
        QStringLiteral("thead"),      QStringLiteral("title"),   QStringLiteral("tr"),    QStringLiteral("tt"),
        QStringLiteral("u"),          QStringLiteral("ul"),      QStringLiteral("var")};
    return elementoj.contains(nomo);
}

// A "<" read here as a tag: blanks, then "!" or "?" (a declaration), or an
// optional "/" and the name of a known element, and a ">" somewhere after.
// Any other "<" is written as an entity, which no reader takes for markup;
// so a tag this rule and the label's parser read differently never
// reaches the label either way.
bool komencasEtikedon(const QString& t, int i)
{
    const int n = t.size();
    if (t.indexOf(QLatin1Char('>'), i) < 0)
        return false;
    int j = i + 1;
    while (j < n && t.at(j).isSpace())
        ++j;
    if (j < n && (t.at(j) == QLatin1Char('!') || t.at(j) == QLatin1Char('?')))
        return true;
    if (j < n && t.at(j) == QLatin1Char('/'))
        ++j;
    while (j < n && t.at(j).isSpace())
        ++j;
    QString nomo;
    while (j < n && t.at(j).unicode() < 128 && t.at(j).isLetterOrNumber())
        nomo += t.at(j++).toLower();
    return konataElemento(nomo);
}

} // namespace

bool TekstoSekurigilo::propraRimedo(const QString& adreso)
{
    QString vojo;
    if (adreso.startsWith(QLatin1String(":/")))
        vojo = adreso.mid(2);
    else if (adreso.startsWith(QLatin1String("qrc:/")))
        vojo = adreso.mid(5);
    else
        return false;
    if (vojo.isEmpty() || vojo.startsWith(QLatin1Char('/')) || vojo.contains(QLatin1String(".."))
        || vojo.contains(QLatin1String("//")))
        return false;
    for (const QChar c : vojo) {
        const bool bona = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                          || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                          || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')
                          || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('/');
        if (!bona)
            return false;
    }
    return true;
}

QString TekstoSekurigilo::sekurigas(const QString& teksto)
{
    // Nearly every text has no markup at all.
    if (!teksto.contains(QLatin1Char('<')))
        return teksto;

    QString el;
    el.reserve(teksto.size());
    const int n = teksto.size();
    int i = 0;
    while (i < n) {
        const QChar c = teksto.at(i);
        if (c != QLatin1Char('<')) {
            el += c;
            ++i;
            continue;
        }
        if (teksto.midRef(i, 4) == QLatin1String("<!--")) {
            const int fino = teksto.indexOf(QLatin1String("-->"), i + 4);
            i = fino < 0 ? n : fino + 3;
            continue;
        }
        if (!komencasEtikedon(teksto, i)) {
            // Any "<" opens a tag for the label's parser, even one that
            // never ends; as an entity it is plain text to every reader.
            el += QLatin1String("&lt;");
            ++i;
            continue;
        }
        Etikedo e;
        i = legasEtikedon(teksto, i, &e);
        if (!e.ferma && kunEnhavo(e.nomo)) {
            const int fino = teksto.indexOf(QStringLiteral("</") + e.nomo, i, Qt::CaseInsensitive);
            i = fino < 0 ? n : legasEtikedon(teksto, fino, &e);
            continue;
        }
        const auto permesata = permesataj().constFind(e.nomo);
        if (permesata == permesataj().constEnd())
            continue;
        if (e.ferma) {
            el += QStringLiteral("</") + e.nomo + QLatin1Char('>');
            continue;
        }
        QString etikedo = QLatin1Char('<') + e.nomo;
        bool havasFonton = false;
        for (const auto& a : qAsConst(e.atributoj)) {
            if (!permesata->contains(a.first) || !bonaValoro(a.first, a.second))
                continue;
            havasFonton = havasFonton || a.first == QLatin1String("src");
            etikedo += QLatin1Char(' ') + a.first + QStringLiteral("=\"") + escapas(a.second) + QLatin1Char('"');
        }
        // A picture from anywhere else goes whole.
        if (e.nomo == QLatin1String("img") && !havasFonton)
            continue;
        el += etikedo + QLatin1Char('>');
    }
    return el;
}
