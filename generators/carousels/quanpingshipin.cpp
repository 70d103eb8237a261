#include "generators/carousels/quanpingshipin.h"

#include "core/files.h"
#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace generators {

namespace {

const QString kSampleVideo =
    QStringLiteral("https://cloud.video.taobao.com/play/u/qingwu/p/1/e/1/t/1/player.swf");
const QString kSampleBackground =
    QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/video-back-1920x500.jpg");

// The preview page written by "调试位置".
} // namespace

Tfrmquanpingshipin::Tfrmquanpingshipin()
    : core::Form(QStringLiteral("Tfrmquanpingshipin"),
                 QStringLiteral("任意尺寸视频+背景，支持热点，支持自定义！")) {
    resize(1347, 687);
    const QuanpingshipinInput defaults;

    // A fixed parameter column on the left; the web view takes the rest.
    auto* column = new QWidget(this);
    column->setFixedWidth(241);
    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(column);
    layout->addWidget(view, 1);

    QGroupBox* params =
        addGroup(column, QStringLiteral("grp1"), QRect(6, 6, 229, 675), QStringLiteral("参数设置"));
    addCombo(params, QStringLiteral("cbb1"), QRect(10, 24, 209, 24),
             {QStringLiteral("专业版"), QStringLiteral("基础版"), QStringLiteral("天猫版")},
             QStringLiteral("专业版"));
    auto row = [&](int y, const QString& caption, const QString& name, const QString& value) {
        addCaption(params, QRect(10, y, 100, 24), caption);
        addEdit(params, name, QRect(110, y, 109, 24), value);
    };
    row(60, QStringLiteral("版块宽度："), QStringLiteral("edt1"), defaults.width);
    row(92, QStringLiteral("版块高度："), QStringLiteral("edt2"), defaults.height);
    addCaption(params, QRect(10, 124, 209, 22), QStringLiteral("淘宝视频地址："));
    addEdit(params, QStringLiteral("edt3"), QRect(10, 146, 209, 24), defaults.video);
    addCaption(params, QRect(10, 178, 209, 22), QStringLiteral("背景图片地址："));
    addEdit(params, QStringLiteral("edt8"), QRect(10, 200, 209, 24), defaults.background);
    row(236, QStringLiteral("视频宽度："), QStringLiteral("edt4"), defaults.videoWidth);
    row(268, QStringLiteral("视频高度："), QStringLiteral("edt5"), defaults.videoHeight);
    row(300, QStringLiteral("居左距离："), QStringLiteral("edt6"), defaults.left);
    auto slider = [&](const QString& name, int y, int maximum, int position) {
        auto* bar = new QSlider(Qt::Horizontal, params);
        bar->setObjectName(name);
        bar->setGeometry(10, y, 209, 24);
        bar->setRange(0, maximum);
        bar->setValue(position);
    };
    slider(QStringLiteral("trckbr1"), 330, 1000, 2);
    row(364, QStringLiteral("居顶高度："), QStringLiteral("edt7"), defaults.top);
    slider(QStringLiteral("trckbr2"), 394, 400, 70);
    addButton(params, QStringLiteral("btn1"), QRect(10, 440, 209, 40), QStringLiteral("调试位置"));
    addButton(params, QStringLiteral("btn2"), QRect(10, 490, 209, 40), QStringLiteral("生成代码"));
    addButton(params, QStringLiteral("btn3"), QRect(10, 540, 209, 40), QStringLiteral("通栏转化"));

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("trckbr1Change"), [this] {
        setText(QStringLiteral("edt6"),
                QString::number(control<QSlider>(QStringLiteral("trckbr1"))->value()));
    });
    on(QStringLiteral("trckbr2Change"), [this] {
        setText(QStringLiteral("edt7"),
                QString::number(control<QSlider>(QStringLiteral("trckbr2"))->value()));
    });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), quanpingshipinSnippet(input()));
        core::savePageLines(*this, QStringLiteral("mmo1"), core::sharedPreviewPage());
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), core::sharedPreviewPage());
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试位置生成代码，再复制代码！")))
            return;
        copyOut(
            QStringLiteral("mmo1"),
            QStringLiteral(
                "代码已被复制，可以利用通栏模块生成通栏的代码或者把生成的代码复制到DW中给图片加热点后再生成"
                "通栏代码！"));
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试位置生成代码，再通栏转化！")))
            return;
        core::handToConverter({core::editionFromProfessionalFirst(text(QStringLiteral("cbb1"))), std::nullopt,
                               text(QStringLiteral("edt2")), text(QStringLiteral("mmo1"))});
    });
}

QuanpingshipinInput::QuanpingshipinInput()
    : background(kSampleBackground)
    , video(kSampleVideo) {}

QuanpingshipinInput Tfrmquanpingshipin::input() const {
    QuanpingshipinInput in;
    in.background = text(QStringLiteral("edt8"));
    in.width = text(QStringLiteral("edt1"));
    in.height = text(QStringLiteral("edt2"));
    in.video = text(QStringLiteral("edt3"));
    in.videoWidth = text(QStringLiteral("edt4"));
    in.videoHeight = text(QStringLiteral("edt5"));
    in.left = text(QStringLiteral("edt6"));
    in.top = text(QStringLiteral("edt7"));
    return in;
}

QString quanpingshipinSnippet(const QuanpingshipinInput& in) {
    const QString& h = in.height;
    // The block after the picture starts at its bottom edge: lifting it by H - Y
    // puts the player Y px below the picture's top. A top offset beyond the
    // height moves it down instead.
    const double lift = core::finite(core::parseFloat(h) - core::parseFloat(in.top), h);
    const QString top = lift < 0 ? core::formatFloat(-lift) : QStringLiteral("-") + core::formatFloat(lift);

    QString out;
    out += QStringLiteral("<img src=\"") + in.background +
           QStringLiteral("\" alt=\"青梧美工淘宝视频编辑器\" width=\"") + in.width +
           QStringLiteral("\" height=\"") + h + QStringLiteral("\"/>");
    out += QStringLiteral("<div style=\"position:relative; left:") + in.left + QStringLiteral("px; top:") +
           top + QStringLiteral("px\">");
    out += QStringLiteral("<embed src=\"") + in.video + QStringLiteral("\" quality=\"high\" width=\"") +
           in.videoWidth + QStringLiteral("\" height=\"") + in.videoHeight +
           QStringLiteral(
               "\" align=\"middle\" type=\"application/x-shockwave-flash\" allowscriptaccess=\"never\" "
               "flashvars=\"scene=taobao_shop\"> </embed></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmquanpingshipin,
    {.order = 370,
     .tile = core::Tile{.page = u"ts7", .row = 5, .column = 2, .image = u"img36", .caption = u"视频通栏"},
     .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"mmo1"},
     .sample = [] { return quanpingshipinSnippet(QuanpingshipinInput()); }})

} // namespace generators
