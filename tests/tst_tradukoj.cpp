// Every translation file under resources/tradukoj, one row each: a file
// that lands there is judged by existing. Each row must carry the header its
// language has in the table below, every text of the English file, the
// Esperanto inside those texts as it stands, text in its own language and
// script, words its language's dictionary knows, and characters the
// interface font or its fallbacks can draw, and a record of the English
// each text was made from that still matches angla.trd.
#include "agordoj.h"
#include "fontregistro/fontregistro.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "vortlistoj.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QMap>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>

namespace {

enum class Skribo {
    Latina,
    Cirila,
    Greka,
    Araba,
    Devanagara,
    Hana,
    Japana, // kana and Han
    Hangula,
};

struct Lingvo
{
    const char* dosiero;
    const char* lingvo; // native name — Esperanto name
    const char* id;
    bool rtl;
    int literGrando; // 0: the file carries none
    Skribo skribo;
    // Debian's hunspell dictionary; empty where Debian has none.
    const char* vortaro;
};

// clang-format off
const Lingvo Lingvoj[] = {
    {"angla.trd",      "English — angla",              "en", false, 0,  Skribo::Latina,     "en_GB"},
    {"araba.trd",      "العربية — araba",              "ar", true,  15, Skribo::Araba,      "ar"},
    {"bulgara.trd",    "Български — bulgara",          "bg", false, 0,  Skribo::Cirila,     "bg_BG"},
    {"ceha.trd",       "Čeština — ĉeĥa",               "cs", false, 0,  Skribo::Latina,     "cs_CZ"},
    {"china.trd",      "中文 — ĉina",                  "ch", false, 16, Skribo::Hana,       ""},
    {"dana.trd",       "Dansk — dana",                 "da", false, 0,  Skribo::Latina,     "da_DK"},
    {"esperanto.trd",  "Esperanto",                    "eo", false, 0,  Skribo::Latina,     "eo"},
    {"finna.trd",      "Suomi — finna",                "fi", false, 0,  Skribo::Latina,     ""},
    {"franca.trd",     "Français — franca",            "fr", false, 0,  Skribo::Latina,     "fr_FR"},
    {"germana.trd",    "Deutsch — germana",            "de", false, 0,  Skribo::Latina,     "de_DE"},
    {"greka.trd",      "Ελληνικά — greka",             "el", false, 0,  Skribo::Greka,      "el_GR"},
    {"hinda.trd",      "हिन्दी — hinda",                 "hi", false, 17, Skribo::Devanagara, "hi_IN"},
    {"hispana.trd",    "Español — hispana",            "es", false, 0,  Skribo::Latina,     "es_ES"},
    {"hungara.trd",    "Magyar — hungara",             "hu", false, 0,  Skribo::Latina,     "hu_HU"},
    {"indonezia.trd",  "Bahasa Indonesia — indonezia", "id", false, 0,  Skribo::Latina,     "id_ID"},
    {"islanda.trd",    "Íslenska — islanda",           "is", false, 0,  Skribo::Latina,     "is_IS"},
    {"itala.trd",      "Italiano — itala",             "it", false, 0,  Skribo::Latina,     "it_IT"},
    {"japana.trd",     "日本語 — japana",              "jp", false, 0,  Skribo::Japana,     ""},
    {"kataluna.trd",   "Català — kataluna",            "ca", false, 0,  Skribo::Latina,     "ca"},
    {"korea.trd",      "한국어 — korea",               "ko", false, 0,  Skribo::Hangula,    "ko_KR"},
    {"kroata.trd",     "Hrvatski — kroata",            "hr", false, 0,  Skribo::Latina,     "hr_HR"},
    {"latva.trd",      "Latviešu — latva",             "la", false, 0,  Skribo::Latina,     "lv_LV"},
    {"litova.trd",     "Lietuvių — litova",            "li", false, 0,  Skribo::Latina,     "lt_LT"},
    {"nederlanda.trd", "Nederlands — nederlanda",      "nl", false, 0,  Skribo::Latina,     "nl"},
    {"persa.trd",      "فارسی — persa",                "fa", true,  15, Skribo::Araba,      "fa_IR"},
    {"pola.trd",       "Polski — pola",                "pl", false, 0,  Skribo::Latina,     "pl_PL"},
    {"portugala.trd",  "Português — portugala",        "pt", false, 0,  Skribo::Latina,     "pt_BR"},
    {"rusa.trd",       "Русский — rusa",               "ru", false, 0,  Skribo::Cirila,     "ru_RU"},
    {"rusa2.trd",      "Русский (на «ты») — rusa",     "ru", false, 0,  Skribo::Cirila,     "ru_RU"},
    {"serba.trd",      "Српски — serba",               "sr", false, 0,  Skribo::Cirila,     "sr_RS"},
    {"slovaka.trd",    "Slovenčina — slovaka",         "sk", false, 0,  Skribo::Latina,     "sk_SK"},
    {"slovena.trd",    "Slovenščina — slovena",        "sl", false, 13, Skribo::Latina,     "sl_SI"},
    {"sveda.trd",      "Svenska — sveda",              "sv", false, 0,  Skribo::Latina,     "sv_SE"},
    {"turka.trd",      "Türkçe — turka",               "tr", false, 0,  Skribo::Latina,     "tr_TR"},
    {"vjetnama.trd",   "Tiếng Việt — vjetnama",        "vi", false, 0,  Skribo::Latina,     "vi_VN"},
};
// clang-format on

// The Debian package of a dictionary, for the message when it is missing.
QString pako(const QString& vortaro)
{
    static const QMap<QString, QString> esceptoj{
        {"fa_IR", "myspell-fa"}, {"de_DE", "hunspell-de-de"}, {"pt_BR", "hunspell-pt-br"}, {"en_GB", "hunspell-en-gb"}};
    if (esceptoj.contains(vortaro))
        return esceptoj.value(vortaro);
    return QStringLiteral("hunspell-") + vortaro.section(QLatin1Char('_'), 0, 0);
}

const Lingvo* lingvo(const QString& dosiero)
{
    for (const Lingvo& l : Lingvoj)
        if (dosiero == QLatin1String(l.dosiero))
            return &l;
    return nullptr;
}

// Texts that may read as the English one does: in every language ("*"), or
// in the one whose code stands first, because that language spells the word
// so too.
struct SamaVorto
{
    const char* id;
    const char* vorto;
    const char* kialo;
};
const SamaVorto SamajVortoj[] = {
    {"*", "piano", "the instrument's name in most languages"},
    {"*", "zoo", "an international word"},
    {"*", "sport", "an international word"},
    {"*", "café", "a French loan kept as it is in many languages"},
    {"pt", "chocolate", "Portuguese spells it so"},
    {"pt", "animal", "Portuguese spells it so"},
    {"pt", "local", "Portuguese spells it so"},
    {"pt", "compare, cf.", "the Portuguese imperative of comparar is spelt as the English one"},
    {"es", "neutral", "Spanish spells it so"},
    {"es", "chocolate", "Spanish spells it so"},
    {"es", "animal", "Spanish spells it so"},
    {"es", "visible", "Spanish spells it so"},
    {"es", "admirable", "Spanish spells it so"},
    {"es", "local", "Spanish spells it so"},
    {"it", "canada", "the country's name in Italian"},
    {"it", "russia", "the country's name in Italian"},
    {"da", "neutral", "Danish spells it so"},
    {"da", "sandwich", "Danish spells it so"},
    {"da", "sport", "Danish spells it so"},
    {"da", "minibus", "Danish spells it so"},
    {"da", "salt", "Danish spells it so"},
    {"da", "pianist", "Danish spells it so"},
    {"da", "reporter", "Danish spells it so"},
    {"da", "park", "Danish spells it so"},
    {"da", "version", "Danish spells it so"},
    {"da", "send", "Danish spells it so"},
    {"da", "canada", "the country's name in Danish"},
    {"de", "warm", "German spells it so"},
    {"de", "april", "German spells it so"},
    {"de", "august", "German spells it so"},
    {"de", "september", "German spells it so"},
    {"de", "november", "German spells it so"},
    {"de", "neutral", "German spells it so"},
    {"de", "version", "German spells it so"},
    {"de", "esperanto", "the language's name, capitalised as in English"},
    {"nl", "warm", "Dutch spells it so"},
    {"nl", "man", "Dutch spells it so"},
    {"nl", "water", "Dutch spells it so"},
    {"nl", "insect", "Dutch spells it so"},
    {"nl", "week", "Dutch spells it so"},
    {"nl", "school", "Dutch spells it so"},
    {"nl", "sport", "Dutch spells it so"},
    {"nl", "minibus", "Dutch spells it so"},
    {"nl", "wind", "Dutch spells it so"},
    {"nl", "typist", "Dutch spells it so"},
    {"nl", "piano", "Dutch spells it so"},
    {"nl", "pianist", "Dutch spells it so"},
    {"nl", "café", "Dutch spells it so"},
    {"nl", "park", "Dutch spells it so"},
    {"nl", "tram", "Dutch spells it so"},
    {"nl", "corrector", "Dutch spells it so"},
    {"nl", "canada", "the country's name in Dutch"},
    {"nl", "esperanto", "the language's name, capitalised as in English"},
    {"ca", "singular", "Catalan spells it so"},
    {"ca", "plural", "Catalan spells it so"},
    {"ca", "verbs", "Catalan spells it so"},
    {"ca", "paper", "Catalan spells it so"},
    {"ca", "neutral", "Catalan spells it so"},
    {"ca", "animal", "Catalan spells it so"},
    {"ca", "continent", "Catalan spells it so"},
    {"ca", "visible", "Catalan spells it so"},
    {"ca", "admirable", "Catalan spells it so"},
    {"ca", "piano", "Catalan spells it so"},
    {"ca", "reporter", "Catalan spells it so"},
    {"ca", "notes", "Catalan spells it so"},
    {"ca", "present: -anta", "Catalan spells it so"},
    {"ca", "present: -ata", "Catalan spells it so"},
    {"ca", "local", "Catalan spells it so"},
    {"ca", "corrector", "Catalan spells it so"},
    {"ca", "club", "Catalan spells it so"},
    {"sv", "singular", "Swedish spells it so"},
    {"sv", "plural", "Swedish spells it so"},
    {"sv", "son", "Swedish spells it so"},
    {"sv", "man", "Swedish spells it so"},
    {"sv", "neutral", "Swedish spells it so"},
    {"sv", "sport", "Swedish spells it so"},
    {"sv", "lunch", "Swedish spells it so"},
    {"sv", "salt", "Swedish spells it so"},
    {"sv", "piano", "Swedish spells it so"},
    {"sv", "pianist", "Swedish spells it so"},
    {"sv", "reporter", "Swedish spells it so"},
    {"sv", "full", "Swedish spells it so"},
    {"sv", "park", "Swedish spells it so"},
    {"sv", "version", "Swedish spells it so"},
    {"is", "egg", "Icelandic spells it so"},
    {"is", "salt", "Icelandic spells it so"},
    {"hr", "sport", "Croatian spells it so"},
    {"hr", "park", "Croatian spells it so"},
    {"hr", "font:", "the usual term of Croatian software"},
    {"pl", "sport", "Polish spells it so"},
    {"pl", "reporter", "Polish spells it so"},
    {"pl", "park", "Polish spells it so"},
    {"sl", "pianist", "Slovene spells it so"},
    {"sl", "park", "Slovene spells it so"},
    {"cs", "sport", "Czech spells it so"},
    {"cs", "park", "Czech spells it so"},
    {"hu", "tea", "Hungarian spells it so"},
    {"hu", "park", "Hungarian spells it so"},
    {"sk", "park", "Slovak spells it so"},
    {"fi", "piano", "Finnish spells it so"},
    {"tr", "park", "Turkish spells it so"},
    {"tr", "esperanto", "the language's name, capitalised as in English"},
    {"id", "april", "Indonesian spells it so"},
    {"id", "september", "Indonesian spells it so"},
    {"id", "november", "Indonesian spells it so"},
    {"id", "minibus", "Indonesian spells it so"},
    {"id", "piano", "Indonesian spells it so"},
    {"id", "esperanto", "the language's name, capitalised as in English"},
    {"fr", "minute", "French spells it so"},
    {"fr", "question", "French spells it so"},
    {"fr", "sandwich", "French spells it so"},
    {"fr", "minibus", "French spells it so"},
    {"fr", "continent", "French spells it so"},
    {"fr", "cage", "French spells it so"},
    {"fr", "canada", "the country's name in French"},
    {"fr", "joseph", "the name's French form"},
    {"fr", "visible", "French spells it so"},
    {"fr", "reporter", "French spells the loan so"},
    {"fr", "six", "French spells it so"},
    {"fr", "fraction", "French spells it so"},
    {"fr", "local", "French spells it so"},
    {"fr", "version", "French spells it so"},
};

bool samaVorto(const char* id, const QString& teksto)
{
    const QString t = teksto.toLower();
    for (const SamaVorto& v : SamajVortoj)
        if ((qstrcmp(v.id, "*") == 0 || qstrcmp(v.id, id) == 0) && t == QString::fromUtf8(v.vorto))
            return true;
    return false;
}

// English words spelt like an Esperanto word of the Esperanto text beside
// them: there they are English, and a translation need not keep them.
const QMap<QString, QString> AnglajVortoj{
    {"same", "English \"the same\", not Esperanto \"same\" (likewise)"},
    {"video", "English \"video\", not a form of Esperanto \"vid-\""},
    {"for", "English \"for\", not Esperanto \"for\" (away)"},
    {"do", "English \"do\", not Esperanto \"do\" (so)"},
    {"zoo", "English \"zoo\", which a hint translates like any other word; Esperanto spells it alike"},
};

// A file's text that may differ from the English in one check, and why.
struct Escepto
{
    const char* dosiero;
    const char* sxlosilo;
    const char* kontrolo;
    const char* kialo;
};
const Escepto Esceptoj[] = {
    {"esperanto.trd", "Lec09/Label37", "linioj",
     "the Esperanto interface retells the Esperanto song in prose instead of giving its verse again"},
};

bool escepto(const QString& dosiero, const QString& sxlosilo, const char* kontrolo)
{
    for (const Escepto& e : Esceptoj)
        if (dosiero == QLatin1String(e.dosiero) && sxlosilo == QLatin1String(e.sxlosilo)
            && qstrcmp(kontrolo, e.kontrolo) == 0)
            return true;
    return false;
}

// Words in Latin letters, with the hyphen that marks an ending or an affix
// ("-n", "KI-", "-ig-") and the hyphens inside ("ĵur-NA-lo"); a cited affix
// keeps its hyphen where a Korean particle follows it unspaced ("mal-은").
const QRegularExpression LatinaVorto(
    QStringLiteral("(?:(?<![\\p{L}\\p{N}])-)?\\p{Latin}+(?:['’]\\p{Latin}+)*(?:-\\p{Latin}+(?:['’]\\p{Latin}+)*)*"
                   "(?:-(?![\\p{Latin}\\p{N}]))?"));

QStringList latinajVortoj(const QString& t)
{
    QStringList el;
    auto it = LatinaVorto.globalMatch(t);
    while (it.hasNext())
        el << it.next().captured();
    return el;
}

bool cxapelita(const QString& v)
{
    static const QRegularExpression c(QStringLiteral("[ĉĝĥĵŝŭĈĜĤĴŜŬ]"));
    return c.match(v).hasMatch();
}

using Tekstoj = QMap<QString, QString>; // "Section/Key" -> text

struct Legita
{
    Tekstoj tekstoj;
    QStringList listoj; // keys whose value read back as a list
    QMap<QString, QString> kapo;
};

Legita legas(const QString& vojo)
{
    Legita el;
    IniDosiero ini(vojo);
    for (const QString& k : ini.allKeys()) {
        const QVariant v = ini.value(k);
        if (k.startsWith(QLatin1String("Traduko/")))
            el.kapo.insert(k.mid(8), v.toString());
        else
            el.tekstoj.insert(k, IniDosiero::teksto(v));
        if (v.type() != QVariant::String)
            el.listoj << k;
    }
    return el;
}

int nombroDe(const QString& t, QChar c)
{
    return int(t.count(c));
}

// Clock times and percentages, with digits of any script as ASCII ones:
// the forms a learner types or a score is read in. Numbers in prose may be
// written out as a language likes ("lesson 6", "the sixth lesson"). French
// typography puts a no-break space before the percent sign, Turkish the
// sign before the number ("%70").
QSet<QString> nombroj(const QString& t)
{
    static const QRegularExpression n(
        QStringLiteral("\\d{1,2}:\\d\\d|\\d+[\\s\\x{00A0}\\x{202F}]?[%٪]|[%٪][\\x{00A0}]?\\d+"));
    QSet<QString> el;
    auto it = n.globalMatch(t);
    while (it.hasNext()) {
        QString s;
        bool procento = false;
        for (const QChar c : it.next().captured())
            if (c.isDigit())
                s += QChar('0' + c.digitValue());
            else if (c == QLatin1Char(':'))
                s += c;
            else if (!c.isSpace())
                procento = true;
        el.insert(procento ? s + QLatin1Char('%') : s);
    }
    return el;
}

QStringList html(const QString& t)
{
    static const QRegularExpression e(QStringLiteral("<[^<>]+>|&(?:#\\d+|#[xX][0-9a-fA-F]+|[A-Za-z]\\w*);"));
    QStringList el;
    auto it = e.globalMatch(t);
    while (it.hasNext())
        el << it.next().captured().toLower();
    el.sort();
    return el;
}

bool propraSkribo(Skribo s, QChar::Script sk)
{
    switch (s) {
    case Skribo::Cirila:
        return sk == QChar::Script_Cyrillic;
    case Skribo::Greka:
        return sk == QChar::Script_Greek;
    case Skribo::Araba:
        return sk == QChar::Script_Arabic;
    case Skribo::Devanagara:
        return sk == QChar::Script_Devanagari;
    case Skribo::Hana:
        return sk == QChar::Script_Han;
    case Skribo::Japana:
        return sk == QChar::Script_Han || sk == QChar::Script_Hiragana || sk == QChar::Script_Katakana;
    case Skribo::Hangula:
        return sk == QChar::Script_Hangul || sk == QChar::Script_Han;
    case Skribo::Latina:
        break;
    }
    return sk == QChar::Script_Latin;
}

// Debian's Hindi dictionary names no word characters, so hunspell ends a
// word at every vowel sign and judges the pieces ("नह", "ं"). A copy of it
// that counts the script's combining marks as letters judges words whole.
QString vortaroKunSignoj(const QString& vortaro, const QTemporaryDir& dosierujo)
{
    const QString fonto = QStringLiteral("/usr/share/hunspell/") + vortaro;
    QFile aff(fonto + QStringLiteral(".aff"));
    if (!dosierujo.isValid() || !aff.open(QIODevice::ReadOnly))
        return vortaro;
    QByteArray reguloj = aff.readAll();
    if (reguloj.startsWith("WORDCHARS") || reguloj.contains("\nWORDCHARS"))
        return vortaro;
    QString signoj;
    for (ushort c = 0x0900; c <= 0x097F; ++c) {
        const QChar::Category k = QChar(c).category();
        if (k == QChar::Mark_NonSpacing || k == QChar::Mark_SpacingCombining)
            signoj += QChar(c);
    }
    reguloj += "\nWORDCHARS " + signoj.toUtf8() + '\n';
    const QString celo = dosierujo.filePath(vortaro);
    QFile kopio(celo + QStringLiteral(".aff"));
    if (!kopio.open(QIODevice::WriteOnly) || kopio.write(reguloj) != reguloj.size()
        || !QFile::copy(fonto + QStringLiteral(".dic"), celo + QStringLiteral(".dic")))
        return vortaro;
    return celo;
}

// Runs hunspell over one text a line; gives the words the dictionary does
// not know, -1 when hunspell cannot start, its exit code otherwise.
int hunspell(const QString& vortaro, const QStringList& linioj, QSet<QString>* nekonataj, QString* eraroj)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(e);
    p.start(QStringLiteral("hunspell"), {"-i", "UTF-8", "-d", vortaro, "-l"});
    if (!p.waitForStarted())
        return -1;
    p.write(linioj.join(QLatin1Char('\n')).toUtf8() + '\n');
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    const QStringList vortoj =
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    *nekonataj = QSet<QString>(vortoj.begin(), vortoj.end());
    *eraroj = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

// Some dictionaries count quote marks, full stops and slashes as letters of
// a word, so hunspell hands back "'een", "jongen'." or "de/het" whole. What
// is judged is each word inside: the marks at either end go, a slash parts
// two words, and a piece without letters (a fraction, a lone slash) is no
// word at all.
QStringList kernoj(const QString& vorto)
{
    static const QString randoj = QStringLiteral("'\u2019\u2018.-");
    QStringList el;
    for (QString peco : vorto.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        while (!peco.isEmpty() && randoj.contains(peco.front()))
            peco.remove(0, 1);
        while (!peco.isEmpty() && randoj.contains(peco.back()))
            peco.chop(1);
        if (std::any_of(peco.cbegin(), peco.cend(), [](QChar c) { return c.isLetter(); }))
            el << peco;
    }
    return el;
}

QString kie(const QString& sxlosilo)
{
    return QStringLiteral("[%1] %2").arg(sxlosilo.section(QLatin1Char('/'), 0, 0),
                                         sxlosilo.section(QLatin1Char('/'), 1));
}

// Fails with `titolo` and every entry of `eroj`, one a line (a failure
// message itself has room for only about a thousand characters).
bool senEraroj(const QStringList& eroj, const QString& titolo, int linio)
{
    if (eroj.isEmpty())
        return true;
    // A whole file in English would run into Qt Test's limit on messages.
    const int montrataj = 40;
    for (const QString& e : eroj.mid(0, montrataj))
        qInfo().noquote() << QStringLiteral("  ") + e;
    if (eroj.size() > montrataj)
        qInfo().noquote() << QStringLiteral("  ... and %1 more").arg(eroj.size() - montrataj);
    const QString mesagxo = QStringLiteral("%1 (%2, listed above)").arg(titolo).arg(eroj.size());
    QTest::qFail(qPrintable(mesagxo), __FILE__, linio);
    return false;
}
#define SEN_ERAROJ(eroj, titolo)                                                                                       \
    do {                                                                                                               \
        if (!senEraroj(eroj, titolo, __LINE__))                                                                        \
            return;                                                                                                    \
    } while (false)

// What a translation's record of the English its texts were made from says
// against angla.trd as it stands (FontRegistro): every key to review, named
// as the record's command takes it, ten a line.
struct Fontoj
{
    QString eraro;
    QStringList malnovaj, senRegistro, restantaj;

