#pragma once
#include <QString>

// Which greeting suits the hour.
class Saluto
{
public:
    // lauHoro false gives "saluton"; otherwise the word of the hour (0..23),
    // where the morning hours 5..11 say "tagon" when tagon is set, else "matenon".
    static QString vorto(int horo, bool lauHoro, bool tagon);
};
