// Windows grow with the font, fit the screen and keep fields in the blanks of
// their sentences.
#include "core/fit.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Fit, DesignScaleFollowsTheWidthOfAChineseCharacter) {
    QFont font = QApplication::font();
    const double base = core::designScale(font);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    EXPECT_NEAR(core::designScale(font) / base, 1.5, 0.1);
    font.setPointSizeF(4);
    EXPECT_EQ(core::designScale(font), 1.0);
}

TEST(Fit, ScalingMovesEdgesSoTouchingControlsKeepTouching) {
    QWidget window;
    window.setFixedSize(400, 300);
    auto* caption = new QLabel(QStringLiteral("宽度："), &window);
    caption->setGeometry(10, 10, 41, 22);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(51, 10, 61, 22);
    auto* group = new QGroupBox(QStringLiteral("参数"), &window);
    group->setGeometry(10, 40, 200, 100);
    auto* inside = new QLineEdit(group);
    inside->setGeometry(8, 20, 50, 20);
    auto* laidOut = new QWidget(&window);
    laidOut->setGeometry(220, 40, 100, 100);
    auto* layout = new QHBoxLayout(laidOut);
    auto* managed = new QLineEdit(laidOut);
    layout->addWidget(managed);
    laidOut->resize(100, 100);
    const QRect managedBefore = managed->geometry();

    core::scaleDesign(&window, 1.25);

    EXPECT_EQ(window.minimumSize(), QSize(500, 375));
    EXPECT_EQ(window.maximumSize(), QSize(500, 375));
    EXPECT_EQ(caption->geometry(), QRect(13, 13, 51, 27)); // 12.5 rounds away from zero
    EXPECT_EQ(edit->geometry().left(), caption->geometry().right() + 1);
    EXPECT_EQ(edit->geometry().right(), 139); // (51 + 61) × 1.25 − 1
    EXPECT_EQ(group->geometry(), QRect(13, 50, 250, 125));
    EXPECT_EQ(inside->geometry(), QRect(10, 25, 63, 25)); // right edge 72.5 rounds to 73
    EXPECT_EQ(laidOut->geometry(), QRect(275, 50, 125, 125));
    // A layout places its own widgets.
    EXPECT_EQ(managed->geometry(), managedBefore);

    // A factor of one changes nothing.
    core::scaleDesign(&window, 1.0);
    EXPECT_EQ(group->geometry(), QRect(13, 50, 250, 125));
}

TEST(Fit, AWindowLargerThanTheAreaScrollsItsControlsAsTheyStand) {
    QWidget window;
    window.setFixedSize(1500, 900);
    auto* far = new QLineEdit(&window);
    far->setObjectName(QStringLiteral("edt9"));
    far->setGeometry(1400, 850, 80, 24);
    auto* holder = new QLabel(QStringLiteral("模板"), &window);
    holder->setObjectName(QStringLiteral("lbl1"));
    holder->setGeometry(-500, -500, 10, 10);
    holder->hide();

    core::fitInto(&window, QRect(0, 0, 1280, 720), QMargins(4, 32, 4, 4));

    EXPECT_EQ(window.size(), QSize(1272, 684));
    auto* scroller = window.findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    ASSERT_NE(scroller->widget(), nullptr);
    EXPECT_EQ(scroller->widget()->size(), QSize(1500, 900));
    EXPECT_EQ(far->parentWidget(), scroller->widget());
    EXPECT_EQ(far->geometry(), QRect(1400, 850, 80, 24));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("edt9")), far);

    window.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(far->isVisible());
    EXPECT_FALSE(holder->isVisible());
    // Scrolled to the end, the farthest control is in view.
    scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
    scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
    const QRect shown(far->mapTo(scroller->viewport(), QPoint(0, 0)), far->size());
    EXPECT_TRUE(scroller->viewport()->rect().contains(shown));
}

TEST(Fit, AWindowThatFitsIsLeftAlone) {
    QWidget window;
    window.setFixedSize(800, 600);
    auto* edit = new QLineEdit(&window);
    core::fitInto(&window, QRect(0, 0, 1920, 1080), QMargins(4, 32, 4, 4));
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(edit->parentWidget(), &window);
    EXPECT_EQ(window.findChild<QScrollArea*>(), nullptr);
}

// The field covers only blanks of its sentence, at any font size.
TEST(Fit, FieldsLieOverTheBlanksOfTheirSentence) {
    for (const double points : {9.0, 11.25, 14.0, 20.0}) {
        SCOPED_TRACE(points);
        QWidget window;
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        window.setFont(font);
        const QString text = QStringLiteral("高度：                   px");
        auto* sentence = new QLabel(text, &window);
        sentence->setGeometry(10, 10, 600, 30);
        auto* height = new QLineEdit(&window);
        height->setGeometry(70, 12, 200, 26);
        auto* motion = new QLineEdit(&window);
        motion->setGeometry(100, 12, 90, 26);
        core::putInGaps(sentence, {height, motion});

        const QFontMetrics metrics(font);
        const int blanksFrom = metrics.horizontalAdvance(QStringLiteral("高度："));
        const int blanksTo = metrics.horizontalAdvance(QStringLiteral("高度：                   "));
        const int textEnd = metrics.horizontalAdvance(text);
        EXPECT_EQ(height->parentWidget(), sentence);
        EXPECT_GE(height->x(), blanksFrom);
        EXPECT_LE(height->geometry().right(), blanksTo);
        // The second field finds the only gap taken: it goes past the text.
        EXPECT_GT(motion->x(), textEnd);
    }
}

// A window made with a large font places its fields in design units; once it
// has grown, the fields have the width they were made with, not the width of
// a blank their design place happened to fall into before.
TEST(Fit, FieldsKeepTheirWidthWhenTheWindowGrows) {
    QWidget window;
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    window.setFont(font);
    const QString text = QStringLiteral("高度：                    px      形式：");
    auto* sentence = new QLabel(text, &window);
    sentence->setGeometry(10, 10, 700, 30);
    const double unit = core::designScale(font);
    const QFontMetricsF metrics(font);
    // As the window places them: right after "高度：" and after the whole sentence.
    const int heightAt = 10 + int(metrics.horizontalAdvance(QStringLiteral("高度：")) / unit);
    const int motionAt = 10 + int(metrics.horizontalAdvance(text) / unit);
    auto* height = new QLineEdit(QStringLiteral("450"), &window);
    height->setGeometry(heightAt + 2, 10, 60, 26);
    auto* motion = new QLineEdit(QStringLiteral("默认效果"), &window);
    motion->setGeometry(motionAt + 2, 10, 96, 26);
    core::putInGaps(sentence, {height, motion});
    core::scaleDesign(&window, unit);
    core::fitGaps(&window);
    EXPECT_EQ(motion->width(), int(std::lround(96 * unit)));
    EXPECT_GT(motion->x(), int(metrics.horizontalAdvance(text)));
    EXPECT_GE(height->width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("450")) + 8);
    // Fitting again changes nothing.
    const QRect before = height->geometry();
    core::fitGaps(&window);
    EXPECT_EQ(height->geometry(), before);
}

} // namespace