    explicit Fontoj(const QString& vojo)
    {
        const FontRegistro r(vojo);
        eraro = r.eraro();
        malnovaj = r.malnovaj();
        senRegistro = r.senRegistro();
        restantaj = r.restantaj();
    }
    int nombro() const { return int(malnovaj.size() + senRegistro.size() + restantaj.size()); }
    QStringList linioj() const
    {
        QStringList el;
        if (!eraro.isEmpty())
            el << eraro;
        const auto listas = [&](const QStringList& sxlosiloj, const QString& kio) {
            for (int i = 0; i < sxlosiloj.size(); i += 10)
                el << kio + QStringLiteral(": ") + sxlosiloj.mid(i, 10).join(QLatin1Char(' '));
        };
        listas(malnovaj, QStringLiteral("English changed since the text was made"));
        listas(senRegistro, QStringLiteral("no record of the English the text was made from"));
        listas(restantaj, QStringLiteral("recorded, but angla.trd has no such key"));
        return el;
    }
};

// A made-up English file and its translation (CRLF, quoted as QSettings
// quotes), with the record of the English they were made from.
const QByteArray FiksAngla = "[Traduko]\r\nLingvo=English \xe2\x80\x94 angla\r\nLingvoID=en\r\n\r\n"
                             "[Lec01]\r\nLabel2=Hello\r\nLabel10=\"Good day, friend\"\r\n\r\n"
                             "[Lec02]\r\nLabel1=Bye\r\n";
const QByteArray FiksGermana = "[Traduko]\r\nLingvo=Deutsch \xe2\x80\x94 germana\r\nLingvoID=de\r\n\r\n"
                               "[Lec01]\r\nLabel2=Hallo\r\nLabel10=\"Guten Tag, Freund\"\r\n\r\n"
                               "[Lec02]\r\nLabel1=Tsch\xc3\xbcss\r\n";
const QByteArray FiksRegistro = "# The English each text of germana.trd was made from: key and hash of angla.trd's "
                                "text (tools/tradukfontoj).\n"
                                "Lec01/Label2 185f8db32271fe25\n"
                                "Lec01/Label10 f8d6c6f8ed93a6fe\n"
                                "Lec02/Label1 128901223aac8df3\n";

} // namespace

