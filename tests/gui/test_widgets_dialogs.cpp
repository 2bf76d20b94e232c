// The kit's message box and busy dialog, run modally as the program runs
// them.

#include "testenvironment.h"

#include "widgets/uiscale.h"
#include "widgets/veskmessagebox.h"
#include "widgets/busydialog.h"
#include "widgets/windowshape.h"

#include <QBitmap>
#include <QElapsedTimer>
#include <QMovie>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

class TestWidgetsDialogs : public QObject {
    Q_OBJECT

private:
    TestEnvironment *m_env = nullptr;

    // Runs `box` modally and does `action` once it shows.
    static int runWith(QDialog &dialog, const std::function<void()> &action)
    {
        QTimer::singleShot(0, &dialog, action);
        return dialog.exec();
    }

private slots:
    void init() { m_env = new TestEnvironment; }

    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
        UiScale::setFactor(1.0);
        VeskMessageBox::setDefaultMouseReadyCheck(nullptr);
    }

    void kindsHaveTheirButtons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("picture");
        QTest::newRow("question") << 1 << true << QStringLiteral("ask.png");
        QTest::newRow("warning") << 2 << false << QStringLiteral("warn.png");
        QTest::newRow("receiver") << 4 << false << QStringLiteral("dongle2.png");
        QTest::newRow("plain kind 0") << 0 << false << QString();
        QTest::newRow("unknown kind 3") << 3 << false << QString();
    }
    void kindsHaveTheirButtons()
    {
        QFETCH(int, kind);
        QFETCH(bool, asks);
        QFETCH(QString, picture);
        VeskMessageBox box(kind, QStringLiteral("Warning"), QStringLiteral("Send data failed, please try again."));
        QCOMPARE(box.kind(), kind);
        QCOMPARE(box.title(), QStringLiteral("Warning"));
        QCOMPARE(box.text(), QStringLiteral("Send data failed, please try again."));
        QCOMPARE(VeskMessageBox::pictureFor(kind), picture);
        QCOMPARE(box.yesButton() != nullptr, asks);
        QCOMPARE(box.noButton() != nullptr, asks);
        QCOMPARE(box.okButton() != nullptr, !asks);
        if (asks) {
            QCOMPARE(box.yesButton()->text(), QStringLiteral("Yes"));
            QCOMPARE(box.noButton()->text(), QStringLiteral("No"));
        } else {
            QCOMPARE(box.okButton()->text(), QStringLiteral("Ok"));
        }
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
    }

    void buttonsAnswer_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes accepts") << 1 << QStringLiteral("yes") << int(QDialog::Accepted);
        QTest::newRow("No rejects") << 1 << QStringLiteral("no") << int(QDialog::Rejected);
        QTest::newRow("Ok accepts a warning") << 2 << QStringLiteral("ok") << int(QDialog::Accepted);
        QTest::newRow("Ok accepts the receiver box") << 4 << QStringLiteral("ok") << int(QDialog::Accepted);
    }
    void buttonsAnswer()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(int, result);
        VeskMessageBox box(kind, QStringLiteral("Warning"), QStringLiteral("Do you want to upgrade the firmware?"));
        QToolButton *target = button == QLatin1String("yes") ? box.yesButton()
                              : button == QLatin1String("no") ? box.noButton()
                                                              : box.okButton();
        QVERIFY(target);
        QCOMPARE(runWith(box, [target] { QTest::mouseClick(target, Qt::LeftButton); }), result);
    }

    void escapeRejectsReturnAccepts()
    {
        VeskMessageBox question(1, QStringLiteral("Warning"), QStringLiteral("?"));
        QCOMPARE(runWith(question, [&question] { QTest::keyClick(&question, Qt::Key_Escape); }), int(QDialog::Rejected));
        VeskMessageBox again(1, QStringLiteral("Warning"), QStringLiteral("?"));
        QCOMPARE(runWith(again, [&again] { QTest::keyClick(&again, Qt::Key_Return); }), int(QDialog::Accepted));
    }

    void widthIsDesignTimesScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("width");
        QTest::newRow("1.0") << 1.0 << 478;
        QTest::newRow("1.25") << 1.25 << 597;
        QTest::newRow("2.5") << 2.5 << 1195;
    }
    void widthIsDesignTimesScale()
    {
        QFETCH(double, scale);
        QFETCH(int, width);
        UiScale::setFactor(scale);
        VeskMessageBox shortBox(2, QStringLiteral("Warning"), QStringLiteral("Macro Exist!"));
        VeskMessageBox longBox(2, QStringLiteral("Warning"), QString(QStringLiteral("A long explanation. ")).repeated(40));
        QCOMPARE(shortBox.width(), width);
        QCOMPARE(longBox.width(), width);
        // Long texts grow the box downwards instead of being cut.
        QVERIFY(longBox.height() > shortBox.height());
    }

    void closesOnPlugInWithinAPeriod()
    {
        bool ready = false;
        VeskMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        box.setMouseReadyCheck([&ready] { return ready; });
        QElapsedTimer sinceReady;
        // The mouse becomes ready 250 ms after the box opens.
        QTimer::singleShot(250, &box, [&] {
            ready = true;
            sinceReady.start();
        });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(sinceReady.isValid());
        const qint64 waited = sinceReady.elapsed();
        QVERIFY2(waited <= VeskMessageBox::kPlugInCheckMs + 60, qPrintable(QString::number(waited)));
    }

    void processWideCheckServesBoxesWithoutOwnCheck()
    {
        bool ready = false;
        VeskMessageBox::setDefaultMouseReadyCheck([&ready] { return ready; });
        VeskMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        QTimer::singleShot(120, &box, [&ready] { ready = true; });
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(timer.elapsed() < 1000);
    }

    void staysOpenWithoutFlagOrReadyMouse()
    {
        VeskMessageBox::setDefaultMouseReadyCheck([] { return true; });
        VeskMessageBox unflagged(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"));
        QVERIFY(!unflagged.closesOnPlugIn());
        // Closed by hand after half a second: nothing else may close it.
        QTimer::singleShot(500, &unflagged, [&unflagged] { unflagged.done(7); });
        QCOMPARE(unflagged.exec(), 7);

        VeskMessageBox waiting(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        waiting.setMouseReadyCheck([] { return false; });
        QTimer::singleShot(500, &waiting, [&waiting] { waiting.done(7); });
        QCOMPARE(waiting.exec(), 7);
    }

    void busyDialogPlaysAndClosesOnlyWhenTold()
    {
        UiScale::setFactor(1.5);
        QWidget owner;
        owner.resize(999, 640);
        owner.show();
        BusyDialog dialog(&owner);
        QCOMPARE(dialog.size(), QSize(192, 192));
        QVERIFY(dialog.movie()->isValid());
        QVERIFY(dialog.movie()->frameCount() > 1);
        QCOMPARE(dialog.movie()->state(), QMovie::Running);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));

        int frames = 0;
        connect(dialog.movie(), &QMovie::frameChanged, this, [&frames] { ++frames; });
        QTimer::singleShot(0, &dialog, [&dialog] {
            // Escape and close requests must not end an upload's dialog.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
        });
        QTimer::singleShot(400, &dialog, &BusyDialog::slotProcessDlg);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(timer.elapsed() >= 390);
        QVERIFY(frames > 1);
        // Centred on the owner.
        QVERIFY((dialog.geometry().center() - owner.geometry().center()).manhattanLength() <= 2);
    }

    void shapesLeaveTheCornersOut()
    {
        // What a desktop without compositing would show black: the corners
        // outside the rounded pictures. The shape keeps them out and the
        // middle in.
        UiScale::setFactor(1.0);
        VeskMessageBox box(VeskMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Text"));
        box.resize(box.sizeHint());
        BusyDialog busy;
        for (QWidget *widget : {static_cast<QWidget *>(&box), static_cast<QWidget *>(&busy)}) {
            const QRegion shape(WindowShape::paintedShape(widget));
            const QRect r = widget->rect();
            QVERIFY2(!shape.isEmpty(), widget->metaObject()->className());
            QVERIFY(shape.contains(r.center()));
            // Both pictures cut the top-left and bottom-right corners.
            for (const QPoint &corner : {r.topLeft(), r.bottomRight()})
                QVERIFY2(!shape.contains(corner), widget->metaObject()->className());
        }
    }
};

QTEST_MAIN(TestWidgetsDialogs)
#include "test_widgets_dialogs.moc"
