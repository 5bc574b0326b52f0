#pragma once
#include "tradukmodelo.h"

#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace Ui {
class traduko;
}

// The translation editor: a volunteer translates the course section by section
// against two reference translations. Built once by the main window and only
// hidden when closed; its own texts are Esperanto and never translated.
class traduko : public QDialog
{
    Q_OBJECT

public:
    explicit traduko(QWidget* parent = nullptr);
    ~traduko() override;

    // How the two links reach the desktop (browser, file manager). Tests
    // replace it to see the address without starting anything.
    static std::function<bool(const QUrl&)> MalfermasUrl;

    // The main window calls this when it is closing. Saves the volunteer's
    // work, or asks what to do with it when it cannot be saved. False means
    // the volunteer went back to the editor: the main window stays open.
    bool FinasLaboron();
    // The same at an end nobody can answer (a signal, the session's end):
    // asks nothing. Texts the header lets it save go into the volunteer's
    // file; others are kept aside, and the next opening offers them back.
    void GardasLaboron();

    const TradukModelo& Modelo() const { return m_modelo; }

    // Names kept from the editor's model, for the slots below.
    QString sReferenca1;
    QString sReferenca2;
    QString sSekcio;
    QString sDosierujo;
    QList<QStringList> Lingvoj; // [LingvoID, Lingvo, file name] per built-in file

signals:
    void novapagho(QString pagho);
    void novafrazo(QString pagho, QString frazo);

public slots:
    QStringList Ordigas(const QString& Sekcio);
    void SharghasTrad(const QString& Sekcio);
    void Movighas(const QString& direkto);
    bool SavasTrad();
    void konfiguro();
    void ListigasLingvojn();
    void lokigas_paghotrad(const QString& sekcio);
    void lokigas_frazotrad(const QString& shlosilo);
    void moveScrollBarToBottom(int min, int max);

    void on_Button5_clicked();
    void on_Button1_clicked();
    void on_Button2_clicked();
    void on_Button6_clicked();
    void on_Button4_clicked();
    void on_Listo_activated(const QString& arg1);
    void on_lingvoj1_activated(int index);
    void on_lingvoj2_activated(int index);
    void on_tiparo_currentIndexChanged(const QString& arg1);
    void on_literGrando_valueChanged(int arg1);
    void on_horizontalSlider_valueChanged(int value);
    void on_Button7_clicked();
    void on_dosierujo_clicked();
    void on_pushButton_clicked();

    // Escape closes the editor the same way as its close button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TradukModelo::Kapo Kapo() const;
    QString KapoMesagho() const; // what is wrong with the header, "" when nothing
    bool Nekonservitaj(); // stores the entry box first
    void MontrasKapon(); // brings the file name field into view
    void SkribasAgordojn();
    // Texts kept aside at the last end: restored or discarded, as the
    // volunteer chooses.
    void OfertasRestarigon();
    QString RestarigoVojo() const;
    QString PropraVojo() const;
    QWidget* Gepatro();

    Ui::traduko* ui;
    TradukModelo m_modelo;
};
