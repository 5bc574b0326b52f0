#include "unukopio.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {
const QByteArray Peto = QByteArrayLiteral("montru\n");
const QByteArray Konfirmo = QByteArrayLiteral("montrita\n");
} // namespace

UnuKopio::UnuKopio(const QString& dosierujo, QObject* parent)
    : QObject(parent)
    , m_Dosierujo(dosierujo)
    , m_Seruro(QDir(dosierujo).filePath(QStringLiteral("darudaver.seruro")))
{
    // Never stale while the copy that holds it lives; a dead one's lock is
    // recognised by its process id and taken over.
    m_Seruro.setStaleLockTime(0);
}

UnuKopio::~UnuKopio() = default;

QString UnuKopio::ingo(const QString& dosierujo)
{
    const QByteArray vojo = QDir(dosierujo).absolutePath().toUtf8();
    return QStringLiteral("darudaver-")
           + QString::fromLatin1(QCryptographicHash::hash(vojo, QCryptographicHash::Sha1).toHex().left(16));
}

UnuKopio::Respondo UnuKopio::petasMontri()
{
    QLocalSocket peto;
    peto.connectToServer(ingo(m_Dosierujo));
    if (!peto.waitForConnected(3000))
        return Respondo::Neniu;
    peto.write(Peto);
    peto.flush();
    // A stopped or hung copy's socket still takes the connection and the
    // request: only its reply shows that it runs.
    QDeadlineTimer limo(RespondoLimo);
    QByteArray respondo;
    while (!respondo.contains(Konfirmo) && !limo.hasExpired() && peto.state() == QLocalSocket::ConnectedState) {
        if (peto.bytesAvailable() > 0 || peto.waitForReadyRead(int(limo.remainingTime())))
            respondo += peto.readAll();
    }
    respondo += peto.readAll();
    peto.abort();
    return respondo.contains(Konfirmo) ? Respondo::Montris : Respondo::Muta;
}

bool UnuKopio::posedas()
{
    QDir().mkpath(m_Dosierujo);
    if (m_Seruro.tryLock(0)) {
        auskultas();
        return true;
    }
    // A folder that cannot hold the lock (it cannot be written) cannot
    // hold the settings either; the start says so. Run.
    if (m_Seruro.error() != QLockFile::LockFailedError)
        return true;
    const QString vojo = QDir(m_Dosierujo).filePath(QStringLiteral("darudaver.seruro"));
    qint64 posedanto = 0;
    QString gastiga;
    QString programo;
    // A copy writes its owner into the lock the moment it takes it and holds
    // it locked while it lives, so a lock that names nobody (empty, damaged)
    // belongs to no copy; left alone it would refuse every start.
    if (!QFileInfo(vojo).isDir() && !m_Seruro.getLockInfo(&posedanto, &gastiga, &programo)
        && m_Seruro.removeStaleLockFile() && m_Seruro.tryLock(0)) {
        auskultas();
        return true;
    }
    const bool vivas = !QFileInfo(vojo).isDir() && m_Seruro.getLockInfo(&posedanto, &gastiga, &programo);
    // A copy that has just taken the lock listens a moment later.
    for (int i = 0; i < (vivas ? 20 : 1); ++i) {
        if (i > 0)
            QThread::msleep(100);
        const Respondo r = petasMontri();
        if (r == Respondo::Montris)
            return false;
        if (r == Respondo::Muta) {
            // Its socket is there, so a copy runs: this one takes nothing
            // of it, not even the socket's name.
            m_Problemo = neRespondas(posedanto);
            return false;
        }
    }
    if (!vivas) {
        // Nothing to take over and no copy answering: the learner can still
        // study, and a later start still finds this copy by its socket.
        m_Problemo = QStringLiteral("The lock file ") + QDir::toNativeSeparators(vojo)
                     + QStringLiteral(", which keeps a second copy of the program from running, cannot be used: a "
                                      "folder or a file the program may not replace stands in its place. Please "
                                      "remove it.");
        auskultas();
        return true;
    }
    m_Problemo = neRespondas(posedanto);
    return false;
}

QString UnuKopio::neRespondas(qint64 posedanto)
{
    const QString procezo = posedanto > 0 ? QStringLiteral(" (process %1)").arg(posedanto) : QString();
    return QStringLiteral("Another copy of the program runs here") + procezo
           + QStringLiteral(", but it did not answer when asked to show its window. If it no longer responds, end "
                            "it and start the program again.");
}

void UnuKopio::auskultas()
{
    m_Servilo = new QLocalServer(this);
    m_Servilo->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that died would refuse the name.
    QLocalServer::removeServer(ingo(m_Dosierujo));
    m_Servilo->listen(ingo(m_Dosierujo));
    connect(m_Servilo, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_Servilo->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->readAll().contains(Peto.trimmed()))
                    return;
                // The reply first: the asking copy waits for it, not for
                // the window.
                s->write(Konfirmo);
                s->flush();
                emit montruPetita();
            });
        }
    });
}
