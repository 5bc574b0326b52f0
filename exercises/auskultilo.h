#pragma once
#include <QString>

// The rules of the listening exercise, without widgets: what an item is,
// which clip it plays and when a typed answer is right.
class auskultilo
{
public:
    // An item is a word unless it reads as a whole number of at least 1,
    // the number of a word label of the lesson.
    static bool estasVorto(const QString& ero);
    // The clip of an item of exercise `kodo` (its lesson is the first two
    // characters of the code).
    static QString klipo(const QString& ero, const QString& kodo);
    // The text of a word label as the answer to type: trimmed, without the
    // left-to-right marks that right-to-left lessons add.
    static QString atendata(const QString& etikedo);
    // Case, doubled or outer blanks, points and commas never make an answer wrong.
    static bool gxusta(const QString& tajpita, const QString& atendata);
};
