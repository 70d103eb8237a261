#include "core/shoppreview.h"

#include "core/files.h"
#include "core/fit.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/shopframe.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>

namespace core {

namespace {

const QSize kButtonSize(84, 24);
// The room the button keeps from the window's edges and from every control.
const int kMargin = 6;
const int kStep = 4;

const QString kNothingYet = QStringLiteral("请先生成代码，再预览店铺效果！");

// The button's size: its design size grown with the window, never smaller
// than its caption needs.
QSize buttonSize(Form* form, QPushButton* button) {
    return scaled(QRect(QPoint(), kButtonSize), designScale(form->font()))
        .size()
        .expandedTo(button->sizeHint());
}

// The places of the window's controls, in the window's coordinates: every
// control but the template holders, also those shown only at times.
QList<QRect> takenPlaces(Form* form, QPushButton* button) {
    QList<QRect> taken;
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (child == button || child->isWindow()) continue;
        bool held = false;
        for (QWidget* w = child; w && w != form; w = w->parentWidget())
            held = held || Form::keptHidden(w);
        if (held) continue;
        taken << QRect(child->mapTo(form, QPoint(0, 0)), child->size());
    }
    return taken;
}

// A place of the window's own, clear of every control by the margin, the
// one nearest the bottom right corner, where a window's actions usually are;
// none if the controls fill the window.
std::optional<QPoint> freePlace(Form* form, QPushButton* button, const QSize& size) {
    const QList<QRect> taken = takenPlaces(form, button);
    const QRect area = form->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    for (int y = area.bottom() + 1 - size.height(); y >= area.top(); y -= kStep) {
        for (int x = area.right() + 1 - size.width(); x >= area.left();) {
            const QRect room = QRect(QPoint(x, y), size).adjusted(-kMargin, -kMargin, kMargin, kMargin);
            int next = x - kStep;
            bool free = true;
            for (const QRect& other : taken)
                if (other.intersects(room)) {
                    free = false;
                    // Nothing left of here is free until past this control.
                    next = std::min(next, other.left() - kMargin - size.width());
                }
            if (free) return QPoint(x, y);
            x = next;
        }
    }
    return std::nullopt;
}

// Keeps the button in the bottom right corner of the strip it was given,
// in whatever the button lies on now.
class CornerPin : public QObject {
public:
    CornerPin(Form* form, QPushButton* button)
        : QObject(button)
        , m_button(button) {
        form->installEventFilter(this);
        pin();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) pin();
        return false;
    }

private:
    void pin() {
        const QWidget* parent = m_button->parentWidget();
        m_button->move(parent->width() - m_button->width() - kMargin,
                       parent->height() - m_button->height() - kMargin);
    }
    QPushButton* m_button;
};

// A strip of its own along the bottom of the window, the button at its right
// end; a window laid out by a layout keeps the strip out of the layout.
void addStrip(Form* form, QPushButton* button) {
    const int strip = button->height() + 2 * kMargin;
    if (QLayout* layout = form->layout()) {
        QMargins margins = layout->contentsMargins();
        margins.setBottom(margins.bottom() + strip);
        layout->setContentsMargins(margins);
    }
    const int height = form->height() + strip;
    if (form->minimumHeight() == form->maximumHeight()) {
        form->setFixedHeight(height);
    } else {
        form->setMinimumHeight(form->minimumHeight() + strip);
        form->resize(form->width(), height);
    }
    new CornerPin(form, button);
}

// Where the button goes: a free place of the window's own; else beside the
// tabs of the window's pages; else a strip added along the window's bottom.
// It never lies on another control, a picture or a group.
void placeButton(Form* form, QPushButton* button) {
    button->resize(buttonSize(form, button));
    if (!form->layout()) {
        if (const std::optional<QPoint> place = freePlace(form, button, button->size())) {
            button->move(*place);
            return;
        }
    }
    for (QTabWidget* pages : form->findChildren<QTabWidget*>()) {
        if (!pages->isVisibleTo(form) || pages->cornerWidget(Qt::TopRightCorner)) continue;
        if (pages->tabPosition() != QTabWidget::North && pages->tabPosition() != QTabWidget::South) continue;
        pages->setCornerWidget(button, Qt::TopRightCorner);
        return;
    }
    addStrip(form, button);
}

QPointer<QWidget>& previewWindow() {
    static QPointer<QWidget> window;
    return window;
}

Browser*& previewBrowser() {
    static Browser* browser = nullptr;
    return browser;
}

// The code the window's shop preview shows: what the window shows itself,
// else what it delivered last, else the box it fills for the converter;
// nothing before any of these.
QString codeToShow(Form* form) {
    const QVariant shown = form->property("shownCode");
    if (shown.isValid()) return shown.toString();
    QString box = form->property("deliveredBox").toString();
    if (box.isEmpty() || !form->hasOutput(box)) box = undeliveredOutput(*form);
    if (box.isEmpty() || !form->hasOutput(box)) return {};
    return form->text(box);
}

