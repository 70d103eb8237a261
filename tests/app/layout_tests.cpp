// Every window fits the screen and its own captions: at the design size, at one
// and a half times the scale and with an application font a quarter larger, on
// a 1920 × 1080 screen. Each case runs in a child process of this program,
// because the scale factor is read when the application starts.
#include "app/windows.h"
#include "core/fit.h"
#include "core/form.h"
#include "tests/support/child_process.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QString nameOf(const QWidget* widget) {
    const QString name = widget->objectName();
    if (!name.isEmpty()) return name;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return QStringLiteral("caption \"%1\"").arg(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return QStringLiteral("button \"%1\"").arg(button->text());
    return QString::fromLatin1(widget->metaObject()->className());
}

// Widgets whose children are their own business (a scroll area's viewport and
// bars, a combo box's parts, a stack's pages): not checked as siblings.
bool composite(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTabWidget*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QStackedWidget*>(widget);
}

QStringList captionLines(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return plain.split(u'\n');
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : captionLines(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a caption needs beside its text: the indicator of a radio button or
// check box, the bevel of a push button, the frame of a group's title.
int captionWidthNeeded(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle* style = widget->style();
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || !label->pixmap().isNull() || label->text().isEmpty()) return 0;
        if (Qt::mightBeRichText(label->text()) && label->textFormat() != Qt::PlainText) {
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            return int(document.idealWidth()) + 2 * label->margin() + label->indent() +
                   label->contentsMargins().left() + label->contentsMargins().right();
        }
        return widestLine(metrics, label->text()) + 2 * label->margin() + label->contentsMargins().left() +
               label->contentsMargins().right();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QString text = button->text();
        text.remove(u'&');
        if (text.isEmpty()) return 0;
        const int textWidth = widestLine(metrics, text);
        if (qobject_cast<const QRadioButton*>(button))
            return textWidth + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        if (qobject_cast<const QCheckBox*>(button))
            return textWidth + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        return textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2;
    }
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
        if (group->title().isEmpty()) return 0;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return title.left() + widestLine(metrics, group->title());
    }
    return 0;
}

// Fields that sit in a sentence's blanks must cover blanks only, whatever the
// font: the characters of the line they lie on, under their left and right
// ends, are all blanks.
QStringList fieldsOverText(const QLabel* sentence) {
    QStringList found;
    const QStringList lines = captionLines(sentence->text());
    const QFontMetrics metrics = sentence->fontMetrics();
    const QRect box = sentence->contentsRect();
    const int lineHeight = metrics.lineSpacing();
    const int textHeight = lineHeight * int(lines.size());
    int top = box.top();
    if (sentence->alignment() & Qt::AlignVCenter) top += (box.height() - textHeight) / 2;
    if (sentence->alignment() & Qt::AlignBottom) top += box.height() - textHeight;
    for (QObject* child : sentence->children()) {
        auto* field = qobject_cast<QWidget*>(child);
        if (!field || !field->isVisible()) continue;
        const QRect place = field->geometry();
        for (int index = 0; index < lines.size(); ++index) {
            const int lineTop = top + index * lineHeight;
            if (place.bottom() < lineTop || place.top() >= lineTop + lineHeight) continue;
            const QString& line = lines[index];
            for (int at = 0; at < line.size(); ++at) {
                const int left = box.left() + metrics.horizontalAdvance(line.left(at));
                const int right = box.left() + metrics.horizontalAdvance(line.left(at + 1));
                if (right <= place.left() || left >= place.right() + 1) continue;
                if (!line.at(at).isSpace()) {
                    found
                        << QStringLiteral("%1 covers \"%2\" of \"%3\"").arg(nameOf(field), line.at(at), line);
                    break;
                }
            }
        }
    }
    return found;
}

// What is wrong with the window as shown: lying outside the screen's available
// area, visible siblings on top of each other, captions cut off.
QStringList problems(core::Form* window) {
    QStringList found;
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!area.contains(frame))
        found << QStringLiteral("window %1,%2 %3×%4 outside the available area %5×%6")
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height())
                     .arg(area.width())
                     .arg(area.height());

    QList<QWidget*> parents{window};
    parents << window->findChildren<QWidget*>();
    for (QWidget* parent : parents) {
        if (parent->isWindow() && parent != window) continue;
        if (!parent->isVisible() || composite(parent)) continue;
        QList<QWidget*> siblings;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && !widget->isWindow() && widget->isVisible()) siblings << widget;
        }
        for (int i = 0; i < siblings.size(); ++i) {
            QWidget* one = siblings[i];
            const int needed = captionWidthNeeded(one);
            if (needed > one->width())
                found << QStringLiteral("%1 needs %2 px for its caption, has %3")
                             .arg(nameOf(one))
                             .arg(needed)
                             .arg(one->width());
            if (auto* sentence = qobject_cast<const QLabel*>(one)) found << fieldsOverText(sentence);
            for (int j = i + 1; j < siblings.size(); ++j) {
                // Captions may lie on a picture.
                if (core::isBackdrop(one) || core::isBackdrop(siblings[j])) continue;
                const QRect both = one->geometry() & siblings[j]->geometry();
                if (both.width() > 0 && both.height() > 0)
                    found << QStringLiteral("%1 overlaps %2 in %3×%4 px")
                                 .arg(nameOf(one), nameOf(siblings[j]))
                                 .arg(both.width())
                                 .arg(both.height());
            }
        }
    }
    return found;
}

// Runs in the child process only: the case is set in its environment.
TEST(Layout, EveryWindowFitsItsScreenAndCaptions) {
    const QByteArray fontScale = qgetenv("QINGWU_LAYOUT_FONT_SCALE");
    if (qEnvironmentVariableIsEmpty("QINGWU_LAYOUT_CASE")) GTEST_SKIP() << "runs in a child process";
    if (!fontScale.isEmpty()) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * fontScale.toDouble());
        QApplication::setFont(font);
    }
    app::createWindows();
    int bad = 0;
    for (core::Form* window : app::windows()) {
        window->show();
        QCoreApplication::processEvents();
        const QStringList found = problems(window);
        window->hide();
        if (found.isEmpty()) continue;
        ++bad;
        ADD_FAILURE() << window->objectName().toStdString() << ":\n  "
                      << found.join(QStringLiteral("\n  ")).toStdString();
    }
    EXPECT_EQ(bad, 0);
}

// Runs the check above in a child process on a 1920 × 1080 screen.
void runCase(const char* name, const QByteArray& scale, const QByteArray& fontScale) {
    SCOPED_TRACE(name);
    testing::runInChildProcess(
        QStringLiteral("Layout.EveryWindowFitsItsScreenAndCaptions"), QStringLiteral("screen.json"),
        {{QStringLiteral("QINGWU_LAYOUT_CASE"), QString::fromLatin1(name)},
         {QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale)},
         {QStringLiteral("QINGWU_LAYOUT_FONT_SCALE"), QString::fromLatin1(fontScale)}});
}

TEST(Layout, AtTheDesignSize) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_LAYOUT_CASE")) GTEST_SKIP();
    runCase("design size", {}, {});
}

TEST(Layout, AtOneAndAHalfTimesTheScale) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_LAYOUT_CASE")) GTEST_SKIP();
    runCase("scale 1.5", "1.5", {});
}

TEST(Layout, WithAFontAQuarterLarger) {
    if (!qEnvironmentVariableIsEmpty("QINGWU_LAYOUT_CASE")) GTEST_SKIP();
    runCase("font 125 %", {}, "1.25");
}

} // namespace
