// Teaching order: no text of the course asks the learner to read a word or
// a form that the course has not taught by that page. What a learner has
// met by a page is what the word boxes of every earlier page showed beside
// their meaning, with the endings and affixes of the lessons so far; every
// exercise item, reading, Esperanto question, model answer of a translation
// into Esperanto and example without a meaning is checked against it. A
// word not met yet must be glossed where it stands (in brackets in the
// item's hint or in the task, as "(herbo)") or be listed with its reason in
// tests/instruordo_vortoj.txt, like the spell check's word list.
#include "esperantaj_tekstoj.h"
#include "inidosiero.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"
#include "vortlistoj.h"
#include "vortscio.h"

#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

namespace {

using lecionaj_datumoj::Leciono;

// An Esperanto text of a page that the learner must understand, and what
// glosses its words where it stands.
struct Teksto
{
    QString loko; // "Memo2_Lec07", "0702/21"
    QString teksto;
    QString glosoj; // the English hint or task whose brackets gloss words
    QList<QPair<int, int>> truoj; // the gaps the learner fills
    QString glosSxlosilo{}; // where the hint or task stands: "Ekzerco-0702/21"
};

struct Pagho
{
    QString nomo;
    QList<QPair<QString, QString>> vortoj; // the word boxes beside their meaning: name, text
    QList<Teksto> kontrolataj;
};

// Pages whose Esperanto stands without a meaning: the alphabet's sound
// examples are heard, not learnt; lesson 7's preposition examples and
// lesson 12's compound examples are read, so they are checked instead.
bool senSignifo(int leciono, const QString& pagho, const QString& nomo)
{
    if (leciono == 7 && (pagho == QLatin1String("tab_3") || pagho == QLatin1String("tab_12")))
        return !nomo.startsWith(QLatin1String("Lec07_Button"));
    return leciono == 12 && pagho == QLatin1String("tab_7");
}

bool alfabeto(int leciono, const QString& pagho)
{
    return leciono == 1 && pagho == QLatin1String("tab");
}

bool vortkesto(const QWidget* w)
{
    return w->inherits("klakbutono_nova") || w->inherits("neklakebla_nova");
}

QString angla(const QString& sekcio, const QString& sxlosilo)
{
    static IniDosiero trd(QStringLiteral(":/tradukoj/angla.trd"));
    trd.beginGroup(sekcio);
    const QString t = trd.value(sxlosilo).toString();
    trd.endGroup();
    return t;
}

// The exercise code whose English hints an exercise's items show: the
// accusative exercise of a lesson may show the translations of another of
// its exercises (lesson 10's 1005 shows those of 1001).
QString aludaKodo(const lecionaj_datumoj::Ekzerco& e)
{
    const QString kodo = lecionaj_datumoj::kodoDe(e);
    if (e.klaso == QLatin1String("akuzativo")) {
        const LecionaDatumo* d = LecionaDatumoj(kodo.left(2).toInt());
        if (d && !d->akuzativo.isEmpty())
            return d->akuzativo;
    }
    return kodo;
}

// The words a hint or task shows in brackets: "(herbo)", "(meti: to put)".
QSet<QString> glositaj(const QString& teksto)
{
    static const QRegularExpression krampoj(QStringLiteral("\\(([^()]*)\\)"));
    QSet<QString> el;
    auto it = krampoj.globalMatch(teksto);
    while (it.hasNext())
        for (const auto& v : esperantaj_tekstoj::vortoj(it.next().captured(1)))
            for (const QString& f : v.formoj)
                el.insert(f.toLower());
    return el;
}

// The gloss among `glosoj` that glosses `vorto`, or an empty string.
QString glosita(const QSet<QString>& glosoj, const QString& vorto)
{
    for (const QString& g : glosoj)
        if (Vortscio::samaRadiko(vorto, g))
            return g;
    return QString();
}

// An entry of the list of accepted words: "vorto" anywhere, or
// "place:vorto" at one place only (a widget or an item, "0702/21"; a widget
// name that several lessons use takes its lesson, "Lec12.label_104").
struct Akceptita
{
    int leciono = 0;
    QString loko;
    QString vorto;
    QString kialo;
    mutable bool uzita = false;
};

} // namespace

