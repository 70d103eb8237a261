// Every window fits the screen and its own captions: at the design size, at one
// and a half times the scale and with an application font a quarter larger, on
// a 1920 × 1080 screen. Each case runs in a child process of this program,
// because the scale factor is read when the application starts.
#include "app/windows.h"
#include "core/fit.h"
#include "core/form.h"
#include "core/presets.h"
#include "core/shoppreview.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
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

// The height a label's text takes at its width: all its lines, or all the
// lines a word-wrapped text breaks into.
int captionHeightNeeded(const QLabel* label) {
    if (!label->pixmap().isNull() || label->text().isEmpty()) return 0;
    if (label->wordWrap() || (Qt::mightBeRichText(label->text()) && label->textFormat() != Qt::PlainText))
        return label->heightForWidth(label->width());
    return label->sizeHint().height();
}

// What a field shows of its text: a combo box all of its current text, an
// edit all of a short text and the start of a long one (an address scrolls).
QStringList fieldTextProblems(const QWidget* widget) {
    constexpr int kShortText = 8;
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle* style = widget->style();
    QRect room;
    QString shown;
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.currentText = combo->currentText();
        room = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                   .adjusted(1, 0, -1, 0);
        shown = combo->currentText();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        if (qobject_cast<const QComboBox*>(edit->parentWidget()) ||
            qobject_cast<const QAbstractSpinBox*>(edit->parentWidget()))
            return {};
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->contentsRect();
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        option.state |= QStyle::State_Sunken;
        // The two pixels an edit keeps on either side of its text.
        room = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                   .marginsRemoved(edit->textMargins())
                   .adjusted(2, 0, -2, 0);
        shown = edit->displayText().left(kShortText);
    } else {
        return {};
    }
    QStringList found;
    const int width = metrics.horizontalAdvance(shown);
    if (width > room.width())
        found << QStringLiteral("%1 (%5×%6) shows %2 px of the %3 px of \"%4\"")
                     .arg(nameOf(widget))
                     .arg(room.width())
                     .arg(width)
                     .arg(shown)
                     .arg(widget->width())
                     .arg(widget->height());
    if (metrics.height() > room.height())
        found << QStringLiteral("%1 shows %2 px of its text's height %3")
                     .arg(nameOf(widget))
                     .arg(room.height())
                     .arg(metrics.height());
    return found;
}

