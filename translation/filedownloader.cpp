#include "filedownloader.h"
#include "agordo.h"
#include "funkcioj.h"
#include "specialadosiero.h"
#include "tradukokontrolo.h"
#include "tradukolisto.h"

#include <QCursor>
#include <QGuiApplication>

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace {
QString& kursejoGastiganto()
{
    static QString gastiganto;
    return gastiganto;
}
int& tempolimoMs()
{
    static int ms = 15000;
    return ms;
}
int entutaLimoMs[2] = {0, 0}; // list, translation; 0 for the usual ones
QString& rifuzita()
{
    static QString nomo;
    return nomo;
}
bool malakceptoDirita = false;
} // namespace

FileDownloader::FileDownloader(QUrl url, QString fileName, QObject* parent)
    : QObject(parent)
    , m_FileName(fileName)
{
    m_Gardisto.setSingleShot(true);
    connect(&m_Gardisto, &QTimer::timeout, this, &FileDownloader::tempoPasis);
    m_Limo.setSingleShot(true);
    connect(&m_Limo, &QTimer::timeout, this, &FileDownloader::tempoPasis);

    if (!ValidaCelo(m_FileName)) {
        // Nothing to fetch, but the caller's next step still has to run once
        // it has connected to downloaded().
        QMetaObject::invokeMethod(this, &FileDownloader::finas, Qt::QueuedConnection);
        return;
    }

    connect(&m_WebCtrl, SIGNAL(finished(QNetworkReply*)), this, SLOT(fileDownloaded(QNetworkReply*)));
    QNetworkRequest peto(url);
    peto.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("LerboAndrojdo"));
    peto.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // Left to itself Qt asks for a packed body and unpacks all of it before
    // a single byte reaches the size check: a small body could unpack to
    // gigabytes. Asked for explicitly, the body comes as it is sent.
    peto.setRawHeader("Accept-Encoding", "identity");
    m_Respondo = m_WebCtrl.get(peto);
    connect(m_Respondo.data(), &QNetworkReply::metaDataChanged, this, &FileDownloader::kapoAlvenis);
    connect(m_Respondo.data(), &QNetworkReply::downloadProgress, this, &FileDownloader::progresas);
    connect(m_Respondo.data(), &QNetworkReply::uploadProgress, this, [this] { m_Gardisto.start(); });
    m_Gardisto.start(tempolimo());
    m_Limo.start(entutaLimo(m_FileName));
    // The learner sees that the program waits, and for how long at most.
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    m_Kursoro = true;
}

FileDownloader::~FileDownloader()
{
    // The manager aborts and deletes its reply when it goes; no slot of this
    // half-destroyed object may run then, and nothing gets written.
    m_Gardisto.stop();
    m_Limo.stop();
    if (m_Kursoro)
        QGuiApplication::restoreOverrideCursor();
    disconnect(&m_WebCtrl, nullptr, this, nullptr);
    if (m_Respondo)
        disconnect(m_Respondo.data(), nullptr, this, nullptr);
}

QUrl FileDownloader::kursejo(const QString& vojo)
{
    const QString gastiganto = kursejoGastiganto().isEmpty() ? QStringLiteral(LERBO_KURSEJO) : kursejoGastiganto();
    return QUrl(QStringLiteral("http://") + gastiganto + vojo);
}

void FileDownloader::setKursejo(const QString& gastiganto)
{
    kursejoGastiganto() = gastiganto;
}

int FileDownloader::tempolimo()
{
    return tempolimoMs();
}

void FileDownloader::setTempolimo(int ms)
{
    tempolimoMs() = ms;
}

int FileDownloader::entutaLimo(const QString& nomo)
{
    const bool traduko = nomo.endsWith(QLatin1String(".trd"));
    const int propra = entutaLimoMs[traduko ? 1 : 0];
    if (propra > 0)
        return propra;
    return traduko ? 30000 : 15000;
}

void FileDownloader::setEntutajLimoj(int listoMs, int tradukoMs)
{
    entutaLimoMs[0] = listoMs;
    entutaLimoMs[1] = tradukoMs;
}

