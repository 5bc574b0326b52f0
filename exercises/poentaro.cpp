#include "poentaro.h"
#include "ekzercokuro.h"

#include <QSpinBox>

void poentaro::metas(QSpinBox* restas, QSpinBox* gxustaj, QSpinBox* malgxustaj, QSpinBox* procento)
{
    restas_ = restas;
    gxustaj_ = gxustaj;
    malgxustaj_ = malgxustaj;
    procento_ = procento;
}

void poentaro::montras(const ekzercokuro& kuro) const
{
    if (restas_)
        restas_->setValue(kuro.restas());
    if (gxustaj_)
        gxustaj_->setValue(kuro.gxustaj());
    if (malgxustaj_)
        malgxustaj_->setValue(kuro.malgxustaj());
    if (procento_)
        procento_->setValue(kuro.procento());
}

void poentaro::nuligas(int restas) const
{
    if (restas_)
        restas_->setValue(restas);
    for (QSpinBox* s : {gxustaj_, malgxustaj_, procento_})
        if (s)
            s->setValue(0);
}
