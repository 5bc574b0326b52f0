#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace Ui {
class vortoludo;
}
class QLabel;
class QRadioButton;

// Word choice: an Esperanto word of the lesson and five translations; the
// learner picks the right one.
class vortoludo : public QFrame
{
    Q_OBJECT

public:
    explicit vortoludo(QWidget* parent = nullptr);
    ~vortoludo() override;

    // The printed sheet of the whole exercise, as HTML.
    QString folio() const;

public slots:
    void on_BitBtn18_clicked();
    void novafrazo();
    void grupoclick(int klakita);
    void on_BitBtn20_clicked();
    void on_frazo0_clicked(bool checked);
    void on_frazo1_clicked(bool checked);
    void on_frazo2_clicked(bool checked);
    void on_frazo3_clicked(bool checked);
    void on_frazo4_clicked(bool checked);
    void on_teksto0_clicked();
    void on_teksto1_clicked();
    void on_teksto2_clicked();
    void on_teksto3_clicked();
    void on_teksto4_clicked();
    void on_printilo_ps_clicked();

private:
    static QString vortoDe(QWidget* leciono, const QString& prefikso, const QString& ero);
    static QString tradukoDe(QWidget* leciono, const QString& prefikso, const QString& numero);

    Ui::vortoludo* ui;
    int iGxusta = 0;
    QStringList D;
    QStringList R;
    QStringList Vortoj; // the Esperanto word of each item
    QList<bool> uzataj;
    QList<QRadioButton*> Butonoj;
    QList<QLabel*> Etikedoj;
    QString prefikso;
    bool lOkupata = false;
    ekzercokuro kuro;
    poentaro tabulo;
};
