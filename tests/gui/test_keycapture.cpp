// Key capture: from native scan codes to the program's key codes, and the
// filter that swallows and de-repeats the keys while a dialog captures.

#include "keyevents.h"

#include "config/scancodes.h"
#include "editors/keycapture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestKeyCapture : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QWidget window;
        QLineEdit *edit = new QLineEdit(&window);
        KeyCapture capture;
        QSignalSpy spy{&capture, &KeyCapture::keyCaptured};
        Fixture() { capture.watch(edit); }
        QList<int> codes() const
        {
            QList<int> out;
            for (const QList<QVariant> &args : spy)
                out << args.at(0).toInt() * ((args.at(1).toInt() & kReleaseFlag) ? -1 : 1);
            return out;
        }
    };

private slots:
    void translation_data()
    {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<bool>("release");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("flags");

        QTest::newRow("A") << 30 << false << true << 30 << 0;
        QTest::newRow("A up") << 30 << true << true << 30 << 0x80;
        QTest::newRow("Esc") << 1 << false << true << 1 << 0;
        QTest::newRow("F12, last shared code") << 88 << false << true << 88 << 0;
        QTest::newRow("keypad 7") << 71 << false << true << 235 << 0;
        QTest::newRow("keypad 0 up") << 82 << true << true << 237 << 0x80;
        QTest::newRow("keypad .") << 83 << false << true << 224 << 0;
        QTest::newRow("keypad *") << 55 << false << true << 227 << 0;
        QTest::newRow("keypad 5 keeps its code") << 76 << false << true << 76 << 0;
        QTest::newRow("Home") << 102 << false << true << 71 << 1;
        QTest::newRow("Delete up") << 111 << true << true << 83 << 0x81;
        QTest::newRow("right Ctrl") << 97 << false << true << 238 << 1;
        QTest::newRow("right Alt") << 100 << false << true << 239 << 1;
        QTest::newRow("keypad Enter") << 96 << false << true << 229 << 1;
        QTest::newRow("keypad /") << 98 << false << true << 226 << 1;
        QTest::newRow("Print Screen") << 99 << false << true << 55 << 1;
        QTest::newRow("Num Lock is the extended 69") << 69 << false << true << 225 << 1;
        QTest::newRow("Pause is the plain 69") << 119 << false << true << 69 << 0;
        QTest::newRow("left Windows") << 125 << false << true << 91 << 1;
        QTest::newRow("Menu") << 127 << false << true << 93 << 1;
        QTest::newRow("Mute ignored") << 113 << false << false << 0 << 0;
        QTest::newRow("F13 ignored") << 183 << false << false << 0 << 0;
        QTest::newRow("synthetic, no scan code") << 0 << false << false << 0 << 0;
    }
    void translation()
    {
        QFETCH(int, evdev);
        QFETCH(bool, release);
        QFETCH(bool, taken);
        QFETCH(int, code);
        QFETCH(int, flags);
        int gotCode = -1;
        int gotFlags = -1;
        QCOMPARE(KeyCapture::translate(quint32(evdev ? evdev + 8 : 0), release, gotCode, gotFlags), taken);
        if (taken) {
            QCOMPARE(gotCode, code);
            QCOMPARE(gotFlags, flags);
        }
    }

    void renumberingFollowsTheFlags_data()
    {
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        QTest::newRow("Enter") << 28 << 0 << 28;
        QTest::newRow("keypad Enter up") << 28 << 0x81 << 229;
        QTest::newRow("left Alt") << 56 << 0 << 56;
        QTest::newRow("right Alt with Alt-down bit") << 56 << 33 << 239;
        QTest::newRow("Home up") << 71 << 0x81 << 71;
        QTest::newRow("keypad 7 up") << 71 << 0x80 << 235;
        QTest::newRow("keypad 9") << 73 << 0 << 228;
        QTest::newRow("other bits are neither") << 29 << 0x10 << 29;
    }
    void renumberingFollowsTheFlags()
    {
        QFETCH(int, scan);
        QFETCH(int, flags);
        QFETCH(int, code);
        QCOMPARE(renumberScanCode(scan, flags), code);
    }

    void capturedKeysNeverReachTheWidget()
    {
        Fixture f;
        // Esc, Return, Space, Tab and a letter: reported, not typed.
        for (int evdev : {1, 28, 57, 15, 30})
            QVERIFY(sendNativeKey(f.edit, QEvent::KeyPress, evdev, 100 + evdev, false, Qt::Key_A));
        QCOMPARE(f.codes(), (QList<int>{1, 28, 57, 15, 30}));
        QVERIFY(f.edit->text().isEmpty());

        QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_Escape, Qt::NoModifier, 9, 0, 0);
        shortcut.ignore();
        QCoreApplication::sendEvent(f.edit, &shortcut);
        QVERIFY(shortcut.isAccepted());

        // Inactive, keys pass.
        f.capture.setActive(false);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0, 0, QStringLiteral("a"));
        QCoreApplication::sendEvent(f.edit, &typed);
        QCOMPARE(f.edit->text(), QStringLiteral("a"));
        QCOMPARE(f.spy.count(), 5);
    }

    void repeatsAreDropped()
    {
        Fixture f;
        sendNativeKey(f.edit, QEvent::KeyPress, 30, 1000);
        // Flagged repeats.
        sendNativeKey(f.edit, QEvent::KeyRelease, 30, 1030, true);
        sendNativeKey(f.edit, QEvent::KeyPress, 30, 1030, true);
        // X11's unflagged repeat: release and press with one timestamp.
        sendNativeKey(f.edit, QEvent::KeyRelease, 30, 1060);
        sendNativeKey(f.edit, QEvent::KeyPress, 30, 1060);
        // A real release followed by another key: reported, in order.
        sendNativeKey(f.edit, QEvent::KeyRelease, 30, 1100);
        sendNativeKey(f.edit, QEvent::KeyPress, 48, 1100);
        QCOMPARE(f.codes(), (QList<int>{30, -30, 48}));
        QCOMPARE(f.spy.at(1).at(2).toLongLong(), 1100);

        // A last release is reported on its own a moment later.
        sendNativeKey(f.edit, QEvent::KeyRelease, 48, 1200);
        QTRY_COMPARE(f.codes(), (QList<int>{30, -30, 48, -48}));
    }

    void ignoredKeysAreStillSwallowed()
    {
        Fixture f;
        QVERIFY(sendNativeKey(f.edit, QEvent::KeyPress, 113, 10));   // Mute
        QVERIFY(sendNativeKey(f.edit, QEvent::KeyPress, 0, 10));     // synthetic
        QCOMPARE(f.spy.count(), 0);
    }

    void applicationWideTakesEachKeyOnce()
    {
        QWidget window;
        auto *edit = new QLineEdit(&window);
        window.show();
        edit->setFocus();
        QApplication::setActiveWindow(&window);
        QTRY_COMPARE(QApplication::focusWidget(), edit);

        KeyCapture capture;
        QSignalSpy spy(&capture, &KeyCapture::keyCaptured);
        capture.watch(qApp);
        // Delivered the way the platform delivers it: to the window first.
        QKeyEvent press = nativeKeyEvent(QEvent::KeyPress, 30, 500);
        QCoreApplication::sendEvent(window.windowHandle(), &press);
        QCOMPARE(spy.count(), 1);
        QVERIFY(edit->text().isEmpty());
        capture.stopWatching();
        QCoreApplication::sendEvent(window.windowHandle(), &press);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestKeyCapture)
#include "test_keycapture.moc"
