#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Whether a file reads as a translation: UTF-8 text, its first group
// [Traduko] with a LingvoID, and the groups the main window takes its own
// texts from. A captive portal's HTML page, a file cut short (those groups
// come last) or one saved in UTF-16 does not. Widget-free.
class TradukoKontrolo
{
public:
    static bool legeblas(const QByteArray& enhavo);
    // The file at `vojo`; the answer is kept until the file changes.
    static bool legeblaDosiero(const QString& vojo);
    // The groups besides [Traduko] that a translation must hold.
    static const QStringList& necesajGrupoj();
};
