#include "generators/lists/rowflip.h"

#include "core/failure.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/hovereffects.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace generators {

namespace {

const QString kUnset = QStringLiteral("?????");
const QString kSampleFront =
    QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/flip-front-310x300.jpg");
const QString kSampleBack = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/flip-back-310x300.jpg");
const QString kHelp =
    QStringLiteral("正常情况下无需启动，如果该效果在当前页面多次使用使启用，修改！例如原来是82，你可以修改为"
                   "83，这样话避免版块冲突！用几次该板块需要修改几次！");

QString frontField(int row) {
    return QStringLiteral("edttu%1").arg(row);
}
QString linkField(int row) {
    return QStringLiteral("edtlian%1").arg(row);
}
QString rowLabel(int row) {
    return QStringLiteral("lbl0%1").arg(row);
}

// The popup head for the class "kavri" + number + row.
hover::PopupHead popupHead() {
    return {hover::kPopupHead.open + QStringLiteral("kavri"),
            hover::kPopupHead.align + QStringLiteral("kavri"), hover::kPopupHead.close};
}

// The picture of one side, sized like the cell.
QString sized(const QString& src, const QString& width, const QString& height) {
    return QStringLiteral("<img src=\"") + src + QStringLiteral("\" width=\"") + width +
           QStringLiteral("\" height=\"") + height + QStringLiteral("\"/>");
}

} // namespace

RowFlipInput::RowFlipInput(RowFlipBack back)
    : back(back)
    , fronts(4, kSampleFront)
    , backs(4, back == RowFlipBack::Picture ? kSampleBack : QString())
    , links(4, QStringLiteral("#")) {}

