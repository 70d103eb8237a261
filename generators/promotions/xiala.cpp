#include "generators/promotions/xiala.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>

namespace generators {

Tfrmxiala::Tfrmxiala()
    : core::Form(QStringLiteral("Tfrmxiala"), QStringLiteral("超出内容下拉框显示")) {
    setClientSize(755, 522);

    addCaption(this, QRect(16, 18, 70, 22), QStringLiteral("版块宽度："));
    addEdit(this, QStringLiteral("edt2"), QRect(86, 16, 60, 24), QStringLiteral("950"));
    addCaption(this, QRect(160, 18, 70, 22), QStringLiteral("版块高度："));
    addEdit(this, QStringLiteral("edt3"), QRect(230, 16, 60, 24), QStringLiteral("300"));
    addCaption(this, QRect(304, 18, 60, 22), QStringLiteral("边框色："));
    addEdit(this, QStringLiteral("edt1"), QRect(364, 16, 80, 24), QStringLiteral("#ccc"));
    addCaption(this, QRect(460, 18, 110, 22), QStringLiteral("内容建议宽度为："));
    addLabel(this, QStringLiteral("lbl5"), QRect(570, 18, 60, 22), QStringLiteral("930"));
    QGroupBox* content = addGroup(this, QStringLiteral("grp1"), QRect(12, 54, 731, 400),
                                  QStringLiteral("内容区，支持图片，文字，及自定义HTML代码"));
    addMemo(content, QStringLiteral("mmo1"), QRect(10, 24, 711, 366));
    addButton(this, QStringLiteral("btn1"), QRect(583, 466, 160, 42), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    // The content column is 20 px narrower than the box (scroll bar and border).
    on(QStringLiteral("edt2Change"), [this] {
        if (!text(QStringLiteral("edt2")).isEmpty())
            setText(QStringLiteral("lbl5"),
                    pagewidgets::difference(text(QStringLiteral("edt2")), QStringLiteral("20")));
    });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo2"),
                QStringLiteral("<div class=\"bd\" style=\"overflow-y:auto;width:") +
                    text(QStringLiteral("edt2")) + QStringLiteral("px;height:") +
                    text(QStringLiteral("edt3")) +
                    QStringLiteral("px;font-size:14px;background:#fff;border:1px ") +
                    text(QStringLiteral("edt1")) + QStringLiteral(" solid; color:#000\">") +
                    text(QStringLiteral("mmo1")) + QStringLiteral("</div>"),
                core::kCopiedForShop);
    });
}

QINGWU_WINDOW(Tfrmxiala, {.order = 760,
                          .tile = core::Tile{.page = u"tstuiyi1",
                                             .row = 4,
                                             .column = 3,
                                             .image = u"img111",
                                             .caption = u"下拉框显示"},
                          .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace generators
