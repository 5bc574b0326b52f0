#pragma once
// What a learner's Esperanto answer needs its hint to show, read from the
// Esperanto alone: the articles, the plurals, the past, the future and the singular
// nouns the learner has to write. The hint of a translation (a language
// without an article, without number or without tense) shows them by a
// mark of its own; tst_traduko_markiloj checks that it does.
//
// Only what the learner writes counts: in a translation task the whole
// sentence, in a gap item the pieces typed into the gaps (an ending typed
// after a printed stem counts, a printed "la" does not). A plural whose
// number something else already shows needs no mark of its own: a numeral
// or a word of quantity before it (tri kukojn, multajn amikojn), the
// prefix ge- (gepatroj: parents, a pair by its meaning), a printed
// agreeing word in a gap item (la malnovaj tas~), the subject it agrees
// with after esti (Viaj filoj estos amikoj), the plural noun it is joined
// to by kaj or aŭ (librojn kaj ĵurnalojn), or a negation that leaves the
// number open (ne havas amikojn). "la plej" is the superlative, not an
// article to mark.
#include <QList>
#include <QString>
#include <QStringList>

namespace esperantaj_trajtoj {

struct Trajtoj
{
    // The articles the learner writes, "la plej" aside.
    int la = 0;
    // Of those, the articles of a subject or predicate: not before an
    // object (-n) nor after a preposition, where a language's own case
    // endings may show that the noun is definite.
    int laNominativa = 0;
    // The plural nouns whose number nothing else shows.
    int pluralo = 0;
    // The verbs in -os.
    int futuro = 0;
    // The verbs in -is.
    int preterito = 0;
    // The stems of the singular nouns whose ending the learner writes
    // ("frat" for frato): a hint word that reads as several when it stands
    // bare needs a mark of one for these.
    QStringList singularaj;
};

// A sentence the learner writes whole.
Trajtoj deFrazo(const QString& frazo);

// A gap item: the text parts around the gaps and the piece typed into each
// gap, as the item file gives them (parts and pieces joined by "~").
Trajtoj deBrecxoj(const QStringList& partoj, const QStringList& pecoj);

// What every one of several accepted answers needs: the least of each count,
// the singular stems all of them have.
Trajtoj komunaj(const QList<Trajtoj>& respondoj);

} // namespace esperantaj_trajtoj
