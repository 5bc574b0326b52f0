#include "leciono.h"
#include "lerbo.h"

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
    auto* fenestro = qobject_cast<lerbo*>(QApplication::activeWindow());

    QWidget* pagho = lecionujo->currentWidget();
    if (pagho) {
        const auto areoj = pagho->findChildren<QScrollArea*>();
        for (QScrollArea* areo : areoj)
            areo->setWidgetResizable(true);
    }
    if (!fenestro)
        return;
    fenestro->montras_koverton(pagho && pagho->objectName().left(6) == QLatin1String("Sendas"), index);
}
