// Message boxes, modal showing, the end of the program and escaping failures.
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace nonagra::qt::test {
namespace {

// Runs `act` on the message box as soon as one is open.
void whenBoxOpens(std::function<void(QMessageBox&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*box);
        }
    });
    timer->start(5);
}

QAbstractButton* buttonNamed(QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

class Platform : public ::testing::Test {
protected:
    // Forms outlive the platform that shows them.
    BoardForm form;
    BoardForm help;
    FontBook fonts;
    QtPlatform platform{fonts};
};

TEST_F(Platform, AYesNoBoxSpeaksHungarianWithYesTheDefault) {
    QStringList texts;
    QString defaultText;
    bool iconless = false;
    QString title;
    whenBoxOpens([&](QMessageBox& box) {
        for (QAbstractButton* b : box.buttons()) {
            texts << b->text();
        }
        defaultText = box.defaultButton()->text();
        iconless = box.icon() == QMessageBox::NoIcon;
        title = box.windowTitle();
        buttonNamed(box, "Nem")->click();
    });
    const auto answer =
        platform.messageBox("Nonagra", "Jöhet a következő?", form::MessageButtons::YesNo);
    EXPECT_EQ(answer, form::MessageAnswer::No);
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Igen", "Nem"}));
    EXPECT_EQ(defaultText, "Igen");
    EXPECT_TRUE(iconless);
    EXPECT_EQ(title, "Nonagra");
}

TEST_F(Platform, EnterOnAYesNoBoxAnswersYes) {
    whenBoxOpens([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(platform.messageBox("Nonagra", "?", form::MessageButtons::YesNo),
              form::MessageAnswer::Yes);
}

TEST_F(Platform, OnlyAButtonAnswersAQuestionNeitherEscapeNorTheFramesClose) {
    bool openAfterEscape = false;
    bool openAfterClose = false;
    whenBoxOpens([&](QMessageBox& box) {
        QTest::keyClick(box.focusWidget(), Qt::Key_Escape);
        openAfterEscape = box.isVisible();
        box.close();
        openAfterClose = box.isVisible();
        if (openAfterEscape && openAfterClose) {
            buttonNamed(box, "Igen")->click();
        }
    });
    EXPECT_EQ(platform.messageBox("Nonagra", "Jöhet a következő?", form::MessageButtons::YesNo),
              form::MessageAnswer::Yes);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
}

TEST_F(Platform, AnOkBoxTakesEscapeAndCloseAsItsOkAndHasRoomForItsTitle) {
    std::vector<bool> closed;
    int width = 0;
    QString text;
    const auto answerBy = [&](std::function<void(QMessageBox&)> act) {
        whenBoxOpens([&, act](QMessageBox& box) {
            width = box.width();
            text = box.text();
            act(box);
            closed.push_back(!box.isVisible());
            if (box.isVisible()) {
                box.buttons().front()->click();
            }
        });
        return platform.messageBox("Nonagra", "1 rossz szám", form::MessageButtons::Ok);
    };
    EXPECT_EQ(
        answerBy([](QMessageBox& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Escape); }),
        form::MessageAnswer::Ok);
    EXPECT_EQ(answerBy([](QMessageBox& box) { box.close(); }), form::MessageAnswer::Ok);
    EXPECT_EQ(closed, (std::vector<bool>{true, true}));
    EXPECT_GE(width, 200);
    EXPECT_EQ(text, "1 rossz szám");
}

TEST_F(Platform, AnOkBoxHasOneButton) {
    QStringList texts;
    whenBoxOpens([&](QMessageBox& box) {
        for (QAbstractButton* b : box.buttons()) {
            texts << b->text();
        }
        box.buttons().front()->click();
    });
    EXPECT_EQ(platform.messageBox("Nonagra", "3 rossz szám", form::MessageButtons::Ok),
              form::MessageAnswer::Ok);
    EXPECT_EQ(texts, QStringList{"OK"});
}

// The program's default font is one of its window's faces; a message keeps the desktop's.
TEST_F(Platform, AMessageSpeaksInTheDesktopsFontWhateverTheProgramsDefault) {
    const QFont before = QApplication::font();
    QFont game(QStringLiteral("serif"));
    game.setPixelSize(31);
    game.setBold(true);
    QApplication::setFont(game);
    QFont shown;
    whenBoxOpens([&](QMessageBox& box) {
        shown = box.font();
        box.buttons().front()->click();
    });
    platform.messageBox("Nonagra", "3 rossz szám", form::MessageButtons::Ok);
    QApplication::setFont(before);
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    EXPECT_EQ(shown.toString().toStdString(), desktop.toString().toStdString());
    EXPECT_NE(shown.toString().toStdString(), game.toString().toStdString());
}

TEST_F(Platform, ABoxShownMidHandlerSeesTheWindowAlreadyUpdated) {
    FormView& window = platform.view(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();

    struct PaintSpy : QObject {
        const form::Label& watched;
        std::string painted;
        explicit PaintSpy(const form::Label& l) : watched(l) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                painted = watched.Caption;
            }
            return false;
        }
    } spy(form.Right);
    window.installEventFilter(&spy);

    std::string seen;
    whenBoxOpens([&](QMessageBox& box) {
        QTest::qWait(30);
        seen = spy.painted;
        box.buttons().front()->click();
    });
    form.First.Click = [&] {
        form.Right.Caption = "7";
        platform.messageBox("Nonagra", "1 rossz szám", form::MessageButtons::Ok);
    };
    QTest::mouseClick(window.widgetOf(form.First), Qt::LeftButton);
    window.removeEventFilter(&spy);
    EXPECT_EQ(seen, "7");
}

TEST_F(Platform, LoadRunsOnceBeforeTheFirstShowing) {
    bool visibleAtLoad = true;
    int loads = 0;
    FormView* window = nullptr;
    form.Load = [&] {
        ++loads;
        window = &platform.view(form);
        visibleAtLoad = window->isVisible();
    };
    form.First.Click = [&] { platform.endProgram(); };
    QTimer::singleShot(0, [&] {
        window->widgetOf(form.First)->setFocus();
        form.First.click();
    });
    EXPECT_EQ(platform.run(form), 0);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(visibleAtLoad);
}

TEST_F(Platform, ModalShowingReturnsOnceTheFormIsHidden) {
    bool mainBlocked = false;
    bool hiddenOnReturn = false;
    help.Load = [&] {
        QTimer::singleShot(20, [&] {
            FormView& shown = platform.view(help);
            mainBlocked = QApplication::activeModalWidget() == &shown &&
                          shown.windowModality() == Qt::ApplicationModal;
            help.First.click();
        });
    };
    help.First.Click = [&] { platform.hide(help); };
    form.First.Click = [&] {
        platform.showModal(help);
        hiddenOnReturn = !platform.view(help).isVisible();
        platform.endProgram();
    };
    QTimer::singleShot(0, [&] { form.First.click(); });
    EXPECT_EQ(platform.run(form), 0);
    EXPECT_TRUE(mainBlocked);
    EXPECT_TRUE(hiddenOnReturn);
}

TEST_F(Platform, ClosingAModalFormEndsItsShowingAndTheSameWindowShowsAgain) {
    int shown = 0;
    form.First.Click = [&] {
        QTimer::singleShot(10, [&] { platform.view(help).close(); });
        platform.showModal(help);
        ++shown;
    };
    form.First.click();
    FormView* first = &platform.view(help);
    form.First.click();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(&platform.view(help), first);
}

// The offscreen platform answers for X11 without a connection behind it.
TEST_F(Platform, AFormKeptOutOfTheTaskbarShowsOnAPlatformWithoutX) {
    help.ShowInTaskbar = false;
    form.First.Click = [&] {
        QTimer::singleShot(10, [&] { platform.hide(help); });
        platform.showModal(help);
    };
    form.First.click();
    form.First.click();
    EXPECT_FALSE(platform.view(help).isVisible());
}

TEST_F(Platform, ClosingTheStartUpWindowEndsTheProgramAlsoAfterAModalForm) {
    form.First.Click = [&] {
        QTimer::singleShot(10, [&] { platform.hide(help); });
        platform.showModal(help);
    };
    QTimer::singleShot(0, [&] { form.First.click(); });
    QTimer::singleShot(50, [&] { platform.view(form).close(); });
    EXPECT_EQ(platform.run(form), 0);
}

TEST_F(Platform, OnlyAFormWithAMinimizeButtonStaysMinimized) {
    help.MinButton = false;
    for (BoardForm* shown : {&form, &help}) {
        platform.view(*shown).show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&platform.view(*shown)));
        platform.view(*shown).setWindowState(Qt::WindowMinimized);
        QApplication::processEvents();
    }
    EXPECT_TRUE(platform.view(form).isMinimized());
    EXPECT_FALSE(platform.view(help).isMinimized());
}

TEST(EventGate, AnEscapingFailureIsReportedAndClosesTheGate) {
    application();
    std::string reported;
    EventGate gate([&](const std::string& what) { reported = what; });
    gate.deliver([] { throw std::overflow_error("Overflow"); });
    EXPECT_EQ(reported, "Overflow");
    EXPECT_TRUE(gate.closed());
    EXPECT_EQ(gate.exitCode(), 1);
    bool ran = false;
    gate.deliver([&] { ran = true; });
    EXPECT_FALSE(ran);
}

TEST(EventGate, TheFirstEndDecidesTheExitCode) {
    application();
    EventGate gate([](const std::string&) {});
    gate.close(0);
    gate.deliver([] { throw std::runtime_error("late"); });
    EXPECT_EQ(gate.exitCode(), 0);
}

TEST_F(Platform, AFailureInLoadEndsRunWithAFailureCode) {
    form.Load = [] { throw std::out_of_range("index"); };
    whenBoxOpens([](QMessageBox& box) { box.buttons().front()->click(); });
    EXPECT_EQ(platform.run(form), 1);
}

} // namespace
} // namespace nonagra::qt::test
