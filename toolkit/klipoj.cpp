#include "klipoj.h"
#include "funkcioj.h"
#include "specialadosiero.h"

#include <QFileInfo>
#include <QUrl>

QString klipoj::vorto(const QString& ll, const QString& vorto)
{
    QString x = CxSist(vorto, 1);
    if (x == QLatin1String("aux"))
        x = QStringLiteral("auh");
    return QStringLiteral("sonoj/lec") + ll + QLatin1Char('/') + x + mp3_finajho;
}

QString klipoj::butono(const QString& ll, const QString& n)
{
    return QStringLiteral("sonoj/lec") + ll + QStringLiteral("/btn") + n + mp3_finajho;
}

QUrl klipoj::adreso(const QString& vojo)
{
    // A FIFO would hold the player, and the window with it, for ever.
    return sSistemo == QLatin1String("android") ? QUrl(vojo) : QUrl::fromLocalFile(SpecialaDosiero::anstatauo(vojo));
}

bool klipoj::ludebla(const QString& vojo)
{
    const QFileInfo dosiero(vojo);
    return dosiero.isFile() && dosiero.isReadable() && dosiero.size() > 0;
}
