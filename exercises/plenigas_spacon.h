#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace Ui {
class plenigas_spacon;
}
class QLabel;
class QLineEdit;

// Fill the gaps: the learner types the missing pieces of an Esperanto
// sentence into fields that stand in the sentence.
class plenigas_spacon : public QFrame
{
    Q_OBJECT

public:
    explicit plenigas_spacon(QWidget* parent = nullptr);
    ~plenigas_spacon() override;

    // The printed sheet of the whole exercise, as HTML.
    QString folio() const;

public slots:
    void on_BitBtn4_clicked();
    void on_BitBtn6_clicked();
    void novafrazo();
    void on_BitBtn5_clicked();
    void on_printilo_ps_clicked();
    void on_Edit1_returnPressed();
    void on_Edit2_returnPressed();
    void on_Edit3_returnPressed();
    void on_Edit4_returnPressed();
    void on_Edit5_returnPressed();
    void on_antauen_clicked();

private:
    void enigo(int kampo);

    Ui::plenigas_spacon* ui;
    QList<QStringList> D;
    QStringList tradukoj;
    QList<QStringList> R;
    QList<QList<QStringList>> aliajPecoj;
    QString kodo;
    bool atendas = false;
    QList<QLabel*> tekstoj; // Vorto1 .. Vorto6
    QList<QLabel*> korektoj; // KorektaVorto1 .. KorektaVorto5
    QList<QLineEdit*> kampoj; // Edit1 .. Edit5
    ekzercokuro kuro;
    poentaro tabulo;
};
