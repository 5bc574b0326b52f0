#pragma once
#include <QString>

// Makes a text from outside (a translation, the downloaded language list)
// safe to show as rich text. A label shows a text with markup as a document
// that reads every picture, style sheet and background it names, so a text
// naming /dev/zero, a FIFO or any file of the learner would be read, or
// block, the moment it is laid out. Widget-free.
//
// The text is written anew: plain text stays as it is, and of the markup
// only simple formatting survives, each tag rebuilt from the attributes it
// may keep; a picture only when it lies in the program's own resources
// (":/..." or "qrc:/..."). Style sheets, links, backgrounds and styles that
// name an address go. Whatever the markup, the result holds no "<" but in
// tags built here, so the way the label's parser reads odd markup cannot
// bring anything back.
class TekstoSekurigilo
{
public:
    static QString sekurigas(const QString& teksto);

    // A picture address the program's own resources answer: ":/" or "qrc:/"
    // and a plain path below it.
    static bool propraRimedo(const QString& adreso);
};
