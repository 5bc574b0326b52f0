#pragma once
// What the lesson suites read from a built lesson form, defined once for
// every lesson: which widgets the form placed itself, their counts by class
// on a page, the labels the translation pass fills, and a few look-ups.
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class IniDosiero;
class QAbstractButton;
class QLayout;
class QTabWidget;

namespace lecionilo {

// "07" for lesson 7.
QString du(int numero);

// The text of an answer field, a line or a multi-line one; empty for others.
QString enhavo(const QWidget* kampo);

// The tab widget "LecNN" of a built lesson frame, or null.
QTabWidget* tabulo(QWidget* leciono, int numero);

// Widgets whose own form or code builds what is inside them: the exercise
// frames, the send panel and the media players. Their insides are not the
// lesson form's.
bool havasPropranEnhavon(const QObject* o);

// A widget the lesson placed itself: no widget between it and `radiko` (the
// lesson or one of its pages) builds its own insides. Such a frame, panel or
// player itself is the lesson's own.
bool estasPropra(const QWidget* w, const QWidget* radiko);

// The lesson's own widgets below `radiko` that are a T.
template <class T>
QList<T*> propraj(QWidget* radiko)
{
    QList<T*> rezulto;
    const auto cxiuj = radiko->template findChildren<T*>();
    for (T* w : cxiuj)
        if (estasPropra(w, radiko))
            rezulto << w;
    return rezulto;
}

// The classes a count line counts, in the order the line lists them.
const QStringList& kalkulatajKlasoj();

// A page's own widgets counted by exact class name, as a count line:
// "klakbutono_nova 84, titolo 1, QLabel 1, QScrollArea 1". Classes with no
// widget are left out; "QScrollArea" counts the page's own scroll areas
// (its direct children, where its content lives).
QString kalkuloj(QWidget* pagho);

// A count line as written in a lesson's row, put in the order and spacing
// that kalkuloj() writes; an unknown class name or a malformed entry is kept
// as "?entry" so that the comparison shows it.
QString normigas(const QString& linio);

// The labels the translation pass gives a text: named after the tab widget
// ("Lec01_Label4"), and not an Esperanto word box or a model answer. Their
// keys ("Label4"), in the order of the form.
QStringList tradukataj(QTabWidget* lec);

// The button that copies a send page for the corrector: the send button
// itself, or the one inside a send panel. Null for anything else.
QAbstractButton* kopiilo(QWidget* panelo);

// The layout that holds `w` as one of its own items, below `radiko`.
QLayout* ujoDe(QWidget* radiko, QWidget* w);

// What tells two lists of names apart, as a failure message that can be
// acted on: the names only `reala` (the form, the file) holds and those only
// `atendata` (the row) holds, each as often as it is missing. Empty when
// they hold the same names in any order.
QString diferencoj(QStringList reala, QStringList atendata);

// The values of a group of an INI file in key order "000", "001", ...
QStringList numerataj(IniDosiero& ini, const QString& grupo);

} // namespace lecionilo
