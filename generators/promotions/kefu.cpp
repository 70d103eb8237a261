#include "generators/promotions/kefu.h"

#include "core/account.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/shared.h"
#include "generators/promotions/wangwang.h"

#include <QGroupBox>
#include <array>

namespace generators {

namespace {

// One agent: the name field and the field with the agent's button code, and
// the button that pastes into it.
struct Agent {
    QString name, code, paste;
};

const std::array<Agent, 3> kPreSales = {{
    {QStringLiteral("edt2"), QStringLiteral("edt8"), QStringLiteral("btn1")},
    {QStringLiteral("edt3"), QStringLiteral("edt9"), QStringLiteral("btn6")},
    {QStringLiteral("edt4"), QStringLiteral("edt10"), QStringLiteral("btn7")},
}};
const std::array<Agent, 3> kAfterSales = {{
    {QStringLiteral("edt5"), QStringLiteral("edt11"), QStringLiteral("btn8")},
    {QStringLiteral("edt6"), QStringLiteral("edt12"), QStringLiteral("btn9")},
    {QStringLiteral("edt7"), QStringLiteral("edt13"), QStringLiteral("btn10")},
}};

// The agents' blocks: each name, then its button code.
QString agentBlocks(const QStringList& names, const QStringList& codes) {
    QString out;
    for (int r = 0; r < 3; ++r)
        out += QStringLiteral("<div style=\"float:left; width:45px; line-height:30px;text-align:right;\">") +
               names[r] +
               QStringLiteral("</div><div style=\"float:left; line-height:30px; margin-top:0px;\">") +
               codes[r] + QStringLiteral("</div>");
    return out;
}

} // namespace

Tfrmkefu::Tfrmkefu()
    : core::Form(QStringLiteral("Tfrmkefu"), QStringLiteral("旺旺客服")) {
    setClientSize(967, 420);
    const KefuInput defaults;
    core::addPreviewPicture(this, QRect(8, 6, 951, 80), QStringLiteral("旺旺客服"));

    QGroupBox* global =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 92, 951, 52), QStringLiteral("全局参数"));
    addRadio(global, QStringLiteral("rb1"), QRect(12, 22, 80, 22), QStringLiteral("红色系"));
    addRadio(global, QStringLiteral("rb2"), QRect(100, 22, 80, 22), QStringLiteral("灰色系"));
    addRadio(global, QStringLiteral("rb3"), QRect(188, 22, 80, 22), QStringLiteral("蓝色系"));
    addCaption(global, QRect(300, 22, 84, 22), QStringLiteral("自定义色值："));
    addEdit(global, QStringLiteral("edt1"), QRect(384, 20, 100, 24), defaults.colour);

    auto agents = [&](const QString& name, int x, const QString& caption, const std::array<Agent, 3>& list,
                      const QStringList& names, const QStringList& codes) {
        QGroupBox* group = addGroup(this, name, QRect(x, 150, 400, 168), caption);
        addCaption(group, QRect(40, 20, 80, 20), QStringLiteral("客服名字"));
        addCaption(group, QRect(130, 20, 200, 20), QStringLiteral("旺旺代码"));
        const QString rows[] = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③")};
        for (int r = 0; r < 3; ++r) {
            const int y = 44 + 40 * r;
            addCaption(group, QRect(12, y + 2, 24, 22), rows[r]);
            addEdit(group, list[r].name, QRect(40, y, 80, 24), names[r]);
            addEdit(group, list[r].code, QRect(130, y, 200, 24), codes[r]);
            addButton(group, list[r].paste, QRect(338, y, 52, 24), QStringLiteral("粘贴"));
        }
    };
    agents(QStringLiteral("grp2"), 8, QStringLiteral("售前客服"), kPreSales, defaults.preNames,
           defaults.preCodes);
    agents(QStringLiteral("grp3"), 414, QStringLiteral("售后客服"), kAfterSales, defaults.afterNames,
           defaults.afterCodes);

    QGroupBox* hours =
        addGroup(this, QStringLiteral("grp4"), QRect(820, 150, 139, 168), QStringLiteral("工作时间文字"));
    addMemo(hours, QStringLiteral("mmo7"), QRect(8, 22, 123, 136), core::textLines(defaults.hours));

    addButton(this, QStringLiteral("btn2"), QRect(540, 328, 130, 40), QStringLiteral("生成代码"));
    addButton(this, QStringLiteral("btn3"), QRect(680, 328, 130, 40), QStringLiteral("预览效果"));
    addButton(this, QStringLiteral("btn4"), QRect(820, 328, 139, 40), QStringLiteral("复制代码"));
    addCaption(
        this, QRect(8, 384, 951, 24),
        QStringLiteral("提示：旺旺代码框后面的粘贴用法：点击旺旺代码获取 --  在生成页面中复制代码  --   "
                       "回到软件后直接点击粘贴即可将代码复制进去"));
    addOutputMemo(QStringLiteral("mmo8"), {QStringLiteral("mmo8")});

    const std::pair<const char*, QString> presets[] = {{"rb1", QStringLiteral("#EF3C39")},
                                                       {"rb2", QStringLiteral("#858585")},
                                                       {"rb3", QStringLiteral("#4C79BD")}};
    for (const auto& [radio, colour] : presets)
        on(QLatin1String(radio) + QStringLiteral("Click"),
           [this, colour] { setText(QStringLiteral("edt1"), colour); });

    for (const auto* list : {&kPreSales, &kAfterSales}) {
        for (const Agent& agent : *list) {
            const QString field = agent.code;
            on(agent.paste + QStringLiteral("Click"), [this, field] {
                // An empty clipboard pastes nothing: the field keeps its code.
                if (!core::platform().clipboardHasText()) {
                    message(QStringLiteral("剪贴板中没有文字，请先复制旺旺代码！"));
                    return;
                }
                setText(field, core::platform().clipboardText());
                control<QWidget>(field)->setFocus();
                message(QStringLiteral("粘贴代码调用成功"));
            });
        }
    }

    on(QStringLiteral("btn2Click"), [this] {
        setText(QStringLiteral("mmo8"), kefuSnippet(input()));
        core::savePageLines(*this, QStringLiteral("mmo8"), core::sharedPreviewPage());
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo8"), QStringLiteral("请先点击生成代码，再预览效果！"))) return;
        core::platform().openDefault(core::sharedPreviewPage());
    });
    on(QStringLiteral("btn4Click"), [this] {
        if (!needOutput(QStringLiteral("mmo8"), QStringLiteral("请先点击生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo8"), QStringLiteral("代码已被复制了！"));
    });
}

