#pragma once

#include <QDialog>

class QLabel;
class QMovie;

// The busy indicator that covers the main window while an upload runs:
// 128 x 128 design units, frameless and translucent, process.png behind the
// animation :/skin/loading.gif, centred on its parent.
//
// It closes only through slotProcessDlg (the worker's uploadDone signal):
// Escape and window-close requests are refused, because the caller reads the
// worker's result and disposes of it once the dialog returns.
class BusyDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDesignSize = 128;

    explicit BusyDialog(QWidget *parent = nullptr);
    ~BusyDialog() override;

    QMovie *movie() const { return m_movie; }

public slots:
    void slotProcessDlg();
    void updateProgress();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_animation = nullptr;
    QMovie *m_movie = nullptr;
    bool m_finishing = false;
};
