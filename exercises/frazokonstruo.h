#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace Ui {
class frazokonstruo;
}
class QPushButton;

// Sentence building: the learner clicks word buttons into the order of the
// sentence whose translation is shown.
class frazokonstruo : public QFrame
{
    Q_OBJECT

public:
    explicit frazokonstruo(QWidget* parent = nullptr);
    ~frazokonstruo() override;

public slots:
    void vortoklako();
    void vortoforigo();
    void on_BitBtn1_clicked();
    void novafrazo();
    void tekstoblinko();
    void on_BitBtn3_clicked();
    void on_BitBtn2_clicked();
    void on_Antauen_clicked();

private:
    Ui::frazokonstruo* ui;
    QStringList D;
    QStringList R;
    QStringList frazoj;
    QList<QStringList> vortoj;
    QList<QList<QStringList>> aliajOrdoj;
    QStringList tradukoj;
    QStringList nunajVortoj;
    bool atendas = false;
    QList<QPushButton*> metitaj;
    QList<QPushButton*> disponeblaj;
    QWidget* leciono = nullptr;
    ekzercokuro kuro;
    poentaro tabulo;
};
