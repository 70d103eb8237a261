#include "core/fit.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace core {

namespace {

// The advance of a Chinese character in the font the windows were designed for.
constexpr double kDesignCharacterWidth = 12.0;

int scaled(int value, double factor) {
    return int(std::lround(value * factor));
}

QSize scaled(const QSize& size, double factor) {
    auto one = [factor](int value) { return value >= QWIDGETSIZE_MAX ? value : scaled(value, factor); };
    return QSize(one(size.width()), one(size.height()));
}

// Widgets that place their own parts: a scroll area's viewport and bars, a
// combo box's list, a tab widget's pages, a web view's surface.
bool placesItsOwnParts(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTabWidget*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QStackedWidget*>(widget) ||
           qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QToolBar*>(widget) ||
           qobject_cast<const QSplitter*>(widget) || widget->inherits("QWebEngineView");
}

bool placedByHand(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow() || placesItsOwnParts(parent)) return false;
    return !parent->layout() || parent->layout()->indexOf(widget) < 0;
}

void scaleSizes(QWidget* widget, double factor) {
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    widget->setMinimumSize(scaled(minimum, factor));
    widget->setMaximumSize(scaled(maximum, factor));
}

// The place a field in a sentence's blanks was given by its window, grown
// with the window: every fit starts from it, so fitting again, at another
// font, never narrows the field further.
const char* const kGapField = "qingwuGapField";

QSize boundedBy(const QSize& size, const QSize& room) {
    return size.boundedTo(room).expandedTo(QSize(1, 1));
}

} // namespace

// Scales the edges, not the sizes, so that controls that touch keep touching.
QRect scaled(const QRect& rect, double factor) {
    const int left = scaled(rect.left(), factor);
    const int top = scaled(rect.top(), factor);
    return QRect(left, top, scaled(rect.left() + rect.width(), factor) - left,
                 scaled(rect.top() + rect.height(), factor) - top);
}

double designScale(const QFont& font) {
    const double width = QFontMetricsF(font).horizontalAdvance(QChar(0x4E2D));
    return std::max(1.0, width / kDesignCharacterWidth);
}

void scaleDesign(QWidget* window, double factor) {
    if (std::abs(factor - 1.0) < 0.01) return;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!placedByHand(widget)) continue;
        scaleSizes(widget, factor);
        widget->setGeometry(scaled(widget->geometry(), factor));
        if (const QVariant own = widget->property(kGapField); own.isValid())
            widget->setProperty(kGapField, scaled(own.toRect(), factor));
    }
    const QSize size = window->size();
    scaleSizes(window, factor);
    window->resize(scaled(size, factor));
}

QMargins frameOf(const QWidget* window) {
    if (window->windowFlags() & Qt::FramelessWindowHint) return {};
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins margins = handle->frameMargins();
        if (!margins.isNull()) return margins;
    }
    return QMargins(4, 32, 4, 4);
}

void fitInto(QWidget* window, const QRect& area, const QMargins& frame) {
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window->size();
    if (size.width() <= room.width() && size.height() <= room.height()) return;
    const QSize fitting = boundedBy(size, room);
    const bool fixed = window->minimumSize() == window->maximumSize();

    if (!window->layout()) {
        // Everything placed by hand moves, as it stands, onto a page of the
        // window's full size inside a scroll area.
        auto* page = new QWidget;
        page->setFixedSize(size);
        const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (child->isWindow()) continue;
            const QRect geometry = child->geometry();
            child->setParent(page);
            child->setGeometry(geometry);
        }
        auto* scroller = new QScrollArea(window);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->viewport()->setBackgroundRole(QPalette::Window);
        scroller->setWidget(page);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scroller);
    }
    if (fixed) {
        window->setFixedSize(fitting);
    } else {
        window->setMinimumSize(boundedBy(window->minimumSize(), room));
        window->resize(fitting);
    }
}

void putInGaps(QLabel* sentence, const QList<QWidget*>& fields) {
    for (QWidget* field : fields) {
        const QRect geometry = field->geometry().translated(-sentence->pos());
        field->setParent(sentence);
        field->setGeometry(geometry);
        field->setProperty(kGapField, geometry);
    }
    sentence->setProperty("qingwuSentence", true);
    fitGaps(sentence);
}

namespace {

// A run of at least two blanks on a line, in the sentence's pixels.
struct Gap {
    int left, right;
};

void fitSentence(QLabel* sentence) {
    QString text = sentence->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = text.split(u'\n');
    const QFontMetrics metrics = sentence->fontMetrics();
    const QRect box = sentence->contentsRect();
    const int lineHeight = metrics.lineSpacing();
    int top = box.top();
    const int textHeight = lineHeight * int(lines.size());
    if (sentence->alignment() & Qt::AlignVCenter) top += (box.height() - textHeight) / 2;
    if (sentence->alignment() & Qt::AlignBottom) top += box.height() - textHeight;
    const int margin = 2;
    // Each gap takes one field, the fields in the order they were made.
    QSet<QPair<int, int>> taken;
    for (QObject* child : sentence->children()) {
        auto* field = qobject_cast<QWidget*>(child);
        if (!field || field->isWindow()) continue;
        QRect place =
            field->property(kGapField).isValid() ? field->property(kGapField).toRect() : field->geometry();
        const int line =
            std::clamp((place.center().y() - top) / std::max(1, lineHeight), 0, int(lines.size()) - 1);
        const QString& words = lines[line];
        auto at = [&](int index) { return box.left() + metrics.horizontalAdvance(words.left(index)); };
        QList<Gap> gaps;
        for (int i = 0; i < words.size();) {
            int j = i;
            while (j < words.size() && words.at(j).isSpace())
                ++j;
            if (j - i >= 2) gaps.append({at(i), at(j)});
            i = std::max(i + 1, j);
        }
        const int end = at(int(words.size()));
        // The gap nearest the field, unless the field lies past the text.
        const Gap* nearest = nullptr;
        if (place.left() < end) {
            for (int k = 0; k < gaps.size(); ++k) {
                const Gap& gap = gaps[k];
                if (taken.contains({line, k})) continue;
                if (!nearest || std::abs((gap.left + gap.right) / 2 - place.center().x()) <
                                    std::abs((nearest->left + nearest->right) / 2 - place.center().x()))
                    nearest = &gap;
            }
        }
        if (nearest) taken.insert({line, int(nearest - gaps.data())});
        if (nearest) {
            place.moveLeft(nearest->left + margin);
            place.setWidth(std::max(1, std::min(place.width(), nearest->right - nearest->left - 2 * margin)));
        } else {
            place.moveLeft(std::max(place.left(), end + margin));
        }
        field->setGeometry(place);
    }
}

} // namespace

void fitGaps(QWidget* window) {
    if (auto* sentence = qobject_cast<QLabel*>(window);
        sentence && sentence->property("qingwuSentence").toBool())
        fitSentence(sentence);
    for (QLabel* sentence : window->findChildren<QLabel*>())
        if (sentence->property("qingwuSentence").toBool()) fitSentence(sentence);
}

void setBackdrop(QWidget* widget) {
    widget->setProperty("qingwuBackdrop", true);
}

bool isBackdrop(const QWidget* widget) {
    return widget->property("qingwuBackdrop").toBool();
}

} // namespace core
