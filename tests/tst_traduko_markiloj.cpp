// The marks a translation sets in its hints for what its language does not
// show and the Esperanto needs: Chinese （特指） where the answer has "la",
// Vietnamese "ấy" after the noun, Korean 들 on a plural, Chinese （将来时）
// on a future. A translation file that defines such a mark in its notes
// ([Lec01], [Lec02], its exercise notes) has a row for it in the table below;
// a language that shows the feature by its own grammar (English "the",
// German der/die/das, an Arabic plural) has none. Each row also lists the
// language's own means that show the feature as well (a numeral or 们 for
// the plural, 明天 for the future).
//
// The check goes over every translation task of the send pages (the
// learner writes the whole model answer) and every gap item (the learner
// writes the pieces), reads what the answer needs from the Esperanto
// (esperantaj_trajtoj) and fails, naming file, section and key, where the
// hint shows less of it than the answer needs.
//
// The past is checked only for the files whose notes say their hints show
// it by a word (Indonesian dahulu/telah, Vietnamese đã): elsewhere the
// language's verb shows it, or the course's sentences tell stories whose
// time the hint's context gives. Not checked: the sex of li and ŝi, whose
// person the sentence names (Paŭlo kaj lia fratino).
#include "erodosieroj.h"
#include "esperantaj_trajtoj.h"
#include "inidosiero.h"
#include "lecionaj_datumoj.h"
#include "spacplenigilo.h"
#include "testilo.h"

#include <QRegularExpression>

using esperantaj_trajtoj::Trajtoj;

