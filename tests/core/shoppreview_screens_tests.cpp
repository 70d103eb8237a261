// The shop preview window opens on the screen of its generator, beside it
// where there is room, and wholly on that screen: on two screens side by side,
// at the design size, at one and a half times the scale and with a font a
// quarter larger. Each case runs in a child process of this program, because
// the screens and the scale are read when the application starts.
#include "core/shoppreview.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/child_process.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Runs in the child process only: the case is set in its environment.
TEST(ShopPreviewScreens, OpensOnItsGeneratorsScreenBesideItAndWhollyOnIt) {
    if (qEnvironmentVariableIsEmpty("QINGWU_PREVIEW_CASE")) GTEST_SKIP() << "runs in a child process";
    const QByteArray fontScale = qgetenv("QINGWU_PREVIEW_FONT_SCALE");
    if (!fontScale.isEmpty()) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * fontScale.toDouble());
        QApplication::setFont(font);
    }
    testing::ScratchCurrentFolder folder;
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    // Generators small and large, and how each makes its code.
    const struct {
        const char* window;
        QStringList generate;
    } generators[] = {
        {"Tfrmsale", {"btn1Click"}},
        {"Tfrmdzdh", {"btn1Click"}},
        {"Tfrmyouku", {"btn1Click", "btn2Click"}},
        {"Tfrmdaojishi", {"btn1Click"}},
        {"Tfrmmain", {"btn15Click"}},
    };
    for (QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        for (const auto& g : generators) {
            for (const bool atLeft : {true, false}) {
                SCOPED_TRACE(QStringLiteral("%1 at the %2 of screen %3")
                                 .arg(g.window, atLeft ? "left" : "right", screen->name())
                                 .toStdString());
                core::Form* w = testing::form(g.window);
                w->showForm();
                QApplication::processEvents();
                const QSize outer = w->frameGeometry().size();
                w->move(atLeft ? area.left() : area.right() + 1 - outer.width(), area.top());
                w->setScreen(screen);
                QApplication::processEvents();
                ASSERT_EQ(w->screen(), screen);
                for (const QString& handler : g.generate)
                    ASSERT_TRUE(w->fire(handler));
                if (QWidget* open = core::shopPreviewWindow()) open->hide();
                ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
                QApplication::processEvents();
                QWidget* preview = core::shopPreviewWindow();
                ASSERT_NE(preview, nullptr);
                ASSERT_TRUE(preview->isVisible());
                const QRect placed = preview->frameGeometry();
                const QRect generator = w->frameGeometry();
                EXPECT_EQ(preview->screen(), screen);
                EXPECT_TRUE(area.contains(placed))
                    << describe(placed).toStdString() << " on " << describe(area).toStdString();
                // Room beside the generator: the preview does not cover it.
                const int room = atLeft ? area.right() - generator.right() : generator.left() - area.left();
                if (room >= 400) {
                    EXPECT_FALSE(placed.intersects(generator))
                        << describe(placed).toStdString() << " over " << describe(generator).toStdString();
                }
                preview->hide();
                w->hide();
            }
        }
    }
}

// Runs the check above in a child process on two screens side by side.
void runCase(const char* name, const QByteArray& scale, const QByteArray& fontScale) {
    SCOPED_TRACE(name);
    testing::runInChildProcess(
        QStringLiteral("ShopPreviewScreens.OpensOnItsGeneratorsScreenBesideItAndWhollyOnIt"),
        QStringLiteral("two_screens.json"),
        {{QStringLiteral("QINGWU_PREVIEW_CASE"), QString::fromLatin1(name)},
         {QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale)},
         {QStringLiteral("QINGWU_PREVIEW_FONT_SCALE"), QString::fromLatin1(fontScale)}});
}

TEST(ShopPreviewScreens, AtTheDesignSize) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_PREVIEW_CASE")) GTEST_SKIP();
    runCase("design size", {}, {});
}

TEST(ShopPreviewScreens, AtOneAndAHalfTimesTheScale) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_PREVIEW_CASE")) GTEST_SKIP();
    runCase("scale 1.5", "1.5", {});
}

TEST(ShopPreviewScreens, WithAFontAQuarterLarger) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_PREVIEW_CASE")) GTEST_SKIP();
    runCase("font 125 %", {}, "1.25");
}

} // namespace
