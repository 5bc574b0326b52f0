#pragma once
#include "prononcokuro.h"

#include <QFrame>
#include <QString>

namespace Ui {
class prononco;
}
class QMediaPlayer;
class QTimer;
class VocxRegistrilo;

// Pronunciation practice: the learner hears a word, says it while the
// recorder runs, then hears the model and the own voice in turn.
class prononco : public QFrame
{
    Q_OBJECT

public:
    explicit prononco(QWidget* parent = nullptr);
    ~prononco() override;

    // Puts another recorder in place of the platform's (the frame owns it).
    void metuRegistrilon(VocxRegistrilo* registrilo);

    // The learner hears about a missing microphone once per program run.
    static bool lAvertisPriMikrofono;

private slots:
    void on_PP_Startu_clicked();
    void novafrazo();
    void RegistrasVocxon();
    void on_PP_Haltu_clicked();
    void on_PP_Antauen_clicked();
    void on_PP_Mik_re_clicked();
    void on_PP_Aud_re_clicked();
    void ChesasRegistri();
    void LudasRegistrita(int slot);
    void Registru(int slot);
    void Progreso(qint64 ms);

private:
    struct Ero
    {
        QString teksto;
        QString dosiero;
    };

    bool iras(int kuro) const;
    QString tekstoDeButono(int numero, const QString& leciono) const;
    void ludas(const QString& vojo);
    // Waits while the model clip still sounds (or until run `kuro` ends);
    // then its length is known.
    void atendasModelon(int kuro);

    Ui::prononco* ui;
    PrononcoKuro Kuro;
    Ero Aro[4];
    int iPauzoj[4] = {0, 0, 0, 0};
    qint64 iModelaDauxro = 0; // the last model clip's length, in ms
    QString Realaj[4];
    int iKiomope = 0;
    int iKuro = 0; // counts the starts, so a loop of a stopped run stops too
    int iRegistrata = -1; // slot of the recording under way
    bool lMikrofono = true;
    VocxRegistrilo* Registrilo = nullptr;
    QMediaPlayer* Ludilo = nullptr;
    QTimer* Haltigilo = nullptr;
    QString sRegistrejo;
};
