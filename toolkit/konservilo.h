#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

// Keeps the learner's work on disk while the program runs: at once when
// asked (a page or a lesson left, a language chosen), and a moment after the
// typing stops, so that a program killed outright loses at most the last
// few seconds of typing. A failed save is told once, and again only after a
// save has succeeded in between. Widget-free: the caller decides how to tell.
class Konservilo : public QObject
{
    Q_OBJECT

public:
    // `savas` writes everything and says whether the write succeeded.
    explicit Konservilo(std::function<bool()> savas, QObject* parent = nullptr);

    // The pause after the last change before the save runs, in ms before
    // TempoSkalo.
    static constexpr int PauzoMs = 2000;

    // Something changed: save once the changes stop for a moment.
    void sxangxis();
    // Saves now (a pending save is then done); whether it succeeded.
    bool konservas();
    // A change waits for its save.
    bool atendas() const { return m_Tempo.isActive(); }

signals:
    // A save failed, the first time since the last good one.
    void malsukcesis();

private:
    std::function<bool()> m_Savas;
    QTimer m_Tempo;
    bool m_Raportita = false;
};
