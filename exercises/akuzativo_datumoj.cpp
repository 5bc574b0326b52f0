#include "akuzativo_datumoj.h"
#include "erodosieroj.h"
#include "funkcioj.h"

int akuzativo_datumoj::legu(const QString& kodo, const QString& tradukkodo)
{
    _Matriz2(&Frazoj, kodo, QStringLiteral("D"), Kolumnoj);
    _Matriz2(&Solvoj, kodo, QStringLiteral("R"), Kolumnoj);
    _Matriz2(&Kodoj, kodo, QStringLiteral("K"), Kolumnoj);
    _Matriz(&Tradukoj, tradukkodo, QStringLiteral("T"));
    while (Tradukoj.size() < Frazoj.size())
        Tradukoj << QString();
    _Matriz(&Klarigtekstoj, QStringLiteral("Klarigoj"), QStringLiteral("T"));
    while (Klarigtekstoj.size() < Klarigoj)
        Klarigtekstoj << QString();
    return Frazoj.size();
}

QString akuzativo_datumoj::kampo(const QList<QStringList>& vicoj, int ero, int k)
{
    if (ero < 0 || ero >= vicoj.size() || k < 0 || k >= vicoj.at(ero).size())
        return QString();
    return vicoj.at(ero).at(k);
}

QString akuzativo_datumoj::vorto(int ero, int k) const
{
    return kampo(Frazoj, ero, k);
}

bool akuzativo_datumoj::bezonasN(int ero, int k) const
{
    // A stray blank around the flag must not leave a sentence that can
    // never be confirmed right.
    return kampo(Solvoj, ero, k).trimmed() == QLatin1String("1");
}

int akuzativo_datumoj::klarigo(int ero, int k) const
{
    const int e = kampo(Kodoj, ero, k).trimmed().toInt();
    return e >= 0 && e < Klarigoj ? e : -1;
}

QString akuzativo_datumoj::klarigteksto(int ero, int k) const
{
    const int e = klarigo(ero, k);
    return e >= 0 && e < Klarigtekstoj.size() ? Klarigtekstoj.at(e) : QString();
}

QString akuzativo_datumoj::traduko(int ero) const
{
    return ero >= 0 && ero < Tradukoj.size() ? Tradukoj.at(ero) : QString();
}
