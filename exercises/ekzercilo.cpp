#include "ekzercilo.h"
#include "funkcioj.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScroller>

QWidget* ekzercilo::leciono(const QWidget* ekzerco)
{
    QWidget* w = ekzerco ? ekzerco->parentWidget() : nullptr;
    while (w && qstrcmp(w->metaObject()->className(), "QTabWidget") != 0)
        w = w->parentWidget();
    return w;
}

QStringList ekzercilo::vortklasoj()
{
    return {QStringLiteral("klakbutono_nova"), QStringLiteral("neklakebla_nova")};
}

QLabel* ekzercilo::vortetikedo(QWidget* leciono, const QString& nomo, const QStringList& klasoj)
{
    if (!leciono)
        return nullptr;
    const QList<QLabel*> kandidatoj = leciono->findChildren<QLabel*>(nomo);
    for (const QString& klaso : klasoj) {
        const QByteArray k = klaso.toLatin1();
        for (QLabel* l : kandidatoj)
            if (l->inherits(k.constData()))
                return l;
    }
    return nullptr;
}

QString ekzercilo::vorto(QWidget* leciono, const QString& nomo, const QStringList& klasoj)
{
    QLabel* l = vortetikedo(leciono, nomo, klasoj);
    return l ? l->text() : QString();
}

QLabel* ekzercilo::etikedo(QWidget* leciono, const QString& nomo)
{
    return leciono ? leciono->findChild<QLabel*>(nomo) : nullptr;
}

QString ekzercilo::teksto(QWidget* leciono, const QString& nomo)
{
    QLabel* l = etikedo(leciono, nomo);
    return l ? l->text() : QString();
}

void ekzercilo::kinetika(QScrollArea* areo)
{
    if (areo)
        QScroller::grabGesture(areo->viewport(), QScroller::LeftMouseButtonGesture);
}

bool ekzercilo::presebla()
{
    return sSistemo == QLatin1String("windows") || sSistemo == QLatin1String("osx");
}

void ekzercilo::presbutono(QPushButton* butono)
{
    if (butono && !presebla())
        butono->hide();
}