namespace {

enum class Trajto {
    La, // every "la" the learner writes
    // Only the "la" of a subject or a predicate: the language's case endings
    // show the rest (Turkish: the accusative -ı/-i of a definite object, the
    // genitive -ın/-in of a noun a postposition governs, as the file's own
    // instructions say in [Lec02] Label236 and [Lec13] Label7).
    LaNominativa,
    Pluralo, // one mark or form per plural noun whose number nothing else shows
    Futuro, // one per answer: a future mark covers its sentence, as a time word does
    Preterito, // likewise for the past
    // The singular of a noun whose word in the hint reads as several when it
    // stands bare (Plursencaj below).
    Singularo,
};

QString nomo(Trajto t)
{
    switch (t) {
    case Trajto::La:
    case Trajto::LaNominativa:
        return QStringLiteral("la");
    case Trajto::Pluralo:
        return QStringLiteral("plural");
    case Trajto::Futuro:
        return QStringLiteral("future");
    case Trajto::Preterito:
        return QStringLiteral("past");
    case Trajto::Singularo:
        return QStringLiteral("singular");
    }
    return QString();
}

struct Markilo
{
    const char* dosiero;
    Trajto trajto;
    const char* markilo; // the file's own mark, as its hints write it
    // What counts as showing the feature (case-insensitive): the mark and
    // the language's own means.
    const char* formoj;
    // Matches of `formoj` that stand for something else.
    const char* krom = "";
};

// clang-format off
const Markilo Markiloj[] = {
    // Chinese: （特指） after the noun for la, （复数） for the plural (or 们,
    // a numeral, 些, 所有, 许多), （将来时） for the future (or 将, 会, 要 and
    // the future time words; 会 of 聚会 "party", 大会 "congress", 机会 is
    // none), （单数） on a word that reads as several.
    {"china.trd",      Trajto::La,           "（特指）", "特指"},
    {"china.trd",      Trajto::Pluralo,      "（复数）", "复数|们|[二两三四五六七八九十百千几]|[2-9]|[1-9][0-9]|些|所有|各种|许多|很多"},
    {"china.trd",      Trajto::Futuro,       "（将来时）", "将来时|将|(?<![聚大机社开晚舞])会(?!议)|要|明天|明年|到时候|以后"},
    {"china.trd",      Trajto::Singularo,    "（单数）", "（单数）|（复数）|们"},
    // Japanese: その before the noun for la, （複数） or たち for the plural,
    // でしょう/だろう for the future ([Lec01] Label24; つもり, 予定 and
    // the future time words show it too), （一人）/（一つ） for one.
    {"japana.trd",     Trajto::La,           "その", "その"},
    {"japana.trd",     Trajto::Pluralo,      "（複数）", "複数|たち|達|[二三四五六七八九十百千]|[2-9２-９]|[1-9１-９][0-9０-９]|多く|たくさん"},
    {"japana.trd",     Trajto::Futuro,       "でしょう", "でしょう|だろう|未来|つもり|予定|あした|明日|来年|来週|来月|これから"},
    {"japana.trd",     Trajto::Singularo,    "（一人）", "（一人）|（一つ）|（[^）]*複数）|たち"},
    // Korean: 그 before the noun for la ([Lec01] Label39; 그는, 그녀 are he
    // and she), 들 for the plural.
    {"korea.trd",      Trajto::La,           "그", "(?<![가-힣])그(?![가-힣])"},
    {"korea.trd",      Trajto::Pluralo,      "들", "들|[2-9]|[1-9][0-9]|(?<![가-힣])(?:두|세|네|다섯|여러|많은|많이|몇)(?![가-힣])"},
    // Vietnamese: "… ấy" after the noun for la ([Lec01] Label39; "anh ấy",
    // "cô ấy" … are he and she), những/các for the plural, sẽ for the future,
    // đã for the past ([Lec01] Label24; rồi, vừa, từng and the past time
    // words show it too).
    {"vjetnama.trd",   Trajto::La,           "ấy", "ấy", "\\b(?:anh|cô|chị|ông|bà|em|cậu) ấy"},
    {"vjetnama.trd",   Trajto::Pluralo,      "những", "\\b(?:những|các|bọn|nhiều|mấy|vài|hai|ba|bốn|năm|mười)\\b|[2-9]|[1-9][0-9]"},
    {"vjetnama.trd",   Trajto::Futuro,       "sẽ", "\\bsẽ\\b|tương lai|ngày mai|sắp"},
    {"vjetnama.trd",   Trajto::Preterito,    "đã", "\\b(?:đã|rồi|vừa|từng|hôm qua|năm ngoái|tuần trước|tháng trước|trước đây|lúc nãy|hồi)\\b|quá khứ"},
    // Indonesian: itu after the noun for la, a doubled word or (jamak) for
    // the plural ([Lec01] Label37), akan for the future, dahulu or telah for
    // the past ([Lec01] Label24; sudah, tadi, pernah and the past time words
    // show it too).
    {"indonezia.trd",  Trajto::La,           "itu", "\\bitu\\b"},
    {"indonezia.trd",  Trajto::Pluralo,      "(jamak)", "jamak|\\b(\\w+)-\\1\\b|\\b(?:para|banyak|beberapa|semua|dua|tiga|empat|lima)\\b|[2-9]|[1-9][0-9]"},
    {"indonezia.trd",  Trajto::Futuro,       "akan", "\\bakan\\b|besok|nanti"},
    {"indonezia.trd",  Trajto::Preterito,    "telah", "\\b(?:dahulu|dulu|telah|sudah|tadi|pernah|kemarin|semalam|lalu)\\b|lampau"},
    // Hindi: (la) before the noun, (बहुवचन) where the noun keeps its form
    // in the plural; the endings of the oblique and the feminine plural,
    // a masculine -e that no postposition follows (लड़के: boys; before one
    // it is the oblique singular) and numerals show it too.
    {"hinda.trd",      Trajto::La,           "(la)", "\\(la\\)|\\(निश्चित[^)]*\\)"},
    {"hinda.trd",      Trajto::Pluralo,      "(बहुवचन)",
     "बहुवचन|(?<![^\\s(])(?!में(?=[\\s।,?)]|$))[^\\s(]+(?:ों|ें|ियाँ|ाएँ)(?=[\\s।,?)]|$)"
     "|(?<![^\\s(])(?!(?:के|ने|से|ले|दे|पहले|सामने|बारे|लिए|अपने|मेरे|तेरे|तुम्हारे|हमारे|आपके|उसके|उनके)(?=[\\s।,?)]|$))"
     "[^\\s(]+े(?=[\\s।,?)]|$)(?!\\s+(?:ने|को|से|में|पर|का|की|के|तक)(?=[\\s।,?)]|$))"
     "|(?<![^\\s(])(?:दो|तीन|चार|पाँच|सभी|कई)(?=[\\s।,?)]|$)"},
    // Turkish: (belirli) after a subject ([Lec01] Label99), (çoğul) where
    // Turkish keeps the singular; -lar/-ler shows the plural.
    {"turka.trd",      Trajto::LaNominativa, "(belirli)", "belirli"},
    {"turka.trd",      Trajto::Pluralo,      "(çoğul)", "çoğul|l[ae]r"},
    // Persian: (معین) after the noun, را after a definite object; (جمع)
    // after a bare noun that stands for several, where Persian may keep the
    // singular. The plural endings -ها (-های before an ezafe or a
    // possessive), -ان and -ات, numerals and words of quantity show it too
    // (a word that merely ends in ان counts as well: the check stays on the
    // lenient side there).
    {"persa.trd",      Trajto::La,           "(معین)", "معین|(?<!\\S)را(?!\\S)"},
    {"persa.trd",      Trajto::Pluralo,      "(جمع)",
     "جمع|ها(?:ی|یی|یم|یت|یش|یمان|یتان|یشان)?(?!\\p{L})|\\p{L}{2,}(?:ان|ات)(?!\\p{L})|[۲-۹2-9]"
     "|(?<!\\p{L})(?:دو|سه|چهار|پنج|شش|ده|چند|همه|همهٔ|بسیاری|خیلی|تمام|برخی|بعضی)(?!\\p{L})"},
    // Finnish: (määr.) after the noun ([Lec01] Label39), (futuuri) where the
    // present would hide the future; tulla + -maan and the future time
    // words show it too.
    {"finna.trd",      Trajto::La,           "(määr.)", "määr\\."},
    {"finna.trd",      Trajto::Futuro,       "(futuuri)", "futuuri|\\btule|huomenna|\\bensi\\b"},
    // The Slavic and Baltic files: a mark after the noun, or a form of
    // "that" in brackets before it ([Lec01] Label39).
    {"ceha.trd",       Trajto::La,           "(urč.)", "\\(urč\\.\\)"},
    {"slovaka.trd",    Trajto::La,           "(urč.)", "\\(urč\\.\\)"},
    // Czech and Slovak: (jednotné číslo) on a noun whose form is the same
    // in both numbers (hmyz, noviny; Plursencaj below).
    {"ceha.trd",       Trajto::Singularo,    "(jednotné číslo)", "\\(jednotné číslo\\)|\\(množné číslo\\)"},
    {"slovaka.trd",    Trajto::Singularo,    "(jednotné číslo)", "\\(jednotné číslo\\)|\\(množné číslo\\)"},
    {"pola.trd",       Trajto::La,           "(ten)", "\\((?:ten|ta|to|ci|te|tego|tej|temu|tę|tym|tą|tych|tymi)\\)"},
    {"rusa.trd",       Trajto::La,           "(опр.)", "\\(опр\\.\\)|\\(определ"},
    {"rusa2.trd",      Trajto::La,           "(опр.)", "\\(опр\\.\\)|\\(определ"},
    {"serba.trd",      Trajto::La,           "(одр.)", "\\(одр\\.\\)|\\(одређен"},
    {"kroata.trd",     Trajto::La,           "(određeno)", "\\(određen"},
    {"slovena.trd",    Trajto::La,           "(določen)", "\\(določen"},
    {"latva.trd",      Trajto::La,           "(tas)", "\\((?:tas|tā|to|tam|tajā|tie|tās|tos|tiem|tām|tai|tajos|tajās)\\)"},
    {"litova.trd",     Trajto::La,           "(tas)",
     "\\((?:tas|to|tam|tą|tuo|tame|ta|tos|tai|toje|tie|tų|tiems|tuos|tais|tuose|toms|tomis|tose)\\)"},
};

// Words that read as several when they stand bare, and the stem of the
// Esperanto noun they translate: its singular needs the file's mark of one
// on them (or its plural a mark of several).
struct Plursenca
{
    const char* dosiero;
    const char* vorto;
    const char* radiko;
    const char* kialo;
};
const Plursenca Plursencaj[] = {
    {"japana.trd", "兄弟", "frat",   "brothers, siblings: the file writes 兄弟（一人） for one"},
    {"japana.trd", "姉妹", "fratin", "sisters: the file writes 姉妹（一人） for one"},
    {"china.trd",  "兄弟", "frat",   "brothers: the file writes 兄弟（单数） for one"},
    {"china.trd",  "姐妹", "fratin", "sisters: the file writes 姐妹（单数） for one"},
    {"ceha.trd",    "hmyz",   "insekt", "insect and insects alike"},
    {"ceha.trd",    "noviny", "ĵurnal", "a newspaper and newspapers alike"},
    {"slovaka.trd", "hmyz",   "insekt", "insect and insects alike"},
    {"slovaka.trd", "noviny", "ĵurnal", "a newspaper and newspapers alike"},
};
// clang-format on

QRegularExpression esprimo(const QString& formoj)
{
    return QRegularExpression(formoj, QRegularExpression::CaseInsensitiveOption
                                          | QRegularExpression::UseUnicodePropertiesOption);
}

int nombro(const QString& formoj, const QString& teksto)
{
    if (formoj.isEmpty())
        return 0;
    int n = 0;
    auto it = esprimo(formoj).globalMatch(teksto);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

const Markilo* vico(const QString& dosiero, Trajto t)
{
    for (const Markilo& m : Markiloj)
        if (dosiero == QLatin1String(m.dosiero) && m.trajto == t)
            return &m;
    return nullptr;
}

// What the hint `sugesto` of `dosiero` fails to show of what the answer
// needs, one line per feature ("la: 2 needed, 1 shown (mark «ấy»)").
QStringList mankoj(const QString& dosiero, const QString& sugesto, const Trajtoj& t)
{
    QStringList el;
    for (const Markilo& m : Markiloj) {
        if (dosiero != QLatin1String(m.dosiero))
            continue;
        int bezonataj = 0;
        switch (m.trajto) {
        case Trajto::La:
            bezonataj = t.la;
            break;
        case Trajto::LaNominativa:
            bezonataj = t.laNominativa;
            break;
        case Trajto::Pluralo:
            bezonataj = t.pluralo;
            break;
        case Trajto::Futuro:
            bezonataj = qMin(t.futuro, 1);
            break;
        case Trajto::Preterito:
            bezonataj = qMin(t.preterito, 1);
            break;
        case Trajto::Singularo: {
            // The plural's forms mark the word as well.
            const Markilo* pluralo = vico(dosiero, Trajto::Pluralo);
            const QString nombraj = QString::fromUtf8(m.formoj)
                                    + (pluralo ? QLatin1Char('|') + QString::fromUtf8(pluralo->formoj) : QString());
            for (const Plursenca& p : Plursencaj) {
                if (dosiero != QLatin1String(p.dosiero) || !t.singularaj.contains(QLatin1String(p.radiko)))
                    continue;
                const int nudaj =
                    nombro(QString::fromUtf8(p.vorto) + QStringLiteral("(?!\\s*(?:") + nombraj + QStringLiteral("))"),
                           sugesto);
                if (nudaj > 0)
                    el << QStringLiteral("singular: «%1» stands bare for %2o (mark «%3»)")
                              .arg(QString::fromUtf8(p.vorto), QLatin1String(p.radiko), QString::fromUtf8(m.markilo));
            }
            continue;
        }
        }
        const int montrataj = nombro(QString::fromUtf8(m.formoj), sugesto) - nombro(QString::fromUtf8(m.krom), sugesto);
        if (montrataj < bezonataj)
            el << QStringLiteral("%1: %2 needed, %3 shown (mark «%4»)")
                      .arg(nomo(m.trajto))
                      .arg(bezonataj)
                      .arg(qMax(montrataj, 0))
                      .arg(QString::fromUtf8(m.markilo));
    }
    return el;
}

// One thing the learner writes, with the key of its hint.
struct Tasko
{
    QString sekcio;
    QString sxlosilo;
    QString respondo; // the model answer, for the message
    Trajtoj trajtoj;
};

// Every translation task of the send pages: a question of [LecNN] whose
// model answer is Esperanto the learner writes whole (an affix such as
// "-ul-" of the examination's word-building task is none).
QList<Tasko> tradukTaskoj()
{
    static const QRegularExpression afikso(QStringLiteral("^-|-$"));
    QList<Tasko> el;
    for (const lecionaj_datumoj::Leciono& l : lecionaj_datumoj::lecionoj()) {
        const QString prefikso = l.sekcio() + QStringLiteral("_Label");
        for (const lecionaj_datumoj::Sendo& s : l.sendoj)
            for (const lecionaj_datumoj::Demando& d : s.demandoj) {
                if (!d.demando.startsWith(prefikso) || afikso.match(d.modelaTeksto.trimmed()).hasMatch())
                    continue;
                QList<Trajtoj> formoj;
                for (const QString& f : d.modelaTeksto.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                    formoj << esperantaj_trajtoj::deFrazo(f.trimmed());
                el << Tasko{l.sekcio(), d.demando.mid(l.sekcio().size() + 1),
                            d.modelaTeksto.section(QLatin1Char('\n'), 0, 0).trimmed(),
                            esperantaj_trajtoj::komunaj(formoj)};
            }
    }
    return el;
}

// The sentence of a gap item with its pieces in the gaps.
QString plenigita(const QStringList& partoj, const QStringList& pecoj)
{
    QString s;
    for (int i = 0; i < partoj.size(); ++i)
        s += partoj.at(i) + (i + 1 < partoj.size() ? pecoj.value(i) : QString());
    return s;
}

// Every item of the gap-filling exercises, which show their hint above the
// sentence. What an item needs is what all its accepted fillings need.
QList<Tasko> brecxTaskoj()
{
    QList<Tasko> el;
    for (const lecionaj_datumoj::Leciono& l : lecionaj_datumoj::lecionoj())
        for (const lecionaj_datumoj::Ekzerco& e : l.ekzercoj) {
            if (e.klaso != QLatin1String("plenigas_spacon"))
                continue;
            const QString kodo = lecionaj_datumoj::kodoDe(e);
            QList<QStringList> D;
            QList<QStringList> R;
            QStringList A;
            _Matriz2(&D, kodo, QStringLiteral("D"), spacplenigilo::partoj);
            _Matriz2(&R, kodo, QStringLiteral("R"), spacplenigilo::partoj);
            _Matriz(&A, kodo, QStringLiteral("A"));
            for (int i = 0; i < D.size(); ++i) {
                const QStringList pecoj = R.value(i);
                QList<Trajtoj> plenigoj{esperantaj_trajtoj::deBrecxoj(D.at(i), pecoj)};
                for (const QStringList& aliaj : spacplenigilo::aliajPecoj(A.value(i)))
                    plenigoj << esperantaj_trajtoj::deBrecxoj(D.at(i), aliaj);
                el << Tasko{QStringLiteral("Ekzerco-") + kodo, QString::number(i), plenigita(D.at(i), pecoj),
                            esperantaj_trajtoj::komunaj(plenigoj)};
            }
        }
    return el;
}

} // namespace

class TestoTradukoMarkiloj : public QObject
{
    Q_OBJECT

private slots:
    // What an answer needs, read from its Esperanto.
    void trajtoj_data()
    {
        QTest::addColumn<QStringList>("partoj"); // one part: a sentence written whole
        QTest::addColumn<QStringList>("pecoj");
        QTest::addColumn<int>("la");
        QTest::addColumn<int>("laNominativa");
        QTest::addColumn<int>("pluralo");
        QTest::addColumn<int>("futuro");
        QTest::addColumn<int>("preterito");
        QTest::addColumn<QStringList>("singularaj");
        const QStringList nenio;
        QTest::newRow("two articles, a plural object") << QStringList{"La instruisto renkontis la novajn amikojn."}
                                                       << nenio << 2 << 1 << 1 << 0 << 1 << QStringList{"instruist"};
        QTest::newRow("la plej is the superlative; after a preposition")
            << QStringList{"Kiu estas la plej bela el la knabinoj?"} << nenio << 1 << 0 << 1 << 0 << 0 << nenio;
        QTest::newRow("a predicate agrees with its subject")
            << QStringList{"La knaboj estos bonaj amikoj."} << nenio << 1 << 1 << 1 << 1 << 0 << nenio;
        QTest::newRow("a numeral shows the number")
            << QStringList{"La knaboj unue petis tri kukojn."} << nenio << 1 << 1 << 1 << 0 << 1 << nenio;
        QTest::newRow("two plurals joined by kaj") << QStringList{"Ĉu via frato vendas librojn kaj ĵurnalojn?"} << nenio
                                                   << 0 << 0 << 1 << 0 << 0 << QStringList{"frat"};
        QTest::newRow("a negation leaves the number open") << QStringList{"La malnova butiko ne vendas sekajn kukojn."}
                                                           << nenio << 1 << 1 << 0 << 0 << 0 << QStringList{"butik"};
        QTest::newRow("but not of a definite object") << QStringList{"La patro ne lavos la malgrandajn tasojn."}
                                                      << nenio << 2 << 1 << 1 << 1 << 0 << QStringList{"patr"};
        QTest::newRow("typed endings count, the printed la does not")
            << QStringList{"La patr", " ne lav", " la mal", " taso", "."} << QStringList{"o", "os", "grandajn", "jn"}
            << 0 << 0 << 1 << 1 << 0 << QStringList{"patr"};
        QTest::newRow("a printed agreeing word shows the plural")
            << QStringList{"La malnovaj tas", " estas pur", "."} << QStringList{"oj", "aj"} << 0 << 0 << 0 << 0 << 0
            << nenio;
        QTest::newRow("a printed numeral too")
            << QStringList{"La katino havas kvin katid", "."} << QStringList{"ojn"} << 0 << 0 << 0 << 0 << 0 << nenio;
        QTest::newRow("a printed ending is no choice")
            << QStringList{"Morgaŭ ni vizit", " la muzeon."} << QStringList{"os"} << 0 << 0 << 0 << 1 << 0 << nenio;
        QTest::newRow("a typed la") << QStringList{"", " knabo dormas."} << QStringList{"La"} << 1 << 1 << 0 << 0 << 0
                                    << nenio;
        QTest::newRow("a typed past counts, a printed one does not")
            << QStringList{"Ŝi ne ridis, ŝi nur rid", "."} << QStringList{"etis"} << 0 << 0 << 0 << 0 << 1 << nenio;
    }
    void trajtoj()
    {
        QFETCH(QStringList, partoj);
        QFETCH(QStringList, pecoj);
        QFETCH(int, la);
        QFETCH(int, laNominativa);
        QFETCH(int, pluralo);
        QFETCH(int, futuro);
        QFETCH(int, preterito);
        QFETCH(QStringList, singularaj);
        const Trajtoj t = partoj.size() == 1 ? esperantaj_trajtoj::deFrazo(partoj.first())
                                             : esperantaj_trajtoj::deBrecxoj(partoj, pecoj);
        QCOMPARE(t.la, la);
        QCOMPARE(t.laNominativa, laNominativa);
        QCOMPARE(t.pluralo, pluralo);
        QCOMPARE(t.futuro, futuro);
        QCOMPARE(t.preterito, preterito);
        QCOMPARE(t.singularaj, singularaj);
    }

    // Several accepted fillings need only what they all have.
    void komunaj()
    {
        const Trajtoj a = esperantaj_trajtoj::deBrecxoj({"Li diris, ke li ven", " kaj ven", "."}, {"os", "os"});
        const Trajtoj b = esperantaj_trajtoj::deBrecxoj({"Li diris, ke li ven", " kaj ven", "."}, {"as", "os"});
        QCOMPARE(a.futuro, 2);
        QCOMPARE(esperantaj_trajtoj::komunaj({a, b}).futuro, 1);
        QCOMPARE(esperantaj_trajtoj::komunaj({}).futuro, 0);
    }

    // The table's rows: a file that ships, expressions that compile, and the
    // mark itself among what counts.
    void tabelo()
    {
        const QStringList sendataj = testilo::sendatajTradukoj();
        for (const Markilo& m : Markiloj) {
            const QString kie = QLatin1String(m.dosiero) + QLatin1Char(' ') + nomo(m.trajto);
            QVERIFY2(sendataj.contains(QLatin1String(m.dosiero)), qPrintable(kie));
            QVERIFY2(esprimo(QString::fromUtf8(m.formoj)).isValid(), qPrintable(kie));
            QVERIFY2(esprimo(QString::fromUtf8(m.krom)).isValid(), qPrintable(kie));
            QVERIFY2(nombro(QString::fromUtf8(m.formoj), QString::fromUtf8(m.markilo)) == 1, qPrintable(kie));
        }
        for (const Plursenca& p : Plursencaj)
            QVERIFY2(vico(QLatin1String(p.dosiero), Trajto::Singularo), p.vorto);
    }

    // The check on hints made for it: what it must find missing and what
    // it must take as shown.
    void mankoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("respondo");
        QTest::addColumn<QString>("sugesto");
        QTest::addColumn<QStringList>("mankantaj");
        const QString instruisto = QStringLiteral("La instruisto renkontis la novajn amikojn.");
        QTest::newRow("vi: the object lacks ấy")
            << "vjetnama.trd" << instruisto << "Thầy giáo ấy đã gặp những người bạn mới." << QStringList{"la"};
        QTest::newRow("vi: both marked") << "vjetnama.trd" << instruisto
                                         << "Thầy giáo ấy đã gặp những người bạn mới ấy." << QStringList();
        QTest::newRow("vi: anh ấy is he") << "vjetnama.trd"
                                          << "Li renkontis la amikon."
                                          << "Anh ấy đã gặp người bạn." << QStringList{"la"};
        QTest::newRow("vi: no plural word")
            << "vjetnama.trd" << instruisto << "Thầy giáo ấy đã gặp người bạn mới ấy." << QStringList{"plural"};
        QTest::newRow("tr: a definite object shows la by its ending")
            << "turka.trd"
            << "La patro ne lavos la malgrandajn tasojn."
            << "Baba (belirli) küçük fincanları yıkamayacak." << QStringList();
        QTest::newRow("tr: the subject does not") << "turka.trd"
                                                  << "La patro ne lavos la malgrandajn tasojn."
                                                  << "Baba küçük fincanları yıkamayacak." << QStringList{"la"};
        QTest::newRow("zh: 聚会 is no future") << "china.trd"
                                               << "Mi esperas, ke vi povos veni al mia festo."
                                               << "我希望你能来参加我的聚会。" << QStringList{"future"};
        QTest::newRow("zh: 到时候 is one") << "china.trd"
                                           << "Mi esperas, ke vi povos veni al mia festo."
                                           << "我希望你到时候能来参加我的聚会。" << QStringList();
        QTest::newRow("zh: one 将 for two verbs") << "china.trd"
                                                  << "Unue ni manĝos, poste ni promenos."
                                                  << "我们将先吃饭，然后去散步。" << QStringList();
        QTest::newRow("ja: 兄弟 bare") << "japana.trd"
                                       << "Mia frato estos instruisto."
                                       << "わたしの兄弟は先生になるでしょう。" << QStringList{"singular"};
        QTest::newRow("ja: 兄弟（一人）") << "japana.trd"
                                          << "Mia frato estos instruisto."
                                          << "わたしの兄弟（一人）は先生になるでしょう。" << QStringList();
        QTest::newRow("ja: 兄弟たち is no singular to mark")
            << "japana.trd"
            << "La fratoj renkontos la novajn instruistojn."
            << "その兄弟たちはその新しい先生（複数）に出会うでしょう。" << QStringList();
        QTest::newRow("ko: a plural object without 들")
            << "korea.trd"
            << "La maljuna viro vendas bonajn kukojn."
            << "그 나이 든 남자는 좋은 케이크를 팔아요." << QStringList{"plural"};
        QTest::newRow("id: a doubled word is a plural") << "indonezia.trd"
                                                        << "La malnovaj tasoj estas puraj."
                                                        << "Cangkir-cangkir lama itu bersih." << QStringList();
        QTest::newRow("id: a past with no word for it") << "indonezia.trd"
                                                        << "La kato mortigis la birdon."
                                                        << "Kucing itu membunuh burung itu." << QStringList{"past"};
        QTest::newRow("id: telah") << "indonezia.trd"
                                   << "La kato mortigis la birdon."
                                   << "Kucing itu telah membunuh burung itu." << QStringList();
        QTest::newRow("vi: đã") << "vjetnama.trd"
                                << "La kato mortigis la birdon."
                                << "Con mèo ấy đã giết con chim ấy." << QStringList();
        QTest::newRow("cs: hmyz bare") << "ceha.trd"
                                       << "La bela birdo kaptis malgrandan insekton."
                                       << "Krásný pták (urč.) chytil malý hmyz." << QStringList{"singular"};
        QTest::newRow("cs: hmyz (jednotné číslo)")
            << "ceha.trd"
            << "La bela birdo kaptis malgrandan insekton."
            << "Krásný pták (urč.) chytil malý hmyz (jednotné číslo)." << QStringList();
        QTest::newRow("fa: a bare noun for several")
            << "persa.trd"
            << "Ĉu via patro kolektas poŝtmarkojn?"
            << "آیا پدرت تمبر گردآوری می‌کند؟" << QStringList{"plural"};
        QTest::newRow("fa: (جمع)") << "persa.trd"
                                   << "Ĉu via patro kolektas poŝtmarkojn?"
                                   << "آیا پدرت تمبر (جمع) گردآوری می‌کند؟"
                                   << QStringList();
        QTest::newRow("fa: the ending -ها")
            << "persa.trd"
            << "Ĉu via patro kolektas poŝtmarkojn?"
            << "آیا پدرت تمبرها را گردآوری می‌کند؟" << QStringList();
        QTest::newRow("a file without rows needs nothing")
            << "germana.trd" << instruisto << "Der Lehrer traf neue Freunde." << QStringList();
    }
    void mankoj()
    {
        QFETCH(QString, dosiero);
        QFETCH(QString, respondo);
        QFETCH(QString, sugesto);
        QFETCH(QStringList, mankantaj);
        QStringList trovitaj;
        for (const QString& m : ::mankoj(dosiero, sugesto, esperantaj_trajtoj::deFrazo(respondo)))
            trovitaj << m.section(QLatin1Char(':'), 0, 0);
        QCOMPARE(trovitaj, mankantaj);
    }

    // The tasks and items the check goes over: every send page's
    // translations and every gap item, each needing what it should.
    void taskoj()
    {
        const QList<Tasko> t = tradukTaskoj();
        const QList<Tasko> b = brecxTaskoj();
        QVERIFY2(t.size() >= 80, qPrintable(QString::number(t.size())));
        QVERIFY2(b.size() >= 250, qPrintable(QString::number(b.size())));
        bool label22 = false;
        for (const Tasko& k : t)
            if (k.sekcio == QLatin1String("Lec02") && k.sxlosilo == QLatin1String("Label22")) {
                label22 = true;
                QCOMPARE(k.trajtoj.la, 2);
            }
        QVERIFY(label22);
        for (const Tasko& k : t)
            QVERIFY2(!(k.sekcio == QLatin1String("Lec13") && k.sxlosilo == QLatin1String("Label21")),
                     "an affix is no translation");
        bool futuro = false;
        for (const Tasko& k : b)
            if (k.sekcio == QLatin1String("Ekzerco-1002") && k.sxlosilo == QLatin1String("1"))
                futuro = k.trajtoj.futuro == 1;
        QVERIFY(futuro);
    }

    // Every hint of a file with marks shows what its answer needs.
    void markiloj_data()
    {
        QTest::addColumn<QString>("dosiero");
        for (const QString& d : testilo::tradukoj()) {
            bool havas = false;
            for (const Markilo& m : Markiloj)
                havas = havas || d == QLatin1String(m.dosiero);
            if (havas)
                QTest::newRow(qPrintable(d)) << d;
        }
    }
    void markiloj()
    {
        QFETCH(QString, dosiero);
        static const QList<Tasko> cxiuj = tradukTaskoj() + brecxTaskoj();
        IniDosiero ini(QStringLiteral(":/tradukoj/") + dosiero);
        QStringList eraroj;
        for (const Tasko& t : cxiuj) {
            const QString sugesto = IniDosiero::teksto(ini.value(t.sekcio + QLatin1Char('/') + t.sxlosilo));
            if (sugesto.isEmpty()) {
                eraroj << QStringLiteral("[%1] %2: no hint").arg(t.sekcio, t.sxlosilo);
                continue;
            }
            for (const QString& m : ::mankoj(dosiero, sugesto, t.trajtoj))
                eraroj << QStringLiteral("[%1] %2 — %3 — hint: \"%4\" — model answer: \"%5\"")
                              .arg(t.sekcio, t.sxlosilo, m, sugesto, t.respondo);
        }
        // One line each: Qt Test cuts a long failure message short.
        for (const QString& e : qAsConst(eraroj))
            qInfo("%s", qUtf8Printable(e));
        QVERIFY2(eraroj.isEmpty(),
                 qPrintable(QStringLiteral("%1 hints of %2 lack a mark the answer needs (listed above)")
                                .arg(eraroj.size())
                                .arg(dosiero)));
    }
};

LERBO_TEST_MAIN(TestoTradukoMarkiloj)
#include "tst_traduko_markiloj.moc"
