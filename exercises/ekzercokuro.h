#pragma once
#include <QList>

// The run of one exercise, without any widget: which items are still to be
// answered right, the item on screen, the right and wrong answers, the
// percentage and the end of the run. Every exercise frame keeps one and only
// shows and drives it.
//
// Feedback waits keep processing events, so a stop or a new start can arrive
// in the middle of an answer. A slot takes signo() before it waits and asks
// sama() afterwards: a run that was stopped or restarted meanwhile is no
// longer the same, and the slot drops its remaining steps.
class ekzercokuro
{
public:
    enum Limo {
        CiujEroj, // every item must be answered right once
        Limigita // at most limigo(count) items, the cap of 40
    };

    // Starts a fresh run over `kvanto` items. Returns false, and leaves the
    // run stopped, when there are fewer than `minimumo` items: the frame then
    // stays idle instead of drawing from a list that cannot serve it.
    bool komencu(int kvanto, Limo limo, int minimumo = 1);
    // The same with the number of right answers that ends the run given
    // directly (at most `kvanto`).
    bool komencu(int kvanto, int celo, int minimumo);
    void haltu();

    bool kuras() const { return kuras_; }
    // Changes with every start and every stop.
    int signo() const { return signo_; }
    // True while the run that gave `signo` is still going.
    bool sama(int signo) const { return kuras_ && signo == signo_; }
    // Asked once a feedback wait found the run no longer the same: true, once,
    // when the answer before the wait was the last of run `signo` and the
    // learner stopped the run meanwhile without starting another. The
    // verdict of that run is still owed to the learner.
    bool verdiktoSxuldata(int signo);

    // Draws the next item at random among those not yet answered right and
    // puts it on screen; -1 when none is left.
    int tiru();
    // The frame chose the item on screen by a rule of its own.
    void montras(int ero);
    // The item on screen still waits for its answer.
    bool atendas() const { return kuras_ && atendas_; }
    // Counts the answer to the item on screen. Only the first answer to an
    // item shown counts: a second one (or one outside a run) returns false
    // and changes nothing.
    bool respondas(bool gxusta);

    int nuna() const { return nuna_; }
    int kvanto() const { return kvanto_; }
    int celo() const { return celo_; }
    int gxustaj() const { return gxustaj_; }
    int malgxustaj() const { return malgxustaj_; }
    int restas() const { return celo_ - gxustaj_ > 0 ? celo_ - gxustaj_ : 0; }
    // right*100/(right+wrong), the fraction dropped; 0 before any answer.
    int procento() const;
    bool finita() const { return gxustaj_ >= celo_; }
    bool farita(int ero) const;

    static int procento(int gxustaj, int malgxustaj);
    // The verdict's pass mark (Verdikto): at least 70 % right.
    static bool trapasas(int gxustaj, int malgxustaj);

private:
    bool kuras_ = false;
    bool atendas_ = false;
    int signo_ = 0;
    int kvanto_ = 0;
    int celo_ = 0;
    int nuna_ = -1;
    int gxustaj_ = 0;
    int malgxustaj_ = 0;
    int finitaSigno_ = -1; // the run whose last answer was given
    QList<bool> faritaj_;
};
