#include "vortlistoj.h"

#include <QFile>
#include <QRegularExpression>

namespace vortlistoj {

bool legas(const QString& vojo, QList<Ero>* eroj)
{
    QFile f(vojo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression spaco(QStringLiteral("\\s"));
    for (const QString& linio : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString l = linio.trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const int i = l.indexOf(spaco);
        *eroj << Ero{i < 0 ? l : l.left(i), i < 0 ? QString() : l.mid(i).trimmed(), l};
    }
    return true;
}

} // namespace vortlistoj
