#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The items of an accusative exercise: per sentence its words (D), the
// words that take the ending -n (R) and the explanation of each word (K),
// the sentence translations and the 13 explanation texts. Rows that are
// missing or short read as empty fields, so every index asked is valid.
class akuzativo_datumoj
{
public:
    static constexpr int Kolumnoj = 11; // fields read per row
    static constexpr int Pozicioj = 10; // words the form can show
    static constexpr int Klarigoj = 14; // explanations 0 .. 13

    // Reads the sections of exercise `kodo` and the translations of group
    // "Ekzerco-" + `tradukkodo`; returns the number of sentences.
    int legu(const QString& kodo, const QString& tradukkodo);

    int kvanto() const { return Frazoj.size(); }
    QString vorto(int ero, int k) const;
    // Word k of the sentence takes the accusative ending.
    bool bezonasN(int ero, int k) const;
    // The explanation number of word k: an empty or non-numeric field is 0,
    // a number outside 0 .. 12 gives -1 (no explanation).
    int klarigo(int ero, int k) const;
    QString klarigteksto(int ero, int k) const;
    QString traduko(int ero) const;

private:
    static QString kampo(const QList<QStringList>& vicoj, int ero, int k);

    QList<QStringList> Frazoj;
    QList<QStringList> Solvoj;
    QList<QStringList> Kodoj;
    QStringList Tradukoj;
    QStringList Klarigtekstoj;
};
