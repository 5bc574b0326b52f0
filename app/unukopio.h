#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per writable folder, so that one copy alone owns the
// settings file. The first copy holds a lock file in that folder and
// listens on a local socket; a later copy finds the lock taken, asks the
// first one to come to the front and ends. A lock left by a copy that died,
// or one that names no owner at all, is taken over.
class UnuKopio : public QObject
{
    Q_OBJECT

public:
    explicit UnuKopio(const QString& dosierujo, QObject* parent = nullptr);
    ~UnuKopio() override;

    // Takes the folder for this copy; false when another copy runs there,
    // which has then been asked to show itself.
    bool posedas();
    // What the learner must be told: why this copy runs without the lock
    // (something else stands where it belongs), or why it ends (the copy
    // that runs did not answer); empty otherwise.
    QString problemo() const { return m_Problemo; }

    // The name of the local socket of a folder: a short one of its own, as a
    // socket path has a small length limit.
    static QString ingo(const QString& dosierujo);

signals:
    // A later copy asked this one to show its window.
    void montruPetita();

private:
    // How long a running copy has to answer before it counts as hung.
    static constexpr int RespondoLimo = 2000;
    enum class Respondo {
        Montris, // the running copy answered: it shows its window
        Neniu, // nothing listens (yet)
        Muta // something took the request but did not answer in time
    };
    // Asks a running copy to come to the front.
    Respondo petasMontri();
    static QString neRespondas(qint64 posedanto);
    void auskultas();

    QString m_Dosierujo;
    QString m_Problemo;
    QLockFile m_Seruro;
    QLocalServer* m_Servilo = nullptr;
};
