#include "funkcioj.h"
#include "sendas_butono_teksto.h"

#include <QTabWidget>

void Sendas(QWidget* pagho, int paghoNumero)
{
    // A tab page sits in the tab widget's page stack; anything else is no
    // lesson page and is left alone.
    QWidget* stako = pagho ? pagho->parentWidget() : nullptr;
    auto* leciono = qobject_cast<QTabWidget*>(stako ? stako->parentWidget() : nullptr);
    if (!leciono || leciono->indexOf(pagho) < 0)
        return;
    sendas_butono_teksto::kopias(
        sendas_butono_teksto::teksto(leciono, pagho, paghoNumero, sendas_butono_teksto::PiedaKomando));
}
