#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The rules of a pronunciation practice run, without widgets: which items a
// run takes and in what batches, which clip stands for an item, where the
// learner's voice goes and how long each wait lasts.
class PrononcoKuro
{
public:
    // Reads section kodo + "D"; every item is back in the pool.
    int legu(const QString& kodo);

    int kvanto() const { return Eroj.size(); }
    const QStringList& eroj() const { return Eroj; }
    // Items a run takes: all, but at most 40.
    int limo() const;
    // An index not yet drawn in this run, marked drawn; -1 when none is left.
    int tiru();

    // Items of the next batch: the chosen size, no more than remain.
    static int aroGrandeco(int elektita, int restantaj);

    // The number of the lesson's word label an item stands for, or 0 for a
    // word written out.
    static int numero(const QString& ero);
    // The model clip of an item relative to the media folder, lesson LL:
    // "sonoj/lecLL/btnN.oga" or the word in the x-system, lower case, as
    // the clips are named.
    static QString klipo(const QString& ero, const QString& leciono);

    // Where the recorder is asked to write slot `slot` (no extension).
    static QString registrajxo(const QString& dosierujo, int slot);
    // The name the recording of a slot is played back from on a platform,
    // when the recorder has not said where it wrote.
    static QString ludotaRegistrajxo(const QString& dosierujo, int slot, const QString& sistemo);

    // Seconds to wait after a model clip of that length (ms) was started.
    static int pauzo(qint64 dauxroMs);
    // Percent of the recording time elapsed, 0 .. 100.
    static int progreso(qint64 ms, int sekundoj);

private:
    QStringList Eroj;
    QList<bool> Faritaj;
};
