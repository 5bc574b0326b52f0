#include "klakbutono_nova.h"
#include "funkcioj.h"

klakbutono_nova::klakbutono_nova(QWidget* parent, Qt::WindowFlags)
    : QLabel(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(klakita()));
}

QString klakbutono_nova::klipo() const
{
    QString vorto = text();
    vorto.remove(QChar(0x200E));
    vorto = CxSist(vorto, 1);
    const QString dosierujo = QStringLiteral("sonoj/lec") + objectName().mid(3, 2) + QLatin1Char('/');
    if (vorto.length() > 8 || vorto.contains(QLatin1Char(' ')) || vorto.contains(QLatin1Char('!')))
        return dosierujo + QStringLiteral("btn") + objectName().mid(12) + mp3_finajho;
    if (vorto == QLatin1String("aux"))
        vorto = QStringLiteral("auh");
    return dosierujo + vorto + mp3_finajho;
}

void klakbutono_nova::klakita()
{
    mp3(klipo());
}

void klakbutono_nova::mousePressEvent(QMouseEvent*)
{
    emit clicked();
}
