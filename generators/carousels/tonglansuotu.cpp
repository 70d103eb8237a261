#include "generators/carousels/tonglansuotu.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/kavri126.h"

#include <QFrame>
#include <QTabWidget>

namespace generators {

namespace {

QString samplePoster(int k) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/poster-1920x500-%1.jpg").arg(k);
}

QString sampleThumbnail(int k) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/thumb-230x90-%1.jpg").arg(k);
}

// Design names of row k (1-based): poster, thumbnail and link.
QString posterField(int k) {
    return QStringLiteral("edt%1").arg(2 * k);
}
QString thumbnailField(int k) {
    return QStringLiteral("edt%1").arg(9 + k);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 1);
}

QString thumbnail(const QString& picture) {
    return QStringLiteral(
               "<div style=\" width:230px; height:90px; float:left; margin-right:10px;\" ><img src=\"") +
           picture + QStringLiteral("\"  width=\"230\" height=\"90\"/></div>");
}

const QString kArrows = QStringLiteral(
    "<div class=\"kavri_126shang\" style=\"width:90px; height:90px; position:relative; left:410px; "
    "top:-400px;cursor:pointer; font-size:80px; color:#333;float:left; font-family:simhei\"><</div><div  "
    "class=\"kavri_126xia\" style=\"width:90px; height:90px; position:relative; left:1420px; "
    "top:-400px;cursor:pointer; font-size:80px;color:#333;float:left; "
    "font-family:simhei\">></div></div></div>");

} // namespace

Tfrmtonglansuotu::Tfrmtonglansuotu()
    : core::Form(QStringLiteral("Tfrmtonglansuotu"), QStringLiteral("通栏缩略图轮播")) {
    setClientSize(1046, 635);
    const TonglansuotuInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 1046, 250), QStringLiteral("通栏缩略图轮播"));

    // The output memo lies under the page control and is not seen.
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, 252, 1046, 48);
    addCombo(panel, QStringLiteral("cbb2"), QRect(10, 12, 100, 24),
             {QStringLiteral("基础版"), QStringLiteral("专业版"), QStringLiteral("天猫版")},
             QStringLiteral("专业版"));
    addCaption(panel, QRect(130, 14, 70, 22), QStringLiteral("海报张数："));
    addCombo(panel, QStringLiteral("cbb1"), QRect(200, 12, 70, 24),
             {QStringLiteral("2张"), QStringLiteral("3张"), QStringLiteral("4张")}, QStringLiteral("2张"));
    addCaption(panel, QRect(290, 14, 70, 22), QStringLiteral("海报高度："));
    addEdit(panel, QStringLiteral("edt1"), QRect(360, 12, 60, 24), defaults.height);
    addCaption(panel, QRect(424, 14, 24, 22), QStringLiteral("px"));
    addButton(panel, QStringLiteral("btn2"), QRect(760, 8, 130, 32), QStringLiteral("提取代码"));
    addButton(panel, QStringLiteral("btn1"), QRect(900, 8, 130, 32), QStringLiteral("转化通栏"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(0, 304, 1046, 331);
    auto* settings = new QWidget;
    settings->setObjectName(QStringLiteral("ts1"));
    pages->addTab(settings, QStringLiteral("      参数设置      "));
    auto* reference = new QWidget;
    reference->setObjectName(QStringLiteral("ts2"));
    pages->addTab(reference, QStringLiteral("      参照图      "));

    addCaption(
        settings, QRect(10, 8, 1020, 22),
        QStringLiteral("提示：需要做几张就填几张的数据,切勿将大图地址直接复制给缩略图，那样会很影响打开速度！"
                       "单独制作小图！~"));
    addCaption(settings, QRect(10, 34, 90, 22), QStringLiteral("海报张数："));
    addCaption(settings, QRect(110, 34, 130, 22), QStringLiteral("海报宽度：1920px"));
    addCaption(settings, QRect(250, 34, 90, 22), QStringLiteral("海报高度："));
    addCaption(settings, QRect(350, 34, 130, 22), QStringLiteral("缩略图宽度：230px"));
    addCaption(settings, QRect(490, 34, 90, 22), QStringLiteral("高度：90px"));
    for (int k = 1; k <= 4; ++k) {
        const int y = 66 + 56 * (k - 1);
        addCaption(settings, QRect(10, y, 80, 22), QStringLiteral("大图%1地址：").arg(k));
        addEdit(settings, posterField(k), QRect(90, y, 400, 24), defaults.posters[k - 1]);
        addCaption(settings, QRect(500, y, 80, 22), QStringLiteral("缩略图地址："));
        addEdit(settings, thumbnailField(k), QRect(580, y, 440, 24), defaults.thumbnails[k - 1]);
        addCaption(settings, QRect(10, y + 26, 80, 22), QStringLiteral("链接地址："));
        addEdit(settings, linkField(k), QRect(90, y + 26, 400, 24), defaults.links[k - 1]);
    }
    core::addPreviewPicture(reference, QRect(10, 10, 1020, 280), QStringLiteral("箭头加缩略图"));

    // Width and left offset of the thumbnail strip.
    addHolder(QStringLiteral("lbl4"), defaults.stripWidth);
    addHolder(QStringLiteral("lbl5"), defaults.stripLeft);
    addHolder(QStringLiteral("lbl6"), kavri126::widget());

    on(QStringLiteral("cbb1Change"), [this] {
        // The strip of n thumbnails (230 px and a 10 px gap each) is centred on the banner.
        const QString count = text(QStringLiteral("cbb1"));
        if (count == QStringLiteral("2张")) {
            setText(QStringLiteral("lbl4"), QStringLiteral("480"));
            setText(QStringLiteral("lbl5"), QStringLiteral("720"));
        } else if (count == QStringLiteral("3张")) {
            setText(QStringLiteral("lbl4"), QStringLiteral("720"));
            setText(QStringLiteral("lbl5"), QStringLiteral("600"));
        } else {
            setText(QStringLiteral("lbl4"), QStringLiteral("960"));
            setText(QStringLiteral("lbl5"), QStringLiteral("480"));
        }
    });
    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"), tonglansuotuSnippet(input()),
                QStringLiteral("代码已被复制，记得拿通栏版块转化一下再安装哦！"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), core::generateFirst())) return;
        core::handToConverter({core::editionFromProfessionalFirst(text(QStringLiteral("cbb2"))),
                               QStringLiteral("1920"), text(QStringLiteral("edt1")),
                               text(QStringLiteral("mmo1"))});
    });
}

