#include "frazkonstruilo.h"
#include "funkcioj.h"

#include <QSet>
#include <cmath>

int frazkonstruilo::slotoj(int vortoj)
{
    const int m = int(std::floor(vortoj * 1.7 + 0.5));
    return m < butonoj ? m : butonoj;
}

QString frazkonstruilo::senNumero(const QString& traduko)
{
    QString t = traduko.trimmed();
    // A right-to-left label carries a direction mark before the number; the
    // mark goes with it, and the label that shows the rest sets its own.
    int i = 0;
    while (i < t.size() && (t.at(i).unicode() == 0x200E || t.at(i).unicode() == 0x200F))
        ++i;
    if (i < t.size() && t.at(i).isDigit()) {
        t.remove(0, i);
        while (!t.isEmpty() && (t.at(0).isDigit() || t.at(0) == QLatin1Char('.')))
            t.remove(0, 1);
    }
    return t.trimmed();
}

QStringList frazkonstruilo::vortoj(const QString& frazo, bool trovita)
{
    if (!trovita)
        return QStringList{QString()};
    return frazo.trimmed().split(QLatin1Char(' '));
}

frazkonstruilo::Aro frazkonstruilo::aro(const QList<QStringList>& frazoj, int nuna)
{
    Aro a;
    if (nuna < 0 || nuna >= frazoj.size())
        return a;
    const QStringList& propraj = frazoj.at(nuna);
    const int m = slotoj(propraj.size());
    for (int i = 0; i < m; ++i) {
        a.tekstoj << QString();
        a.uzataj << false;
    }
    int liberaj = m;
    QSet<QString> metitaj;
    auto metas = [&](const QString& vorto) {
        int s = random(m);
        while (a.uzataj.at(s))
            s = random(m);
        a.tekstoj[s] = vorto;
        a.uzataj[s] = true;
        --liberaj;
    };
    for (const QString& v : propraj) {
        if (liberaj == 0)
            break;
        metas(v);
        metitaj << v.trimmed();
    }

    QSet<QString> kandidatoj;
    for (int k = 0; k < frazoj.size(); ++k)
        if (k != nuna)
            for (const QString& v : frazoj.at(k))
                kandidatoj << v.trimmed();

    while (liberaj > 0) {
        // When every word of the other sentences is in the pool already,
        // the draw below would never end.
        if ((kandidatoj - metitaj).isEmpty())
            break;
        for (;;) {
            int k = random(frazoj.size());
            while (k == nuna)
                k = random(frazoj.size());
            const QStringList& ilia = frazoj.at(k);
            int w = -1;
            for (int provo = 0; provo <= ilia.size(); ++provo) {
                const int c = random(ilia.size());
                if (!metitaj.contains(ilia.at(c).trimmed())) {
                    w = c;
                    break;
                }
            }
            if (w < 0)
                continue;
            metas(ilia.at(w));
            metitaj << ilia.at(w).trimmed();
            break;
        }
    }
    return a;
}

QList<QStringList> frazkonstruilo::aliajOrdoj(const QString& ero, const QStringList& vortoj)
{
    QList<QStringList> ordoj;
    QStringList ordigitaj = vortoj;
    ordigitaj.sort();
    for (const QString& frazo : ero.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QStringList alia = frazo.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList ordigita = alia;
        ordigita.sort();
        if (ordigita == ordigitaj && alia != vortoj && !ordoj.contains(alia))
            ordoj << alia;
    }
    return ordoj;
}

bool frazkonstruilo::gxusta(const QStringList& metitaj, const QStringList& vortoj, const QList<QStringList>& aliaj)
{
    return metitaj == vortoj || aliaj.contains(metitaj);
}
