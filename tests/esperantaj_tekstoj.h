#pragma once
// The Esperanto texts of the course as a learner meets them, for the checks
// that read them word by word (spelling, teaching order): the words of a
// text, and the sentence an exercise item shows once it is answered right.
#include <QList>
#include <QString>
#include <QStringList>

class IniDosiero;

namespace esperantaj_tekstoj {

// A word as written and the forms that must all pass for it to be right.
struct Vorto
{
    QString skribita;
    QStringList formoj;
    // Syllables written apart ("ĵur-NA-lo") also pass as one word.
    QString kunigita;
    // Where the word stands in the text (its first character).
    int komenco = 0;
};

// The plain text of a text that may be rich text.
QString plata(const QString& teksto);

// The words of a text. Endings and affixes written as such ("-as", "mal-")
// are grammar, not words; a single letter is a letter; a Roman numeral
// numbers a heading; a run of x holds a label's place until the program
// fills it.
QList<Vorto> vortoj(const QString& teksto);

// Rows "0", "1", ... of one section of an item file, each split into its
// fields at "~".
QList<QStringList> vicoj(IniDosiero& dat, const QString& sekcio);

// The sentence of an item as the learner sees it once it is right: the
// accusative exercise's words with the -n their flag asks for, or the
// gap-filling parts with the right pieces in their gaps. `truoj` receives
// where each filled gap stands in the sentence (start, length).
QString frazo(const QString& speco, const QStringList& d, const QStringList& r,
              QList<QPair<int, int>>* truoj = nullptr);

} // namespace esperantaj_tekstoj
