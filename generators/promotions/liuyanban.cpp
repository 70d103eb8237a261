#include "generators/promotions/liuyanban.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace generators {

namespace {

// Five line breaks as character references, the comment widget's own spacing.
const QString kBreaks = QStringLiteral("&#13;&#10;&#13;&#10;&#13;&#10;&#13;&#10;&#13;&#10;");

} // namespace

TFrmliuyanban::TFrmliuyanban()
    : core::Form(QStringLiteral("TFrmliuyanban"), QStringLiteral("留言板功能")) {
    setClientSize(464, 485);
    const LiuyanbanInput defaults;

    QTabWidget* pages = pagewidgets::addPages(this, QRect(0, 0, 464, 485),
                                              {QStringLiteral("  参数设置  "), QStringLiteral("  参照图  ")});
    QWidget* settings = pages->widget(0);
    core::addPreviewPicture(pages->widget(1), QRect(8, 8, 440, 430), QStringLiteral("留言板"));

    QGroupBox* block =
        addGroup(settings, QStringLiteral("grp1"), QRect(8, 8, 440, 90), QStringLiteral("版块占位"));
    addCaption(block, QRect(10, 26, 50, 22), QStringLiteral("宽度："));
    addEdit(block, QStringLiteral("edt2"), QRect(60, 24, 70, 24), defaults.width);
    addCaption(block, QRect(150, 26, 50, 22), QStringLiteral("高度："));
    addEdit(block, QStringLiteral("edt1"), QRect(200, 24, 70, 24), defaults.height);
    addCaption(block, QRect(10, 58, 50, 22), QStringLiteral("宽度："));
    addEdit(block, QStringLiteral("edt4"), QRect(60, 56, 70, 24), defaults.colour);
    addCaption(block, QRect(150, 58, 50, 22), QStringLiteral("背景："));
    addEdit(block, QStringLiteral("edt3"), QRect(200, 56, 228, 24), defaults.picture);

    QGroupBox* area =
        addGroup(settings, QStringLiteral("grp2"), QRect(8, 104, 440, 60), QStringLiteral("留言板占位"));
    addCaption(area, QRect(10, 26, 50, 22), QStringLiteral("宽度："));
    addEdit(area, QStringLiteral("edt6"), QRect(60, 24, 70, 24), defaults.areaWidth);
    addCaption(area, QRect(150, 26, 50, 22), QStringLiteral("高度："));
    addEdit(area, QStringLiteral("edt5"), QRect(200, 24, 70, 24), defaults.areaHeight);

    QGroupBox* nudge =
        addGroup(settings, QStringLiteral("grp3"), QRect(8, 170, 440, 60), QStringLiteral("微调距离"));
    addCaption(nudge, QRect(10, 26, 50, 22), QStringLiteral("水平："));
    addCombo(nudge, QStringLiteral("cbb2"), QRect(60, 24, 90, 24),
             {QStringLiteral("居左"), QStringLiteral("居中"), QStringLiteral("居右")},
             QStringLiteral("居中"));
    addCaption(nudge, QRect(170, 26, 50, 22), QStringLiteral("垂直："));
    addCombo(nudge, QStringLiteral("cbb1"), QRect(220, 24, 90, 24),
             {QStringLiteral("居顶"), QStringLiteral("居中"), QStringLiteral("居下")},
             QStringLiteral("居中"));

    QGroupBox* output =
        addGroup(settings, QStringLiteral("grp4"), QRect(8, 236, 440, 150), QStringLiteral("输出参数"));
    addCaption(output, QRect(10, 26, 70, 22), QStringLiteral("店铺地址："));
    addEdit(output, QStringLiteral("edt7"), QRect(80, 24, 300, 24), defaults.shop);
    addLabel(output, QStringLiteral("lbl12"), QRect(388, 26, 40, 22), QStringLiteral("帮助"))
        ->setCursor(Qt::PointingHandCursor);
    addLabel(output, QStringLiteral("lbl13"), QRect(388, 56, 40, 22), QStringLiteral("帮助"))
        ->setCursor(Qt::PointingHandCursor);
    addButton(output, QStringLiteral("btn1"), QRect(80, 90, 200, 44), QStringLiteral("生成代码并复制"));

    addHolder(QStringLiteral("lbl10"), defaults.top);
    addHolder(QStringLiteral("lbl11"), defaults.left);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    // Offsets of the comment area: centred whenever a size changes.
    const auto centreVertically = [this] {
        if (!text(QStringLiteral("edt1")).isEmpty())
            setText(QStringLiteral("lbl10"),
                    pagewidgets::halfDifference(text(QStringLiteral("edt1")), text(QStringLiteral("edt5"))));
    };
    const auto centreHorizontally = [this] {
        if (!text(QStringLiteral("edt2")).isEmpty())
            setText(QStringLiteral("lbl11"),
                    pagewidgets::halfDifference(text(QStringLiteral("edt2")), text(QStringLiteral("edt6"))));
    };
    on(QStringLiteral("edt1Change"), centreVertically);
    on(QStringLiteral("edt5Change"), centreVertically);
    on(QStringLiteral("edt2Change"), centreHorizontally);
    on(QStringLiteral("edt6Change"), centreHorizontally);
    on(QStringLiteral("cbb1Change"), [this] {
        place(QStringLiteral("cbb1"),
              {QStringLiteral("居顶"), QStringLiteral("居中"), QStringLiteral("居下")},
              QStringLiteral("edt1"), QStringLiteral("edt5"), QStringLiteral("lbl10"));
    });
    on(QStringLiteral("cbb2Change"), [this] {
        place(QStringLiteral("cbb2"),
              {QStringLiteral("居左"), QStringLiteral("居中"), QStringLiteral("居右")},
              QStringLiteral("edt2"), QStringLiteral("edt6"), QStringLiteral("lbl11"));
    });
    const auto help = [this] { message(QStringLiteral("店铺地址不含前面的http://")); };
    on(QStringLiteral("lbl12Click"), help);
    on(QStringLiteral("lbl13Click"), help);
    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), liuyanbanSnippet(input()), core::kCopiedForShop); });
}

