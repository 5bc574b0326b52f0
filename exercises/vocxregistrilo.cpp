#include "vocxregistrilo.h"

VocxRegistrilo::VocxRegistrilo(QObject* parent)
    : QObject(parent)
{
}

VocxRegistrilo::~VocxRegistrilo() = default;
