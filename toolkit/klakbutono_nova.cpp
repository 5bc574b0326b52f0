#include "klakbutono_nova.h"
#include "funkcioj.h"
#include "klipoj.h"

klakbutono_nova::klakbutono_nova(QWidget* parent, Qt::WindowFlags)
    : QLabel(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(klakita()));
}

QString klakbutono_nova::klipo() const
{
    QString vorto = text();
    vorto.remove(MarkoLTR);
    const QString ll = objectName().mid(3, 2);
    const QString x = CxSist(vorto, 1);
    // Phrases and long words are named after the label's number.
    if (x.length() > 8 || x.contains(QLatin1Char(' ')) || x.contains(QLatin1Char('!')))
        return klipoj::butono(ll, objectName().mid(12));
    return klipoj::vorto(ll, vorto);
}

void klakbutono_nova::klakita()
{
    mp3(klipo());
}

void klakbutono_nova::mousePressEvent(QMouseEvent*)
{
    emit clicked();
}