RowFlipForm::RowFlipForm(const QString& className, RowFlipBack back, const QString& help)
    : core::Form(className, QStringLiteral("图片翻转效果"))
    , m_back(back) {
    const RowFlipInput defaults(back);
    const bool custom = back == RowFlipBack::CustomHtml;
    const int rowHeight = custom ? 64 : 30;
    setClientSize(780, 150 + 4 * rowHeight);

    QGroupBox* settings =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 6, 764, 92), QStringLiteral("参数设置"));
    addButton(settings, QStringLiteral("btnshezhi"), QRect(12, 24, 70, 28), QStringLiteral("总参数"));
    addCaption(settings, QRect(96, 28, 70, 22), QStringLiteral("单图宽度："));
    addLabel(settings, QStringLiteral("lblkuan"), QRect(166, 28, 50, 22), defaults.width);
    addCaption(settings, QRect(226, 28, 70, 22), QStringLiteral("单图高度："));
    addEdit(settings, QStringLiteral("edtgao"), QRect(296, 26, 50, 24), defaults.height);
    addCheck(settings, QStringLiteral("chkclass"), QRect(362, 26, 84, 24), QStringLiteral("启用class"));
    addEdit(settings, QStringLiteral("edtclass"), QRect(450, 26, 40, 24), defaults.classNumber)
        ->setEnabled(false);
    hover::styleAsLink(
        addLabel(settings, QStringLiteral("lbl4"), QRect(504, 28, 40, 22), QStringLiteral("帮助")));
    addButton(settings, QStringLiteral("btnall"), QRect(620, 20, 130, 34), QStringLiteral("生成提取代码"));

    const int top = 108;
    addCaption(this, QRect(12, top, 24, 22), QStringLiteral("序"));
    addCaption(this, QRect(40, top, 250, 22), QStringLiteral("正面"));
    addCaption(this, QRect(300, top, 300, 22),
               custom ? QStringLiteral("反面自定义HTML代码") : QStringLiteral("反面"));
    addCaption(this, QRect(610, top, 160, 22), QStringLiteral("连接"));
    for (int row = 1; row <= 4; ++row) {
        const int y = top + 26 + (row - 1) * rowHeight;
        addLabel(this, rowLabel(row), QRect(12, y + 2, 24, 22), QString::number(row));
        QWidget* front = addEdit(this, frontField(row), QRect(40, y, 250, 24), defaults.fronts[row - 1]);
        QWidget* backSide =
            custom ? static_cast<QWidget*>(addMemo(this, backField(row), QRect(300, y, 300, rowHeight - 6)))
                   : addEdit(this, backField(row), QRect(300, y, 300, 24), defaults.backs[row - 1]);
        QWidget* link = addEdit(this, linkField(row), QRect(610, y, 160, 24), defaults.links[row - 1]);
        if (row == 4) {
            front->hide();
            backSide->hide();
            link->hide();
        }
    }

    // The settings panel, shown over the upper part of the window.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("rzpnl1"));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    panel->setGeometry(8, 6, 764, 92);
    addCombo(panel, QStringLiteral("cbbbanben"), QRect(12, 30, 90, 24),
             {QStringLiteral("专业版"), QStringLiteral("天猫版"), QStringLiteral("自定义")},
             QStringLiteral("专业版"));
    addRadioGroup(panel, QStringLiteral("rg1"), QRect(116, 8, 130, 72), QStringLiteral("张数"),
                  {QStringLiteral("3"), QStringLiteral("4")}, defaults.count, 2);
    addCaption(panel, QRect(262, 32, 84, 22), QStringLiteral("版块总宽度："));
    addEdit(panel, QStringLiteral("edtall"), QRect(346, 30, 60, 24), defaults.total);
    addButton(panel, QStringLiteral("btnok"), QRect(424, 26, 70, 30), QStringLiteral("设置"));
    panel->hide();

    const hover::PopupHead head = popupHead();
    addHolder(QStringLiteral("lbltop"), head.open);
    addHolder(QStringLiteral("lblcenter"), head.align);
    addHolder(QStringLiteral("lblbottom"), head.close);
    for (const QString& name :
         {QStringLiteral("mmodiv"), QStringLiteral("mmoclass"), QStringLiteral("mmoall")})
        addOutputMemo(name, {name});

    on(QStringLiteral("btnshezhiClick"), [panel] {
        panel->show();
        panel->raise();
    });
    on(QStringLiteral("cbbbanbenChange"), [this] {
        static const QStringList totals = {QStringLiteral("950"), QStringLiteral("990"),
                                           QStringLiteral("自定义")};
        const int item =
            control<QComboBox>(QStringLiteral("cbbbanben"))->findText(text(QStringLiteral("cbbbanben")));
        if (item >= 0) setText(QStringLiteral("edtall"), totals[item]);
    });
    on(QStringLiteral("rg1Click"), [this] {
        const bool four = control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex() == 1;
        for (const QString& field : {frontField(4), backField(4), linkField(4)})
            control(field)->setVisible(four);
    });
    on(QStringLiteral("btnokClick"), [this, panel] {
        panel->hide();
        setText(QStringLiteral("lblkuan"), rowFlipWidth(input()));
    });
    on(QStringLiteral("chkclassClick"), [this] {
        control(QStringLiteral("edtclass"))
            ->setEnabled(control<QAbstractButton>(QStringLiteral("chkclass"))->isChecked());
    });
    on(QStringLiteral("lbl4Click"), [this, help] { message(help); });
    on(QStringLiteral("btnallClick"), [this] { generate(); });
}

QString RowFlipForm::backField(int row) const {
    return (m_back == RowFlipBack::CustomHtml ? QStringLiteral("mmofan%1") : QStringLiteral("edtfan%1"))
        .arg(row);
}

RowFlipInput RowFlipForm::input() const {
    RowFlipInput in(m_back);
    in.count = control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex();
    in.total = text(QStringLiteral("edtall"));
    in.width = text(QStringLiteral("lblkuan"));
    in.height = text(QStringLiteral("edtgao"));
    in.classNumber = text(QStringLiteral("edtclass"));
    for (int row = 1; row <= 4; ++row) {
        in.fronts[row - 1] = text(frontField(row));
        in.backs[row - 1] = text(backField(row));
        in.links[row - 1] = text(linkField(row));
    }
    return in;
}

// N pictures of width W with a 10 px gap between them fill the total width.
QString rowFlipWidth(const RowFlipInput& in) {
    if (in.count < 0) return in.width;
    const double total = core::parseFloat(in.total);
    const double width = in.count == 0 ? (total - 20) / 3 : (total - 30) / 4;
    // A whole number of pixels must stay within 64 bits.
    if (!(std::fabs(width) < 9.0e18))
        core::fail(QStringLiteral("'%1' is not a valid floating point value").arg(in.total));
    return QString::number(static_cast<qint64>(std::trunc(width)));
}

