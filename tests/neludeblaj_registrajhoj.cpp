#include "neludeblaj_registrajhoj.h"

#include "funkcioj.h"
#include "testilo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace neludeblaj_registrajhoj {

namespace {

void faras(const QString& vojo, const QString& kio, const QString& ludebla, std::unique_ptr<FifoGardisto>* gardisto)
{
    forigas(vojo);
    QDir().mkpath(QFileInfo(vojo).path());
    if (kio == QLatin1String("malplena")) {
        testilo::skribas(vojo, QByteArray());
    } else if (kio == QLatin1String("difektita")) {
        testilo::skribas(vojo, QByteArray(4096, '\x5a') + "\x01\x02\x03");
    } else if (kio == QLatin1String("FIFO")) {
        QVERIFY(::mkfifo(QFile::encodeName(vojo).constData(), 0600) == 0);
        gardisto->reset(new FifoGardisto(QFile::encodeName(vojo)));
    } else if (kio == QLatin1String("dosierujo")) {
        QVERIFY(QDir().mkpath(vojo));
    } else if (kio == QLatin1String("nelegebla")) {
        QVERIFY(QFile::copy(ludebla, vojo));
        QVERIFY(QFile::setPermissions(vojo, QFileDevice::WriteOwner));
    }
}

} // namespace

void vicoj()
{
    QTest::addColumn<QString>("kio");
    QTest::newRow("missing") << "mankas";
    QTest::newRow("empty") << "malplena";
    QTest::newRow("damaged") << "difektita";
    QTest::newRow("a FIFO") << "FIFO";
    QTest::newRow("a folder") << "dosierujo";
    QTest::newRow("unreadable") << "nelegebla";
}

bool metas(const QString& vojo, const QString& kio, const QString& ludebla, std::unique_ptr<FifoGardisto>* gardisto)
{
    if (kio == QLatin1String("nelegebla") && ::geteuid() == 0) {
        QTest::qSkip("root reads a file of any mode", __FILE__, __LINE__);
        return false;
    }
    faras(vojo, kio, ludebla, gardisto);
    return !QTest::currentTestFailed();
}

void forigas(const QString& vojo)
{
    QFile::setPermissions(vojo, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDir(vojo).removeRecursively();
    QFile::remove(vojo);
}

Avizoj::Avizoj(const QString& neLudebla)
    : m_NeLudebla(std::exchange(smNeLudebla, neLudebla))
    , m_NeSono(std::exchange(smNeSono, QStringLiteral("No sound device was found.")))
{
}

Avizoj::~Avizoj()
{
    smNeLudebla = m_NeLudebla;
    smNeSono = m_NeSono;
}

} // namespace neludeblaj_registrajhoj
