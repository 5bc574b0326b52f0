#include "funkcioj.h"
#include "inidosiero.h"
#include "sendas_butono.h"
#include "sendas_butono_teksto.h"
#include "sendujo.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>
#include <QTextCursor>

namespace {

// The pages whose answers are kept: the pages named as send pages, and every
// page that a copy button of the lesson hands to the corrector (a writing
// page named otherwise, the examination's first pages). Field names are
// unique within a lesson, so the keys stay those of the older files.
QList<QWidget*> respondoPaghoj(QTabWidget* leciono)
{
    QSet<QWidget*> elektitaj;
    for (int i = 0; i < leciono->count(); ++i) {
        QWidget* p = leciono->widget(i);
        if (p->objectName().startsWith(QLatin1String("Sendas")))
            elektitaj.insert(p);
        if (p->findChild<sendujo*>() || p->findChild<sendas_butono*>())
            for (QWidget* k : sendas_butono_teksto::kopiatajPaghoj(leciono, p))
                elektitaj.insert(k);
    }
    QList<QWidget*> paghoj;
    for (int i = 0; i < leciono->count(); ++i)
        if (elektitaj.contains(leciono->widget(i)))
            paghoj << leciono->widget(i);
    return paghoj;
}

} // namespace

QList<QWidget*> RespondoKampoj(QTabWidget* leciono)
{
    QList<QWidget*> kampoj;
    if (!leciono)
        return kampoj;
    for (QWidget* pagho : respondoPaghoj(leciono)) {
        for (QLineEdit* kampo : pagho->findChildren<QLineEdit*>())
            kampoj << kampo;
        for (QPlainTextEdit* kampo : pagho->findChildren<QPlainTextEdit*>())
            kampoj << kampo;
    }
    return kampoj;
}

bool SxargxasEk(QTabWidget* leciono, bool savas)
{
    if (!leciono)
        return true;
    QString dosierujo = savasLoko;
    if (!dosierujo.endsWith(QLatin1Char('/')))
        dosierujo += QLatin1Char('/');
    IniDosiero agordoj(dosierujo + QStringLiteral("darudaver.ini"));
    agordoj.beginGroup(leciono->objectName());
    for (QWidget* w : RespondoKampoj(leciono)) {
        if (auto* linio = qobject_cast<QLineEdit*>(w)) {
            if (savas)
                agordoj.setValue(linio->objectName(), linio->text());
            else
                linio->insert(agordoj.value(linio->objectName(), QString()).toString());
        } else if (auto* teksto = qobject_cast<QPlainTextEdit*>(w)) {
            if (savas)
                agordoj.setValue(teksto->objectName(), teksto->toPlainText());
            else
                teksto->insertPlainText(agordoj.value(teksto->objectName(), QString()).toString());
        }
    }
    agordoj.endGroup();
    if (!savas)
        return true;
    agordoj.sync();
    // A parse error of the read stays in the status; only an access error
    // tells of a write that failed.
    return agordoj.status() != QSettings::AccessError;
}
