#pragma once
#include <QIconEnginePlugin>

// Gives every icon made from a PNG file a ProkrastaIkono, built into the
// program's library and registered with Qt when the library is loaded.
class IkonFarejo : public QIconEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QIconEngineFactoryInterface_iid FILE "ikonfarejo.json")

public:
    QIconEngine* create(const QString& dosiero = QString()) override;
};
