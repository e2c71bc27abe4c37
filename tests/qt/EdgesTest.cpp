// Push buttons, text fields and the stepper on the window's cyan: edges and
// focus cues that read there, on whole device pixels at every scale.
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "qt/Twips.h"
#include "tests/qt/TestForms.h"

#include <QImage>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

const QColor cyan(0, 192, 192);

struct Stripe {
    int width = 0;
    QColor colour;
};

// From a device pixel outside the widget inwards: the first run of pixels
// that are neither the cyan nor the widget's face.
Stripe edgeRun(const QImage& image, QPoint from, QPoint step, const QColor& face) {
    Stripe run;
    for (QPoint p = from; image.rect().contains(p); p += step) {
        const QColor c = image.pixelColor(p);
        if (c == cyan && run.width == 0) {
            continue;
        }
        if (c == face || (run.width > 0 && c != run.colour)) {
            break;
        }
        run.colour = c;
        ++run.width;
    }
    return run;
}

class Edges : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override {
        window.show();
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QImage render() {
        const double dpr = GetParam();
        QImage image(window.size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        window.render(&image);
        return image;
    }
    // The four sides' runs of a widget, from the cyan around it inwards
    // through the middle of each side.
    std::array<Stripe, 4> sides(const form::Control& control, const QColor& face) {
        const QImage image = render();
        const double dpr = GetParam();
        const QRectF r(window.widgetOf(control)->geometry());
        const int midX = static_cast<int>(r.center().x() * dpr);
        const int midY = static_cast<int>(r.center().y() * dpr);
        const int left = static_cast<int>(r.left() * dpr) - 3;
        const int right = static_cast<int>((r.right() + 1) * dpr) + 2;
        const int top = static_cast<int>(r.top() * dpr) - 3;
        const int bottom = static_cast<int>((r.bottom() + 1) * dpr) + 2;
        return {edgeRun(image, {left, midY}, {1, 0}, face),
                edgeRun(image, {right, midY}, {-1, 0}, face),
                edgeRun(image, {midX, top}, {0, 1}, face),
                edgeRun(image, {midX, bottom}, {0, -1}, face)};
    }

    BoardForm form;
    FontBook fonts;
    QtPlatform platform{fonts};
    FormView& window = platform.view(form);
};

// WCAG asks 3:1 of a control's boundary against what is next to it.
TEST_P(Edges, ButtonsAndFieldsHaveAnEdgeThatReadsOnTheCyan) {
    form.Display.Text = "Egyszerű";
    for (const form::Control* control :
         std::initializer_list<const form::Control*>{&form.Second, &form.Display}) {
        for (const Stripe& side : sides(*control, QColor(255, 255, 255))) {
            ASSERT_GT(side.width, 0) << control->name();
            EXPECT_GE(contrast(side.colour, cyan), 3.0)
                << control->name() << " " << side.colour.name().toStdString();
        }
    }
}

TEST_P(Edges, AFocusedButtonHasARingTwoPixelsWideThatReadsOnBothSides) {
    const double dpr = GetParam();
    const QColor face = window.widgetOf(form.First)->palette().color(QPalette::Button);
    for (const Stripe& side : sides(form.First, QColor())) {
        EXPECT_EQ(side.width, deviceWidth(2, dpr)) << dpr;
        EXPECT_GE(contrast(side.colour, cyan), 3.0) << side.colour.name().toStdString();
        EXPECT_GE(contrast(side.colour, face), 3.0) << side.colour.name().toStdString();
    }
}

TEST_P(Edges, TheStepperRingIsEvenOnAllFourSides) {
    window.widgetOf(form.Stepper)->setFocus();
    const auto ring = sides(form.Stepper, QColor());
    for (const Stripe& side : ring) {
        EXPECT_EQ(side.width, deviceWidth(2, GetParam())) << GetParam();
        EXPECT_EQ(side.colour, ring[0].colour);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Edges, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0));

} // namespace
} // namespace nonagra::qt::test
