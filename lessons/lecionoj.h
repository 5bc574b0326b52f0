#pragma once
#include <QString>
#include <functional>

class QFrame;
class QWidget;

// What the program knows of each of the thirteen lessons, in one table
// (lessons/lecionoj.cpp). Adding a lesson is adding its row there.
struct LecionaDatumo
{
    int numero = 0;
    // Builds the lesson's frame as a child of the given widget; empty while
    // the lesson does not exist yet.
    QFrame* (*kreas)(QWidget* patro) = nullptr;
    // The exercise code whose sentence translations the accusative exercise
    // shows while this lesson is open; empty for a lesson without one.
    QString akuzativo;
};

// The row of lesson `numero` (1..13), or null for any other number.
const LecionaDatumo* LecionaDatumoj(int numero);

// Builds lesson `numero` (1..13) as a child of `patro`, or returns null while
// that lesson does not exist yet.
QFrame* KreasLecionon(int numero, QWidget* patro);

// Tests put small stand-in lessons in place of the course's own; an empty
// function gives the course's lessons back.
using LecionFarejo = std::function<QFrame*(int numero, QWidget* patro)>;
void MetasLecionFarejon(LecionFarejo farejo);
