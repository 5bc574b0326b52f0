#include "korekta_butono.h"
#include "korekta.h"

#include <QLayout>
#include <QScrollArea>

korekta_butono::korekta_butono(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setText(QString());
    setIcon(QIcon(QStringLiteral(":/ikonoj_androjdo/korekti_ekzercon.png")));
    setIconSize(QSize(48, 48));
    connect(this, SIGNAL(clicked()), this, SLOT(klakita()));
}

void korekta_butono::klakita()
{
    // The page's own scroll area; a button outside every scroll area
    // has nothing to show.
    QWidget* w = parentWidget();
    while (w && qstrcmp(w->metaObject()->className(), "QScrollArea") != 0)
        w = w->parentWidget();
    auto* rulumejo = static_cast<QScrollArea*>(w);
    if (!rulumejo)
        return;
    const QList<korekta*> respondoj = rulumejo->findChildren<korekta*>();
    for (korekta* r : respondoj)
        r->setVisible(r->isHidden());
    if (respondoj.isEmpty())
        return;
    // The answers just shown have no place yet until their column is laid out.
    if (rulumejo->widget() && rulumejo->widget()->layout())
        rulumejo->widget()->layout()->activate();
    rulumejo->ensureWidgetVisible(respondoj.first(), 50, 50);
}
