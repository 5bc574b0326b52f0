#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a request to close in order, handed
// to the event loop: a signal handler may do next to nothing, so it only
// writes a byte that the loop reads. One per program.
class Haltigilo : public QObject
{
    Q_OBJECT

public:
    explicit Haltigilo(QObject* parent = nullptr);
    ~Haltigilo() override;

    // A signal came (the request may have come before anyone listened).
    bool petita() const { return m_Petita; }

signals:
    void petas(int signalo);

private:
    void legas();

    QSocketNotifier* m_Avizo = nullptr;
    bool m_Petita = false;
};
