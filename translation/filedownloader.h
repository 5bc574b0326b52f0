#pragma once
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

class QNetworkReply;

// Fetches one file from the course web site into savasLoko. Starts at once;
// downloaded() comes exactly once when the transfer has ended, whatever its outcome.
class FileDownloader : public QObject
{
    Q_OBJECT

public:
    FileDownloader(QUrl url, QString fileName, QObject* parent = nullptr);
    ~FileDownloader() override;

    QByteArray downloadedData() const;

    // The address of a path on the course web site, e.g. "/datumoj/traduklisto.ini".
    static QUrl kursejo(const QString& vojo);

signals:
    void downloaded();

private slots:
    void fileDownloaded(QNetworkReply* reply);

private:
    QNetworkAccessManager m_WebCtrl;
    QByteArray m_DownloadedData;
    QString m_FileName;
};