class TestoTradukoj : public QObject
{
    Q_OBJECT

    QString dosierujo; // resources/tradukoj of the source tree
    Tekstoj angla;
    Tekstoj esperanta;
    QSet<QString> malmajusklaj; // words that stand in lower case in either file

    QString tiparo; // the interface font a learner starts with

    // The Esperanto of an English text that every translation keeps: words
    // with the Esperanto letters, and the words the Esperanto text beside it
    // cites too (examples, endings, affixes), save English words spelt alike.
    QStringList esperantajVortoj(const QString& sxlosilo) const
    {
        QSet<QString> eo;
        for (const QString& v : latinajVortoj(esperanta.value(sxlosilo)))
            eo.insert(v.toLower());
        const QString en = angla.value(sxlosilo);
        QStringList el;
        auto it = LatinaVorto.globalMatch(en);
        while (it.hasNext()) {
            const auto m = it.next();
            const QString v = m.captured();
            const QString mv = v.toLower();
            // A capital inside a sentence starts a name ("Klara", not klara:
            // clear); a word with an Esperanto letter is Esperanto there too.
            const bool nomeca =
                v.at(0).isUpper() && (nomo(v) || (!cxapelita(v) && !frazkomenco(en, int(m.capturedStart()))));
            if (nomeca || v.size() < 2 || romia(v) || el.contains(mv))
                continue;
            if (cxapelita(v) || (eo.contains(mv) && !AnglajVortoj.contains(mv)))
                el << mv;
        }
        return el;
    }

