#pragma once
#include "akuzativo_datumoj.h"

#include <QList>

// The sentence on show in the accusative exercise: which of its words have
// received the ending -n, what a click on a word means and whether the
// sentence is right when confirmed.
class akuzativo_frazo
{
public:
    enum Klako {
        Malgxusta, // the word takes no -n: an error
        Gxusta, // the word receives its -n now
        JamFarita, // the word had its -n already: nothing changes
        Nenio // no word at that position
    };

    // Shows sentence `ero` of `datumoj` with no ending given yet.
    void metas(const akuzativo_datumoj* datumoj, int ero);
    Klako klaku(int k);
    bool markita(int k) const;
    // Every word that needs -n has received it.
    bool gxusta() const;
    // The words on show that needed -n and did not receive it.
    QList<int> maltrafitaj() const;

private:
    const akuzativo_datumoj* Datumoj = nullptr;
    int Ero = -1;
    bool Markoj[akuzativo_datumoj::Kolumnoj] = {};
};
