#pragma once
// What a learner has met of Esperanto by some page of the course, and
// whether a word of a text on that page is made only of that: the roots come
// from the words met beside their meaning, the grammar (endings, affixes,
// si, ke) from the lesson that teaches it.
#include <QSet>
#include <QString>
#include <QStringList>

class Vortscio
{
public:
    // The words of a text that stands beside its meaning on a page of
    // lesson `leciono`; a word built with affixes taught by then also shows
    // its root (praavo shows avo once pra- is taught).
    void lernas(const QString& teksto, int leciono = 13);

    // Why `vorto` (one word, any case) cannot be read on a page of lesson
    // `leciono`, one entry per fault ("not met yet", "-u before lesson 10");
    // empty when it was met or is built only of what was met and taught.
    QStringList mankoj(const QString& vorto, int leciono) const;

    // The forms of `vorto` that lesson `leciono` does not teach yet, whether
    // the word itself was met or not: si and sia, ke, the imperative and the
    // conditional, the participles and -iĝ-.
    QStringList fruajFormoj(const QString& vorto, int leciono) const;

    // The lesson that teaches a grammatical ending ("as", "n") or affix
    // ("mal", "eg"): 0 where it is no ending or affix of the course's.
    static int finajhaLeciono(const QString& finajho);
    static int afiksaLeciono(const QString& afikso);

    // The word without its endings -n, -j and its grammatical ending, and
    // that ending ("o", "as", ...); an empty stem where none is left.
    static QString radiko(const QString& vorto, QString* finajho = nullptr, QStringList* aliaj = nullptr);

    // `vorto` is `glosita` (a word in its dictionary form) or built from it
    // with affixes: "(veki)" glosses vekiĝis and vekis alike.
    static bool samaRadiko(const QString& vorto, const QString& glosita);

private:
    // A stem built of met roots and the affixes of `afiksoj` (appended).
    bool konstruebla(const QString& trunko, QStringList* afiksoj, int profundo = 0) const;
    // A number made of met numbers: ok, dekok, dudek.
    bool nombro(const QString& trunko) const;
    // A met verb root, maybe behind the prefixes of negation and aspect.
    bool verba(const QString& trunko) const;
    // The roots inside `trunko` behind the affixes lesson `leciono` teaches.
    void lernasRadikojn(const QString& trunko, int leciono, bool verbo, int profundo = 0);

    QSet<QString> vortoj_;
    QSet<QString> radikoj_;
    QSet<QString> verbaj_;
};
