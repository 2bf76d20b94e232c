#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

class QLabel;
class QToolButton;

// The look every dialog of the program shares: frameless and translucent,
// drawn on the skin picture dlg.png (sliced, so that its title band keeps its
// height), a title in the language's font beside a mark in the theme colour,
// optionally a 2-pixel frame in the theme colour, and up to three buttons in
// the bottom right corner that take no keyboard focus. It is moved by
// dragging it anywhere.
//
// Subclasses place their own contents between the title band and the
// buttons, size the dialog (design units times the scale factor) and set
// their texts; the base keeps the title and the buttons where they belong
// whatever the size.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    // Design geometry shared by all dialogs.
    static constexpr int kMargin = 26;
    static constexpr int kTitleHeight = 44;
    static constexpr int kButtonWidth = 100;
    static constexpr int kButtonHeight = 30;
    static constexpr int kButtonGap = 14;

    explicit SkinnedDialog(QWidget *parent = nullptr);
    ~SkinnedDialog() override;

    void setTitle(const QString &title);
    QString title() const;
    QLabel *titleLabel() const { return m_title; }

    // The button that accepts and the one that rejects, read left to right
    // ("Yes" "No", "OK" "Cancel"); a lone button sits in the corner. Texts are set by the subclass (and on retranslate).
    QToolButton *addAcceptButton(const QString &text);
    QToolButton *addRejectButton(const QString &text);
    QToolButton *acceptButton() const { return m_accept; }
    QToolButton *rejectButton() const { return m_reject; }
    // A third answer between the two, which ends the dialog with `result`
    // ("Save" "Discard" "Cancel").
    QToolButton *addMiddleButton(const QString &text, int result);
    QToolButton *middleButton() const { return m_middle; }

    // A frame of 2 pixels in the theme colour around the picture.
    void setThemeFrame(bool on);
    // The skin picture drawn behind the dialog ("dlg.png" unless set); a
    // dialog with a picture of its own size names it here.
    void setBackgroundPicture(const QString &file);

    // Sets the size to `designSize` times the scale factor.
    void setDesignSize(const QSize &designSize);

    // The area between the title band and the buttons, in pixels.
    QRect contentsArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QToolButton *makeButton(const QString &text);
    void placeChrome();

    QLabel *m_title = nullptr;
    QToolButton *m_accept = nullptr;
    QToolButton *m_reject = nullptr;
    QToolButton *m_middle = nullptr;
    bool m_themeFrame = false;
    QString m_background = QStringLiteral("dlg.png");
    bool m_dragging = false;
    QPoint m_dragOffset;
};
