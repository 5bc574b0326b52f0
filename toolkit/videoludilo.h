#pragma once
#include <QFrame>

class QMediaPlayer;
class QScrollArea;
class QVideoWidget;

namespace Ui {
class videoludilo;
}

// The video of lesson 2: a poster until the learner clicks, then the video in
// its place; a further click pauses, and the poster returns at the end, or
// at once, with a word to the learner, when the video cannot be played. The
// next click tries the file again.
class videoludilo : public QFrame
{
    Q_OBJECT

public:
    explicit videoludilo(QWidget* parent = nullptr);
    ~videoludilo() override;

    // The video in the media folder, "video/lec02/ziv_video.ogv".
    static QString vojo();

public slots:
    void finite();

protected slots:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    // The poster again, and the learner told once that the video cannot play.
    void neLudebla();

    Ui::videoludilo* ui;
    QMediaPlayer* ludilo = nullptr; // none on "android": the poster only
    QWidget* ujo = nullptr; // holds the video surface
    QVideoWidget* ekrano = nullptr;
    QScrollArea* rulumejo = nullptr; // the page's scroll area, found on the first show
    bool preta = false; // the media has been set
    bool neLudeblaDirita = false; // the learner has been told it cannot play
    bool malsukcesis = false; // the file failed since the media was last set
};