class TestoInstruordo : public QObject
{
    Q_OBJECT

    QList<Akceptita> akceptitaj;
    // Every lesson's pages in order, built once.
    QMap<int, QList<Pagho>> lecionoj;

    // The glosses that a text's faults were excused by, per hint or task
    // ("Ekzerco-0702/21"): every translation must keep them.
    mutable QMap<QString, QSet<QString>> uzitajGlosoj;

    const Akceptita* akceptita(const QString& loko, const QString& vorto, int leciono) const
    {
        const QString r = Vortscio::radiko(vorto);
        for (const Akceptita& a : akceptitaj) {
            if (!a.loko.isEmpty() && (a.loko != loko || (a.leciono && a.leciono != leciono)))
                continue;
            if (a.vorto == vorto || (!r.isEmpty() && Vortscio::radiko(a.vorto) == r)) {
                a.uzita = true;
                return &a;
            }
        }
        return nullptr;
    }

    static QList<Teksto> eroj(const lecionaj_datumoj::Ekzerco& e)
    {
        const QString kodo = lecionaj_datumoj::kodoDe(e);
        QList<Teksto> el;
        // The alphabet's hear-and-pick words are heard, not read.
        if (kodo == QLatin1String("0101"))
            return el;
        IniDosiero dat(QStringLiteral(":/ekzercoj/ekz%1.dat").arg(kodo.left(2)));
        const QString speco =
            e.klaso == QLatin1String("akuzativo") || e.klaso == QLatin1String("plenigas_spacon") ? e.klaso : QString();
        const auto d = esperantaj_tekstoj::vicoj(dat, kodo + QLatin1Char('D'));
        const auto r = esperantaj_tekstoj::vicoj(dat, kodo + QLatin1Char('R'));
        static const QRegularExpression nombroj(QStringLiteral("^[\\d~ ]*$"));
        for (int i = 0; i < d.size(); ++i) {
            const QString kruda = d.at(i).join(QLatin1Char('~'));
            // Numbers name the lesson's word boxes, which are the page's own.
            if (kruda.isEmpty() || nombroj.match(kruda).hasMatch())
                continue;
            Teksto t;
            t.loko = QStringLiteral("%1/%2").arg(kodo).arg(i);
            t.glosoj = angla(QStringLiteral("Ekzerco-") + aludaKodo(e), QString::number(i));
            t.glosSxlosilo = QStringLiteral("Ekzerco-%1/%2").arg(aludaKodo(e)).arg(i);
            t.teksto = speco.isEmpty() ? d.at(i).join(QLatin1Char(' '))
                                       : esperantaj_tekstoj::frazo(speco, d.at(i), r.value(i), &t.truoj);
            el << t;
        }
        // Other word orders of a sentence to build; the other fillings of
        // a gap are pieces, checked as the sentence's own are.
        if (e.klaso != QLatin1String("frazokonstruo"))
            return el;
        dat.beginGroup(kodo + QLatin1Char('A'));
        for (const QString& k : dat.childKeys()) {
            const QString a = dat.value(k).toString();
            if (!a.isEmpty())
                el << Teksto{QStringLiteral("%1A/%2").arg(kodo, k),
                             QString(a).replace(QLatin1Char('~'), ' '),
                             angla(QStringLiteral("Ekzerco-") + kodo, k),
                             {}};
        }
        dat.endGroup();
        return el;
    }

