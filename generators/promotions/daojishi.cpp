#include "generators/promotions/daojishi.h"

#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/shared.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

const QString kBuilt = QStringLiteral("你真是天才，继续往下操作吧！");

// One counter cell: its style tail, unit class, digits, unit and closing texts.
struct Cell {
    QString style, unitClass, digits, unitOpen, unit, unitClose, close;
};

const QString kCellStyle = QStringLiteral("px;text-align:center;color:#fff;font-family:微软雅黑;font-size:"
                                          "18px;font-weight:normal;;display:inline;\">");

const Cell kCells[] = {
    {kCellStyle, QStringLiteral("ks-d"), QStringLiteral("00"),
     QStringLiteral("<span style=\"display:inline\">"), QStringLiteral("天"), QStringLiteral("</span>"),
     QStringLiteral("</div>")},
    {kCellStyle, QStringLiteral("ks-h"), QStringLiteral("00"),
     QStringLiteral("<span style=\"display:inline\">"), QStringLiteral("时"), QStringLiteral("</span> "),
     QStringLiteral(" </div> ")},
    {kCellStyle, QStringLiteral("ks-m"), QStringLiteral("00 "),
     QStringLiteral("<span style=\"display:inline\"> "), QStringLiteral("分"), QStringLiteral("</span>"),
     QStringLiteral("</div>")},
    {QStringLiteral(
         "px;;text-align:center;color:#fff;font-family:微软雅黑;font-size:18px;font-weight:normal;;"
         "display:inline;\">"),
     QStringLiteral("ks-s"), QStringLiteral(" 00 "), QStringLiteral("<span style=\"display:inline\"> "),
     QStringLiteral("秒"), QStringLiteral("</span> "), QStringLiteral("</div>")},
};

// Names the product in the module's title.
const QString kCredit = QStringLiteral("青梧美工全屏倒计时");

} // namespace

Tfrmdaojishi::Tfrmdaojishi()
    : core::Form(QStringLiteral("Tfrmdaojishi"), QStringLiteral("全屏倒计时")) {
    setClientSize(1338, 685);
    const DaojishiInput defaults;

    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(291, 6, 1041, 673);

    auto row = [&](QWidget* group, int y, const QString& caption, const QString& name, const QString& value,
                   const QString& unit = {}) {
        addCaption(group, QRect(10, y + 2, 70, 22), caption);
        addEdit(group, name, QRect(80, y, unit.isEmpty() ? 180 : 150, 24), value);
        if (!unit.isEmpty()) addCaption(group, QRect(234, y + 2, 26, 22), unit);
    };

    QGroupBox* timer =
        addGroup(this, QStringLiteral("grp1"), QRect(6, 6, 279, 160), QStringLiteral("倒计时设置"));
    row(timer, 24, QStringLiteral("结束时间："), QStringLiteral("edt1"), defaults.end);
    row(timer, 56, QStringLiteral("高度："), QStringLiteral("edt2"), defaults.height, QStringLiteral("px"));
    row(timer, 88, QStringLiteral("背景图："), QStringLiteral("edt3"), defaults.boxPicture);
    addButton(timer, QStringLiteral("btn1"), QRect(10, 120, 120, 32), QStringLiteral("生成倒计时"));
    addButton(timer, QStringLiteral("btn7"), QRect(140, 120, 60, 32), QStringLiteral("预览"));
    addButton(timer, QStringLiteral("btn5"), QRect(206, 120, 64, 32), QStringLiteral("单独提取"));

    QGroupBox* poster =
        addGroup(this, QStringLiteral("grp2"), QRect(6, 174, 279, 124), QStringLiteral("海报设置"));
    row(poster, 24, QStringLiteral("图片地址："), QStringLiteral("edt6"), defaults.poster);
    row(poster, 56, QStringLiteral("高度："), QStringLiteral("edt5"), defaults.posterHeight,
        QStringLiteral("px"));
    addCaption(poster, QRect(10, 90, 70, 22), QStringLiteral("宽度："));
    addCaption(poster, QRect(80, 90, 150, 22), QStringLiteral("1920"));
    addCaption(poster, QRect(234, 90, 26, 22), QStringLiteral("px"));

    QGroupBox* place =
        addGroup(this, QStringLiteral("grp3"), QRect(6, 306, 279, 160), QStringLiteral("位置调试"));
    row(place, 24, QStringLiteral("居顶："), QStringLiteral("edt4"), defaults.top, QStringLiteral("px"));
    row(place, 56, QStringLiteral("居左："), QStringLiteral("edt7"), defaults.left, QStringLiteral("px"));
    addButton(place, QStringLiteral("btn6"), QRect(10, 92, 80, 32), QStringLiteral("调试"));
    addButton(place, QStringLiteral("btn4"), QRect(100, 92, 110, 32), QStringLiteral("确定该位置"));
    QLabel* help = addLabel(place, QStringLiteral("lbl12"), QRect(220, 98, 40, 22), QStringLiteral("帮助"));
    help->setCursor(Qt::PointingHandCursor);
    help->setStyleSheet(QStringLiteral("color:#0000FF; text-decoration:underline;"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp4"), QRect(6, 474, 279, 90), QStringLiteral("输出"));
    addButton(output, QStringLiteral("btn3"), QRect(10, 28, 259, 44), QStringLiteral("生成并提取代码"));

    addOutputMemo(QStringLiteral("mmo1"), core::textLines(defaults.countdown));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});
    addOutputMemo(QStringLiteral("mmo3"), {QStringLiteral("mmo3")});

    const auto build = [this] {
        setText(QStringLiteral("mmo1"), daojishiCountdown(input()));
        message(kBuilt);
    };
    on(QStringLiteral("btn1Click"), build);
    on(QStringLiteral("btn4Click"), build);
    on(QStringLiteral("btn7Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成倒计时，再预览！"))) return;
        core::savePageLines(*this, QStringLiteral("mmo1"), core::sharedPreviewPage());
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), core::sharedPreviewPage());
    });
    on(QStringLiteral("btn5Click"), [this] {
        message(
            QStringLiteral(
                "如果你是美工，且懂得HTML的div布局可以单独提取代码，后自己加工，反之可以忽略此按钮！呵呵"),
            QStringLiteral("提示信息框"));
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成倒计时，再单独提取！"))) return;
        copyOut(QStringLiteral("mmo1"), QStringLiteral("代码已被复制，可以粘贴到您的自定义布局中了！"));
    });
    on(QStringLiteral("btn6Click"), [this] {
        setText(QStringLiteral("mmo3"), daojishiPositionPage(input()));
        core::savePageLines(*this, QStringLiteral("mmo3"), core::sharedPreviewPage());
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), core::sharedPreviewPage());
    });
    on(QStringLiteral("lbl12Click"),
       [this] { message(QStringLiteral("调试的时候会出现文字消失，属于正常，最终不影响效果！")); });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成倒计时，再生成并提取代码！")))
            return;
        deliver(
            QStringLiteral("mmo2"), daojishiFullScreen(input()),
            QStringLiteral("代码已被复制，可以粘贴到店铺自定义了，如果是基础版请粘贴到190版块的自定义中！"));
    });
}

