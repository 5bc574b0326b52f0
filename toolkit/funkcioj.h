#pragma once
// The course's shared state and the free functions that every part of the
// program calls. Everything here lives on the GUI thread only.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QProgressBar;
class QTabWidget;
class QWidget;

// --- Platform and folders (each folder ends in "/" once set) --------------
extern QString sSistemo; // "linux", "windows", "osx", "android" or "ios"
extern QString Loko; // resource root ":/"
extern QString mrLoko; // media folder with sonoj/ and video/
extern QString savasLoko; // writable per-user folder

// --- The loaded translation ------------------------------------------------
extern QString sLingvo;
extern QString sLingvoID;
extern QString sTradukoDosiero;
extern QString sTradukoDato;
extern QString sTradukinto;
extern QString Direkto;
extern bool NeEkzistasTraduko;
extern QString EkzercoAkuzativoTrad;

// --- Message texts of the translation's [Mesagxoj] section -----------------
extern QString smTondujo;
extern QString smGratulon;
extern QString smDenove;
extern QString smRekomencu;
extern QString smModifis;
extern QString smDevasHaviKor;
extern QString smDevasSavi;
extern QString smKoverto;
extern QString smDisketo;
extern QString smPordo;
extern QString smLigilo;
extern QString smNeSono; // no sound device
extern QString smNeLudebla; // this recording cannot be played, and what brings it back
extern QString Antauen;
extern QString Nuligi;

// --- The learner's preferences ---------------------------------------------
extern bool lSxaltilo; // spoken feedback
extern bool lNoteto; // short right/wrong notes
extern bool lCxapeligo; // x-system typing becomes accented letters
extern int iSistemo; // letter system of text for the corrector
extern QString sTiparo;
extern int iLiterGrando;
extern QString sTiparoEo;
extern int iLiterGrandoEo;
extern int iFenestraStilo;

// --- Navigation ------------------------------------------------------------
extern int LastaLeciono;
extern int LastaPagxo;

// --- Blinking and feedback -------------------------------------------------
extern int Ofteco; // ms per blink phase
extern int NumSec; // seconds a blink lasts
extern int iLastaFojo; // praise word spoken last
extern bool lNeSonoDirita; // a clip of the main player was told unplayable in this run

// Every wait of the course (Pauzu, blinking, feedback pauses, the farewell)
// is multiplied by this. The program keeps 1; tests shrink it so that a run
// of an exercise takes milliseconds instead of minutes.
extern double TempoSkalo;

// Media file name extensions.
extern const QString mp3_finajho; // ".oga"
extern const QString video_finajho; // ".ogv"

// The left-to-right mark that right-to-left translations put after texts
// which end in Latin letters or punctuation.
extern const QChar MarkoLTR;

// The placeholders of a missing text, each with its own spelling.
extern const QString NeTradukita; // main window and widget trees
extern const QString NeTradukitaEkzerco; // exercise sentence translations

// --- Resources -------------------------------------------------------------
// Registers the resource trees compiled into lerbo_kerno; the program and
// every test call it once before touching a ":/" path.
void lerbo_rimedoj();

// --- Randomness, letter systems, answers -----------------------------------
int random(int n);
void randomize();
QString CxSist(const QString& teksto, int k);
QString purigas(const QString& teksto, bool minuskle);
int limigo(int n);
void Pauzu(double sekundoj);
void PauzuMs(int milisekundoj); // the same wait, in milliseconds
int skalitaj_ms(double milisekundoj); // a course wait after TempoSkalo
void Sinkronigu();

// --- Sounds, spoken feedback, the verdict ----------------------------------
class QMediaPlayer;
// The main window hands over the player on which every short sound of the
// course plays, and only while that window is the active window; the player
// is asked for when a sound plays, so the window may make it late.
void RegistrasLudilon(QWidget* fenestro, std::function<QMediaPlayer*()> ludilo);
// Tells the learner, once per run, when a clip on this player cannot be
// played: with smNeSono, since with a file that is there the fault may be
// the sound device's; mp3() tells a missing or empty file with smNeLudebla.
void GardasLudilon(QMediaPlayer* ludilo);
void mp3(const QString& nomo);
// A recording or video of a page that the learner asked to play and that
// cannot be played (missing, empty, damaged, unreadable, a FIFO or device
// in its place) is told on the page's window with smNeLudebla, in a box that
// does not hold the lesson up. Its player says it once, and tries the file
// again on the next click.
void DirasNeLudeblan(QWidget* ludilo);
void Noteto(bool gxusta);
void Jes();
void Ne();
void Adiau();
void Mesagxo(int malgxustaj, int gxustaj);
void tekstoblinko(QWidget* w);
// Ends at once every blink running on `radiko` or a widget below it, each
// widget back in its own style: an exercise stopped or started again must
// not leave the old answer's highlight on the new item.
void FinasBlinkojn(QWidget* radiko);

// --- Platform folders, font scaling, help addresses ------------------------
QString kiuSistemo(const QString& speco);
int ghustigas_tiparon(int grando);
int ghustigas_tiparon(int grando, double dpi);
// The font family the system prefers for a language that writes Han
// characters ("ch" Chinese, "jp" Japanese, "ko" Korean, as the translations
// name them), or an empty string: for any other language, when the family
// `tiparo` already writes that language, or when no installed font does.
QString hanTiparo(const QString& lingvoID, const QString& tiparo);
QString helpdosiero(const QString& kio);

// --- Written answers, send pages, printing ---------------------------------
// Saves (savas) or restores the written answers of a lesson's answer pages;
// whether a save reached the disk.
bool SxargxasEk(QTabWidget* leciono, bool savas);
// The fields whose text SxargxasEk keeps, in the order it keeps them.
QList<QWidget*> RespondoKampoj(QTabWidget* leciono);
void Sendas(QWidget* pagho, int paghoNumero);
void Sendas_Printilo(QTabWidget* leciono, QString titolo, QProgressBar* progreso);
void ListigasTradukendajn(QWidget* paghujo, const QString& dosiero);
class QPrinter;
void PresasEkzercojn(QPrinter* presilo, QTabWidget* leciono, QString titolo, QProgressBar* progreso);
