#pragma once
#include <QFrame>

class QTabWidget;

// What the thirteen lesson frames share. Each lesson class derives from it,
// builds its own form and keeps its own slot on_LecNN_currentChanged (the
// by-name connection needs the tab widget's name in it), which only hands
// the index on to ShanghisPaghon.
class leciono : public QFrame
{
    Q_OBJECT

public:
    explicit leciono(QWidget* parent = nullptr);

protected:
    // Lets every page of the lesson scroll by dragging with the mouse or a
    // finger. Only the pages' own scroll areas: the one inside an exercise
    // frame's form stays as that form made it.
    static void glitigas(QTabWidget* lecionujo);

    // A page was turned: the new page's scroll areas follow the window's
    // width from now on, and the main window, when it is the active window,
    // learns the page index (and whether it is a send page) so that it can
    // reopen this page next time.
    static void ShanghisPaghon(QTabWidget* lecionujo, int index);
};
