#pragma once
#include <QString>

// A clock time as the learner types it into the "99:99;_" field: the
// field's text holds the digits typed and the ":" between them.
class kiomahoro_horo
{
public:
    // The answer as judged: the field's text without surrounding blanks.
    static QString respondo(const QString& kampo);
    // Nothing typed: the field reads only ":".
    static bool malplena(const QString& kampo);
    // Right only when it is the expected time exactly ("24:00" for midnight,
    // never "00:00").
    static bool gxusta(const QString& kampo, const QString& atendata);
};
