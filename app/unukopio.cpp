#include "unukopio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

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

bool UnuKopio::posedas()
{
    QDir().mkpath(m_Dosierujo);
    if (!m_Seruro.tryLock(0)) {
        if (m_Seruro.error() == QLockFile::LockFailedError) {
            QLocalSocket peto;
            peto.connectToServer(ingo(m_Dosierujo));
            if (peto.waitForConnected(3000)) {
                peto.write("montru\n");
                peto.waitForBytesWritten(3000);
                peto.disconnectFromServer();
            }
            return false;
        }
        // A folder that cannot hold the lock (it cannot be written) cannot
        // hold the settings either; the start says so. Run.
        return true;
    }
    m_Servilo = new QLocalServer(this);
    m_Servilo->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that died would refuse the name.
    QLocalServer::removeServer(ingo(m_Dosierujo));
    m_Servilo->listen(ingo(m_Dosierujo));
    connect(m_Servilo, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_Servilo->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains("montru"))
                    emit montruPetita();
            });
        }
    });
    return true;
}
