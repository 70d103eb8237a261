#include "tools/code/pastemenu.h"

#include "core/form.h"

#include <QAction>
#include <QMenu>

namespace tools {

QMenu* addPasteClearMenu(QWidget* owner, core::Memo* memo) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("pm1"));
    menu->addAction(QStringLiteral("贴入"))->setObjectName(QStringLiteral("N3"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("清空"))->setObjectName(QStringLiteral("N2"));
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(memo, &QWidget::customContextMenuRequested, menu,
                     [menu, memo](const QPoint& at) { menu->popup(memo->viewport()->mapToGlobal(at)); });
    return menu;
}

} // namespace tools
