#pragma once
#include <QObject>
#include <QString>

// What the pronunciation practice needs of a voice recorder. The frame talks
// only to this, so a run can be followed without a sound card: the program
// uses VocxRegistriloQt, the tests a double that notes what it was asked.
class VocxRegistrilo : public QObject
{
    Q_OBJECT

public:
    explicit VocxRegistrilo(QObject* parent = nullptr);
    ~VocxRegistrilo() override;

    // False where recording could only write silence (no audio input).
    virtual bool havasMikrofonon() const = 0;

    // Starts a recording into `vojo` (a local path without extension),
    // replacing whatever recording runs.
    virtual void registru(const QString& vojo) = 0;
    virtual void haltu() = 0;

    // The local file the last recording really went to, once the recorder
    // has said so; empty while it has not.
    virtual QString realaVojo() const = 0;

signals:
    // Milliseconds recorded so far in the recording under way.
    void dauxro(qint64 ms);
};
