#include "prononcokuro.h"
#include "erodosieroj.h"
#include "funkcioj.h"

int PrononcoKuro::legu(const QString& kodo)
{
    _Matriz(&Eroj, kodo, QStringLiteral("D"));
    Faritaj.clear();
    for (int i = 0; i < Eroj.size(); ++i)
        Faritaj << false;
    return Eroj.size();
}

int PrononcoKuro::limo() const
{
    return limigo(Eroj.size());
}

int PrononcoKuro::tiru()
{
    if (!Faritaj.contains(false))
        return -1;
    int i = random(Eroj.size());
    while (Faritaj.at(i))
        i = random(Eroj.size());
    Faritaj[i] = true;
    return i;
}

int PrononcoKuro::aroGrandeco(int elektita, int restantaj)
{
    return qMax(0, qMin(elektita, restantaj));
}

int PrononcoKuro::numero(const QString& ero)
{
    const int n = ero.toInt();
    return n > 0 ? n : 0;
}

QString PrononcoKuro::klipo(const QString& ero, const QString& leciono)
{
    const QString dosierujo = QStringLiteral("sonoj/lec") + leciono + QLatin1Char('/');
    const int n = numero(ero);
    if (n > 0)
        return dosierujo + QStringLiteral("btn") + QString::number(n) + mp3_finajho;
    // The clips are stored in lower case; a capital in the item would
    // otherwise name a file that is not there.
    return dosierujo + CxSist(ero, 1).toLower() + mp3_finajho;
}

QString PrononcoKuro::registrajxo(const QString& dosierujo, int slot)
{
    return dosierujo + QStringLiteral("prononco") + QString::number(slot);
}

QString PrononcoKuro::ludotaRegistrajxo(const QString& dosierujo, int slot, const QString& sistemo)
{
    QString finajxo;
    if (sistemo == QLatin1String("windows") || sistemo == QLatin1String("osx"))
        finajxo = QStringLiteral(".wav");
    else if (sistemo != QLatin1String("linux"))
        finajxo = QStringLiteral(".mp4");
    return registrajxo(dosierujo, slot) + finajxo;
}

int PrononcoKuro::pauzo(qint64 dauxroMs)
{
    return int(qMax<qint64>(0, dauxroMs) / 1000) + 2;
}

int PrononcoKuro::progreso(qint64 ms, int sekundoj)
{
    if (sekundoj <= 0 || ms <= 0)
        return 0;
    return int(qMin<qint64>(100, ms / sekundoj / 10));
}
