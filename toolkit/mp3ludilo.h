#pragma once
#include <QFrame>

class QMediaPlayer;

namespace Ui {
class mp3ludilo;
}

// Play, pause and stop for the recording of a reading text or song. The
// object name "Lec07_memo2" names sonoj/lec07/memo2.oga. It plays on a player
// of its own, so word clips clicked meanwhile do not cut it off, and it stops
// when its lesson turns to another page.
class mp3ludilo : public QFrame
{
    Q_OBJECT

public:
    explicit mp3ludilo(QWidget* parent = nullptr);
    ~mp3ludilo() override;

public slots:
    void on_Ludu_clicked();
    void on_Pauzu_clicked();
    void on_Chesu_clicked();
    void finite();
    void PaghoShanghita(int indekso);
    void PaghoFragoj(int indekso);

private:
    bool ludas() const;
    // Back to stopped, with play alone showing; told once. Play tries the
    // file again, which may have been made or mended meanwhile.
    void neLudebla();
    // Made on the first press of play: a lesson shows many readings, and a
    // media player for each would slow its first opening.
    QMediaPlayer* sonludilo();

    Ui::mp3ludilo* ui;
    QMediaPlayer* ludilo = nullptr;
    int pagho = -1; // the lesson's page when play was last pressed
    bool neLudeblaDirita = false; // the learner has been told it cannot play
};
