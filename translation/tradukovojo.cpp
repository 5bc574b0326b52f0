#include "tradukovojo.h"
#include "funkcioj.h"
#include "tradukokontrolo.h"
#include "tradukolisto.h"

QString TradukoVojo(const QString& dosiero)
{
    if (!TradukoListo::ValidaDosierNomo(dosiero))
        return TradukUjo() + QStringLiteral("angla.trd");
    if (!savasLoko.isEmpty() && TradukoKontrolo::legeblaDosiero(savasLoko + dosiero))
        return savasLoko + dosiero;
    return TradukUjo() + dosiero;
}

QString TradukUjo()
{
    return (Loko.isEmpty() ? QStringLiteral(":/") : Loko) + QStringLiteral("tradukoj/");
}
