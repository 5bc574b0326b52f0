#pragma once
#include <QString>

class QUrl;

// Where the course's clips lie in the media folder and how a player is
// pointed at one: the naming rules that the word labels, the exercises and
// the media folder tool must agree on.
class klipoj
{
public:
    // An Esperanto word of lesson `ll` ("01"): its x-system spelling in the
    // lesson's sound folder; "aŭ" is "auh", since "aux" is a name that some
    // systems reserve.
    static QString vorto(const QString& ll, const QString& vorto);
    // The clip of the word label numbered `n` of lesson `ll` ("btn" + n).
    static QString butono(const QString& ll, const QString& n);
    // A file of the media folder as a player takes it: a local file, or the
    // path itself where the platform's media folder is not a plain folder.
    // A FIFO or device there is handed over as a missing file.
    static QUrl adreso(const QString& vojo);
    // Whether a player has anything to play there: a readable file that is
    // not empty (a FIFO, a device or a folder is none).
    static bool ludebla(const QString& vojo);
};