    static bool frazkomenco(const QString& t, int i)
    {
        static const QString malfermaj = QStringLiteral(" \t\"“‘'«(—–");
        static const QString finaj = QStringLiteral(".!?:;…\n");
        while (i > 0 && malfermaj.contains(t.at(i - 1)) && !finaj.contains(t.at(i - 1)))
            --i;
        return i == 0 || finaj.contains(t.at(i - 1));
    }

    // A name never stands in lower case in the English or Esperanto file;
    // other scripts write it in their own letters ("Maria", "Esperanto").
    bool nomo(const QString& v) const { return v.at(0).isUpper() && !malmajusklaj.contains(v.toLower()); }

    static bool romia(const QString& v)
    {
        static const QRegularExpression r(QStringLiteral("^[IVX]+$"));
        return r.match(v).hasMatch();
    }

    // The text without its Esperanto, names and Roman numerals: what its
    // own language must carry.
    QString senEsperanto(const QString& sxlosilo, const QString& teksto) const
    {
        const QStringList eo = esperantajVortoj(sxlosilo);
        const QStringList anglaj = latinajVortoj(angla.value(sxlosilo));
        QString el;
        int de = 0;
        auto it = LatinaVorto.globalMatch(teksto);
        while (it.hasNext()) {
            const auto m = it.next();
            const QString v = m.captured();
            el += teksto.mid(de, m.capturedStart() - de);
            // Affixes and endings written as such ("-ed", "KI-") are grammar,
            // a letter alone names a letter or a field.
            const bool afikso = v.startsWith(QLatin1Char('-')) || v.endsWith(QLatin1Char('-'));
            // A name the translation keeps as the English writes it ("Klara") is no word of its language.
            const bool kielAngle = v.at(0).isUpper() && anglaj.contains(v);
            if (eo.contains(v.toLower()) || cxapelita(v) || nomo(v) || romia(v) || afikso || v.size() < 2 || kielAngle)
                el += QLatin1Char(' ');
            else
                el += v;
            de = m.capturedEnd();
        }
        el += teksto.mid(de);
        el.replace(QChar(0x200E), QLatin1Char(' '));
        el.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return el;
    }

    // A row per translation file; the checks that compare a file with the
    // English leave out angla.trd, which they would compare with itself.
    static void vicoj(bool senAngla = false)
    {
        QTest::addColumn<QString>("dosiero");
        for (const QString& n : testilo::tradukoj())
            if (!senAngla || n != QLatin1String("angla.trd"))
                QTest::newRow(qPrintable(n)) << n;
    }

