#pragma once
#include <QString>

// The style sheets built from the learner's two fonts and sizes. Sizes come
// in already scaled to the screen.
class Stilfolio
{
public:
    // The sheet of the central widget: captions, headings, Esperanto text.
    static QString generas(int t, const QString& tiparoEo, int e);
    // The sheet of a sample label of the settings page.
    static QString specimeno(const QString& familio, int grando);
};
