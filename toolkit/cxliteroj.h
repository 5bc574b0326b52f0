#pragma once
#include <QChar>
#include <QString>

// The x-system letters that the typing fields turn into Esperanto letters.
class CxLiteroj
{
public:
    // The accented letter for a plain letter typed before an x, or a null QChar.
    static QChar cxapelita(QChar litero);
    // Every "cx", "cX", "Cx", "CX" (and the same for g h j s u) of a text converted.
    static QString konvertas(QString teksto);
};
