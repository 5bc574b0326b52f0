#pragma once
// What the files of the main window (lerbo*.cpp) share; nothing else includes it.

#include <QTabWidget>
#include <QWidget>

namespace {

// The tab widget of the lesson shown on a page of the main window; null on
// the home, settings and credits pages.
inline QTabWidget* lecionaTabulo(QWidget* pagho)
{
    return pagho ? pagho->findChild<QTabWidget*>() : nullptr;
}

} // namespace
