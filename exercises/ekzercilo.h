#pragma once
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;

// What every exercise frame needs of the lesson around it and of the
// platform: the lesson's tab widget, its word and translation labels, the
// kinetic scrolling and the print button's visibility.
class ekzercilo
{
public:
    // The first ancestor of `ekzerco` (starting with its parent) whose class
    // is exactly QTabWidget; nullptr outside a lesson.
    static QWidget* leciono(const QWidget* ekzerco);

    // The lesson's Esperanto word label of that exact name, the classes
    // tried in the given order (the first class that yields one wins).
    static QLabel* vortetikedo(QWidget* leciono, const QString& nomo, const QStringList& klasoj = vortklasoj());
    // Its text, or an empty text when the lesson holds no such label.
    static QString vorto(QWidget* leciono, const QString& nomo, const QStringList& klasoj = vortklasoj());
    // The first QLabel of that exact name below the lesson; nullptr if none.
    static QLabel* etikedo(QWidget* leciono, const QString& nomo);
    // Its text, or an empty text.
    static QString teksto(QWidget* leciono, const QString& nomo);

    // "klakbutono_nova", "neklakebla_nova": the usual order of word labels.
    static QStringList vortklasoj();

    // Drag with the left mouse button scrolls the area.
    static void kinetika(QScrollArea* areo);
    // Sheets are printed only on "windows" and "osx".
    static bool presebla();
    // Hides a print button where printing is not offered.
    static void presbutono(QPushButton* butono);
};