KefuInput::KefuInput()
    : preNames({QStringLiteral("香蕉"), QStringLiteral("西瓜"), QStringLiteral("菠萝")})
    , preCodes(3, wangwang::marketplaceButton(core::encodedAccount(wangwang::kSampleAccount)))
    , afterNames(preNames)
    , afterCodes(preCodes) {}

KefuInput Tfrmkefu::input() const {
    KefuInput in;
    in.colour = text(QStringLiteral("edt1"));
    for (int r = 0; r < 3; ++r) {
        in.preNames[r] = text(kPreSales[r].name);
        in.preCodes[r] = text(kPreSales[r].code);
        in.afterNames[r] = text(kAfterSales[r].name);
        in.afterCodes[r] = text(kAfterSales[r].code);
    }
    in.hours = text(QStringLiteral("mmo7"));
    return in;
}

QString kefuSnippet(const KefuInput& in) {
    const QString& colour = in.colour;
    QString out;
    out += QStringLiteral("<span style=\"color:#666\"><div style=\"font-size:12px; height:30px;\"><div "
                          "style=\"font-size:24px; font-family:impact; float:left;\"> <span style=\"color:") +
           colour + QStringLiteral(";\">SERVICE</span></div>");
    out += QStringLiteral(" <div style=\"float:left; width:60px; line-height:30px; background:") + colour +
           QStringLiteral(";text-align:center; margin-right:0px; margin-left:60px;\"><span "
                          "style=\"color:#fff\">售前客服</span></div>");
    out += agentBlocks(in.preNames, in.preCodes);
    out += QStringLiteral(" <div style=\"float:left; width:60px; line-height:30px; background:") + colour +
           QStringLiteral("; color:#FFF; text-align:center; margin-right:0px;margin-left:60px;\"><span "
                          "style=\"color:#fff\">售后客服</span></div>");
    out += agentBlocks(in.afterNames, in.afterCodes);
    out += QStringLiteral("<div style=\"float:right;line-height:30px;\">") + in.hours +
           QStringLiteral("</div></div></span>");
    return out;
}

QINGWU_WINDOW(Tfrmkefu, {.order = 720,
                         .tile = core::Tile{.page = u"tstuiyi1",
                                            .row = 3,
                                            .column = 2,
                                            .image = u"img24",
                                            .caption = u"旺旺客服"},
                         .preview = core::ShopPreview{.place = core::Place::Home},
                         .sample = [] { return kefuSnippet(KefuInput()); }})

} // namespace generators
