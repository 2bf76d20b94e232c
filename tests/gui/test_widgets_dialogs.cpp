// The kit's message box and busy dialog, run modally as the program runs
// them.

#include "testenvironment.h"

#include "widgets/uiscale.h"
#include "widgets/skinmessagebox.h"
#include "widgets/busydialog.h"
#include "widgets/windowshape.h"

#include <QBitmap>
#include <QElapsedTimer>
#include <QMovie>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

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

    // A mouse that arrives just after a box's first look found it absent.
    // The arrival is posted from inside that look, so the box is open and
    // has checked at least once when the mouse becomes ready.
    struct LateMouse {
        bool ready = false;
        bool looked = false;
        bool boxOpenOnArrival = false;
        int looksSinceReady = 0;
        QElapsedTimer sinceReady;

        std::function<bool()> check(QDialog &box)
        {
            return [this, &box] {
                if (ready)
                    ++looksSinceReady;
                if (!looked) {
                    looked = true;
                    QTimer::singleShot(0, &box, [this, &box] {
                        ready = true;
                        boxOpenOnArrival = box.isVisible();
                        sinceReady.start();
                    });
                }
                return ready;
            };
        }
    };

    // Gives `looker` a mouse-ready check that never finds the mouse, and
    // closes `box` by hand (result 7) after that check's third look: three
    // plug-in periods in which nothing else may close `box`.
    static void closeByHandAfterThreeLooks(SkinMessageBox &looker, QDialog &box)
    {
        auto looks = std::make_shared<int>(0);
        looker.setMouseReadyCheck([looks, &box] {
            if (++*looks == 3)
                QTimer::singleShot(0, &box, [&box] { box.done(7); });
            return false;
        });
    }

private slots:
    void init() { m_env = new TestEnvironment; }

    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
        UiScale::setFactor(1.0);
        SkinMessageBox::setDefaultMouseReadyCheck(nullptr);
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
        SkinMessageBox box(kind, QStringLiteral("Warning"), QStringLiteral("Send data failed, please try again."));
        QCOMPARE(box.kind(), kind);
        QCOMPARE(box.title(), QStringLiteral("Warning"));
        QCOMPARE(box.text(), QStringLiteral("Send data failed, please try again."));
        QCOMPARE(SkinMessageBox::pictureFor(kind), picture);
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
        SkinMessageBox box(kind, QStringLiteral("Warning"), QStringLiteral("Do you want to upgrade the firmware?"));
        QToolButton *target = button == QLatin1String("yes") ? box.yesButton()
                              : button == QLatin1String("no") ? box.noButton()
                                                              : box.okButton();
        QVERIFY(target);
        QCOMPARE(runWith(box, [target] { QTest::mouseClick(target, Qt::LeftButton); }), result);
    }

    void escapeRejectsReturnAccepts()
    {
        SkinMessageBox question(1, QStringLiteral("Warning"), QStringLiteral("?"));
        QCOMPARE(runWith(question, [&question] { QTest::keyClick(&question, Qt::Key_Escape); }), int(QDialog::Rejected));
        SkinMessageBox again(1, QStringLiteral("Warning"), QStringLiteral("?"));
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
        SkinMessageBox shortBox(2, QStringLiteral("Warning"), QStringLiteral("Macro Exist!"));
        SkinMessageBox longBox(2, QStringLiteral("Warning"), QString(QStringLiteral("A long explanation. ")).repeated(40));
        QCOMPARE(shortBox.width(), width);
        QCOMPARE(longBox.width(), width);
        // Long texts grow the box downwards instead of being cut.
        QVERIFY(longBox.height() > shortBox.height());
    }

    void closesOnPlugInWithinAPeriod()
    {
        SkinMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        // The mouse becomes ready right after a look: the box's next look,
        // one period later, must close it.
        LateMouse mouse;
        box.setMouseReadyCheck(mouse.check(box));
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(mouse.boxOpenOnArrival);
        // The first look that finds the mouse closes the box.
        QCOMPARE(mouse.looksSinceReady, 1);
        // And that look comes within a period (with room for a loaded
        // machine's late timer).
        QVERIFY(mouse.sinceReady.isValid());
        const qint64 waited = mouse.sinceReady.elapsed();
        QVERIFY2(waited <= 2 * SkinMessageBox::kPlugInCheckMs, qPrintable(QString::number(waited)));
    }

    void processWideCheckServesBoxesWithoutOwnCheck()
    {
        SkinMessageBox box(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        LateMouse mouse;
        SkinMessageBox::setDefaultMouseReadyCheck(mouse.check(box));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(mouse.boxOpenOnArrival);
        QVERIFY(timer.elapsed() < 1000);
    }

    void staysOpenWithoutFlagOrReadyMouse()
    {
        SkinMessageBox::setDefaultMouseReadyCheck([] { return true; });
        SkinMessageBox unflagged(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"));
        QVERIFY(!unflagged.closesOnPlugIn());
        // Closed by hand once a flagged box beside it (never shown) has
        // looked for the mouse three times: while the process-wide check
        // says ready, nothing else may close the unflagged one.
        SkinMessageBox beside(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        closeByHandAfterThreeLooks(beside, unflagged);
        QCOMPARE(unflagged.exec(), 7);

        // Its own check finds no mouse three times; the process-wide one,
        // which says ready, does not close it either.
        SkinMessageBox waiting(4, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"), nullptr, true);
        closeByHandAfterThreeLooks(waiting, waiting);
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
        bool refused = false;
        int framesSinceRefused = 0;
        bool openWhenTold = false;
        bool told = false;
        connect(dialog.movie(), &QMovie::frameChanged, this, [&] {
            ++frames;
            // It plays on through the refused requests; then the worker
            // says it is done.
            if (refused && ++framesSinceRefused == 2) {
                openWhenTold = dialog.isVisible();
                told = true;
                dialog.slotProcessDlg();
            }
        });
        QTimer::singleShot(0, &dialog, [&] {
            // Escape and close requests must not end an upload's dialog.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            refused = true;
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(told);
        QVERIFY(openWhenTold);
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
        SkinMessageBox box(SkinMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Text"));
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
