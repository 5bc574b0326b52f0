#pragma once
// A FIFO the tests put where the program expects a file or a picture.
#include <QByteArray>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

// Sees whether anything opens the read end of a FIFO. A reader blocks in
// its open until a writer comes, so it cannot slip by; the writer opened
// here lets it go on at once (it reads an empty file), and the test ends
// instead of hanging.
class FifoGardisto
{
public:
    explicit FifoGardisto(const QByteArray& vojo)
        : m_Vojo(vojo)
        , m_Fadeno([this] {
            while (!m_Fino) {
                const int fd = ::open(m_Vojo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_Malfermita = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        })
    {
    }
    ~FifoGardisto()
    {
        m_Fino = true;
        m_Fadeno.join();
    }
    bool malfermita() const { return m_Malfermita; }

private:
    QByteArray m_Vojo;
    std::atomic<bool> m_Fino{false};
    std::atomic<bool> m_Malfermita{false};
    std::thread m_Fadeno;
};
