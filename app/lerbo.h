#pragma once
#include <QMainWindow>

class QMediaPlayer;

// The main window. The toolkit's mp3() reaches its media player from
// QApplication::activeWindow(), so the player stays the first member.
class lerbo : public QMainWindow
{
    Q_OBJECT

public:
    QMediaPlayer* ludilo = nullptr;

    explicit lerbo(QWidget* parent = nullptr);
    ~lerbo() override;
};
