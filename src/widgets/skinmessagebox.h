#pragma once

#include "skinneddialog.h"

#include <functional>

class QLabel;
class QTimer;
class QToolButton;

// The program's own modal message box on the shared dialog look
// (SkinnedDialog), 478 design units wide.
//
// Kind 1 asks, with "Yes" (accepts) and "No" (rejects); kind 5 asks about
// unsaved edits, with "Save" (accepts), "Discard" (ends with Discarded) and
// "Cancel" (rejects); every other kind has one "Ok" (accepts). Kind 2 shows warn.png, kind 4 (the receiver warning)
// dongle2.png. Title and text come translated from the caller.
//
// With close-on-plug-in set, the box asks every 100 ms whether the main
// window has a ready mouse and accepts itself once it has. The question is a
// function, so that the box knows nothing of the window: either set on the
// box, or once for the process with setDefaultMouseReadyCheck.
// (label: VeskMessageBox)
class SkinMessageBox : public SkinnedDialog {
    Q_OBJECT
public:
    enum Kind { Question = 1, Warning = 2, Receiver = 4, SaveQuestion = 5 };
    // The result of "Discard" in a SaveQuestion box.
    static constexpr int Discarded = 2;
    static constexpr int kDesignWidth = 478;
    static constexpr int kPlugInCheckMs = 100;

    SkinMessageBox(int kind, const QString &title, const QString &text, QWidget *parent = nullptr,
                   bool closeOnPlugIn = false);
    ~SkinMessageBox() override;

    int kind() const { return m_kind; }
    QString text() const;
    bool closesOnPlugIn() const { return m_closeOnPlugIn; }

    void setMouseReadyCheck(std::function<bool()> check);
    static void setDefaultMouseReadyCheck(std::function<bool()> check);

    // The buttons the kind has; null where the kind has none.
    QToolButton *yesButton() const { return m_kind == Question ? acceptButton() : nullptr; }
    QToolButton *noButton() const { return m_kind == Question ? rejectButton() : nullptr; }
    QToolButton *okButton() const { return m_kind == Question || m_kind == SaveQuestion ? nullptr : acceptButton(); }
    QToolButton *saveButton() const { return m_kind == SaveQuestion ? acceptButton() : nullptr; }
    QToolButton *discardButton() const { return middleButton(); }
    QToolButton *cancelButton() const { return m_kind == SaveQuestion ? rejectButton() : nullptr; }

    // Picture name (below the skin folder) shown for a kind, empty for none.
    static QString pictureFor(int kind);

    // Builds, runs and returns the result of a box in one call.
    static int show(int kind, const QString &title, const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void checkMouseReady();

private:
    void layoutContents();

    int m_kind;
    bool m_closeOnPlugIn;
    std::function<bool()> m_readyCheck;
    QTimer *m_plugInTimer = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_text = nullptr;
};
