#pragma once
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

class FileDownloader;
namespace Ui {
class lingvoelekto;
}

// The first-start choice of the interface language. Its texts are fixed:
// it comes up before any translation is loaded. On confirmation it sets
// sLingvo, sTradukoDosiero and sTradukoDato and fetches the chosen file
// before it closes; closing it any other way confirms the current row.
class lingvoelekto : public QDialog
{
    Q_OBJECT

public:
    explicit lingvoelekto(QWidget* parent = nullptr);
    ~lingvoelekto() override;

    // The entries of the list rows: code, display name, file name, date.
    const QList<QStringList>& vicoj() const { return m_Vicoj; }

public slots:
    void on_pushButton_clicked();
    void elektasTradukFonton();
    void komencasElDosierujo();
    void fermasFenestron();
    // Escape would leave the program without any language; it confirms like
    // the window's close button instead.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void plenigas(const QList<QStringList>& eroj);
    // Sizes the dialog to its contents and nearly the screen's height, in
    // the middle of the screen.
    void centras();

    Ui::lingvoelekto* ui;
    QList<QStringList> m_Vicoj;
    QPointer<FileDownloader> m_Elsxutilo;
};