QString FileDownloader::malakceptitaNeDirita()
{
    const QString nomo = rifuzita();
    rifuzita().clear();
    return nomo;
}

bool FileDownloader::ValidaCelo(const QString& nomo)
{
    return nomo == QLatin1String("traduklisto.ini") || TradukoListo::ValidaDosierNomo(nomo);
}

void FileDownloader::progresas(qint64 ricevitaj, qint64 entute)
{
    if (ricevitaj > MaksGrando || entute > MaksGrando) {
        m_TroGranda = true;
        if (m_Respondo)
            m_Respondo->abort();
        return;
    }
    m_Gardisto.start();
}

// A hostile or broken server may announce gigabytes and trickle them in;
// the announcement alone is reason enough to stop before the body.
void FileDownloader::kapoAlvenis()
{
    if (!m_Respondo)
        return;
    const QVariant longo = m_Respondo->header(QNetworkRequest::ContentLengthHeader);
    if (longo.isValid() && longo.toLongLong() > MaksGrando) {
        m_TroGranda = true;
        m_Respondo->abort();
        return;
    }
    // A server that packs the body all the same sends what the limits
    // cannot measure, and what would reach the disk packed.
    const QByteArray kodigo = m_Respondo->rawHeader("Content-Encoding").trimmed().toLower();
    if (!kodigo.isEmpty() && kodigo != "identity") {
        m_Pakita = true;
        // Refused before the end is told.
        malakceptas();
        m_Respondo->abort();
    }
}

void FileDownloader::tempoPasis()
{
    if (m_Respondo && m_Respondo->isRunning())
        m_Respondo->abort();
}

void FileDownloader::fileDownloaded(QNetworkReply* reply)
{
    m_Gardisto.stop();
    m_Limo.stop();
    if (!reply->isOpen())
        ; // aborted before anything arrived
    else if (!m_TroGranda && reply->bytesAvailable() <= MaksGrando)
        m_DownloadedData = reply->readAll();
    else
        m_TroGranda = true;
    const int stato = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An error page, a cut transfer or an empty reply must never replace a
    // good file.
    if (reply->error() == QNetworkReply::NoError && stato == 200 && !m_TroGranda && !m_DownloadedData.isEmpty()
        && m_DownloadedData.size() <= MaksGrando && !malakceptas()) {
        // A FIFO or device in the file's place is left as it is: the save
        // would follow a link to a device and replace the device itself.
        QSaveFile dosiero(SpecialaDosiero::anstatauo(savasLoko + m_FileName));
        if (dosiero.open(QIODevice::WriteOnly) && dosiero.write(m_DownloadedData) == m_DownloadedData.size())
            m_Sukcesis = dosiero.commit();
    }
    reply->deleteLater();
    finas();
}

// A translation that does not read as one, or came packed, keeps the old
// file in place.
bool FileDownloader::malakceptas()
{
    if (!m_FileName.endsWith(QLatin1String(".trd")))
        return false;
    if (!m_Pakita && TradukoKontrolo::legeblas(m_DownloadedData))
        return false;
    if (!m_Malakceptita) {
        m_Malakceptita = true;
        if (!malakceptoDirita) {
            malakceptoDirita = true;
            rifuzita() = malakcepto();
        }
    }
    return true;
}

QString FileDownloader::malakcepto() const
{
    if (!m_Malakceptita)
        return QString();
    if (m_Pakita)
        return QStringLiteral("The server sent the translation file ") + m_FileName
               + QStringLiteral(" packed, although the program asks for files as they are, so its size could not be "
                                "checked; it was not used. The translation already on this computer stays in use.");
    return QStringLiteral("The downloaded translation file ") + m_FileName
           + QStringLiteral(" is damaged and was not used. The translation already on this computer stays in use.");
}

void FileDownloader::finas()
{
    if (m_Finita)
        return;
    m_Finita = true;
    m_Limo.stop();
    if (m_Kursoro) {
        m_Kursoro = false;
        QGuiApplication::restoreOverrideCursor();
    }
    emit downloaded();
}

QByteArray FileDownloader::downloadedData() const
{
    return m_DownloadedData;
}
