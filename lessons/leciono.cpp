#include "leciono.h"

#include <QApplication>
#include <QScrollArea>
#include <QScroller>
#include <QTabWidget>

leciono::leciono(QWidget* parent)
    : QFrame(parent)
{
}

void leciono::glitigas(QTabWidget* lecionujo)
{
    for (int i = 0; i < lecionujo->count(); ++i) {
        const auto areoj = lecionujo->widget(i)->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        for (QScrollArea* areo : areoj)
            QScroller::grabGesture(areo->viewport(), QScroller::LeftMouseButtonGesture);
    }
}

void leciono::ShanghisPaghon(QTabWidget* lecionujo, int index)
{
    // Asked before anything else: a dialog or message box that is active
    // right now must not make this page the one the main window reopens.
    QWidget* fenestro = QApplication::activeWindow();
    const bool cxefa = fenestro && fenestro->inherits("lerbo");

    QWidget* pagho = lecionujo->currentWidget();
    if (pagho) {
        const auto areoj = pagho->findChildren<QScrollArea*>();
        for (QScrollArea* areo : areoj)
            areo->setWidgetResizable(true);
    }
    if (!cxefa)
        return;
    const bool sendas = pagho && pagho->objectName().left(6) == QLatin1String("Sendas");
    QMetaObject::invokeMethod(fenestro, "montras_koverton", Q_ARG(bool, sendas), Q_ARG(int, index));
}
