#pragma once
// The word lists beside the tests (tests/vortlisto_*.txt,
// tests/instruordo_vortoj.txt): the words a check accepts although its
// reference lacks them, each with its reason. One entry a line, the word
// first and the reason after white space; blank lines and lines that start
// with '#' are notes.
#include <QList>
#include <QString>

namespace vortlistoj {

struct Ero
{
    QString vorto;
    QString kialo; // empty where the line gives none
    QString linio; // the whole line, for a failure message
};

// The entries of the list at `vojo`, in the order of the file; false where
// it cannot be read.
bool legas(const QString& vojo, QList<Ero>* eroj);

} // namespace vortlistoj
