#pragma once
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

class FileDownloader;
class Konservilo;
class QCloseEvent;
class QFrame;
class QMediaPlayer;
class QShowEvent;
class QTabWidget;
class traduko;
class Ui_lerbo;

// The main window: home page, lesson pages, settings and credits.
class lerbo : public QMainWindow
{
    Q_OBJECT

public:
    QMediaPlayer* ludilo = nullptr; // made by sonludilo(), after the first paint or on first use
    Ui_lerbo* ui = nullptr;
    traduko* redaktilo = nullptr; // the translation editor, once opened
    QList<QStringList> lingvoj; // LingvoID, Lingvo, file name, Dato
    QList<QString> tradukitaj; // per lesson: translation file last applied
    FileDownloader* elshutilo = nullptr; // the latest download started here
    QFrame* lastaKadro = nullptr; // the text the translation editor framed last
    QFrame* lecionoj[13] = {}; // lesson frames, built on first opening
    Konservilo* konservilo = nullptr; // writes answers and settings as the learner goes

    explicit lerbo(QWidget* parent = nullptr);
    ~lerbo() override;

    // The player of the greeting, the farewell and every short sound.
    QMediaPlayer* sonludilo();

    // How long the farewell may hold the closing window, in ms before
    // TempoSkalo; a clip that never ends must not keep the program alive.
    static constexpr int AdiauLimoMs = 5000;

public slots:
    void Centrigas_Fenestron();
    void Ghustigas_fenestron();
    void Fenestra_Stilo();
    void ReGrandigas_Fenestron();
    void Malgrandigas();

    // Settings file and start-up
    void komencakonfiguro();
    void SavasKonfig();
    // Writes the written answers that changed since they were last written
    // and the settings; whether both reached the disk.
    bool konservas();
    // The same at an end that nobody watches (the session's): what could
    // not be written is said on standard error.
    void konservasFine();
    // The end asked for from outside (a signal, the session): back to the
    // home page, any open box or dialog closed, then closed as the Exit
    // button closes. Nobody may be at the screen to answer a box, so none
    // is opened: the loss of unsaved work is said on standard error, and
    // the editor's texts are kept without a question.
    void FermasOrde();
    void ElektasLingvon();

    // Greeting and shutdown
    void Saluton();
    void on_Eliri_clicked();

    // Settings page
    void Konfiguru();
    void shanghitajKonfiguroj();
    void on_shanghasKonfigurojn_clicked();
    void on_Lingvo_activated(int indekso);
    void on_Tiparo_currentIndexChanged(const QString& familio);
    void on_TiparoEo_currentIndexChanged(const QString& familio);
    void on_LiterGrando_valueChanged(int grando);
    void on_LiterGrandoEo_valueChanged(int grando);
    void on_glitilo_traduko_valueChanged(int v);
    void on_glitilo_eo_valueChanged(int v);
    void on_Cxapeligo_toggled(bool b);
    void on_Parolo_toggled(bool b);
    void on_Noteto_toggled(bool b);
    void on_radioButton_clicked(bool);
    void on_radioButton_2_clicked(bool);
    void on_radioButton_3_clicked(bool);

    // Home-page captions forward to their buttons
    void on_label_Kie_clicked();
    void on_label_Kio_clicked();
    void on_label_Kiel_clicked();
    void on_label_Eliri_clicked();
    void on_label_Kreditoj_clicked();
    void on_label_Konfiguroj_clicked();

    // Fonts and style sheets
    void ShanghasTiparStilon();
    // The interface font the learner's settings and the translation's
    // language ask for.
    static QFont lernantaTiparo();
    void ShanghasTiparon();
    void Stilo();

    // Help, credits, footer
    void on_KioEstas_clicked();
    void on_KielUzi_clicked();
    void on_Kreditoj_clicked();
    void on_Konfigurado_clicked();
    void on_butono_androjdo_clicked();
    void on_Sendas_clicked();
    void on_printilo_clicked();
    void listigas_trad();

    // The translation editor and the two requests it sends
    void on_tradukilo_clicked();
    void lokigas_paghotrad(const QString& novapagho);
    void lokigas_frazotrad(const QString& novapagho, const QString& novafrazo);

    // The translation
    void Traduku();
    void aktualigasTradukon();
    void ListigasLingvojn();

    // Lesson navigation
    void ShanghasPaghon(const QString& Nomo, QFrame* lecionujo);
    void komencas_navigujon();
    void on_Leciono1_clicked();
    void on_Leciono2_clicked();
    void on_Leciono3_clicked();
    void on_Leciono4_clicked();
    void on_Leciono5_clicked();
    void on_Leciono6_clicked();
    void on_Leciono7_clicked();
    void on_Leciono8_clicked();
    void on_Leciono9_clicked();
    void on_Leciono10_clicked();
    void on_Leciono11_clicked();
    void on_Leciono12_clicked();
    void on_Leciono13_clicked();
    void on_KieButono_clicked();
    void on_dekstren_clicked();
    void on_maldekstren_clicked();
    void on_Hejmo_clicked();
    void montras_koverton(bool sendas, int indekso);

signals:
    // Once, right after the window has first been painted: the place for
    // work the home page does not need (the greeting, the media player).
    void unuaPentrado();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void montrasPaghon(const QString& nomo);
    void malfermasLecionon(int numero);
    void atendasAdiauon();
    void avertasPriKonservado();
    void gardasRespondojn(QTabWidget* leciono);
    void sxangxisRespondon(QTabWidget* leciono);
    void forlasasPaghon();
    void forlasasLecionon();
    void savasRespondojn(QTabWidget* leciono);
    void restarigasRespondojn(QTabWidget* leciono);
    void tradukasLecionon(QWidget* pagho, const QString& sekcio);

    // Says once on standard error that the work of this session is lost.
    void dirasPerdon();

    bool pentrita = false;
    bool senHomo = false; // the close under way was asked from outside
    bool perdoDirita = false; // the learner has been told the work is lost
    QList<QPointer<QTabWidget>> sxangxitaj; // lessons with answers not yet written
};
