#pragma once

#include "recoilevents.h"

#include "widgets/skinneddialog.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SkinButton;

// The recoil file editor ("GUN SET"; label: VeskGunsetDialog): a name and up to five
// bullets, each with its delay and the pointer's pull (Y, X), 619 x 400
// design units in the program's dialog look. "Yes" accepts only
// with a name that can become a file name; the macro page builds and writes
// the file.
class GunsetDialog : public SkinnedDialog {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 619;
    static constexpr int kDesignHeight = 400;
    static constexpr int kMaxNameLength = 100;

    explicit GunsetDialog(QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    // The shown bullets' values.
    std::vector<RecoilBullet> bullets() const;
    int bulletCount() const { return m_count; }
    void setBulletCount(int count);

    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *delayBox(int bullet) const { return m_columns[size_t(bullet)].delay; }
    QSpinBox *yBox(int bullet) const { return m_columns[size_t(bullet)].y; }
    QSpinBox *xBox(int bullet) const { return m_columns[size_t(bullet)].x; }
    QToolButton *yesButton() const { return acceptButton(); }

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Column {
        QSpinBox *delay = nullptr;
        QSpinBox *y = nullptr;
        QSpinBox *x = nullptr;
    };
    void layoutContents();

    int m_count = kMaxRecoilBullets;
    QString m_fileName;
    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QLabel *m_bulletLabel;
    SkinButton *m_bulletChoice;
    std::array<QLabel *, 3> m_rowLabels{};
    std::array<Column, kMaxRecoilBullets> m_columns{};
};
