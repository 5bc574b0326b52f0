#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The rules of the gap-filling exercise, without widgets: judging the typed
// pieces, which side of its gap a field leans to, and the sheet's entries.
class spacplenigilo
{
public:
    static const int spacoj = 5; // gaps of a sentence at most
    static const int partoj = 6; // text parts around them

    // One flag per gap (5): the typed piece, normalised, differs from the
    // right one. A gap without a piece expects an empty field. Where the
    // sentence takes other right fillings (`aliaj`, whole rows of pieces),
    // the flags are those of the row the typed pieces come nearest to, the
    // item's own row first among equals.
    static QList<bool> malgxustaj(const QStringList& tajpitaj, const QStringList& pecoj,
                                  const QList<QStringList>& aliaj = {});
    // The other right fillings of a sentence, written in its item of the "A"
    // section as rows of pieces joined by "~", the rows joined by "|".
    static QList<QStringList> aliajPecoj(const QString& ero);
    // The piece belongs to the following word: the text before the gap ends
    // with a blank and the text after it does not begin with one.
    static bool dekstren(const QString& antaux, const QString& post);

    // One item of the printed sheet: translation line, then the sentence
    // with "__" per character of each missing piece.
    static QString folioEro(const QString& traduko, const QStringList& partoj_, const QStringList& pecoj,
                            bool dekstreMaldekstren);
    // The key entry of an item: its pieces in gap order.
    static QString sxlosilo(const QStringList& pecoj);
};
