#pragma once
#include <functional>

class QFrame;
class QWidget;

// The one place that knows the thirteen lesson classes: builds lesson
// `numero` (1..13) as a child of `patro`, or returns null while that lesson
// does not exist yet.
QFrame* KreasLecionon(int numero, QWidget* patro);

// Tests put small stand-in lessons in place of the course's own; an empty
// function gives the course's lessons back.
using LecionFarejo = std::function<QFrame*(int numero, QWidget* patro)>;
void MetasLecionFarejon(LecionFarejo farejo);
