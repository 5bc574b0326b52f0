#include "sendas_butono_teksto.h"
#include "funkcioj.h"
#include "tekstodirekto.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>

namespace {

const QString kFinaEkzameno = QStringLiteral("13");
const QString kDuLinioj = QStringLiteral("\n\n");

QString respondoDe(const QWidget* kampo)
{
    if (auto* e = qobject_cast<const QLineEdit*>(kampo))
        return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(kampo))
        return kDuLinioj + e->toPlainText();
    return QString();
}

bool preterlasata(const QObject* o, sendas_butono_teksto::Voko voko)
{
    return voko == sendas_butono_teksto::Butono
           && (o->inherits("korekta") || o->inherits("neklakebla_nova") || o->inherits("klakbutono_nova"));
}

// Walks the page in creation order, each widget before its children, the
// same order as a recursive findChildren.
void iras(const QObject* patro, const QSet<const QWidget*>& amikoj, sendas_butono_teksto::Voko voko, QString& t)
{
    for (const QObject* o : patro->children()) {
        if (auto* l = qobject_cast<const QLabel*>(o)) {
            if (!preterlasata(l, voko)) {
                if (!l->buddy()) {
                    if (voko == sendas_butono_teksto::Butono)
                        t += kDuLinioj;
                    t += l->text() + kDuLinioj;
                } else {
                    const bool konata = sendas_butono_teksto::respondoKampo(l->buddy());
                    const QString demando = konata ? l->text().trimmed() : QString();
                    const QString respondo = konata ? respondoDe(l->buddy()) : QString();
                    if (!demando.isEmpty())
                        t += demando + QLatin1Char('\n');
                    if (!respondo.isEmpty())
                        t += respondo + kDuLinioj;
                }
            }
        } else if (sendas_butono_teksto::respondoKampo(o) && !amikoj.contains(static_cast<const QWidget*>(o))) {
            // A field no question names (a second answer under one question,
            // the example word beside an affix) still carries the learner's
            // work: it goes where it stands, when anything is written in it.
            const QWidget* kampo = static_cast<const QWidget*>(o);
            const QString respondo = respondoDe(kampo);
            if (!respondo.trimmed().isEmpty())
                t += respondo + kDuLinioj;
        }
        iras(o, amikoj, voko, t);
    }
}

} // namespace

QTabWidget* sendas_butono_teksto::lecionoDe(const QWidget* w)
{
    QWidget* p = w ? w->parentWidget() : nullptr;
    while (p && qstrcmp(p->metaObject()->className(), "QTabWidget") != 0)
        p = p->parentWidget();
    return static_cast<QTabWidget*>(p);
}

QString sendas_butono_teksto::numero(const QTabWidget* leciono)
{
    return leciono ? leciono->objectName().mid(3, 2) : QString();
}

QList<QWidget*> sendas_butono_teksto::kopiatajPaghoj(QTabWidget* leciono, QWidget* pagho)
{
    QList<QWidget*> paghoj;
    if (numero(leciono) == kFinaEkzameno) {
        for (int i = 0; i < 5 && i < leciono->count(); ++i)
            paghoj << leciono->widget(i);
    } else if (pagho) {
        paghoj << pagho;
    }
    return paghoj;
}

bool sendas_butono_teksto::respondoKampo(const QObject* o)
{
    if (!o)
        return false;
    if (qobject_cast<const QPlainTextEdit*>(o))
        return true;
    if (!qobject_cast<const QLineEdit*>(o))
        return false;
    const QObject* patro = o->parent();
    return !qobject_cast<const QAbstractSpinBox*>(patro) && !qobject_cast<const QComboBox*>(patro);
}

QString sendas_butono_teksto::teksto(QTabWidget* leciono, QWidget* pagho, int paghoNumero, Voko voko)
{
    const QString nn = numero(leciono);
    QString t;
    if (nn != kFinaEkzameno)
        t = QStringLiteral("Leciono ") + nn + QStringLiteral(" - Paĝo ") + QString::number(paghoNumero) + kDuLinioj;
    const QList<QWidget*> paghoj = kopiatajPaghoj(leciono, pagho);
    QSet<const QWidget*> amikoj;
    for (QWidget* p : paghoj)
        for (const QLabel* l : p->findChildren<QLabel*>())
            if (l->buddy())
                amikoj.insert(l->buddy());
    for (QWidget* p : paghoj)
        iras(p, amikoj, voko, t);
    return t;
}

void sendas_butono_teksto::kopias(const QString& teksto)
{
    QApplication::clipboard()->setText(CxSist(teksto, iSistemo), QClipboard::Clipboard);
    auto* mesagxo = new QMessageBox(QApplication::activeWindow());
    mesagxo->setAttribute(Qt::WA_DeleteOnClose);
    mesagxo->setIcon(QMessageBox::Information);
    mesagxo->setText(TekstoDirekto::tradukita(smTondujo));
    mesagxo->exec();
}
