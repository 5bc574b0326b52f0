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
    if (fenestro && !fenestro->inherits("lerbo"))
        fenestro = nullptr;

    QWidget* pagho = lecionujo->currentWidget();
    if (pagho) {
        const auto areoj = pagho->findChildren<QScrollArea*>();
        for (QScrollArea* areo : areoj)
            areo->setWidgetResizable(true);
    }
    if (!fenestro)
        return;
    // By name, so that the lessons need not know the main window's class.
    QMetaObject::invokeMethod(fenestro, "montras_koverton", Qt::DirectConnection,
                              Q_ARG(bool, pagho && pagho->objectName().left(6) == QLatin1String("Sendas")),
                              Q_ARG(int, index));
}
