#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The rules of the sentence-building exercise, without widgets: how many
// word buttons the pool shows, which words fill it, and when a built
// sentence is right.
class frazkonstruilo
{
public:
    // Word buttons in each row.
    static const int butonoj = 18;

    // The pool of a sentence: slot i shows tekstoj[i] when uzataj[i].
    struct Aro
    {
        QStringList tekstoj;
        QList<bool> uzataj;
    };

    // Pool size for a sentence of `vortoj` words: 1.7 times as many,
    // rounded half up, at most `butonoj`.
    static int slotoj(int vortoj);
    // A translation without the sentence number in front ("10. The boys"
    // gives "The boys"), and without the direction marks before that number.
    static QString senNumero(const QString& traduko);
    // The words of a sentence as the check compares them (split at every
    // blank, empty parts kept); one empty word for a missing sentence.
    static QStringList vortoj(const QString& frazo, bool trovita);
    // The pool of sentence `nuna`: its own words and distractors from the
    // other sentences, none repeating a word already in the pool, all in
    // random slots. Fewer distractors when the other sentences run out of
    // new words, so drawing always ends.
    static Aro aro(const QList<QStringList>& frazoj, int nuna);
    // The other right orders of a sentence, written in its item of the
    // "A" section as sentences joined by "|". An order counts only when it
    // uses exactly the sentence's own words, the only ones its pool is sure
    // to hold; the sentence itself and repeats are dropped.
    static QList<QStringList> aliajOrdoj(const QString& ero, const QStringList& vortoj);
    // The placed words, in order, against the sentence or one of its other
    // right orders (exact, case-sensitive).
    static bool gxusta(const QStringList& metitaj, const QStringList& vortoj, const QList<QStringList>& aliaj = {});
};
