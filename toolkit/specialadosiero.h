#pragma once
#include <QString>

// Something other than a regular file or a folder where the course expects
// one of its files: a FIFO, whose reader waits for a writer that never
// comes, or a device such as /dev/zero, which is never read to its end.
// The course opens only regular files; such a path is as good as missing.
// Widget-free.
class SpecialaDosiero
{
public:
    // Whether `vojo` (its links followed) exists and is neither a regular
    // file nor a folder. Paths inside the resources never are.
    static bool estas(const QString& vojo);
    // What to hand a reader, writer or player in place of `vojo`: the path
    // itself, or for a special file a path below it, which no open can
    // reach (its parent is no folder). A reader there finds nothing, a
    // writer fails as on an unwritable file, and the special file itself
    // is neither read, blocked on nor replaced.
    static QString anstatauo(const QString& vojo);
};
