#include "prokrastaikono.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

namespace {
thread_local bool farante = false;

QHash<QString, QIcon>& faritaj()
{
    static QHash<QString, QIcon> ikonoj;
    return ikonoj;
}

// The pictures go with the application, not after it.
void forgesas()
{
    faritaj().clear();
}
} // namespace

bool ProkrastaIkono::farasVeran()
{
    return farante;
}

QIcon& ProkrastaIkono::vera() const
{
    if (farita)
        return m_vera;
    farita = true;
    QString sxlosilo;
    for (const Ero& e : eroj)
        sxlosilo += e.dosiero + QLatin1Char('|') + QString::number(e.grando.width()) + QLatin1Char('x')
                    + QString::number(e.grando.height()) + QLatin1Char('|') + QString::number(e.reghimo)
                    + QString::number(e.stato) + QLatin1Char('\n');
    auto it = faritaj().find(sxlosilo);
    if (it == faritaj().end()) {
        QIcon ikono;
        farante = true;
        for (const Ero& e : eroj)
            ikono.addFile(e.dosiero, e.grando, e.reghimo, e.stato);
        farante = false;
        if (faritaj().isEmpty())
            qAddPostRoutine(forgesas);
        it = faritaj().insert(sxlosilo, ikono);
    }
    m_vera = *it;
    // Pictures given as such belong to this icon alone.
    for (const auto& b : bildoj)
        m_vera.addPixmap(b.first, b.second.first, b.second.second);
    return m_vera;
}

void ProkrastaIkono::paint(QPainter* pentrilo, const QRect& rekt, QIcon::Mode reghimo, QIcon::State stato)
{
    // As Qt's own engine draws: the picture fills the rectangle it is given,
    // which the icon has already fitted to the picture.
    const qreal dpr = QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps)
                          ? pentrilo->device()->devicePixelRatioF()
                          : qreal(1.0);
    pentrilo->drawPixmap(rekt, pixmap(rekt.size() * dpr, reghimo, stato));
}

QSize ProkrastaIkono::actualSize(const QSize& grando, QIcon::Mode reghimo, QIcon::State stato)
{
    return vera().actualSize(grando, reghimo, stato);
}

QPixmap ProkrastaIkono::pixmap(const QSize& grando, QIcon::Mode reghimo, QIcon::State stato)
{
    return vera().pixmap(grando, reghimo, stato);
}

void ProkrastaIkono::addPixmap(const QPixmap& bildo, QIcon::Mode reghimo, QIcon::State stato)
{
    bildoj.append({bildo, {reghimo, stato}});
    if (farita)
        m_vera.addPixmap(bildo, reghimo, stato);
}

void ProkrastaIkono::addFile(const QString& dosiero, const QSize& grando, QIcon::Mode reghimo, QIcon::State stato)
{
    eroj.append({dosiero, grando, reghimo, stato});
    farita = false;
    m_vera = QIcon();
}

QString ProkrastaIkono::key() const
{
    return QStringLiteral("ProkrastaIkono");
}

QIconEngine* ProkrastaIkono::clone() const
{
    return new ProkrastaIkono(*this);
}

QList<QSize> ProkrastaIkono::availableSizes(QIcon::Mode reghimo, QIcon::State stato) const
{
    return vera().availableSizes(reghimo, stato);
}

void ProkrastaIkono::virtual_hook(int id, void* datumoj)
{
    switch (id) {
    case QIconEngine::AvailableSizesHook: {
        auto& arg = *static_cast<QIconEngine::AvailableSizesArgument*>(datumoj);
        arg.sizes = vera().availableSizes(arg.mode, arg.state);
        break;
    }
    case QIconEngine::IsNullHook:
        // Asked by every button's size hint: answered without the picture
        // where the files are there to read.
        if (farita) {
            *static_cast<bool*>(datumoj) = m_vera.isNull();
        } else {
            bool ekzistas = !bildoj.isEmpty();
            for (const Ero& e : eroj)
                ekzistas = ekzistas || QFileInfo(e.dosiero).isFile();
            *static_cast<bool*>(datumoj) = !ekzistas;
        }
        break;
    default:
        QIconEngine::virtual_hook(id, datumoj);
    }
}
