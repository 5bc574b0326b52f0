#include "ekzercokuro.h"
#include "funkcioj.h"
#include "verdikto.h"

bool ekzercokuro::komencu(int kvanto, Limo limo, int minimumo)
{
    return komencu(kvanto, limo == Limigita ? limigo(kvanto) : kvanto, minimumo);
}

bool ekzercokuro::komencu(int kvanto, int celo, int minimumo)
{
    ++signo_;
    kvanto_ = kvanto > 0 ? kvanto : 0;
    celo_ = qBound(0, celo, kvanto_);
    nuna_ = -1;
    gxustaj_ = 0;
    malgxustaj_ = 0;
    atendas_ = false;
    faritaj_.clear();
    for (int i = 0; i < kvanto_; ++i)
        faritaj_ << false;
    kuras_ = kvanto_ >= qMax(1, minimumo) && celo_ > 0;
    return kuras_;
}

void ekzercokuro::haltu()
{
    ++signo_;
    kuras_ = false;
    atendas_ = false;
}

int ekzercokuro::tiru()
{
    if (!faritaj_.contains(false)) {
        atendas_ = false;
        return -1;
    }
    int ero = random(kvanto_);
    while (faritaj_.at(ero))
        ero = random(kvanto_);
    montras(ero);
    return ero;
}

void ekzercokuro::montras(int ero)
{
    nuna_ = ero;
    atendas_ = ero >= 0 && ero < kvanto_;
}

bool ekzercokuro::respondas(bool gxusta)
{
    if (!atendas())
        return false;
    atendas_ = false;
    if (gxusta) {
        ++gxustaj_;
        faritaj_[nuna_] = true;
    } else {
        ++malgxustaj_;
    }
    if (finita())
        finitaSigno_ = signo_;
    return true;
}

bool ekzercokuro::verdiktoSxuldata(int signo)
{
    // A stop adds one to the run's mark; a new start adds one more.
    if (kuras_ || finitaSigno_ != signo || signo_ != signo + 1)
        return false;
    finitaSigno_ = -1;
    return true;
}

bool ekzercokuro::farita(int ero) const
{
    return ero >= 0 && ero < faritaj_.size() && faritaj_.at(ero);
}

int ekzercokuro::procento() const
{
    return procento(gxustaj_, malgxustaj_);
}

int ekzercokuro::procento(int gxustaj, int malgxustaj)
{
    return Verdikto::procento(gxustaj, malgxustaj);
}

bool ekzercokuro::trapasas(int gxustaj, int malgxustaj)
{
    return Verdikto::trapasas(gxustaj, malgxustaj);
}
