#pragma once

class QFrame;
class QWidget;

// The one place that knows the thirteen lesson classes: builds lesson
// `numero` (1..13) as a child of `patro`, or returns null while that lesson
// does not exist yet.
QFrame* KreasLecionon(int numero, QWidget* patro);
