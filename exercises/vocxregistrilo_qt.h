#pragma once
#include "vocxregistrilo.h"

#include <QStringList>

class QAudioRecorder;

// The real recorder: Qt Multimedia's QAudioRecorder with the codec of the
// platform word, writing where it is told.
class VocxRegistriloQt : public VocxRegistrilo
{
    Q_OBJECT

public:
    explicit VocxRegistriloQt(QObject* parent = nullptr);
    ~VocxRegistriloQt() override;

    bool havasMikrofonon() const override;
    void registru(const QString& vojo) override;
    void haltu() override;
    QString realaVojo() const override;

    // A machine without a microphone lists no audio input, or only one
    // nameless device that records silence.
    static bool estasMikrofono(const QStringList& aparatoj);

private:
    // Made on the first recording: a recorder opens the sound system, which
    // would slow the first opening of every lesson with this exercise.
    QAudioRecorder* registrilo();

    QAudioRecorder* Registrilo = nullptr;
};
