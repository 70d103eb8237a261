#include "generators/promotions/xiala.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>

namespace generators {

namespace {

// The sample content: pictures and words, more than the box holds.
QString xialaSampleContent() {
    QString content;
    const struct {
        const char* picture;
        int width, height;
    } pictures[] = {{"sample2.png", 300, 169}, {"sample4.png", 300, 169}, {"sample6.png", 270, 152}};
    for (const auto& picture : pictures)
        content += QStringLiteral("<img src=\"http://sample.invalid/%1\" width=\"%2\" height=\"%3\" "
                                  "style=\"float:left;margin:10px\">")
                       .arg(QLatin1String(picture.picture))
                       .arg(picture.width)
                       .arg(picture.height);
    return content + QStringLiteral("<p style=\"clear:both;padding:0 10px;font-size:16px;line-height:28px\">"
                                    "新品上市，限时特惠。店长推荐：夏日清凉系列，满299减50，全场包邮。</p>");
}

} // namespace

Tfrmxiala::Tfrmxiala()
    : core::Form(QStringLiteral("Tfrmxiala"), QStringLiteral("超出内容下拉框显示")) {
    setClientSize(755, 522);
    const XialaInput defaults;

    addCaption(this, QRect(16, 18, 70, 22), QStringLiteral("版块宽度："));
    addEdit(this, QStringLiteral("edt2"), QRect(86, 16, 60, 24), defaults.width);
    addCaption(this, QRect(160, 18, 70, 22), QStringLiteral("版块高度："));
    addEdit(this, QStringLiteral("edt3"), QRect(230, 16, 60, 24), defaults.height);
    addCaption(this, QRect(304, 18, 60, 22), QStringLiteral("边框色："));
    addEdit(this, QStringLiteral("edt1"), QRect(364, 16, 80, 24), defaults.border);
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
    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo2"), xialaSnippet(input()), core::kCopiedForShop); });
}

XialaInput Tfrmxiala::input() const {
    XialaInput in;
    in.width = text(QStringLiteral("edt2"));
    in.height = text(QStringLiteral("edt3"));
    in.border = text(QStringLiteral("edt1"));
    in.content = text(QStringLiteral("mmo1"));
    return in;
}

QString xialaSnippet(const XialaInput& in) {
    return QStringLiteral("<div class=\"bd\" style=\"overflow-y:auto;width:") + in.width +
           QStringLiteral("px;height:") + in.height +
           QStringLiteral("px;font-size:14px;background:#fff;border:1px ") + in.border +
           QStringLiteral(" solid; color:#000\">") + in.content + QStringLiteral("</div>");
}

QINGWU_WINDOW(Tfrmxiala, {.order = 760,
                          .tile = core::Tile{.page = u"tstuiyi1",
                                             .row = 4,
                                             .column = 3,
                                             .image = u"img111",
                                             .caption = u"下拉框显示"},
                          .preview = core::ShopPreview{.place = core::Place::Home},
                          .sample = [] {
                              XialaInput in;
                              in.height = QStringLiteral("260");
                              in.content = xialaSampleContent();
                              return xialaSnippet(in);
                          }})

} // namespace generators
