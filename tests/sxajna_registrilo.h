#pragma once
#include "vocxregistrilo.h"

#include <QString>
#include <QStringList>
#include <functional>

// Stands in for the sound card: notes what the pronunciation frame asks of
// the recorder.
class SxajnaRegistrilo : public VocxRegistrilo
{
public:
    bool mikrofono = true;
    QString finajxo; // what the "recorder" adds to the name it is given
    QStringList okazoj; // "registru <path>" and "haltu", in order
    std::function<void(const QString&)> dumRegistrado;

    bool havasMikrofonon() const override;
    void registru(const QString& vojo) override;
    void haltu() override;
    QString realaVojo() const override;
    // The recorder reports `ms` recorded so far.
    void sendas(qint64 ms);

    // The paths it was asked to record into, in order.
    QStringList registritaj() const;

private:
    QString lasta;
};
