#pragma once
#include <QString>

// The one rule for the name of a translation file. Such a name comes from
// outside (the downloaded list, the editor's field, the settings file) and
// becomes a path in the writable folder, an entry of "traduklisto.ini" and a
// path on the course site, so it must be a plain name there and stay one
// line in every INI file. Widget-free.
class TradukDosierNomo
{
public:
    // Letters, digits, "_", "-", "." and inner blanks, ending in ".trd";
    // no leading dot or blank, no "..", no path separators, no control
    // characters, at most MaksLongo characters. The name is taken as it
    // stands: a caller that trims does so first.
    static bool sekura(const QString& nomo);

    static constexpr int MaksLongo = 64;
};
