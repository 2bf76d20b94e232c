// Picture buttons, check boxes and labels of the kit, driven with real mouse
// events on shown widgets.

#include "testenvironment.h"

#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QStringList tabPictures()
{
    return {Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png")),
            Skin::path(QStringLiteral("tabbutton-2.png"))};
}

} // namespace

class TestWidgetsButtons : public QObject {
    Q_OBJECT

private:
    TestEnvironment *m_env = nullptr;
    QWidget *m_window = nullptr;
    SkinButton *m_button = nullptr;

    void hover(QWidget *widget) { QTest::mouseMove(widget, widget->rect().center()); }
    void leave() { QTest::mouseMove(m_window, QPoint(2, 2)); }

private slots:
    void init()
    {
        m_env = new TestEnvironment;
        m_window = new QWidget;
        m_window->resize(400, 200);
        m_button = new SkinButton(QStringLiteral("DPI"), m_window);
        m_button->setPictures(tabPictures());
        m_button->setGeometry(100, 80, 154, 29);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        leave();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        delete m_env;
        m_env = nullptr;
        UiScale::setFactor(1.0);
    }

    void hoverShowsSecondPictureAndSignals()
    {
        QSignalSpy over(m_button, &SkinButton::hovered);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::NormalPicture));
        const QImage normal = m_button->grab().toImage();

        hover(m_button);
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(0).value<SkinButton *>(), m_button);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::HoverPicture));
        QVERIFY(m_button->grab().toImage() != normal);

        leave();
        QCOMPARE(over.count(), 2);
        QCOMPARE(over.at(1).at(1).toBool(), false);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::NormalPicture));
        QCOMPARE(m_button->grab().toImage(), normal);
    }

    void leftPressSignalsAndShowsPressedPicture()
    {
        QSignalSpy enter(m_button, &SkinButton::entered);
        QSignalSpy clicked(m_button, &QPushButton::clicked);
        hover(m_button);
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
        QCOMPARE(enter.count(), 1);
        QCOMPARE(enter.at(0).at(0).value<SkinButton *>(), m_button);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::PressedPicture));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::HoverPicture));
    }

    void otherButtonsDoNotSignalEnter()
    {
        QSignalSpy enter(m_button, &SkinButton::entered);
        QTest::mouseClick(m_button, Qt::RightButton, Qt::NoModifier, m_button->rect().center());
        QTest::mouseClick(m_button, Qt::MiddleButton, Qt::NoModifier, m_button->rect().center());
        QCOMPARE(enter.count(), 0);
    }

    void restingStateSelectsPicture_data()
    {
        QTest::addColumn<int>("pictureCount");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("shown");
        QTest::newRow("selected tab rests on the hover picture") << 3 << 1 << 1;
        QTest::newRow("state 2") << 3 << 2 << 2;
        QTest::newRow("state past the list") << 3 << 5 << 0;
        QTest::newRow("negative state") << 3 << -1 << 0;
        QTest::newRow("one picture for every state") << 1 << 1 << 0;
        QTest::newRow("no pictures") << 0 << 0 << -1;
    }
    void restingStateSelectsPicture()
    {
        QFETCH(int, pictureCount);
        QFETCH(int, state);
        QFETCH(int, shown);
        m_button->setPictures(tabPictures().mid(0, pictureCount));
        m_button->setState(state);
        QCOMPARE(m_button->state(), state);
        QCOMPARE(m_button->shownPicture(), shown);
        // Hover and press win over the resting state while they last.
        if (pictureCount == 3) {
            hover(m_button);
            QCOMPARE(m_button->shownPicture(), 1);
            QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
            QCOMPARE(m_button->shownPicture(), 2);
            QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
            leave();
            QCOMPARE(m_button->shownPicture(), shown);
        }
    }

    void missingPicturesLeaveButtonBare()
    {
        m_button->setPictures({m_env->root() + QStringLiteral("/nowhere.png")});
        m_button->setText(QString());
        QCOMPARE(m_button->shownPicture(), 0);
        const QImage image = m_button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QImage blank(image.size(), QImage::Format_ARGB32);
        blank.fill(m_window->palette().window().color());
        QCOMPARE(image, blank);
    }

    void pressSignalsBeforeMenuOpens()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("125 HZ"));
        m_button->setMenu(&menu);
        QStringList order;
        connect(m_button, &SkinButton::entered, this, [&order] { order << QStringLiteral("enter"); });
        connect(&menu, &QMenu::aboutToShow, this, [&order, &menu] {
            order << QStringLiteral("menu");
            QTimer::singleShot(0, &menu, &QMenu::close);
        });
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
        QTRY_COMPARE(order, (QStringList{QStringLiteral("enter"), QStringLiteral("menu")}));
    }

    // An entry chosen away from the button: the menu closes with the
    // pointer elsewhere, and the button no longer looks hovered.
    void hoverEndsWhenItsMenuClosesWithAChoice()
    {
        QMenu menu;
        QAction *entry = menu.addAction(QStringLiteral("250 HZ"));
        QSignalSpy chosen(entry, &QAction::triggered);
        m_button->setMenu(&menu);
        hover(m_button);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::HoverPicture));
        connect(&menu, &QMenu::aboutToShow, this, [&menu, entry, this] {
            QTimer::singleShot(0, &menu, [&menu, entry, this] {
                QCursor::setPos(m_window->mapToGlobal(QPoint(2, 190)));
                entry->trigger();
                menu.close();
            });
        });
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, m_button->rect().center());
        QTRY_COMPARE(chosen.count(), 1);
        QTRY_VERIFY(!menu.isVisible());
        QTRY_COMPARE(m_button->shownPicture(), int(SkinButton::NormalPicture));
    }

    void sizeHintFollowsPictureAndScale()
    {
        UiScale::setFactor(2.0);
        QCOMPARE(m_button->sizeHint(), QSize(308, 58));
    }

    void disabledButtonKeepsNormalPicture()
    {
        m_button->setEnabled(false);
        hover(m_button);
        QCOMPARE(m_button->shownPicture(), int(SkinButton::NormalPicture));
    }

    void checkBoxTogglesAnywhereOnIt()
    {
        auto *box = new SkinCheckBox(QStringLiteral("Jitter"), m_window);
        box->setGeometry(20, 20, 160, 24);
        box->show();
        QSignalSpy clicked(box, &QCheckBox::clicked);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(150, 12));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 12));
        QVERIFY(!box->isChecked());
        QCOMPARE(clicked.count(), 2);
        // The two states are drawn with different pictures.
        const QImage off = box->grab().toImage();
        box->setChecked(true);
        QVERIFY(box->grab().toImage() != off);
    }

    void labelKeepsPictureWhenNewOneFails()
    {
        auto *label = new SkinLabel(m_window);
        label->setGeometry(0, 0, 100, 133);
        const QString front = Skin::path(QStringLiteral("mouse/QORV Nimbus 6/Mouse.png"));
        QVERIFY(label->setPicture(front));
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(label->pixmap(Qt::ReturnByValue).width() <= 100 && label->pixmap(Qt::ReturnByValue).height() <= 133);
        QVERIFY(!label->setPicture(Skin::path(QStringLiteral("mouse/QORV Nimbus 6/mouse_99.png"))));
        QCOMPARE(label->picture(), front);
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());

        QSignalSpy clicked(label, &SkinLabel::clicked);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).value<SkinLabel *>(), label);
    }
};

QTEST_MAIN(TestWidgetsButtons)
#include "test_widgets_buttons.moc"
