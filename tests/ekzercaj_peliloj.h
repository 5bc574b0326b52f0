#pragma once
// Drivers that work an exercise frame through as a learner does: press the
// start button, read what is asked, answer with clicks and keys, right or
// wrong as the caller plans, and go on to the verdict. Each driver learns the
// right answer from the frame's widgets, the lesson's labels and the item
// file, or from the frame's widget-free rule class, never from the frame's
// internals. One driver per frame class; kuras() picks it.
//
// The drivers check as they go (the translation shown belongs to the
// sentence asked, the clip played belongs to the word asked, the board counts
// every answer) and report failures through QTest, so a caller checks
// QTest::currentTestFailed() after a run.
#include <QString>
#include <QStringList>
#include <functional>

class QFrame;
class QMessageBox;

namespace ekzercaj_peliloj {

// Whether the learner gets answer `respondo` (0, 1, ... in the order given)
// wrong. An answer that cannot be given wrong (no other option left) is
// given right.
using Eraroj = std::function<bool(int respondo)>;

// Every answer right.
Eraroj cxiujGxustaj();
// Only answer `n` wrong.
Eraroj nurLa(int n);
// Every other answer wrong, starting with the first.
Eraroj alterne();

struct Rezulto
{
    // Right answers the run asks for before it ends.
    int celo = 0;
    // Answers given, and how many of them were wrong.
    int respondoj = 0;
    int malgxustaj = 0;
    // The texts of the message boxes the run showed, in order; for a frame
    // that ends with a verdict the verdict is the last.
    QStringList mesagxoj;
    // The frame ends its run with a verdict (all but pronunciation).
    bool verdiktas = true;
};

// Runs the exercise frame from its start button to the end of its run. The
// frame must sit in a lesson (or, for numerals and clock times, anywhere)
// and be shown.
Rezulto kuras(QFrame* kadro, const Eraroj& eraroj = cxiujGxustaj());

// Presses the frame's start button as a learner does and closes every box
// the start opens; the texts of those boxes. For a start that should not
// begin a run (see kontrolasSenlaboran).
QStringList komencas(QFrame* kadro);

// The frame is idle, as before its first start: its start button is
// offered, nothing else asks the learner for an answer, a click on a word
// judges nothing, and the board counts nothing. Reports through QTest.
void kontrolasSenlaboran(QFrame* kadro);

// Hands every message box of the runs that follow to `rigardas` before the
// box is closed (to photograph a verdict); an empty function stops it.
void rigardasKestojn(const std::function<void(QMessageBox*)>& rigardas);

// The verdict text of a run with these answers: smGratulon at 70 % or more.
QString verdikto(int gxustaj, int malgxustaj);

} // namespace ekzercaj_peliloj
