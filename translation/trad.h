#pragma once
#include <QString>

class QWidget;

// Applies the current translation (sTradukoDosiero, the downloaded copy
// first) to one lesson in a single pass over its widget tree: arrow pictures
// and word alignment for the text direction, the lesson's own labels from
// `section` ("Lec05"), the titles and instructions of the embedded exercise
// frames from [Gheneralaj], and in a right-to-left translation the
// right-to-left base direction of those texts and the left-to-right mark on
// Esperanto labels.
void Trad(QWidget* root, QString section);

// The key in [Gheneralaj] of a label inside an exercise frame, by its object
// name; empty for a name that is not one of the frame labels.
QString TradKadraSxlosilo(const QString& objektoNomo);