// Start, centre or end of the block: the offset is 0, half the spare room or
// all of it; another text leaves the offset as it was.
void TFrmliuyanban::place(const QString& combo, const QStringList& places, const QString& block,
                          const QString& area, const QString& offset) {
    const qsizetype chosen = places.indexOf(text(combo));
    if (chosen == 0)
        setText(offset, QStringLiteral("0"));
    else if (chosen == 1)
        setText(offset, pagewidgets::halfDifference(text(block), text(area)));
    else if (chosen == 2)
        setText(offset, pagewidgets::difference(text(block), text(area)));
}

LiuyanbanInput TFrmliuyanban::input() const {
    LiuyanbanInput in;
    in.width = text(QStringLiteral("edt2"));
    in.height = text(QStringLiteral("edt1"));
    in.colour = text(QStringLiteral("edt4"));
    in.picture = text(QStringLiteral("edt3"));
    in.areaWidth = text(QStringLiteral("edt6"));
    in.areaHeight = text(QStringLiteral("edt5"));
    in.top = text(QStringLiteral("lbl10"));
    in.left = text(QStringLiteral("lbl11"));
    in.shop = text(QStringLiteral("edt7"));
    return in;
}

QString liuyanbanSnippet(const LiuyanbanInput& in) {
    const QString& s = in.shop;
    return QStringLiteral("<div style=\"position:relative;width:") + in.width + QStringLiteral("px;height:") +
           in.height + QStringLiteral("px;background-image:url(") + in.picture +
           QStringLiteral("); background-color:") + in.colour + QStringLiteral(";\"> ") +
           QStringLiteral("<div class=\"footer-more-trigger sn-simple-logo\" style=\"overflow:auto;height:") +
           in.areaHeight + QStringLiteral("px;width:") + in.areaWidth + QStringLiteral("px;top:") + in.top +
           QStringLiteral("px;left:") + in.left + QStringLiteral("px;border:0;margin:0;padding:0;\">") +
           QStringLiteral("<div class=\"sns-widget\" data-comment=\"{") + kBreaks +
           QStringLiteral("&quot;isAutoHeight&quot;:true,") + kBreaks +
           QStringLiteral("&quot;param&quot;:{") + kBreaks + QStringLiteral("&quot;target_key&quot;:&quot;") +
           s + QStringLiteral("&quot;,") + kBreaks +
           QStringLiteral("&quot;type_id&quot;:&quot;1100035&quot;,") + kBreaks +
           QStringLiteral("&quot;rec_user_id&quot;:&quot;-1&quot;,") + kBreaks +
           QStringLiteral("&quot;view&quot;:&quot;detail_list&quot;,") + kBreaks +
           QStringLiteral("&quot;title&quot;:&quot;") + s + QStringLiteral("&quot;,") + kBreaks +
           QStringLiteral(" &quot;moreurl&quot;:&quot;") + s + QStringLiteral("&quot; },") + kBreaks +
           QStringLiteral("&quot;paramList&quot;:{&quot;view&quot;:&quot;list_trunPage&quot;}}\"> ") +
           QStringLiteral("&nbsp;</div></div></div>");
}

QINGWU_WINDOW(
    TFrmliuyanban,
    {.order = 680,
     .tile = core::Tile{.page = u"tstuiyi1", .row = 2, .column = 1, .image = u"img123", .caption = u"留言板"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return liuyanbanSnippet(LiuyanbanInput()); }})

} // namespace generators
