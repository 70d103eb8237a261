#include "app/mini.h"

#include "app/windows.h"
#include "core/addresses.h"
#include "core/files.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace app {

Tfrmmini::Tfrmmini()
    : core::Form(QStringLiteral("Tfrmmini"), QStringLiteral("青梧360")) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedWidth(610);
    resize(610, 40);
    if (QScreen* screen = QGuiApplication::primaryScreen()) move((screen->geometry().width() - 610) / 2, 0);

    QLabel* logo = addLabel(this, QStringLiteral("img1"), QRect(0, 0, 110, 40), QStringLiteral("青梧360"));
    logo->setAlignment(Qt::AlignCenter);
    logo->setStyleSheet(
        QStringLiteral("background-color:#000000;color:#7fdcaa;font-weight:bold;font-size:16px;"));

    const QStringList captions = {QStringLiteral("功能"), QStringLiteral("记事本"), QStringLiteral("收藏夹"),
                                  QStringLiteral("通栏"), QStringLiteral("预览器"), QStringLiteral("网址")};
    for (int i = 0; i < captions.size(); ++i)
        addButton(this, QStringLiteral("btn%1").arg(i + 1), QRect(110 + 68 * i, 0, 68, 40), captions[i]);
    addCombo(this, QStringLiteral("cbb1"), QRect(110 + 68 * 6, 8, 88, 24),
             {QStringLiteral("快捷入口"), QStringLiteral("卖家中心"), QStringLiteral("图片空间"),
              QStringLiteral("店铺装修")},
             QStringLiteral("快捷入口"));
    control<QComboBox>(QStringLiteral("cbb1"))->setEditable(false);

    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lv1"));
    list->setGeometry(5, 45, 600, 360);
    list->setHeaderLabels({QStringLiteral("编号"), QStringLiteral("程序名"), QStringLiteral("文件目录")});
    list->setColumnWidth(0, 40);
    list->setColumnWidth(1, 230);
    list->setColumnWidth(2, 255);
    list->setRootIsDecorated(false);
    list->setStyleSheet(QStringLiteral("QTreeView::item{border:1px solid #d0d0d0;}"));
    // The favourites below the bar exist only while the bar is opened out:
    // folded, they can be neither seen nor reached with Tab.
    const QList<QWidget*> favourites = {
        list,
        addCaption(this, QRect(10, 412, 150, 20), QStringLiteral("下版本中发布……")),
        addCaption(this, QRect(170, 442, 60, 20), QStringLiteral("文件名：")),
        addEdit(this, QStringLiteral("edt1"), QRect(230, 440, 200, 24)),
        addButton(this, QStringLiteral("btn7"), QRect(440, 440, 70, 26), QStringLiteral("添加")),
        addButton(this, QStringLiteral("btn8"), QRect(520, 440, 70, 26), QStringLiteral("关闭"))};
    const auto openOut = [this, favourites](bool open) {
        for (QWidget* favourite : favourites)
            favourite->setVisible(open);
        resize(610, open ? 475 : 40);
    };
    openOut(false);

    // The bar's own menu ends the program as the tray's exit item does.
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pmExit"));
    QAction* leave = menu->addAction(QStringLiteral("退出程序"));
    leave->setObjectName(QStringLiteral("NExit"));
    connect(leave, &QAction::triggered, this, [] {
        if (core::Form* launcher = app::window(QStringLiteral("Tfrmindex")))
            launcher->fire(QStringLiteral("N2Click"));
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& at) { menu->popup(mapToGlobal(at)); });

    on(QStringLiteral("btn1Click"), [this] {
        hide();
        if (core::Form* launcher = app::window(QStringLiteral("Tfrmindex"))) launcher->showForm();
    });
    on(QStringLiteral("btn2Click"), [] {
        const QString path = QDir(core::workingFolder()).filePath(QStringLiteral("临时记事本.txt"));
        core::writeTextFile(path, QString());
        core::platform().openDefault(path);
    });
    on(QStringLiteral("btn3Click"), [openOut] { openOut(true); });
    on(QStringLiteral("btn4Click"), [] {
        if (core::Form* w = app::createWindow(QStringLiteral("Tfrmtonglan3"))) w->showForm();
    });
    on(QStringLiteral("btn5Click"), [] {
        if (core::Form* w = app::createWindow(QStringLiteral("Tfrmyulan"))) w->showForm();
    });
    on(QStringLiteral("btn6Click"), [] { core::platform().openDefault(core::addresses::designDirectory); });
    on(QStringLiteral("cbb1Change"), [this] {
        const int index = control<QComboBox>(QStringLiteral("cbb1"))->currentIndex();
        if (index == 1)
            core::platform().openDefault(core::addresses::sellerCentre);
        else if (index == 2)
            core::platform().openDefault(core::addresses::pictureSpace);
        else if (index == 3)
            core::platform().openDefault(core::addresses::shopDecoration);
    });
    on(QStringLiteral("btn7Click"), [this, list] {
        auto* row = new QTreeWidgetItem(list);
        row->setText(0, text(QStringLiteral("edt1")));
    });
    on(QStringLiteral("btn8Click"), [openOut] { openOut(false); });
}

QINGWU_WINDOW(Tfrmmini, {.order = 20})

} // namespace app
