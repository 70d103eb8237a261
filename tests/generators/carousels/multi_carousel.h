#pragma once

#include "tests/support/helpers.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace testing {

// Our name and shop address, written into the title of the circular carousels.
inline const QString kCredit = "青梧360-店铺装修软件 https://qingwu360.taobao.com/";

// The launcher's thumbnail shows the window; hidden again afterwards.
inline void expectOpensFromThumbnail(const QString& image, const QString& className) {
    core::Form* launcher = form("Tfrmindex");
    core::Form* window = form(className);
    ASSERT_FALSE(window->isVisible());
    EXPECT_TRUE(launcher->fire(image + "Click"));
    EXPECT_TRUE(window->isVisible()) << className.toStdString();
    window->hide();
}

// Shown, the window keeps its holders and outside memos unseen; outside memos never take the focus.
inline void expectUnseen(core::Form* window, const QStringList& holders, const QStringList& outsideMemos) {
    window->showForm();
    for (const QString& name : holders + outsideMemos)
        EXPECT_FALSE(window->control(name)->isVisible()) << name.toStdString();
    for (const QString& name : outsideMemos)
        EXPECT_EQ(window->control(name)->focusPolicy(), Qt::NoFocus) << name.toStdString();
    window->hide();
}

// The pointer comes onto a control.
inline void pointerEnters(QWidget* target) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(target, &enter);
}

// The pointer moves over a widget without a button pressed.
inline void pointerMoves(QWidget* target) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace testing
