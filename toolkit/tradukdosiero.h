#pragma once
#include "inidosiero.h"

// A translation file or the downloaded language list, read for texts the
// program shows. Both come from outside, so every text read through this
// class is made safe for rich text (TekstoSekurigilo) as it enters; the
// name hides QSettings' own reader.
class TradukDosiero : public IniDosiero
{
public:
    explicit TradukDosiero(const QString& vojo)
        : IniDosiero(vojo)
    {
    }

    QVariant value(const QString& sxlosilo, const QVariant& defauxlto = QVariant()) const;
};
