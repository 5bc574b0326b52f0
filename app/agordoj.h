#pragma once
#include <QSettings>
#include <QString>

// The learner's preferences and place in the course, group "Gxenerala" of
// darudaver.ini, moved between the file and the shared globals.
class Agordoj
{
public:
    // Reads the thirteen keys into the globals; a missing file gives the defaults.
    static void legas(const QString& vojo);
    // Writes the thirteen keys from the globals and flushes the file; other
    // groups of the file stay as they are. Whether the file was written: a
    // file that read badly (random bytes) is still written whole, and only
    // a failed write is a failure.
    static bool skribas(const QString& vojo);
    // The file name inside the writable folder.
    static QString dosiero();
    // Removes the temporary files ("darudaver.ini.XXXXXX") that a save
    // killed half-way left in `dosierujo`; only the copy that owns the
    // folder may, as another one could be saving right now.
    static void forigasRestajhojn(const QString& dosierujo);
};