// A widget that paints a caption itself (a picture's caption band) says
// which caption, in which font and in how much width.
QStringList paintedCaptionProblems(const QWidget* widget) {
    const QVariant font = widget->property("paintedCaptionFont");
    if (!font.isValid()) return {};
    const QString caption = widget->property("paintedCaption").toString();
    const int room = widget->property("paintedCaptionWidth").toInt();
    const int width = QFontMetrics(font.value<QFont>()).horizontalAdvance(caption);
    if (width <= room) return {};
    return {QStringLiteral("%1 paints \"%2\" in %3 px, it needs %4")
                .arg(nameOf(widget), caption)
                .arg(room)
                .arg(width)};
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

// A button the program adds (店铺预览, 预设) lies in a place of its own: on nothing but the
// window, the page a window that does not fit the screen scrolls, or the tab
// row of its pages; wholly inside what holds it; clear of every other control
// by at least two pixels; its caption whole.
QStringList ownButtonProblems(core::Form* window, const QString& name) {
    auto* button = window->findChild<QPushButton*>(name);
    if (!button) return {};
    const QString caption = button->text();
    if (!button->isVisible()) return {caption + QStringLiteral(" is not shown")};
    QStringList found;
    // The window, or the scrolling page the button lies in.
    QWidget* scope = window;
    for (QWidget* on = button->parentWidget(); on != window; on = on->parentWidget()) {
        auto* scroller = qobject_cast<QScrollArea*>(on);
        if (scroller && scroller->widget()->isAncestorOf(button)) {
            scope = scroller->widget();
            break;
        }
        if (!qobject_cast<QTabWidget*>(on) && on->metaObject()->className() != QByteArray("QWidget"))
            found << QStringLiteral("%1 lies on %2").arg(caption, nameOf(on));
    }
    QRect place = button->geometry();
    for (QWidget* on = button->parentWidget(); on; on = on->parentWidget()) {
        if (!on->rect().contains(place)) {
            found << QStringLiteral("%6 at %1,%2 %3×%4 is cut off by %5")
                         .arg(place.x())
                         .arg(place.y())
                         .arg(place.width())
                         .arg(place.height())
                         .arg(nameOf(on), caption);
            break;
        }
        if (on == scope) break;
        place.translate(on->pos());
    }
    const QRect clearance = QRect(button->mapTo(scope, QPoint(0, 0)), button->size()).adjusted(-2, -2, 2, 2);
    for (QWidget* other : scope->findChildren<QWidget*>()) {
        if (other == button || other->isWindow() || !other->isVisible() || other->isAncestorOf(button) ||
            button->isAncestorOf(other))
            continue;
        const QRect rect(other->mapTo(scope, QPoint(0, 0)), other->size());
        if (rect.intersects(clearance))
            found << QStringLiteral("%1 touches %2 (%3)")
                         .arg(caption, nameOf(other), QString::fromLatin1(other->metaObject()->className()));
    }
    const int needed = captionWidthNeeded(button);
    if (needed > button->width() || button->fontMetrics().height() > button->height())
        found << QStringLiteral("%1 %2×%3 cuts its caption")
                     .arg(caption)
                     .arg(button->width())
                     .arg(button->height());
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

    found << ownButtonProblems(window, core::kShopPreviewButton)
          << ownButtonProblems(window, core::kPresetsButton);

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
            auto tooSmall = [&](const QString& what, int needed, int has) {
                if (needed > has)
                    found << QStringLiteral("%1 needs %2 px of %3 for its caption, has %4")
                                 .arg(nameOf(one))
                                 .arg(needed)
                                 .arg(what)
                                 .arg(has);
            };
            tooSmall(QStringLiteral("width"), captionWidthNeeded(one), one->width());
            if (auto* label = qobject_cast<const QLabel*>(one)) {
                tooSmall(QStringLiteral("height"), captionHeightNeeded(label), label->height());
                found << fieldsOverText(label);
            }
            found << fieldTextProblems(one) << paintedCaptionProblems(one);
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

// The launcher's search as it lists tiles: the field, the list in the place
// of the pages, and every hit with its picture and both lines whole, inside
// what holds them.
QStringList searchProblems(core::Form* launcher) {
    auto* field = launcher->findChild<QLineEdit*>(QStringLiteral("edtsousuo"));
    if (!field) return {QStringLiteral("no search field")};
    field->setFocus();
    field->setText(QStringLiteral("轮播"));
    QCoreApplication::processEvents();
    QStringList found = problems(launcher);
    auto* hits = launcher->findChild<QListWidget*>(QStringLiteral("lstsousuo"));
    if (!hits || !hits->isVisible() || hits->count() == 0) return found << QStringLiteral("no hits shown");
    for (QWidget* part :
         {static_cast<QWidget*>(field), launcher->findChild<QWidget*>(QStringLiteral("pnlsousuo")),
          static_cast<QWidget*>(hits)})
        for (QWidget* on = part; on != launcher; on = on->parentWidget())
            if (!on->parentWidget()->rect().contains(on->geometry()))
                found << QStringLiteral("%1 is cut off by %2").arg(nameOf(on), nameOf(on->parentWidget()));
    const QFontMetrics metrics = hits->fontMetrics();
    for (int i = 0; i < hits->count(); ++i) {
        QListWidgetItem* item = hits->item(i);
        const QRect place = hits->visualItemRect(item);
        const int needed = hits->iconSize().width() + widestLine(metrics, item->text());
        if (needed > place.width() || hits->iconSize().height() > place.height() ||
            2 * metrics.height() > place.height())
            found << QStringLiteral("hit \"%1\" has %2×%3 px")
                         .arg(item->text())
                         .arg(place.width())
                         .arg(place.height());
    }
    field->clear();
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
        QStringList found = problems(window);
        if (window->objectName() == QLatin1String("Tfrmindex")) found << searchProblems(window);
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
