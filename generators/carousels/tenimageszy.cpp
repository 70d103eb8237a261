#include "generators/carousels/tenimageszy.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

// Design names of row k (1-based, top to bottom): picture and link.
QString pictureField(int k) {
    static const int numbers[] = {3, 4, 6, 5, 10, 9, 8, 7, 12, 11};
    return QStringLiteral("edt%1").arg(numbers[k - 1]);
}
QString linkField(int k) {
    static const int numbers[] = {16, 15, 14, 13, 20, 19, 18, 17, 22, 21};
    return QStringLiteral("edt%1").arg(numbers[k - 1]);
}

// The strip's carousel, held by lbl4.
const QString kWidget =
    widgets::circular(QStringLiteral("easeNone"), QStringLiteral("3"), QStringLiteral("3"));

} // namespace

TFrmtenimageszy::TFrmtenimageszy()
    : CarouselForm(QStringLiteral("TFrmtenimageszy"), QStringLiteral("专业版10图无限轮播")) {
    setClientSize(865, 656);
    const TenimageszyInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 865, 121), QStringLiteral("专业版10图无限轮播"));

    QGroupBox* sizes =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 127, 849, 60), QStringLiteral("输出参数"));
    addCaption(sizes, QRect(10, 26, 70, 22), QStringLiteral("图片高度："));
    addEdit(sizes, QStringLiteral("edt1"), QRect(80, 24, 60, 24), defaults.height);
    addCaption(sizes, QRect(154, 26, 70, 22), QStringLiteral("图片宽度："));
    addEdit(sizes, QStringLiteral("edt2"), QRect(224, 24, 60, 24), defaults.width);
    addCaption(sizes, QRect(298, 26, 70, 22), QStringLiteral("图片间隔："));
    addEdit(sizes, QStringLiteral("edt23"), QRect(368, 24, 60, 24), defaults.gap);
    QLabel* clear =
        addLabel(sizes, QStringLiteral("lbl5"), QRect(450, 26, 70, 22), QStringLiteral("清空重来"));
    clear->setCursor(Qt::PointingHandCursor);
    addButton(sizes, QStringLiteral("btn2"), QRect(620, 20, 100, 32), QStringLiteral("预览代码"));
    addButton(sizes, QStringLiteral("btn1"), QRect(732, 20, 100, 32), QStringLiteral("生成代码"));

    QGroupBox* rows =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 193, 849, 455), QStringLiteral("图片参数"));
    addPictureRows(rows, 10, {24, 43, 70, 480, 626, 210}, pictureField, linkField, defaults.pictures,
                   defaults.links);

    addOutputMemo(QStringLiteral("mmo1"));
    addHolder(QStringLiteral("lbl4"), kWidget);

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), tenimageszySnippet(input()), core::kCopiedForShop); });
    on(QStringLiteral("btn2Click"), [this] {
        if (text(QStringLiteral("mmo1")).isEmpty()) {
            message(QStringLiteral("开神马国际玩笑，空空如也，先点生成在点预览哦！"));
            return;
        }
        copyOut(QStringLiteral("mmo1"), QStringLiteral("代码已被复制，将代码粘贴到预览框中点击预览即可！"));
    });
    on(QStringLiteral("lbl5Click"), [this] {
        clearEdits();
        message(QStringLiteral("已清空！"));
    });
}

TenimageszyInput::TenimageszyInput()
    : links(10, QStringLiteral("#")) {
    for (int k = 1; k <= 10; ++k)
        pictures << widgets::samplePicture(QStringLiteral("strip-%1.jpg").arg(k));
}

TenimageszyInput TFrmtenimageszy::input() const {
    TenimageszyInput in;
    in.height = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("edt2"));
    in.gap = text(QStringLiteral("edt23"));
    for (int k = 1; k <= 10; ++k) {
        in.pictures[k - 1] = text(pictureField(k));
        in.links[k - 1] = text(linkField(k));
    }
    return in;
}

QString tenimageszySnippet(const TenimageszyInput& in) {
    const QString& h = in.height;
    const QString& w = in.width;
    const QString& g = in.gap;

    // The professional edition's full-width wrapper: the inner block sits
    // (1920 - 950) / 2 px left of the content column.
    QString out = widgets::creditBox(QStringLiteral("height:") + h + QStringLiteral("px;"));
    out += QStringLiteral("<div class=\"footer-more-trigger\" style=\"left:50%;width:1920px;height:") + h +
           QStringLiteral("px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\">");
    out += QStringLiteral("<div class=\"footer-more-trigger\" "
                          "style=\"left:-485px;top:auto;border:none;padding:0;width:1920px;"
                          "height:") +
           h + QStringLiteral("px;\">");
    out += kWidget;
    out += QStringLiteral("<div align=\"box\" style=\"width:1920px;margin-left:0px;\"><div "
                          "style=\"width:1920px;height:") +
           h + QStringLiteral("px;overflow:hidden;font-family:arial\">") + widgets::circularList();
    for (int k = 1; k <= 10; ++k) {
        out += QStringLiteral("<li style=\"width:") + w + QStringLiteral("px;height:") + h +
               QStringLiteral("px;margin-right:") + g +
               QStringLiteral("px; text-align: center; float:left; display: block; \"><a href=\"") +
               in.links[k - 1] + QStringLiteral("\" target=\"_blank\" style=\"width:") + w +
               QStringLiteral("px;height:") + h + QStringLiteral("px;background: url(") + in.pictures[k - 1] +
               QStringLiteral(") no-repeat center;display: block;\"></a></li>");
    }
    // The hidden trigger list only gives the widget a trigger container.
    out += QStringLiteral("</ul></div><ul class=\"nav\" style=\"display: "
                          "none;\"><li>?</li></ul></div></div></div></div></div>");
    return out;
}

QINGWU_WINDOW(
    TFrmtenimageszy,
    {.order = 490,
     .tile = core::Tile{.page = u"ts8", .row = 3, .column = 3, .image = u"img64", .caption = u"10图无限轮播"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     // Square pictures.
     .sample = [] {
         TenimageszyInput in;
         in.height = QStringLiteral("260");
         in.width = QStringLiteral("260");
         return tenimageszySnippet(in);
     }})

} // namespace generators
