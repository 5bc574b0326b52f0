#pragma once
#include <QString>

// The answer check of the numerals exercise, without widgets.
class nombrilo
{
public:
    // The typed text with blanks doubled or around it, points and commas
    // removed ("1.857" gives "1857"); empty when nothing was typed.
    static QString normigas(const QString& tajpita);
    // Right only when the normalised text is a whole number equal to the
    // answer: text that is no number is wrong, also for the answer "0".
    static bool gxusta(const QString& tajpita, const QString& respondo);
    // The printed sheet's entry of a number phrase.
    static QString folioEro(const QString& frazo, bool dekstreMaldekstren);
};
