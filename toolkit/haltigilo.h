#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a request to close in order, handed
// to the event loop: a signal handler may do next to nothing, so it only
// writes a byte that the loop reads. The end of the desktop session (the
// quit the platform sends the application) is the same request, so that it
// too closes in order rather than window by window. One per program.
class Haltigilo : public QObject
{
    Q_OBJECT

public:
    explicit Haltigilo(QObject* parent = nullptr);
    ~Haltigilo() override;

    // A signal came (the request may have come before anyone listened).
    bool petita() const { return m_Petita; }

    bool eventFilter(QObject* objekto, QEvent* evento) override;

signals:
    // The signal's number; 0 for the end of the session.
    void petas(int signalo);

private:
    void legas();

    QSocketNotifier* m_Avizo = nullptr;
    bool m_Petita = false;
};
