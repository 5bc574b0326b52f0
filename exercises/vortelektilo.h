#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The rules of the word-choice exercise, without widgets: which items fill
// the five options of a question, and the lines of its printed sheet.
class vortelektilo
{
public:
    static const int opcioj = 5;
    // The options need five different items.
    static const int minimumo = 5;

    struct Demando
    {
        int gxusta = -1; // position of the right translation
        QList<int> eroj; // item shown at each position 0 .. 4
    };

    // An item that does not read as a whole number of at least 1 is the
    // Esperanto word itself, not the number of a word label.
    static bool literala(const QString& ero);
    // The right item `nuna` at a random position and four other items, all
    // different, drawn among `n` (at least five); `uzataj` gets them marked.
    static Demando faras(int n, int nuna, QList<bool>& uzataj);
    // Marks in `uzataj` the other items whose Esperanto word is that of item
    // `nuna` (a lesson may show one word twice, with two translations that
    // are both right), unless too few items would be left for the options.
    static void sammaskas(const QStringList& vortoj, int nuna, QList<bool>& uzataj);

    // Option letters of the sheet: a, b, c, ĉ, d.
    static QString litero(int pozicio);
    // The heading of item `numero` of the sheet.
    static QString kapo(int numero, const QString& vorto, bool maldekstreDekstren);
    // One option line of the sheet.
    static QString linio(int pozicio, const QString& teksto, bool maldekstreDekstren);
};