    // The pages of one built lesson, with what each teaches and asks.
    QList<Pagho> paghoj(const Leciono& l)
    {
        QList<Pagho> el;
        QWidget patro;
        std::unique_ptr<QFrame> f(KreasLecionon(l.numero, &patro));
        QTabWidget* tabulo = f ? lecionilo::tabulo(f.get(), l.numero) : nullptr;
        if (!tabulo) {
            QTest::qFail(qPrintable(QStringLiteral("lesson %1 is not built").arg(l.numero)), __FILE__, __LINE__);
            return el;
        }
        for (int i = 0; i < tabulo->count(); ++i) {
            QWidget* w = tabulo->widget(i);
            Pagho p;
            p.nomo = w->objectName();
            if (alfabeto(l.numero, p.nomo)) {
                el << p;
                continue;
            }
            for (QWidget* k : lecionilo::propraj<QWidget>(w)) {
                const QString teksto = k->property("text").toString();
                const QString nomo = k->objectName();
                if (vortkesto(k)) {
                    if (senSignifo(l.numero, p.nomo, nomo))
                        p.kontrolataj << Teksto{nomo, teksto, {}, {}};
                    else
                        p.vortoj << qMakePair(nomo, teksto);
                } else if (k->inherits("QLabel") && !k->inherits("korekta")
                           && k->property("lingvo").toString() == QLatin1String("eo")) {
                    p.kontrolataj << Teksto{nomo, teksto, {}, {}};
                }
            }
            for (const auto& e : l.ekzercoj)
                if (e.pagho == p.nomo)
                    p.kontrolataj << eroj(e);
            for (const auto& s : l.sendoj) {
                if (s.pagho != p.nomo)
                    continue;
                for (const auto& d : s.demandoj + s.aliajKampoj) {
                    // A field for the learner's own language (a reading or
                    // words to translate from Esperanto) has its answer in
                    // that language.
                    const QWidget* kampo = w->findChild<QWidget*>(d.kampo);
                    if (kampo && kampo->property("lingvo").toString() == QLatin1String("traduko"))
                        continue;
                    Teksto t{d.demando.isEmpty() ? d.kampo : d.demando, d.modelaTeksto, {}, {}};
                    const QString prefikso = l.sekcio() + QStringLiteral("_");
                    if (d.demando.startsWith(prefikso)) {
                        t.glosoj = angla(l.sekcio(), d.demando.mid(prefikso.size()));
                        t.glosSxlosilo = l.sekcio() + QLatin1Char('/') + d.demando.mid(prefikso.size());
                    }
                    p.kontrolataj << t;
                }
            }
            el << p;
        }
        return el;
    }

    // The faults of lesson `numero`'s pages, with everything before them met.
    QStringList mankoj(int numero) const
    {
        Vortscio scio;
        QStringList el;
        for (auto it = lecionoj.constBegin(); it != lecionoj.constEnd() && it.key() <= numero; ++it) {
            for (const Pagho& p : it.value()) {
                // A page's own word list glosses its reading, above or below.
                for (const auto& v : p.vortoj)
                    scio.lernas(v.second, it.key());
                if (it.key() != numero)
                    continue;
                for (const auto& v : p.vortoj)
                    for (const auto& vorto : esperantaj_tekstoj::vortoj(v.second))
                        for (const QString& f : vorto.formoj)
                            for (const QString& m : scio.fruajFormoj(f, numero))
                                // A word box is accepted by its own name
                                // ("Lec05_Button20:sian") or by its page's.
                                if (!akceptita(v.first, f.toLower(), numero) && !akceptita(p.nomo, f.toLower(), numero))
                                    el << QStringLiteral("%1 %2: %3 (%4) in the word box \"%5\"")
                                              .arg(p.nomo, v.first, f, m, v.second.simplified());
                for (const Teksto& t : p.kontrolataj)
                    el << mankoj(scio, numero, p.nomo, t);
            }
        }
        return el;
    }

