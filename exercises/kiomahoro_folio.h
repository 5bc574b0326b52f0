#pragma once
#include <QString>
#include <QStringList>

class QFont;

// The printed sheet of the clock-time exercise: the phrases as a numbered
// list with a blank for the time, and the times as the answer key.
class kiomahoro_folio
{
public:
    static QString html(const QString& direkto, const QFont& tiparo, const QString& nomo, const QString& titolo,
                        const QString& demando, const QString& instrukcio, const QStringList& frazoj,
                        const QStringList& solvoj);
};
