#include "haltigilo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int paro[2] = {-1, -1};
const int Signaloj[] = {SIGTERM, SIGHUP, SIGINT};

void traktas(int signalo)
{
    const int eraro = errno;
    const char b = char(signalo);
    // Nothing to do when the pipe is full: a request already waits.
    [[maybe_unused]] const ssize_t n = ::write(paro[0], &b, 1);
    errno = eraro;
}

} // namespace

Haltigilo::Haltigilo(QObject* parent)
    : QObject(parent)
{
    if (QCoreApplication* apliko = QCoreApplication::instance())
        apliko->installEventFilter(this);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, paro) != 0)
        return;
    ::fcntl(paro[0], F_SETFL, O_NONBLOCK);
    m_Avizo = new QSocketNotifier(paro[1], QSocketNotifier::Read, this);
    connect(m_Avizo, &QSocketNotifier::activated, this, &Haltigilo::legas);
    struct sigaction ago = {};
    ago.sa_handler = traktas;
    sigemptyset(&ago.sa_mask);
    ago.sa_flags = SA_RESTART;
    for (int s : Signaloj)
        ::sigaction(s, &ago, nullptr);
}

Haltigilo::~Haltigilo()
{
    struct sigaction ago = {};
    ago.sa_handler = SIG_DFL;
    sigemptyset(&ago.sa_mask);
    for (int s : Signaloj)
        ::sigaction(s, &ago, nullptr);
    delete m_Avizo;
    for (int& fd : paro) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void Haltigilo::legas()
{
    char b = 0;
    if (::read(paro[1], &b, 1) != 1)
        return;
    m_Petita = true;
    emit petas(int(b));
}

bool Haltigilo::eventFilter(QObject* objekto, QEvent* evento)
{
    // The platform's quit (the session ends) comes spontaneous; the toolkit's
    // own one, posted once the last window has closed, is the end already
    // under way. Left to the toolkit, the platform's closes the windows one
    // by one: each may refuse, or ask something nobody will answer any more.
    if (evento->type() == QEvent::Quit && evento->spontaneous() && objekto == QCoreApplication::instance()) {
        m_Petita = true;
        emit petas(0);
        return true;
    }
    return QObject::eventFilter(objekto, evento);
}