TonglansuotuInput::TonglansuotuInput()
    : links(4, QStringLiteral("#")) {
    for (int k = 1; k <= 4; ++k) {
        posters << samplePoster(k);
        thumbnails << sampleThumbnail(k);
    }
}

TonglansuotuInput Tfrmtonglansuotu::input() const {
    TonglansuotuInput in;
    const QString count = text(QStringLiteral("cbb1"));
    in.slides = count == QStringLiteral("2张") ? 2 : count == QStringLiteral("3张") ? 3 : 4;
    in.height = text(QStringLiteral("edt1"));
    in.stripWidth = text(QStringLiteral("lbl4"));
    in.stripLeft = text(QStringLiteral("lbl5"));
    for (int k = 1; k <= 4; ++k) {
        in.posters[k - 1] = text(posterField(k));
        in.links[k - 1] = text(linkField(k));
        in.thumbnails[k - 1] = text(thumbnailField(k));
    }
    return in;
}

QString tonglansuotuSnippet(const TonglansuotuInput& in) {
    const QString& h = in.height;
    const int n = in.slides;

    QString out = kavri126::box(h);
    out += kavri126::widget();
    out += kavri126::panels(h);
    for (int k = 1; k <= n; ++k)
        out += kavri126::slide(h, in.links[k - 1], in.posters[k - 1]);
    out += QStringLiteral("</div></div>");
    out += QStringLiteral("<div style=\"width:") + in.stripWidth +
           QStringLiteral("px; height:90px; position:relative; left:") + in.stripLeft +
           QStringLiteral("px; top:-100px;\"><div class=\"kavri_126nav\">");
    for (int k = 1; k <= n; ++k)
        out += thumbnail(in.thumbnails[k - 1]);
    out += QStringLiteral("</div></div>");
    out += kArrows;
    return out;
}

QINGWU_WINDOW(Tfrmtonglansuotu, {.order = 240,
                                 .tile = core::Tile{.page = u"ts11",
                                                    .row = 3,
                                                    .column = 1,
                                                    .image = u"img137",
                                                    .caption = u"通栏缩略图轮播"},
                                 .preview = core::ShopPreview{.place = core::Place::Wide},
                                 .sample = [] { return tonglansuotuSnippet(TonglansuotuInput()); }})

} // namespace generators