    QStringList mankoj(const Vortscio& scio, int numero, const QString& pagho, const Teksto& t) const
    {
        QStringList el;
        const QSet<QString> glosoj = glositaj(t.glosoj);
        for (const auto& vorto : esperantaj_tekstoj::vortoj(t.teksto)) {
            bool petata = false;
            for (const auto& truo : t.truoj)
                if (vorto.komenco < truo.first + truo.second && vorto.komenco + vorto.skribita.size() > truo.first)
                    petata = true;
            for (const QString& f : vorto.formoj) {
                const QString v = f.toLower();
                QStringList m = scio.mankoj(v, numero);
                // A hint may show a word or form that the gap does not ask for.
                const QString gloso = m.isEmpty() || petata ? QString() : glosita(glosoj, v);
                if (!gloso.isEmpty()) {
                    m.clear();
                    uzitajGlosoj[t.glosSxlosilo].insert(gloso);
                }
                if (!m.isEmpty() && akceptita(t.loko, v, numero))
                    m.clear();
                if (!m.isEmpty())
                    el << QStringLiteral("%1 %2: %3 (%4) in \"%5\"")
                              .arg(pagho, t.loko, f, m.join(QStringLiteral("; ")), t.teksto.simplified());
            }
        }
        return el;
    }

private slots:
    void initTestCase()
    {
        const QString fonto = qEnvironmentVariable("LERBO_FONTO");
        QVERIFY2(!fonto.isEmpty(), "LERBO_FONTO names the source tree");
        const QString listo = fonto + QStringLiteral("/tests/instruordo_vortoj.txt");
        QList<vortlistoj::Ero> eroj;
        QVERIFY2(vortlistoj::legas(listo, &eroj), qPrintable(listo));
        for (const vortlistoj::Ero& e : qAsConst(eroj)) {
            Akceptita a;
            a.vorto = e.vorto;
            a.kialo = e.kialo;
            const int dupunkto = a.vorto.lastIndexOf(QLatin1Char(':'));
            if (dupunkto > 0) {
                a.loko = a.vorto.left(dupunkto);
                a.vorto = a.vorto.mid(dupunkto + 1);
                static const QRegularExpression leciono(QStringLiteral("^Lec(\\d\\d)\\.(.+)$"));
                const auto m = leciono.match(a.loko);
                if (m.hasMatch()) {
                    a.leciono = m.captured(1).toInt();
                    a.loko = m.captured(2);
                }
            }
            a.vorto = a.vorto.toLower();
            QVERIFY2(!a.kialo.isEmpty(), qPrintable(QStringLiteral("no reason given: ") + e.linio));
            akceptitaj << a;
        }
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            lecionoj.insert(l.numero, paghoj(l));
        QCOMPARE(lecionoj.size(), 13);
    }