core::Built rowFlipSnippet(const RowFlipInput& in) {
    return core::build([&](core::Built& built) {
        const int n = in.count == 0 ? 3 : in.count == 1 ? 4 : 0;
        const QString& width = in.width;
        const QString& height = in.height;
        const hover::PopupHead head = popupHead();
        QString fronts;
        QString popups;
        for (int row = 1; row <= n; ++row) {
            const QString cls = in.classNumber + QString::number(row);
            fronts += QStringLiteral("<div class=\"kavri") + cls + QStringLiteral("\" style=\"width:") +
                      width + QStringLiteral("px;height:") + height +
                      (row == 1 ? QStringLiteral("px;float:left;\" >")
                                : QStringLiteral("px;float:left;margin-left:10px; \" >")) +
                      sized(in.fronts[row - 1], width, height) + QStringLiteral("</div>");
            popups += head.of(cls) + QStringLiteral("<a href=\"") + in.links[row - 1] +
                      QStringLiteral("\" target=\"_blank\">") +
                      (in.back == RowFlipBack::Picture ? sized(in.backs[row - 1], width, height)
                                                       : in.backs[row - 1]) +
                      QStringLiteral("</a></div>");
        }
        built.update(QStringLiteral("mmodiv"), fronts);
        built.update(QStringLiteral("mmoclass"), popups);
        built.snippet = fronts + popups;
    });
}

void RowFlipForm::generate() {
    // Without a count or a computed width there is nothing sound to build.
    const RowFlipInput in = input();
    if (in.count < 0) {
        message(QStringLiteral("请先点击“总参数”，选择张数后点击“设置”！"));
        return;
    }
    if (in.width == kUnset) {
        message(QStringLiteral("请先点击“总参数”，点击“设置”算出单图宽度！"));
        return;
    }
    setText(QStringLiteral("mmoall"), core::applyBuilt(*this, rowFlipSnippet(in)));
    copyMemo(QStringLiteral("mmoall"));
    message(QStringLiteral("代码已生成并复制成功，如果您的自定义宽度超过版本类型限制，请通过本软件的通栏转化"
                           "进行转化后安装到店铺！"));
}

TFrmimgfanzhuan::TFrmimgfanzhuan()
    : RowFlipForm(QStringLiteral("TFrmimgfanzhuan"), RowFlipBack::Picture, kHelp) {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

TFrmzdyfanzhuan::TFrmzdyfanzhuan()
    : RowFlipForm(
          QStringLiteral("TFrmzdyfanzhuan"), RowFlipBack::CustomHtml,
          kHelp + QStringLiteral(
                      ",关于自定使用，您可以在反面自定义html代码框中输入您自己设定的代码，注意尺寸即可！")) {}

namespace {

// The sample row: four pictures on the row of the professional edition, as
// 总参数, "4" and 设置 make it.
QString sample(RowFlipInput in) {
    in.count = 1;
    in.width = rowFlipWidth(in);
    return rowFlipSnippet(in).snippet;
}

// A custom back for the sample: a block of colour with a call to buy.
QString sampleBack(const QString& colour, const QString& words) {
    return QStringLiteral(
               "<div style=\"height:300px;background:%1;color:#fff;font-size:30px;font-weight:bold;"
               "text-align:center;line-height:300px\">%2</div>")
        .arg(colour, words);
}

} // namespace

QINGWU_WINDOW(
    TFrmimgfanzhuan,
    {.order = 500,
     .tile = core::Tile{.page = u"ts8", .row = 4, .column = 1, .image = u"img50", .caption = u"图片翻转"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbbbanben"},
     .sample = [] { return sample(RowFlipInput(RowFlipBack::Picture)); }})
QINGWU_WINDOW(TFrmzdyfanzhuan,
              {.order = 510,
               .tile = core::Tile{.page = u"ts8",
                                  .row = 4,
                                  .column = 2,
                                  .image = u"imgzidingyifanzhuan",
                                  .caption = u"自定义翻转"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbbbanben"},
               .sample = [] {
                   RowFlipInput in(RowFlipBack::CustomHtml);
                   in.backs = {sampleBack(QStringLiteral("#ff5a5f"), QStringLiteral("立即抢购")),
                               sampleBack(QStringLiteral("#2f80ed"), QStringLiteral("新品上市")),
                               sampleBack(QStringLiteral("#22a86b"), QStringLiteral("限时特惠")),
                               sampleBack(QStringLiteral("#8a4fd8"), QStringLiteral("店长推荐"))};
                   return sample(in);
               }})

} // namespace generators
