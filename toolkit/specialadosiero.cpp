#include "specialadosiero.h"

#include <QFileInfo>

bool SpecialaDosiero::estas(const QString& vojo)
{
    if (vojo.isEmpty() || vojo.startsWith(QLatin1Char(':')) || vojo.startsWith(QLatin1String("assets:")))
        return false;
    const QFileInfo info(vojo);
    return info.exists() && !info.isFile() && !info.isDir();
}

QString SpecialaDosiero::anstatauo(const QString& vojo)
{
    return estas(vojo) ? vojo + QStringLiteral("/nenio") : vojo;
}
