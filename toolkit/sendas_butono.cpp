#include "sendas_butono.h"
#include "sendas_butono_teksto.h"

#include <QTabWidget>

sendas_butono::sendas_butono(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setText(QString());
    setIcon(QIcon(QStringLiteral(":/ikonoj_androjdo/kopias_por_sendi.png")));
    setIconSize(QSize(40, 48));
    connect(this, SIGNAL(clicked()), this, SLOT(klakita()));
}

void sendas_butono::klakita()
{
    QTabWidget* leciono = sendas_butono_teksto::lecionoDe(this);
    if (!leciono || !leciono->currentWidget())
        return;
    sendas_butono_teksto::kopias(sendas_butono_teksto::teksto(
        leciono, leciono->currentWidget(), leciono->currentIndex() + 1, sendas_butono_teksto::Butono));
}
