#include "ikonfarejo.h"
#include "prokrastaikono.h"

#include <QtPlugin>

// The icon asks its engine for each file itself, after this.
QIconEngine* IkonFarejo::create(const QString&)
{
    if (ProkrastaIkono::farasVeran())
        return nullptr;
    return new ProkrastaIkono;
}

Q_IMPORT_PLUGIN(IkonFarejo)