DaojishiInput Tfrmdaojishi::input() const {
    DaojishiInput in;
    in.end = text(QStringLiteral("edt1"));
    in.height = text(QStringLiteral("edt2"));
    in.boxPicture = text(QStringLiteral("edt3"));
    in.poster = text(QStringLiteral("edt6"));
    in.posterHeight = text(QStringLiteral("edt5"));
    in.top = text(QStringLiteral("edt4"));
    in.left = text(QStringLiteral("edt7"));
    in.countdown = text(QStringLiteral("mmo1"));
    return in;
}

QString daojishiCountdown(const DaojishiInput& in) {
    const QString& h = in.height;
    QString out;
    out += QStringLiteral("<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" "
                          "style=\"z-index:5;background-color:transparent;top:") +
           in.top + QStringLiteral("px;left:") + in.left + QStringLiteral("px;width:358px;height:") + h +
           QStringLiteral("px;background-image:url(") + in.boxPicture + QStringLiteral(");");
    out += QStringLiteral("background-repeat:no-repeat;border:0;padding:0;\"data-widget-type=\"Countdown\" "
                          "data-widget-config=\"{'endTime':'") +
           in.end;
    out += QStringLiteral(
        "  00:00:00','interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': "
        "'.ks-d','h': '.ks-h','m': '.ks-m','s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': "
        "'.time-e'}\"><div class=\"time-run\">");
    for (const Cell& cell : kCells)
        out += QStringLiteral("<div style=\"float:left;width:89px;height:") + h +
               QStringLiteral("px;line-height:") + h + cell.style + QStringLiteral("<span class=\"") +
               cell.unitClass + QStringLiteral("\">") + cell.digits + QStringLiteral("</span>") +
               cell.unitOpen + cell.unit + cell.unitClose + cell.close;
    out += QStringLiteral("</div><div class=\"time-e\" style=\"display:none\">已结束 </div> </div>");
    return out;
}

QString daojishiFullScreen(const DaojishiInput& in) {
    const QString& p = in.posterHeight;
    QString out;
    out += QStringLiteral("<div class=\"ReDazu\" data-title=\"") + kCredit +
           QStringLiteral("\" style=\"width:950px;height:") + p + QStringLiteral("px;\"> ");
    out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"width:950px;height:") + p +
           QStringLiteral("px;border:0;padding:0;top:auto;left:auto;background-color:transparent;\">");
    out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"width:1920px;height:") + p +
           QStringLiteral("px;border:0;padding:0;top:0;left:0;background-color:transparent;\">");
    out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" "
                          "style=\"border:0;padding:0;width:1920px;height:") +
           p + QStringLiteral("px;top:auto;left:-485px;background-color:;background-image:url(") + in.poster +
           QStringLiteral(");background-repeat:no-repeat;background-position:center "
                          "top;background-attachment:scroll;\"></div>");
    out += in.countdown;
    out += QStringLiteral("</div></div></div>");
    return out;
}

QString daojishiPositionPage(const DaojishiInput& in) {
    QString out;
    out += QStringLiteral("<div style=\"background:url(") + in.poster +
           QStringLiteral("); width:1920px; height:400px;\"> ");
    out += QStringLiteral("<div style=\"margin-left:485px; width:950px;\">");
    out += QStringLiteral("<div style=\"margin-top:") + in.top + QStringLiteral("px; margin-left:") +
           in.left + QStringLiteral("px;\"> <img src=\"") + in.boxPicture + QStringLiteral("\"  height=\"") +
           in.height + QStringLiteral("\" width=\"358\"  alt=\"\"/></div>");
    out += QStringLiteral("</div></div>");
    return out;
}

QINGWU_WINDOW(Tfrmdaojishi, {.order = 730,
                             .tile = core::Tile{.page = u"tstuiyi1",
                                                .row = 3,
                                                .column = 3,
                                                .image = u"img11",
                                                .caption = u"全屏倒计时"},
                             .preview = core::ShopPreview{.place = core::Place::Home, .output = u"mmo1"},
                             .sample = [] { return daojishiCountdown(DaojishiInput()); }})

} // namespace generators
