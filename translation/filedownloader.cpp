#include "filedownloader.h"
#include "agordo.h"
#include "funkcioj.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

FileDownloader::FileDownloader(QUrl url, QString fileName, QObject* parent)
    : QObject(parent), m_FileName(fileName)
{
    connect(&m_WebCtrl, SIGNAL(finished(QNetworkReply*)), this, SLOT(fileDownloaded(QNetworkReply*)));
    QNetworkRequest peto(url);
    peto.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("LerboAndrojdo"));
    m_WebCtrl.get(peto);
}

FileDownloader::~FileDownloader() = default;

QUrl FileDownloader::kursejo(const QString& vojo)
{
    return QUrl(QStringLiteral("http://" LERBO_KURSEJO) + vojo);
}

void FileDownloader::fileDownloaded(QNetworkReply* reply)
{
    m_DownloadedData = reply->readAll();
    const int stato = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An error page must never replace a good translation file.
    if (reply->error() == QNetworkReply::NoError && stato == 200 && !m_DownloadedData.isEmpty()) {
        QSaveFile dosiero(savasLoko + m_FileName);
        if (dosiero.open(QIODevice::WriteOnly)) {
            dosiero.write(m_DownloadedData);
            dosiero.commit();
        }
    }
    reply->deleteLater();
    emit downloaded();
}

QByteArray FileDownloader::downloadedData() const
{
    return m_DownloadedData;
}
