// The program's own light look holds against a dark desktop palette.
#include "qt/LightPalette.h"

#include "tests/qt/TestForms.h"

#include <QProxyStyle>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

TEST(LightPalette, EveryTextReadsOnItsGroundAfterADarkDesktopPalette) {
    application();
    QPalette dark(QColor(240, 240, 240), QColor(53, 53, 53));
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        dark.setColor(r, r == QPalette::WindowText || r == QPalette::Text ||
                                 r == QPalette::ButtonText || r == QPalette::ToolTipText
                             ? QColor(240, 240, 240)
                             : QColor(40, 40, 40));
    }
    QApplication::setPalette(dark);
    useFusionWithLightPalette();
    const QPalette p = QApplication::palette();
    struct Pair {
        QPalette::ColorRole text, ground;
    };
    for (const Pair pair :
         {Pair{QPalette::WindowText, QPalette::Window}, Pair{QPalette::Text, QPalette::Base},
          Pair{QPalette::ButtonText, QPalette::Button},
          Pair{QPalette::HighlightedText, QPalette::Highlight},
          Pair{QPalette::ToolTipText, QPalette::ToolTipBase}}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_GE(contrast(p.color(group, pair.text), p.color(group, pair.ground)), 4.5)
                << pair.text << " on " << pair.ground << " in group " << group;
        }
    }
    // A disabled display field keeps the white ground of an active one.
    const QColor white(255, 255, 255);
    for (const auto text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        EXPECT_GE(contrast(p.color(QPalette::Disabled, text), white), 4.5) << text;
    }
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Base), white);
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name(), QStringLiteral("fusion"));
}

} // namespace
} // namespace nonagra::qt::test
