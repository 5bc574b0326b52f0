#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The age checks of the downloaded list "traduklisto.ini" (the list itself
// is read by TradukoListo).
class Lingvolisto
{
public:
    // Whether the list is missing or was last written more than 7 days before `hodiau`.
    static bool malnova(const QString& listo, const QDate& hodiau);

    // Whether the list names a version of language `lingvoID` later than `loka`.
    static bool pliNova(const QString& listo, const QString& lingvoID, const QDate& loka);
};
