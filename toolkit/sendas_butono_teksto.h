#pragma once
#include <QList>
#include <QString>

class QObject;
class QTabWidget;
class QWidget;

// The text that a send page hands to the corrector, built once for both the
// footer's send command and the send buttons on the pages, and the page set
// that such a copy takes (which is also the set whose answers are kept).
class sendas_butono_teksto
{
public:
    // The footer command frames a label without buddy differently from the
    // button and keeps the model answers and word boxes in.
    enum Voko { PiedaKomando, Butono };

    // The nearest ancestor whose class is exactly QTabWidget (a lesson), or null.
    static QTabWidget* lecionoDe(const QWidget* w);

    // "07" for the tab widget "Lec07".
    static QString numero(const QTabWidget* leciono);

    // The pages a copy from `pagho` takes: the page itself, or the first
    // five pages of the final examination whatever page is current.
    static QList<QWidget*> kopiatajPaghoj(QTabWidget* leciono, QWidget* pagho);

    // A field the learner writes an answer into: a one-line or multi-line
    // edit, but not the line edit inside a spin box or combo box.
    static bool respondoKampo(const QObject* o);

    // The copy's text in Esperanto letters, before the letter system is applied.
    static QString teksto(QTabWidget* leciono, QWidget* pagho, int paghoNumero, Voko voko);

    // Puts `teksto` on the clipboard in the letter system iSistemo and
    // confirms it with a message box.
    static void kopias(const QString& teksto);
};
