// Keys typed for real on an X display (Xvfb, xdotool through XTEST): the
// combination dialog captures Ctrl+C through its keyboard grab, even while
// another program's window has the input focus, and the single-key dialog,
// which does not grab, lets a key go to that window. The other program is
// this one started with --typing-window: a text field that prints its text.

#include "keyevents.h"
#include "testenvironment.h"

#include "editors/combokeydialog.h"
#include "editors/singlekeydialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>

class TestKeyGrabX11 : public QObject {
    Q_OBJECT

private:
    static bool xdotool(const QStringList &arguments)
    {
        return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
    }

    // Another program's window with a text field, given the X input focus.
    // Its window is up once it has told its id (shown()).
    struct OtherWindow {
        QProcess process;
        QString windowId;
        QStringList typed;
        bool start()
        {
            QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { readLines(); });
            process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--typing-window")});
            return process.waitForStarted();
        }
        bool shown() const { return !windowId.isEmpty(); }
        void readLines()
        {
            while (process.canReadLine()) {
                const QString line = QString::fromUtf8(process.readLine()).trimmed();
                if (line.startsWith(QLatin1String("window ")))
                    windowId = line.mid(7);
                else if (line.startsWith(QLatin1String("text ")))
                    typed << line.mid(5);
            }
        }
        bool focus() { return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId}); }
        ~OtherWindow()
        {
            process.kill();
            process.waitForFinished();
        }
    };

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed (scripts/setup-deps installs it)");
    }

    // The dialogs paint with QPainter: no OpenGL driver may be loaded, or
    // the test would depend on (and leak with) the machine's graphics driver.
    void cleanupTestCase()
    {
        QVERIFY2(loadedGraphicsDrivers().isEmpty(), qPrintable(loadedGraphicsDrivers().join(QLatin1Char(' '))));
    }

    void combinationTypedThroughTheGrab()
    {
        OtherWindow other;
        QVERIFY(other.start());
        QTRY_VERIFY_WITH_TIMEOUT(other.shown(), 10000);
        ComboKeyDialog dialog;
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(dialog.keyboardGrabbed());
        QVERIFY(!dialog.grabNotice()->isVisible());

        // The focus goes elsewhere; the grab keeps the keys.
        QVERIFY(other.focus());
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+c")}));
        QTRY_COMPARE(dialog.keyField()->text(), QStringLiteral("LCtr + C"));
        const auto codes = dialog.keyCodes();
        QCOMPARE(QList<int>(codes.begin(), codes.end()), (QList<int>{0, 29, 0, 0, 46}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("x")}));
        QTRY_COMPARE(dialog.keyField()->text(), QStringLiteral("X"));
        QVERIFY2(other.typed.isEmpty(), qPrintable(other.typed.join(QLatin1Char('|'))));

        dialog.hide();
        QVERIFY(!dialog.keyboardGrabbed());
    }

    void withoutAGrabKeysGoToTheFocusedWindow()
    {
        OtherWindow other;
        QVERIFY(other.start());
        QTRY_VERIFY_WITH_TIMEOUT(other.shown(), 10000);
        SingleKeyDialog dialog;
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.keyboardGrabbed());
        QVERIFY(other.focus());
        QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("x")}));
        QTRY_COMPARE(other.typed, QStringList{QStringLiteral("x")});
        QCOMPARE(dialog.key(), 0);
    }
};

// The other program: a window with a text field that prints its id and
// every change of its text.
static int typingWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(700, 100, 220, 60);
    auto *edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 200, 30);
    QObject::connect(edit, &QLineEdit::textChanged, [](const QString &text) {
        std::printf("text %s\n", qPrintable(text));
        std::fflush(stdout);
    });
    window.show();
    edit->setFocus();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not exposed\n");
    std::printf("window %llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--typing-window") == 0)
        return typingWindow(argc, argv);
    QApplication app(argc, argv);
    TestKeyGrabX11 test;
    return QTest::qExec(&test, argc, argv);
}
#include "keygrab_x11.moc"
