#include "core/shoppreview.h"

#include "core/files.h"
#include "core/fit.h"
#include "core/form.h"
#include "core/ownplace.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/shopframe.h"

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace core {

namespace {

const QSize kButtonSize(84, 24);

const QString kNothingYet = QStringLiteral("请先生成代码，再预览店铺效果！");

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
    placeOwnButton(form, button, kButtonSize);
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