    void analizo_data()
    {
        QTest::addColumn<QString>("lernita");
        QTest::addColumn<QString>("vorto");
        QTest::addColumn<int>("leciono");
        QTest::addColumn<QString>("manko");

        // Met words and the endings taught by then.
        QTest::newRow("met word") << "lerni"
                                  << "lernas" << 1 << "";
        QTest::newRow("plural and accusative of a met word") << "kiu"
                                                             << "kiujn" << 5 << "";
        QTest::newRow("accusative before lesson 2") << "libro"
                                                    << "libron" << 1 << "-n before lesson 2";
        QTest::newRow("adverb before lesson 3") << "bona"
                                                << "bone" << 2 << "-e before lesson 3";
        QTest::newRow("not met") << "libro"
                                 << "kato" << 5 << "not met yet";
        QTest::newRow("direction -n of a met place word") << "kie"
                                                          << "kien" << 5 << "";
        QTest::newRow("jen is no je with -n") << "je"
                                              << "jen" << 6 << "not met yet";
        QTest::newRow("nun is no nu with -n") << "nu"
                                              << "nun" << 11 << "not met yet";
        // Affixes from the lesson that teaches them.
        QTest::newRow("mal- from lesson 2") << "bona"
                                            << "malbona" << 2 << "";
        QTest::newRow("-ej- before lesson 8") << "halti"
                                              << "haltejo" << 7 << "the affix ej before lesson 8";
        QTest::newRow("-ej- in lesson 8") << "halti"
                                          << "haltejo" << 8 << "";
        QTest::newRow("-ist- before lesson 9") << "Esperanto"
                                               << "esperantista" << 7 << "the affix ist before lesson 9";
        QTest::newRow("compound of met words") << "ĉiu tago"
                                               << "ĉiutage" << 7 << "";
        QTest::newRow("a met word takes an ending") << "apud"
                                                    << "apuda" << 7 << "";
        // A word built with a taught affix shows its root.
        QTest::newRow("root behind a taught prefix") << "praavo"
                                                     << "avo" << 8 << "";
        QTest::newRow("root behind a suffix taught later") << "lernejo"
                                                           << "lerni" << 4 << "not met yet";
        // A word without a vowel left is no root: pli and tri teach no pl-
        // or tr-, so plu and tro are neither met nor imperatives.
        QTest::newRow("plu is not built on pli") << "pli"
                                                 << "plu" << 7 << "not met yet";
        QTest::newRow("tro is not built on tri") << "tri"
                                                 << "tro" << 7 << "not met yet";
        // Ordinals: a met number with -a, from lesson 3.
        QTest::newRow("ordinal of a met number") << "ok"
                                                 << "oka" << 7 << "";
        QTest::newRow("ordinal of a compound number") << "dek ses"
                                                      << "deksesan" << 7 << "";
        QTest::newRow("ordinal before lesson 3") << "ses"
                                                 << "sesa" << 2 << "the ordinal before lesson 3";
        QTest::newRow("ordinal of a number not met") << "ok"
                                                     << "naŭa" << 7 << "not met yet";
        // Forms that come later whether the word was met or not.
        QTest::newRow("imperative") << "veni"
                                    << "venu" << 7 << "-u before lesson 10";
        QTest::newRow("imperative in lesson 10") << "veni"
                                                 << "venu" << 10 << "";
        QTest::newRow("tiu is no imperative") << "tiu"
                                              << "tiu" << 5 << "";
        QTest::newRow("unu is no imperative") << "unu"
                                              << "unu" << 3 << "";
        QTest::newRow("a verb met in the imperative") << "Ni dormu"
                                                      << "dormas" << 10 << "";
        QTest::newRow("a verb met in the conditional") << "Mi vojaĝus"
                                                       << "vojaĝos" << 10 << "";
        QTest::newRow("tiu teaches no root ti-") << "tiu"
                                                 << "tio" << 5 << "not met yet";
        QTest::newRow("conditional") << "povi"
                                     << "povus" << 6 << "-us before lesson 10";
        QTest::newRow("conditional met in a word box") << "povas povus"
                                                       << "povus" << 6 << "-us before lesson 10";
        QTest::newRow("imperative met in a word box") << "veni venu"
                                                      << "venu" << 7 << "-u before lesson 10";
        QTest::newRow("participle of a met verb") << "lerni"
                                                  << "lernantoj" << 8 << "the participle -ant- before lesson 10";
        QTest::newRow("participle met in a word box") << "lerni lernantoj"
                                                      << "lernantoj" << 8 << "the participle -ant- before lesson 10";
        QTest::newRow("a root ending like a participle") << "mono monato"
                                                         << "monatoj" << 4 << "";
        QTest::newRow("-iĝ- before lesson 9") << "komenci"
                                              << "komenciĝas" << 7 << "-iĝ- before lesson 9";
        QTest::newRow("sia before lesson 10") << "sia"
                                              << "sian" << 5 << "si/sia before lesson 10";
        QTest::newRow("ke before lesson 10") << "ke"
                                             << "ke" << 7 << "ke before lesson 10";
        QTest::newRow("ke in lesson 10") << "ke"
                                         << "ke" << 10 << "";
    }
    void analizo()
    {
        QFETCH(QString, lernita);
        QFETCH(QString, vorto);
        QFETCH(int, leciono);
        QFETCH(QString, manko);
        Vortscio s;
        s.lernas(lernita, leciono);
        const QStringList m = s.mankoj(vorto, leciono);
        if (manko.isEmpty())
            QVERIFY2(m.isEmpty(), qPrintable(m.join(QStringLiteral("; "))));
        else
            QVERIFY2(m.contains(manko), qPrintable(m.join(QStringLiteral("; "))));
    }

    void gloso_data()
    {
        QTest::addColumn<QString>("gloso");
        QTest::addColumn<QString>("vorto");
        QTest::addColumn<bool>("glosas");
        QTest::newRow("the same word") << "sed"
                                       << "sed" << true;
        QTest::newRow("another ending") << "serĉi"
                                        << "serĉis" << true;
        QTest::newRow("built with affixes") << "veki"
                                            << "vekiĝis" << true;
        QTest::newRow("another root") << "veki"
                                      << "vendis" << false;
        QTest::newRow("a longer root") << "vekiĝi"
                                       << "vekis" << false;
    }
    void gloso()
    {
        QFETCH(QString, gloso);
        QFETCH(QString, vorto);
        QFETCH(bool, glosas);
        QCOMPARE(Vortscio::samaRadiko(vorto, gloso), glosas);
    }

