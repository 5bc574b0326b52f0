#pragma once
// A tiny HTTP server on 127.0.0.1 for the download tests: each path gets a
// prepared answer, and every request it saw is kept for inspection.
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <QUrl>
#include <sys/socket.h>

class ProvaServilo : public QObject
{
public:
    enum Konduto {
        Normala, // status line, Content-Length, body, close
        Rompita, // promises more than it sends, then resets the connection
        Silenta, // reads the request and never answers
        SenLongo, // body without Content-Length, ended by closing
        Mallonga, // promises more than it sends, then closes in order
        Gutetas, // sends its body one byte at a time, a byte every 20 ms
        Anoncas // announces `anoncita` bytes in its head, then sends the body
        // only when the test says so (sendasKorpon)
    };
    struct Respondo
    {
        int stato = 200;
        QByteArray korpo;
        Konduto konduto = Normala;
        qint64 anoncita = 0;
        QByteArray kapoj; // further head lines of a normal answer, each ending in "\r\n"
    };
    struct Peto
    {
        QByteArray vojo;
        QByteArray kapo; // the whole request head
        QByteArray agento;
    };

    ProvaServilo()
    {
        connect(&m_Servilo, &QTcpServer::newConnection, this, &ProvaServilo::novaKonekto);
        m_Servilo.listen(QHostAddress::LocalHost, 0);
    }

    quint16 pordo() const { return m_Servilo.serverPort(); }
    QString gastiganto() const { return QStringLiteral("127.0.0.1:%1").arg(pordo()); }
    QUrl url(const QString& vojo) const { return QUrl(QStringLiteral("http://") + gastiganto() + vojo); }

    void respondu(const QByteArray& vojo, const Respondo& r) { m_Respondoj.insert(vojo, r); }
    void respondu(const QByteArray& vojo, int stato, const QByteArray& korpo, Konduto k = Normala)
    {
        Respondo r;
        r.stato = stato;
        r.korpo = korpo;
        r.konduto = k;
        respondu(vojo, r);
    }

    const QList<Peto>& petoj() const { return m_Petoj; }

    // Body bytes written so far to connections of an announcing answer, and
    // how many of those connections the client has closed.
    qint64 senditaKorpo() const { return m_SenditaKorpo; }
    int fermitajDeKliento() const { return m_FermitajDeKliento; }
    // Sends the body of every announcing answer still connected.
    void sendasKorpon()
    {
        for (auto it = m_Atendantaj.begin(); it != m_Atendantaj.end(); ++it)
            if (it.key() && it.key()->state() == QAbstractSocket::ConnectedState)
                m_SenditaKorpo += it.key()->write(it.value());
    }

    // Closes every connection held open by a silent answer.
    void fermuCxiujn()
    {
        for (const QPointer<QTcpSocket>& s : m_Konektoj)
            if (s)
                s->abort();
        m_Konektoj.clear();
    }

private:
    void novaKonekto()
    {
        while (QTcpSocket* s = m_Servilo.nextPendingConnection()) {
            m_Konektoj.append(s);
            s->setParent(this);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { legas(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    }

    void legas(QTcpSocket* s)
    {
        QByteArray& bufro = m_Bufroj[s];
        bufro += s->readAll();
        const int fino = bufro.indexOf("\r\n\r\n");
        if (fino < 0)
            return;
        Peto p;
        p.kapo = bufro.left(fino);
        bufro.clear();
        const QList<QByteArray> linioj = p.kapo.split('\n');
        const QList<QByteArray> unua = linioj.value(0).trimmed().split(' ');
        p.vojo = unua.value(1);
        for (const QByteArray& l : linioj) {
            if (l.toLower().startsWith("user-agent:"))
                p.agento = l.mid(11).trimmed();
        }
        m_Petoj.append(p);

        const Respondo r =
            m_Respondoj.value(p.vojo, Respondo{404, QByteArray("<html>Not found</html>"), Normala, 0, QByteArray()});
        const QByteArray statLinio =
            "HTTP/1.1 " + QByteArray::number(r.stato) + (r.stato == 200 ? " OK" : " Error") + "\r\n";
        switch (r.konduto) {
        case Silenta:
            return;
        case Normala:
            s->write(statLinio + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(r.korpo.size())
                     + "\r\n" + r.kapoj + "Connection: close\r\n\r\n" + r.korpo);
            s->disconnectFromHost();
            return;
        case SenLongo:
            s->write(statLinio + "Content-Type: text/plain\r\nConnection: close\r\n\r\n" + r.korpo);
            s->disconnectFromHost();
            return;
        case Mallonga:
            s->write(statLinio + "Content-Length: " + QByteArray::number(r.korpo.size() * 10 + 100)
                     + "\r\nConnection: close\r\n\r\n" + r.korpo);
            s->disconnectFromHost();
            return;
        case Anoncas:
            s->write(statLinio + "Content-Length: " + QByteArray::number(r.anoncita) + "\r\nConnection: close\r\n\r\n");
            m_Atendantaj.insert(s, r.korpo);
            connect(s, &QTcpSocket::disconnected, this, [this, s] {
                ++m_FermitajDeKliento;
                m_Atendantaj.remove(s);
            });
            return;
        case Gutetas: {
            s->write(statLinio + "Content-Length: " + QByteArray::number(r.korpo.size())
                     + "\r\nConnection: close\r\n\r\n");
            auto* tempo = new QTimer(s);
            auto* sendita = new int(0);
            connect(tempo, &QTimer::timeout, s, [s, r, sendita] {
                if (*sendita < r.korpo.size())
                    s->write(r.korpo.mid((*sendita)++, 1));
            });
            connect(tempo, &QObject::destroyed, [sendita] { delete sendita; });
            tempo->start(20);
            return;
        }
        case Rompita: {
            s->write(statLinio + "Content-Length: " + QByteArray::number(r.korpo.size() * 10 + 100)
                     + "\r\nConnection: close\r\n\r\n" + r.korpo);
            s->flush();
            s->waitForBytesWritten(1000);
            // Linger 0: closing now sends a reset instead of an orderly end.
            struct linger l
            {
                1, 0
            };
            ::setsockopt(int(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
            s->abort();
            return;
        }
        }
    }

    QTcpServer m_Servilo;
    QHash<QByteArray, Respondo> m_Respondoj;
    QHash<QTcpSocket*, QByteArray> m_Bufroj;
    QList<Peto> m_Petoj;
    QList<QPointer<QTcpSocket>> m_Konektoj;
    QHash<QTcpSocket*, QByteArray> m_Atendantaj;
    qint64 m_SenditaKorpo = 0;
    int m_FermitajDeKliento = 0;
};
