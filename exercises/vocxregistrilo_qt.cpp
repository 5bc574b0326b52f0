#include "vocxregistrilo_qt.h"
#include "funkcioj.h"

#include <QAudioDeviceInfo>
#include <QAudioEncoderSettings>
#include <QAudioRecorder>
#include <QUrl>
#include <QVideoEncoderSettings>

VocxRegistriloQt::VocxRegistriloQt(QObject* parent)
    : VocxRegistrilo(parent)
{
}

QAudioRecorder* VocxRegistriloQt::registrilo()
{
    if (Registrilo)
        return Registrilo;
    Registrilo = new QAudioRecorder(this);
    QAudioEncoderSettings agordoj;
    if (sSistemo == QLatin1String("android")) {
        agordoj.setCodec(QStringLiteral("audio/mpeg"));
    } else if (sSistemo == QLatin1String("linux")) {
        agordoj.setCodec(QStringLiteral("audio/x-vorbis"));
    } else {
        agordoj.setCodec(QStringLiteral("audio/amr"));
        agordoj.setEncodingMode(QMultimedia::ConstantQualityEncoding);
    }
    agordoj.setQuality(QMultimedia::NormalQuality);
    Registrilo->setEncodingSettings(agordoj, QVideoEncoderSettings(), QString());
    connect(Registrilo, &QAudioRecorder::durationChanged, this, &VocxRegistrilo::dauxro);
    return Registrilo;
}

VocxRegistriloQt::~VocxRegistriloQt() = default;

bool VocxRegistriloQt::estasMikrofono(const QStringList& aparatoj)
{
    for (const QString& nomo : aparatoj)
        if (!nomo.trimmed().isEmpty())
            return true;
    return false;
}

bool VocxRegistriloQt::havasMikrofonon() const
{
    QStringList nomoj;
    const auto aparatoj = QAudioDeviceInfo::availableDevices(QAudio::AudioInput);
    for (const QAudioDeviceInfo& a : aparatoj)
        nomoj << a.deviceName();
    return estasMikrofono(nomoj);
}

void VocxRegistriloQt::registru(const QString& vojo)
{
    QAudioRecorder* r = registrilo();
    if (r->state() != QMediaRecorder::StoppedState)
        r->stop();
    r->setOutputLocation(QUrl::fromLocalFile(vojo));
    r->record();
}

void VocxRegistriloQt::haltu()
{
    if (Registrilo)
        Registrilo->stop();
}

QString VocxRegistriloQt::realaVojo() const
{
    if (!Registrilo)
        return QString();
    const QUrl reala = Registrilo->actualLocation();
    return reala.isLocalFile() ? reala.toLocalFile() : QString();
}