    // A folder with angla.trd, germana.trd and, given one, germana.trd's
    // record of the English its texts were made from.
    static void fontFiksajho(const QTemporaryDir& d, const QByteArray& angla, const QByteArray* registro,
                             const QByteArray& germana = FiksGermana)
    {
        if (!angla.isNull())
            testilo::skribas(d.filePath(QStringLiteral("angla.trd")), angla);
        testilo::skribas(d.filePath(QStringLiteral("germana.trd")), germana);
        if (registro)
            testilo::skribas(d.filePath(QStringLiteral("fontoj/germana.txt")), *registro);
    }

    // Runs the record's command as a reviewer does; its exit code, -1 when it
    // did not run to its end.
    static int tradukfontoj(const QStringList& argumentoj, QString* eligo)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(LERBO_TRADUKFONTOJ), argumentoj);
        const bool finis = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
        *eligo = QString::fromUtf8(p.readAll());
        return finis ? p.exitCode() : -1;
    }

    // The built-in copy, which is what the program reads; the row fails when
    // the file is not built in.
    static Legita enkonstruita(const QString& dosiero)
    {
        const QString vojo = QStringLiteral(":/tradukoj/") + dosiero;
        if (!QFile::exists(vojo))
            QTest::qFail(qPrintable(dosiero + QStringLiteral(" is not listed in resources/tradukoj.qrc")), __FILE__,
                         __LINE__);
        return legas(vojo);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("LERBO_FONTO").isEmpty(), "LERBO_FONTO names the source tree");
        dosierujo = qEnvironmentVariable("LERBO_FONTO") + QStringLiteral("/resources/tradukoj/");
        angla = legas(dosierujo + QStringLiteral("angla.trd")).tekstoj;
        esperanta = legas(dosierujo + QStringLiteral("esperanto.trd")).tekstoj;
        QVERIFY(angla.size() > 1000);
        for (const Tekstoj* t : {&angla, &esperanta})
            for (const QString& teksto : *t)
                for (const QString& v : latinajVortoj(teksto))
                    if (!v.at(0).isUpper() && !v.startsWith(QLatin1Char('-')))
                        malmajusklaj.insert(v.toLower());
        // A settings file that does not exist gives the defaults main() starts with.
        Agordoj::legas(QDir::homePath() + QStringLiteral("/nenia.ini"));
        tiparo = sTiparo;
        QVERIFY(!tiparo.isEmpty());
    }

    void kapo_data() { vicoj(); }
    void kapo()
    {
        QFETCH(QString, dosiero);
        const Lingvo* l = lingvo(dosiero);
        QVERIFY2(l, qPrintable(dosiero + QStringLiteral(" has no row in the language table of tst_tradukoj.cpp")));
        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.kapo.value(QStringLiteral("Lingvo")), QString::fromUtf8(l->lingvo));
        QCOMPARE(t.kapo.value(QStringLiteral("LingvoID")), QString::fromLatin1(l->id));
        QCOMPARE(t.kapo.value(QStringLiteral("Tradukinto")), QStringLiteral("Lerbo de Esperanto"));
        QCOMPARE(t.kapo.value(QStringLiteral("Dato")), QStringLiteral("09.07.2020"));
        QCOMPARE(t.kapo.value(QStringLiteral("Direkto")), l->rtl ? QStringLiteral("RTL") : QString());
        QCOMPARE(t.kapo.value(QStringLiteral("LiterGrando")),
                 l->literGrando ? QString::number(l->literGrando) : QString());
        // Besides these a header may name the old help pages, which nothing
        // reads; any other key is a slip.
        const QStringList konataj{"Lingvo",  "LingvoID",    "Tradukinto", "Dato",
                                  "Direkto", "LiterGrando", "KioDosiero", "KielDosiero"};
        for (const QString& k : t.kapo.keys())
            QVERIFY2(konataj.contains(k), qPrintable(QStringLiteral("unknown header key ") + k));
    }

    void kompleta_data() { vicoj(); }
    void kompleta()
    {
        QFETCH(QString, dosiero);
        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        QStringList mankas, kromaj, malplenaj, listoj, cititaj;
        for (auto it = angla.constBegin(); it != angla.constEnd(); ++it)
            if (!t.tekstoj.contains(it.key()))
                mankas << kie(it.key());
        for (auto it = t.tekstoj.constBegin(); it != t.tekstoj.constEnd(); ++it) {
            if (!angla.contains(it.key()))
                kromaj << kie(it.key());
            else if (it.value().trimmed().isEmpty())
                malplenaj << kie(it.key());
            // Quotes left at an end are quoting the reader did not take.
            if (it.value().startsWith(QLatin1Char('"')) || it.value().endsWith(QLatin1Char('"')))
                cititaj << kie(it.key());
        }
        for (const QString& k : t.listoj)
            if (!k.startsWith(QLatin1String("Traduko/")))
                listoj << kie(k);
        SEN_ERAROJ(mankas, QStringLiteral("missing"));
        SEN_ERAROJ(kromaj, QStringLiteral("not in angla.trd"));
        SEN_ERAROJ(malplenaj, QStringLiteral("empty"));
        SEN_ERAROJ(listoj, QStringLiteral("read back as a list (quote the value)"));
        SEN_ERAROJ(cititaj, QStringLiteral("stray quote at an end"));
    }

    void netusxita_data() { vicoj(true); }
    void netusxita()
    {
        QFETCH(QString, dosiero);
        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        QStringList eraroj;
        for (auto it = t.tekstoj.constBegin(); it != t.tekstoj.constEnd(); ++it) {
            const QString& k = it.key();
            if (!angla.contains(k))
                continue;
            const QString& en = angla.value(k);
            const QString& tr = it.value();
            QSet<QString> vortoj;
            for (const QString& v : latinajVortoj(tr))
                vortoj.insert(v.toLower());
            // Finnish and Hungarian join a cited word to its own noun with a
            // hyphen ("-a-loppuiset", "kaj-sanalla"), Turkish hangs its case
            // endings on a foreign word after an apostrophe ("katon'daki"):
            // the cited word still stands whole at the front.
            auto kunmetita = [&](const QString& v) {
                return std::any_of(vortoj.cbegin(), vortoj.cend(), [&](const QString& w) {
                    return w.startsWith(v + QLatin1Char('-')) || w.startsWith(v + QLatin1Char('\''))
                           || w.startsWith(v + QChar(0x2019));
                });
            };
            QStringList mankas;
            for (const QString& v : esperantajVortoj(k))
                if (!vortoj.contains(v) && !kunmetita(v))
                    mankas << v;
            if (!mankas.isEmpty())
                eraroj << kie(k)
                              + QStringLiteral(": Esperanto \"%1\" is not kept")
                                    .arg(mankas.join(QStringLiteral("\", \"")));
            const QSet<QString> n = nombroj(en);
            if (!nombroj(tr).contains(n))
                eraroj << kie(k) + QStringLiteral(": a time or percentage of the English is not kept");
            if (html(en) != html(tr))
                eraroj << kie(k) + QStringLiteral(": HTML tags or entities differ from the English");
            if (nombroDe(tr, QChar(0x200E)) < nombroDe(en, QChar(0x200E)))
                eraroj << kie(k) + QStringLiteral(": a left-to-right mark of the English is lost");
            if (nombroDe(tr, QLatin1Char('\n')) != nombroDe(en, QLatin1Char('\n')) && !escepto(dosiero, k, "linioj"))
                eraroj << kie(k)
                              + QStringLiteral(": %1 line breaks, the English has %2")
                                    .arg(nombroDe(tr, QLatin1Char('\n')))
                                    .arg(nombroDe(en, QLatin1Char('\n')));
            const bool komenco = !en.isEmpty() && en.at(0).isSpace();
            const bool fino = !en.isEmpty() && en.back().isSpace();
            if (komenco != (!tr.isEmpty() && tr.at(0).isSpace()) || fino != (!tr.isEmpty() && tr.back().isSpace()))
                eraroj << kie(k) + QStringLiteral(": leading or trailing blanks differ from the English");
        }
        SEN_ERAROJ(eraroj, QStringLiteral("not kept as the English has it"));
    }

    // No English left, and in a language with a script of its own most
    // letters of every text in it. For esperanto.trd the first is all:
    // its Esperanto is the spell check's to judge (tst_literumado).
    void propraLingvo_data() { vicoj(true); }
    void propraLingvo()
    {
        QFETCH(QString, dosiero);
        const Lingvo* l = lingvo(dosiero);
        QVERIFY2(l, qPrintable(dosiero + QStringLiteral(" has no row in the language table")));
        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        QStringList anglaj, skriboj;
        for (auto it = t.tekstoj.constBegin(); it != t.tekstoj.constEnd(); ++it) {
            const QString& k = it.key();
            const QString sen = senEsperanto(k, it.value());
            int literoj = 0, propraj = 0;
            // A letter of no script of its own (the Japanese length mark ー)
            // belongs to whatever it stands in.
            for (const QChar c : sen)
                if (c.isLetter() && c.script() != QChar::Script_Common && c.script() != QChar::Script_Inherited) {
                    ++literoj;
                    propraj += propraSkribo(l->skribo, c.script());
                }
            if (literoj > 0 && it.value() == angla.value(k) && !samaVorto(l->id, it.value()))
                anglaj << kie(k) + QStringLiteral(": ") + it.value();
            if (l->skribo != Skribo::Latina && literoj > 0 && 2 * propraj <= literoj)
                skriboj << kie(k)
                               + QStringLiteral(": %1 of %2 letters in the language's script: %3")
                                     .arg(propraj)
                                     .arg(literoj)
                                     .arg(it.value());
        }
        SEN_ERAROJ(anglaj, QStringLiteral("the English text, untranslated"));
        SEN_ERAROJ(skriboj, QStringLiteral("not in the language's script"));
    }

    void literumado_data() { vicoj(); }
    void literumado()
    {
        QFETCH(QString, dosiero);
        const Lingvo* l = lingvo(dosiero);
        QVERIFY2(l, qPrintable(dosiero + QStringLiteral(" has no row in the language table")));
        QString vortaro = QString::fromLatin1(l->vortaro);
        if (vortaro.isEmpty())
            QSKIP(
                qPrintable(QStringLiteral("Debian 12 has no hunspell dictionary for %1; its spelling is left to review")
                               .arg(QString::fromUtf8(l->lingvo))));
        if (vortaro == QLatin1String("eo"))
            QSKIP("tst_literumado spell-checks esperanto.trd with the rules Esperanto's forms need");
        const QTemporaryDir provizora;
        if (l->skribo == Skribo::Devanagara)
            vortaro = vortaroKunSignoj(vortaro, provizora);
        QSet<QString> nekonataj;
        QString eraroj;
        const int stato = hunspell(QStringLiteral("eo"), {QStringLiteral("ĉambro")}, &nekonataj, &eraroj);
        if (stato < 0)
            LERBO_MANKAS("hunspell is not installed (Debian: apt-get install hunspell; tools/bezonoj.sh installs it)");
        if (stato != 0)
            LERBO_MANKAS("hunspell has no Esperanto dictionary (Debian: myspell-eo; tools/bezonoj.sh installs it)");
        if (hunspell(vortaro, {QStringLiteral("a")}, &nekonataj, &eraroj) != 0)
            LERBO_MANKAS(
                qPrintable(QStringLiteral("hunspell has no dictionary %1 (Debian: %2; tools/bezonoj.sh installs it)")
                               .arg(vortaro, pako(vortaro))));

        const QString listoVojo =
            QStringLiteral("%1/tests/vortlisto_%2.txt").arg(qEnvironmentVariable("LERBO_FONTO"), l->id);
        // A language whose dictionary knows every word of its file has no list.
        QList<vortlistoj::Ero> listaj;
        vortlistoj::legas(listoVojo, &listaj);
        QSet<QString> listo;
        for (const vortlistoj::Ero& e : qAsConst(listaj))
            listo.insert(e.vorto);

        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        QStringList linioj;
        QList<QPair<QString, QString>> tekstoj;
        for (auto it = t.tekstoj.constBegin(); it != t.tekstoj.constEnd(); ++it) {
            const QString sen = senEsperanto(it.key(), it.value());
            linioj << sen;
            tekstoj << qMakePair(it.key(), sen);
        }
        QVERIFY2(hunspell(vortaro, linioj, &nekonataj, &eraroj) == 0,
                 qPrintable(QStringLiteral("hunspell: ") + eraroj));
        // Words handed back with marks around them: only the words inside
        // are looked up again, and only those still unknown stay.
        QStringList kernaj;
        for (const QString& v : qAsConst(nekonataj))
            if (kernoj(v) != QStringList{v})
                kernaj << kernoj(v);
        if (!kernaj.isEmpty()) {
            QSet<QString> kernajNekonataj;
            QVERIFY2(hunspell(vortaro, kernaj, &kernajNekonataj, &eraroj) == 0,
                     qPrintable(QStringLiteral("hunspell: ") + eraroj));
            QSet<QString> restas;
            for (const QString& v : qAsConst(nekonataj)) {
                const QStringList k = kernoj(v);
                if (k == QStringList{v})
                    restas.insert(v);
                else
                    for (const QString& peco : k)
                        if (kernajNekonataj.contains(peco))
                            restas.insert(peco);
            }
            nekonataj = restas;
        }
        // One call for all the words the language's dictionary lacks; only
        // words in Latin letters can be Esperanto ones (and the Esperanto
        // dictionary's 8-bit encoding holds no other script).
        static const QRegularExpression latina(QStringLiteral("^[\\p{Latin}'’-]+$"));
        QStringList kandidatoj;
        for (const QString& v : qAsConst(nekonataj))
            if (latina.match(v).hasMatch())
                kandidatoj << v;
        QSet<QString> neEsperantaj;
        QVERIFY2(hunspell(QStringLiteral("eo"), kandidatoj, &neEsperantaj, &eraroj) == 0,
                 qPrintable(QStringLiteral("hunspell: ") + eraroj));
        for (const QString& v : qAsConst(nekonataj))
            if (!kandidatoj.contains(v))
                neEsperantaj.insert(v);
        QStringList malbonaj;
        QStringList ordigitaj(neEsperantaj.begin(), neEsperantaj.end());
        ordigitaj.sort();
        for (const QString& v : ordigitaj) {
            if (listo.contains(v))
                continue;
            const QRegularExpression tuta(
                QStringLiteral("(?<![\\p{L}\\p{M}])%1(?![\\p{L}\\p{M}])").arg(QRegularExpression::escape(v)));
            QStringList lokoj;
            for (const auto& kt : qAsConst(tekstoj))
                if (tuta.match(kt.second).hasMatch())
                    lokoj << kie(kt.first);
            // The message has room for a few places a word.
            const int pli = int(lokoj.size()) - 3;
            if (pli > 1)
                lokoj = lokoj.mid(0, 3) << QStringLiteral("%1 more").arg(pli);
            malbonaj << QStringLiteral("\"%1\" at %2").arg(v, lokoj.join(QStringLiteral("; ")));
        }
        SEN_ERAROJ(malbonaj, QStringLiteral("not in the %1 dictionary, the Esperanto one nor tests/vortlisto_%2.txt")
                                 .arg(vortaro, QString::fromLatin1(l->id)));
    }

    // A character that no installed font has is drawn as an empty box: its
    // glyph index is 0 in the run of the font that could not draw it.
    void desegnebla_data() { vicoj(); }
    void desegnebla()
    {
        QFETCH(QString, dosiero);
        const Lingvo* l = lingvo(dosiero);
        QFont f(tiparo);
        f.setPointSize(l && l->literGrando ? l->literGrando : iLiterGrando);
        const Legita t = enkonstruita(dosiero);
        if (QTest::currentTestFailed())
            return;
        auto truoj = [&](const QString& teksto) {
            QTextLayout aranghilo(teksto, f);
            QTextOption o;
            o.setTextDirection(l && l->rtl ? Qt::RightToLeft : Qt::LeftToRight);
            aranghilo.setTextOption(o);
            aranghilo.beginLayout();
            while (aranghilo.createLine().isValid()) {
            }
            aranghilo.endLayout();
            for (const QGlyphRun& r : aranghilo.glyphRuns())
                if (r.glyphIndexes().contains(0))
                    return true;
            return false;
        };
        QStringList eraroj;
        for (auto it = t.tekstoj.constBegin(); it != t.tekstoj.constEnd(); ++it) {
            QString teksto = it.value();
            teksto.replace(QLatin1Char('\n'), QChar::LineSeparator);
            if (!truoj(teksto))
                continue;
            // Which characters: each alone, so that the message names them.
            QStringList signoj;
            const QVector<uint> kodoj = teksto.toUcs4();
            for (const uint k : kodoj) {
                const QString s = QString::fromUcs4(&k, 1);
                const QString nomo = QStringLiteral("U+%1 \"%2\"")
                                         .arg(QString::number(k, 16).toUpper().rightJustified(4, QLatin1Char('0')), s);
                if (!signoj.contains(nomo) && truoj(s))
                    signoj << nomo;
            }
            eraroj << kie(it.key()) + QStringLiteral(": no glyph for ")
                          + (signoj.isEmpty() ? QStringLiteral("a character in its context")
                                              : signoj.join(QStringLiteral(", ")));
        }
        SEN_ERAROJ(eraroj, QStringLiteral("not drawable in %1 or its fallback fonts").arg(tiparo));
    }

    // Every text was made from (or reviewed against) angla.trd's present
    // English: a key whose English changed since is named until a reviewer
    // has read its text again and recorded the English it follows.
    void sekvasAnglan_data() { vicoj(true); }
    void sekvasAnglan()
    {
        QFETCH(QString, dosiero);
        const Fontoj f(dosierujo + dosiero);
        if (f.eraro.isEmpty() && f.nombro() == 0)
            return;
        // Every key, however many: they are what the reviewer goes through.
        qInfo().noquote() << dosiero + QLatin1Char(':');
        for (const QString& l : f.linioj())
            qInfo().noquote() << QStringLiteral("  ") + l;
        const QString vojo = QStringLiteral("resources/tradukoj/") + dosiero;
        QFAIL(qPrintable(
            f.eraro.isEmpty()
                ? QStringLiteral("%1: %2 to review against angla.trd (keys listed above). "
                                 "\"tradukfontoj malnovaj %3\" shows each with its English; after review, "
                                 "\"tradukfontoj reviziitaj %3 KEY...\" records the English it now follows "
                                 "(tools/tradukfontoj, built with everything)")
                      .arg(dosiero)
                      .arg(f.nombro() == 1 ? QStringLiteral("1 text") : QStringLiteral("%1 texts").arg(f.nombro()))
                      .arg(vojo)
                : QStringLiteral("%1: the record of the English its texts were made from cannot be judged: %2")
                      .arg(dosiero, f.eraro)));
    }

    // The check above on a translation of a made-up English file: quiet
    // while the English stays, naming the key whose English changes, quiet
    // again once the record's command has been run after review.
    void sekvasAnglan_fiksajho()
    {
        QTemporaryDir d;
        QVERIFY(d.isValid());
        const QString germana = d.filePath(QStringLiteral("germana.trd"));
        fontFiksajho(d, FiksAngla, nullptr);
        QCOMPARE(Fontoj(germana).linioj(),
                 QStringList{QStringLiteral("no record of the English the text was made from: Lec01/Label2 "
                                            "Lec01/Label10 Lec02/Label1")});
        QString eligo;
        QCOMPARE(tradukfontoj({QStringLiteral("reviziitaj"), germana, QStringLiteral("--cxiuj")}, &eligo), 0);
        QCOMPARE(Fontoj(germana).linioj(), QStringList());

        QByteArray nova = FiksAngla;
        nova.replace("Good day, friend", "Good evening, friend");
        testilo::skribas(d.filePath(QStringLiteral("angla.trd")), nova);
        QCOMPARE(Fontoj(germana).linioj(),
                 QStringList{QStringLiteral("English changed since the text was made: Lec01/Label10")});
        QCOMPARE(tradukfontoj({QStringLiteral("malnovaj"), germana}, &eligo), 1);
        QVERIFY2(eligo.contains(QStringLiteral("Lec01/Label10: the English changed")), qPrintable(eligo));
        QVERIFY2(eligo.contains(QStringLiteral("English now: Good evening, friend")), qPrintable(eligo));
        QVERIFY2(eligo.contains(QStringLiteral("germana.trd: Guten Tag, Freund")), qPrintable(eligo));

        QCOMPARE(tradukfontoj({QStringLiteral("reviziitaj"), germana, QStringLiteral("Lec01/Label10")}, &eligo), 0);
        QCOMPARE(Fontoj(germana).linioj(), QStringList());
        QCOMPARE(tradukfontoj({QStringLiteral("malnovaj"), germana}, &eligo), 0);

        // A key new in angla.trd is listed for the translator who adds it,
        // with nothing after "English now" to mistake for a translation.
        nova.append("Label2=See you\r\n");
        testilo::skribas(d.filePath(QStringLiteral("angla.trd")), nova);
        QCOMPARE(tradukfontoj({QStringLiteral("malnovaj"), germana}, &eligo), 1);
        QVERIFY2(eligo.contains(QStringLiteral("Lec02/Label2: not in the translation yet")), qPrintable(eligo));
        QVERIFY2(eligo.contains(QStringLiteral("English now: See you\n  After review")), qPrintable(eligo));
    }

    // What the record says against angla.trd. The hashes of the fixture's
    // record are written out: records in the repository hold them, so the
    // hash must never change under them.
    void registro_data()
    {
        QTest::addColumn<QByteArray>("anglaTeksto");
        QTest::addColumn<QByteArray>("germana");
        QTest::addColumn<QByteArray>("registro"); // null: no record yet
        QTest::addColumn<QStringList>("malnovaj");
        QTest::addColumn<QStringList>("senRegistro");
        QTest::addColumn<QStringList>("restantaj");
        QTest::addColumn<QString>("eraro");
        const QStringList nenio;
        QByteArray sxangxita = FiksAngla;
        sxangxita.replace("Label2=Hello", "Label2=Hello!");
        // The same texts as the reader gives them back: quoted or not, an
        // unquoted comma read as a list, LF for CRLF.
        QByteArray citita = FiksAngla;
        citita.replace("Label2=Hello", "Label2=\"Hello\"").replace("\"Good day, friend\"", "Good day, friend");
        citita.replace("\r\n", "\n");
        QByteArray nova = FiksAngla + "Label3=New\r\n";
        QByteArray novaTraduko = FiksGermana + "Label3=Neu\r\n";
        QByteArray sen = FiksAngla;
        sen.replace("Label1=Bye\r\n", "");

        QTest::newRow("follows") << FiksAngla << FiksGermana << FiksRegistro << nenio << nenio << nenio << QString();
        QTest::newRow("English changed") << sxangxita << FiksGermana << FiksRegistro
                                         << QStringList{QStringLiteral("Lec01/Label2")} << nenio << nenio << QString();
        QTest::newRow("quoting, lists and line ends")
            << citita << FiksGermana << FiksRegistro << nenio << nenio << nenio << QString();
        QTest::newRow("no record") << FiksAngla << FiksGermana << QByteArray() << nenio
                                   << QStringList{QStringLiteral("Lec01/Label2"), QStringLiteral("Lec01/Label10"),
                                                  QStringLiteral("Lec02/Label1")}
                                   << nenio << QString();
        QTest::newRow("new key") << nova << novaTraduko << FiksRegistro << nenio
                                 << QStringList{QStringLiteral("Lec02/Label3")} << nenio << QString();
        // The completeness check names the key the translation lacks.
        QTest::newRow("new key, not yet translated")
            << nova << FiksGermana << FiksRegistro << nenio << nenio << nenio << QString();
        QTest::newRow("key gone from angla.trd") << sen << FiksGermana << FiksRegistro << nenio << nenio
                                                 << QStringList{QStringLiteral("Lec02/Label1")} << QString();
        QTest::newRow("malformed line") << FiksAngla << FiksGermana << FiksRegistro + "Lec02/Label1 128901\n"
                                        << nenio << nenio << nenio
                                        << QStringLiteral("germana.txt:5: not \"Section/Key hash\"");
        QTest::newRow("key twice") << FiksAngla << FiksGermana << FiksRegistro + "Lec01/Label2 185f8db32271fe25\n"
                                   << nenio << nenio << nenio
                                   << QStringLiteral("germana.txt:5: Lec01/Label2 stands twice");
        QTest::newRow("no angla.trd") << QByteArray() << FiksGermana << FiksRegistro << nenio << nenio << nenio
                                      << QStringLiteral("cannot read");
    }
    void registro()
    {
        QFETCH(QByteArray, anglaTeksto);
        QFETCH(QByteArray, germana);
        QFETCH(QByteArray, registro);
        QTemporaryDir d;
        QVERIFY(d.isValid());
        fontFiksajho(d, anglaTeksto, registro.isNull() ? nullptr : &registro, germana);
        const Fontoj f(d.filePath(QStringLiteral("germana.trd")));
        QFETCH(QString, eraro);
        if (eraro.isEmpty())
            QCOMPARE(f.eraro, QString());
        else
            QVERIFY2(f.eraro.contains(eraro), qPrintable(f.eraro));
        QTEST(f.malnovaj, "malnovaj");
        QTEST(f.senRegistro, "senRegistro");
        QTEST(f.restantaj, "restantaj");
    }

    // The record's command after review, on a translation whose English
    // changed in Lec01/Label10, lost Lec02/Label1 and gained Lec01/Label3,
    // which the translation lacks. What it refuses leaves the record as it
    // was.
    void komando_data()
    {
        QTest::addColumn<QByteArray>("registro"); // null: no record yet
        QTest::addColumn<QStringList>("argumentoj"); // after "reviziitaj germana.trd"
        QTest::addColumn<int>("elirkodo");
        QTest::addColumn<QByteArray>("poste"); // null: as it was
        const QByteArray kapo = FiksRegistro.left(FiksRegistro.indexOf('\n') + 1);
        const QByteArray label2 = "Lec01/Label2 185f8db32271fe25\n";
        const QByteArray label10 = "Lec01/Label10 f797f7fb2dc7734d\n";
        const QByteArray label1 = "Lec02/Label1 128901223aac8df3\n";
        QTest::newRow("changed key") << FiksRegistro << QStringList{QStringLiteral("Lec01/Label10")} << 0
                                     << kapo + label2 + label10 + label1;
        QTest::newRow("left-over key") << FiksRegistro << QStringList{QStringLiteral("Lec02/Label1")} << 0
                                       << kapo + label2 + "Lec01/Label10 f8d6c6f8ed93a6fe\n";
        QTest::newRow("every key") << FiksRegistro << QStringList{QStringLiteral("--cxiuj")} << 0
                                   << kapo + label2 + label10;
        QTest::newRow("first record") << QByteArray() << QStringList{QStringLiteral("Lec01/Label2")} << 0
                                      << kapo + label2;
        QTest::newRow("unknown key") << FiksRegistro
                                     << QStringList{QStringLiteral("Lec01/Label10"), QStringLiteral("Lec01/Label99")}
                                     << 1 << QByteArray();
        QTest::newRow("key not yet translated")
            << FiksRegistro << QStringList{QStringLiteral("Lec01/Label3")} << 1 << QByteArray();
        QTest::newRow("every key and one more")
            << FiksRegistro << QStringList{QStringLiteral("--cxiuj"), QStringLiteral("Lec01/Label10")} << 2
            << QByteArray();
        QTest::newRow("malformed record") << FiksRegistro + "Lec01/Label10\n"
                                          << QStringList{QStringLiteral("--cxiuj")} << 1 << QByteArray();
    }
    void komando()
    {
        QFETCH(QByteArray, registro);
        QFETCH(QStringList, argumentoj);
        QFETCH(QByteArray, poste);
        QTemporaryDir d;
        QVERIFY(d.isValid());
        QByteArray nova = FiksAngla;
        nova.replace("Good day, friend", "Good evening, friend").replace("Label1=Bye\r\n", "");
        nova.replace("[Lec02]", "Label3=New\r\n\r\n[Lec02]");
        fontFiksajho(d, nova, registro.isNull() ? nullptr : &registro);
        const QString germana = d.filePath(QStringLiteral("germana.trd"));
        QString eligo;
        QTEST(tradukfontoj(QStringList{QStringLiteral("reviziitaj"), germana} + argumentoj, &eligo), "elirkodo");
        QFile f(FontRegistro::registroVojo(germana));
        if (registro.isNull() && poste.isNull()) {
            QVERIFY(!f.exists());
            return;
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), poste.isNull() ? registro : poste);
    }

    void komando_angla()
    {
        QTemporaryDir d;
        QVERIFY(d.isValid());
        fontFiksajho(d, FiksAngla, nullptr);
        QString eligo;
        QCOMPARE(tradukfontoj(
                     {QStringLiteral("reviziitaj"), d.filePath(QStringLiteral("angla.trd")), QStringLiteral("--cxiuj")},
                     &eligo),
                 1);
        QVERIFY2(eligo.contains(QStringLiteral("angla.trd is the English itself")), qPrintable(eligo));
        QVERIFY(!QFileInfo::exists(d.filePath(QStringLiteral("fontoj"))));
    }
};

LERBO_TEST_MAIN(TestoTradukoj)
#include "tst_tradukoj.moc"
