#pragma once
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// Fetches one file from the course web site into savasLoko. Starts at once;
// downloaded() comes exactly once when the transfer has ended, whatever its
// outcome. Only a complete reply with status 200, no network error, a
// non-empty body within the size limit, sent as it is (not packed), replaces
// the file, and always whole.
class FileDownloader : public QObject
{
    Q_OBJECT

public:
    FileDownloader(QUrl url, QString fileName, QObject* parent = nullptr);
    ~FileDownloader() override;

    QByteArray downloadedData() const;

    // True when the last transfer of this object replaced the file.
    bool sukcesis() const { return m_Sukcesis; }

    // The address of a path on the course web site, e.g. "/datumoj/traduklisto.ini".
    static QUrl kursejo(const QString& vojo);
    // Replaces the course web site's host (and ":port") for the whole run;
    // an empty text restores the one the program was built with.
    static void setKursejo(const QString& gastiganto);

    // A transfer that makes no progress for this long ends as a failure.
    static int tempolimo();
    static void setTempolimo(int ms);

    // However the bytes trickle in, the whole transfer ends as a failure
    // after this: 30 s for a translation file, 15 s for the list.
    static int entutaLimo(const QString& nomo);
    // Other limits for the whole run; zeros restore those above.
    static void setEntutajLimoj(int listoMs, int tradukoMs);

    // A translation file came whole but does not read as one (a captive
    // portal's page, a file cut short), or came packed, and was not kept.
    bool malakceptita() const { return m_Malakceptita; }
    // What the learner is told of this download's refused translation;
    // empty when none was refused.
    QString malakcepto() const;
    // The same for a translation refused since the last call, the first
    // time in this run only; the caller tells the learner once.
    static QString malakceptitaNeDirita();

    // A larger body is a failure; a translation file is far smaller.
    static constexpr qint64 MaksGrando = 1024 * 1024;

    // The names this downloader may write into savasLoko: the translation
    // list and bare ".trd" file names.
    static bool ValidaCelo(const QString& nomo);

signals:
    void downloaded();

private slots:
    void fileDownloaded(QNetworkReply* reply);
    void kapoAlvenis();
    void progresas(qint64 ricevitaj, qint64 entute);
    void tempoPasis();

private:
    void finas();
    bool malakceptas();

    QNetworkAccessManager m_WebCtrl;
    QByteArray m_DownloadedData;
    QString m_FileName;
    QPointer<QNetworkReply> m_Respondo;
    QTimer m_Gardisto;
    QTimer m_Limo;
    bool m_Kursoro = false;
    bool m_Malakceptita = false;
    bool m_TroGranda = false;
    bool m_Pakita = false; // sent with a Content-Encoding, which was not asked for
    bool m_Finita = false;
    bool m_Sukcesis = false;
};
