#pragma once
// What the player tests put where a player expects its recording, to see it
// cope with one it cannot play: nothing, an empty or damaged file, a FIFO
// (which the player must never open: its reader would wait on it for ever),
// a folder, or a file it may not read.
#include "tst_fifogardisto.h"

#include <QString>
#include <memory>

namespace neludeblaj_registrajhoj {

// The column "kio" and a row for each kind.
void vicoj();

// Puts the kind `kio` at `vojo`, over whatever stood there, making its
// folder. The unreadable file is a copy of `ludebla`, so that only its mode
// keeps it from playing. A FIFO gets a guard in `gardisto`, which sees
// whether anything opens it. False where the test function must end: a step
// failed, or the kind cannot be made here (root reads a file of any mode),
// which skips it.
bool metas(const QString& vojo, const QString& kio, const QString& ludebla, std::unique_ptr<FifoGardisto>* gardisto);

// Removes whatever stands at `vojo`, an unreadable file or a folder too.
void forigas(const QString& vojo);

// For its life the notice of a recording that cannot be played reads
// `neLudebla`, and the missing sound device's a text of its own, so that a
// test tells the two apart; both come back after.
class Avizoj
{
public:
    explicit Avizoj(const QString& neLudebla);
    ~Avizoj();
    Avizoj(const Avizoj&) = delete;
    Avizoj& operator=(const Avizoj&) = delete;

private:
    const QString m_NeLudebla;
    const QString m_NeSono;
};

} // namespace neludeblaj_registrajhoj
