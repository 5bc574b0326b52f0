#include "trad.h"
#include "funkcioj.h"
#include "klakbutono_nova.h"
#include "korekta.h"
#include "label_klakebla.h"
#include "label_sago.h"
#include "label_sago_reversa.h"
#include "neklakebla_nova.h"
#include "tekstodirekto.h"
#include "tradukdosiero.h"
#include "tradukovojo.h"

#include <QLabel>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace {

// The frame labels carry fixed object names in every exercise form.
struct KadraEtikedo
{
    const char* nomo;
    const char* sxlosilo;
};
const KadraEtikedo KadraTabelo[] = {
    {"Ekz_Akuz1", "TFrame5.Label6"},    {"Ekz_Akuz2", "TFrame5.Label1"},
    {"Ekz_Pron1", "TFrame2.PP_Label1"}, {"Ekz_Pron2", "TFrame2.PP_Label41"},
    {"Ekz_Audk1", "TFrame3.Label59"},   {"Ekz_Audk2", "TFrame3.Label68"},
    {"Ekz_Vort1", "TFrame4.Label83"},   {"Ekz_Vort2", "TFrame1.Label7"},
    {"Ekz_Plen1", "TFrame4.Label83"},   {"Ekz_FrazoKonstruo", "Ekz_FrazoKonstruo"},
};

// The fill-the-gaps frame that holds a label: the nearest such ancestor.
QWidget* plenigaKadro(QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (p->inherits("plenigas_spacon"))
            return p;
    }
    return nullptr;
}

// Only the forms give a label_klakebla a 12-character prefix before its key.
QString nomoPorSercxo(const QLabel* l)
{
    if (qobject_cast<const label_klakebla*>(l))
        return l->objectName().mid(12);
    return l->objectName();
}

bool konservasTekston(const QLabel* l)
{
    return qobject_cast<const neklakebla_nova*>(l) || qobject_cast<const klakbutono_nova*>(l)
           || qobject_cast<const korekta*>(l);
}

} // namespace

QString TradKadraSxlosilo(const QString& objektoNomo)
{
    for (const KadraEtikedo& e : KadraTabelo) {
        if (objektoNomo == QLatin1String(e.nomo))
            return QString::fromLatin1(e.sxlosilo);
    }
    return QString();
}

void Trad(QWidget* root, QString section)
{
    if (!root)
        return;
    TradukDosiero traduko(TradukoVojo(sTradukoDosiero));
    const QString direkto = traduko.value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR")).toString();
    // Arrows and word boxes follow any direction other than "LTR"; the mark on
    // Esperanto labels and the direction of the translated texts only the
    // exact "RTL".
    const bool dekstrenMaldekstren = direkto != QLatin1String("LTR");
    const bool markas = direkto == QLatin1String("RTL");

    const QList<QLabel*> etikedoj = root->findChildren<QLabel*>();
    const QList<neklakebla_nova*> vortujoj = root->findChildren<neklakebla_nova*>();
    const QList<klakbutono_nova*> parolantaj = root->findChildren<klakbutono_nova*>();
    const QList<label_sago_reversa*> revenaj = root->findChildren<label_sago_reversa*>();
    const QList<label_sago*> antauaj = root->findChildren<label_sago*>();

    const QPixmap revena(dekstrenMaldekstren ? QStringLiteral(":/ikonoj/sago_revena_RTL.png")
                                             : QStringLiteral(":/ikonoj/sago_revena.png"));
    const QPixmap antauen(dekstrenMaldekstren ? QStringLiteral(":/ikonoj/sago_antauen_RTL.png")
                                              : QStringLiteral(":/ikonoj/sago_antauen.png"));
    for (label_sago_reversa* s : revenaj) {
        s->setPixmap(revena);
        s->setStyleSheet(dekstrenMaldekstren ? QStringLiteral("margin-right: 15px;")
                                             : QStringLiteral("margin-left: 15px;"));
    }
    for (label_sago* s : antauaj)
        s->setPixmap(antauen);

    const Qt::Alignment vortoLinio = (dekstrenMaldekstren ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    for (neklakebla_nova* v : vortujoj)
        v->setAlignment(vortoLinio);
    for (klakbutono_nova* v : parolantaj)
        v->setAlignment(vortoLinio);

    for (QLabel* l : etikedoj) {
        const QString nomo = l->objectName();
        if (nomo.left(5) == section) {
            if (konservasTekston(l))
                continue;
            const QString sxlosilo = qobject_cast<label_klakebla*>(l) ? nomo.mid(12) : nomo.mid(6);
            TekstoDirekto::metas(l, traduko.value(section + QLatin1Char('/') + sxlosilo, NeTradukita).toString(),
                                 direkto);
            continue;
        }

        const QString sercxata = nomoPorSercxo(l);
        if (sercxata == QLatin1String("Ekz_Plen2")) {
            // Lessons 8 and 10 mark their second gap-filling frame with a "B"
            // after the lesson prefix; its instruction has a key of its own.
            QWidget* kadro = plenigaKadro(l);
            const bool dua = kadro && kadro->objectName().mid(5, 1) == QLatin1String("B");
            const QString sxlosilo = dua ? QStringLiteral("Frame42.Label84") : QStringLiteral("TFrame41.Label84");
            TekstoDirekto::metas(l, traduko.value(section + QLatin1Char('/') + sxlosilo, NeTradukita).toString(),
                                 direkto);
            continue;
        }

        const QString kadra = TradKadraSxlosilo(sercxata);
        if (!kadra.isEmpty()) {
            TekstoDirekto::metas(l, traduko.value(QStringLiteral("Gheneralaj/") + kadra, NeTradukita).toString(),
                                 direkto);
            continue;
        }

        const QVariant tipo = l->property("tipo");
        if (tipo.isValid() && tipo.toString() == QLatin1String("esperanta")) {
            if (markas) {
                // Keeps a right-to-left page from reordering the Esperanto
                // words; one mark is enough even if the pass runs twice.
                if (!l->text().endsWith(MarkoLTR))
                    l->setText(l->text() + MarkoLTR);
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
    }
}