// Opens the preview window beside the generator on the generator's screen,
// as wide as the shop's page and as high as the screen allows.
void placeBeside(QWidget* window, const Form* generator, ShopFrame frame) {
    QScreen* screen = generator->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins margins = frameOf(window);
    // The page, its vertical scroll bar and the window's frame.
    const QSize wanted(pageWidth(frame) + 20 + margins.left() + margins.right(), area.height());
    const QRect place = shopPreviewPlace(generator->frameGeometry(), area, wanted);
    window->setGeometry(place.marginsRemoved(margins));
}

} // namespace

bool addShopPreview(Form* form) {
    if (!shopFrameOf(*form)) return false;
    auto* button = new QPushButton(QStringLiteral("店铺预览"), form);
    button->setObjectName(kShopPreviewButton);
    button->setToolTip(QStringLiteral("在店铺页面中预览当前代码（F5）"));
    button->setFocusPolicy(Qt::NoFocus);
    placeButton(form, button);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F5), form);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, form,
                     [form] { form->fire(kShopPreviewButton + QStringLiteral("Click")); });
    return true;
}

QRect shopPreviewPlace(const QRect& generator, const QRect& area, const QSize& wanted) {
    // Narrower than this, a page is of little use even scaled down.
    const QSize smallest = QSize(400, 300).boundedTo(area.size());
    const QSize size = wanted.boundedTo(area.size()).expandedTo(smallest);
    const QRect g = generator & area;
    if (g.isEmpty()) {
        QRect centred(QPoint(), size);
        centred.moveCenter(area.center());
        return centred;
    }

    // The free strips of the screen on the four sides of the generator, in
    // the order they are preferred when they serve as well.
    enum Side { Right, Left, Below, Above };
    const struct {
        Side side;
        QRect strip;
    } strips[] = {
        {Right, QRect(QPoint(g.right() + 1, area.top()), area.bottomRight())},
        {Left, QRect(area.topLeft(), QPoint(g.left() - 1, area.bottom()))},
        {Below, QRect(QPoint(area.left(), g.bottom() + 1), area.bottomRight())},
        {Above, QRect(area.topLeft(), QPoint(area.right(), g.top() - 1))},
    };
    int best = -1;
    QSize bestSize;
    for (int i = 0; i < 4; ++i) {
        const QRect& strip = strips[i].strip;
        if (strip.width() < smallest.width() || strip.height() < smallest.height()) continue;
        const QSize fits = size.boundedTo(strip.size());
        if (best < 0 || qint64(fits.width()) * fits.height() > qint64(bestSize.width()) * bestSize.height()) {
            best = i;
            bestSize = fits;
        }
    }
    const auto within = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    if (best < 0) {
        // No room beside it: over the side of the generator with the more room.
        const bool right = area.right() - g.right() >= g.left() - area.left();
        const int x = right ? area.right() + 1 - size.width() : area.left();
        return QRect(QPoint(x, within(g.top(), area.top(), area.bottom() + 1 - size.height())), size);
    }
    const QRect& strip = strips[best].strip;
    const int top = within(g.top(), strip.top(), strip.bottom() + 1 - bestSize.height());
    const int left = within(g.left(), strip.left(), strip.right() + 1 - bestSize.width());
    switch (strips[best].side) {
    case Right:
        return QRect(QPoint(strip.left(), top), bestSize);
    case Left:
        return QRect(QPoint(strip.right() + 1 - bestSize.width(), top), bestSize);
    case Below:
        return QRect(QPoint(left, strip.top()), bestSize);
    case Above:
        return QRect(QPoint(left, strip.bottom() + 1 - bestSize.height()), bestSize);
    }
    return QRect(QPoint(strip.left(), top), bestSize);
}

void setShownCode(Form* form, const QString& code) {
    form->setProperty("shownCode", code);
}

void showShopPreview(Form* form) {
    const std::optional<ShopFrame> frame = shopFrameOf(*form);
    if (!frame) return;
    const QString code = codeToShow(form);
    if (code.isEmpty()) {
        form->message(kNothingYet);
        return;
    }
    writeTextFile(shopPreviewPage(), frameHead(*frame) + code + frameTail(*frame));

    QPointer<QWidget>& window = previewWindow();
    if (!window) {
        window = new QWidget(nullptr, Qt::Window);
        window->setObjectName(QStringLiteral("ShopPreview"));
        window->setAttribute(Qt::WA_QuitOnClose, false);
        previewBrowser() = nullptr;
    }
    window->setWindowTitle(QStringLiteral("店铺预览 - ") + form->windowTitle());
    // Opened beside its generator; once open it stays where the user put it.
    if (!window->isVisible())
        placeBeside(window, form, *frame);
    else if (window->isMinimized())
        window->showNormal();
    showPage(previewBrowser(), window, shopPreviewPage(), pageWidth(*frame));
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* shopPreviewWindow() {
    return previewWindow();
}

QString shopPreviewPage() {
    return workingPage(QStringLiteral("店铺预览.html"));
}

} // namespace core