    void akuzativaSugesto()
    {
        // Lesson 8's accusative items are read against the hints that
        // exercise shows, those of the gap-filling items 0802: a word
        // glossed there is glossed here too.
        const QString sugesto = angla(QStringLiteral("Ekzerco-0802"), QStringLiteral("0"));
        QVERIFY(!sugesto.isEmpty());
        bool trovita = false;
        for (const Pagho& p : lecionoj.value(8))
            for (const Teksto& t : p.kontrolataj)
                if (t.loko == QLatin1String("0805/0")) {
                    QCOMPARE(t.glosoj, sugesto);
                    trovita = true;
                }
        QVERIFY(trovita);
    }

    void akuzativajAludoj()
    {
        // The hints that gloss an accusative item are the ones its page
        // shows, whichever exercise code holds them.
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (const auto& e : l.ekzercoj)
                if (e.klaso == QLatin1String("akuzativo"))
                    QVERIFY2(!angla(QStringLiteral("Ekzerco-") + aludaKodo(e), QStringLiteral("0")).isEmpty(),
                             qPrintable(e.nomo));
    }

    void leciono_data()
    {
        QTest::addColumn<int>("numero");
        for (int n = 1; n <= 13; ++n)
            QTest::addRow("lesson %d", n) << n;
    }
    void leciono()
    {
        QFETCH(int, numero);
        const QStringList m = mankoj(numero);
        // One line each: a failure message alone is cut short.
        for (const QString& linio : m)
            qInfo().noquote() << linio;
        QVERIFY2(m.isEmpty(), qPrintable(QStringLiteral("%1 words or forms above are not taught by their page: gloss "
                                                        "them, teach them earlier or list them in "
                                                        "tests/instruordo_vortoj.txt with the reason")
                                             .arg(m.size())));
    }

    void listo()
    {
        // Every accepted word still stands where it is accepted: a list
        // that outlives its texts would let a later fault through.
        for (int n = 1; n <= 13; ++n)
            mankoj(n);
        QStringList neuzataj;
        for (const Akceptita& a : qAsConst(akceptitaj))
            if (!a.uzita)
                neuzataj << (a.loko.isEmpty() ? a.vorto : a.loko + QLatin1Char(':') + a.vorto);
        QVERIFY2(neuzataj.isEmpty(), qPrintable(QStringLiteral("listed in tests/instruordo_vortoj.txt but needed "
                                                               "nowhere: ")
                                                + neuzataj.join(QStringLiteral(", "))));
    }

    void glosojEnTradukoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        // The Esperanto file explains in Esperanto: a gloss there would
        // repeat the word.
        for (const QString& d : testilo::sendatajTradukoj())
            if (d != QLatin1String("angla.trd") && d != QLatin1String("esperanto.trd"))
                QTest::newRow(qPrintable(d)) << d;
    }
    void glosojEnTradukoj()
    {
        // A hint or task of every language shows the glosses that the
        // English one shows for a word not taught yet.
        QFETCH(QString, dosiero);
        if (uzitajGlosoj.isEmpty())
            for (int n = 1; n <= 13; ++n)
                mankoj(n);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        QStringList mankas;
        for (auto it = uzitajGlosoj.constBegin(); it != uzitajGlosoj.constEnd(); ++it) {
            const QString teksto = trd.value(it.key()).toString().toLower();
            QSet<QString> vortoj;
            for (const auto& v : esperantaj_tekstoj::vortoj(teksto))
                for (const QString& f : v.formoj)
                    vortoj.insert(f);
            for (const QString& g : it.value())
                if (!vortoj.contains(g))
                    mankas << QStringLiteral("%1 (%2)").arg(it.key(), g);
        }
        mankas.sort();
        QVERIFY2(mankas.isEmpty(), qPrintable(QStringLiteral("%1 lacks the glosses of the English hint: %2")
                                                  .arg(dosiero, mankas.join(QStringLiteral(", ")))));
    }
};

QTEST_MAIN(TestoInstruordo)
#include "tst_instruordo.moc"
