#include "core/ownplace.h"

#include "core/fit.h"
#include "core/form.h"

#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <optional>

namespace core {

namespace {

// The room a button keeps from the window's edges and from every control.
const int kMargin = 6;
const int kStep = 4;

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

// Keeps the buttons of the strip along the window's bottom side by side at
// the strip's right end, the first one rightmost, in whatever they lie on now.
class StripPin : public QObject {
public:
    explicit StripPin(Form* form)
        : QObject(form) {
        setObjectName(QStringLiteral("ownStrip"));
        form->installEventFilter(this);
    }

    void add(QPushButton* button) {
        m_buttons << button;
        pin();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) pin();
        return false;
    }

private:
    void pin() {
        int right = -1;
        for (const QPointer<QPushButton>& button : std::as_const(m_buttons)) {
            if (!button) continue;
            const QWidget* parent = button->parentWidget();
            if (right < 0) right = parent->width() - kMargin;
            button->move(right - button->width(), parent->height() - button->height() - kMargin);
            right -= button->width() + kMargin;
        }
    }
    QList<QPointer<QPushButton>> m_buttons;
};

// A strip of its own along the bottom of the window, made by the first
// button that needs it; a window laid out by a layout keeps the strip out of
// the layout.
void addToStrip(Form* form, QPushButton* button) {
    auto* strip = form->findChild<StripPin*>(QStringLiteral("ownStrip"), Qt::FindDirectChildrenOnly);
    if (!strip) {
        const int height = button->height() + 2 * kMargin;
        if (QLayout* layout = form->layout()) {
            QMargins margins = layout->contentsMargins();
            margins.setBottom(margins.bottom() + height);
            layout->setContentsMargins(margins);
        }
        if (form->minimumHeight() == form->maximumHeight()) {
            form->setFixedHeight(form->height() + height);
        } else {
            form->setMinimumHeight(form->minimumHeight() + height);
            form->resize(form->width(), form->height() + height);
        }
        strip = new StripPin(form);
    }
    strip->add(button);
}

} // namespace

void placeOwnButton(Form* form, QPushButton* button, const QSize& designSize) {
    button->resize(
        scaled(QRect(QPoint(), designSize), designScale(form->font())).size().expandedTo(button->sizeHint()));
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
    addToStrip(form, button);
}

} // namespace core
