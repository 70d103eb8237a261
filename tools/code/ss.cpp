#include "tools/code/ss.h"

#include "core/addresses.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QLabel>
#include <QTabWidget>

namespace tools {

namespace {

// The keyword links as (word, colour) and the free links as (name, colour, address).
const char* const kWordEdits[3][2] = {{"edt10", "edt11"}, {"edt13", "edt12"}, {"edt15", "edt14"}};
const char* const kLinkEdits[3][3] = {
    {"edt16", "edt17", "edt22"}, {"edt19", "edt18", "edt23"}, {"edt21", "edt20", "edt24"}};

QString latin(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

Tfrmss::Tfrmss()
    : core::Form(QStringLiteral("Tfrmss"), QStringLiteral("店内搜索自动生成器")) {
    setClientSize(762, 463);
    const SsInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 762, 90), QStringLiteral("店内搜索  热门搜索  价格区间"));

    // The output buffer lies under the tab; the user receives the code on the clipboard.
    addOutputMemo(QStringLiteral("mmo1"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pgc1"));
    tabs->setGeometry(6, 96, 750, 361);
    auto* page = new QWidget(tabs);
    page->setObjectName(QStringLiteral("ts1"));
    tabs->addTab(page, QStringLiteral("店内搜索"));

    // A labelled edit: caption at x, the edit right after it.
    auto field = [this](QWidget* group, int x, int y, int captionWidth, const QString& caption,
                        const QString& name, int width, const QString& value) {
        addCaption(group, QRect(x, y, captionWidth, 24), caption);
        addEdit(group, name, QRect(x + captionWidth, y, width, 24), value);
    };
    QGroupBox* global = addGroup(page, QStringLiteral("grp1"), QRect(6, 6, 360, 118),
                                 QStringLiteral("全局参数，搜索版块高度为50px"));
    field(global, 10, 22, 70, QStringLiteral("店铺地址："), QStringLiteral("medt1"), 270, defaults.shop);
    addCombo(global, QStringLiteral("cbb1"), QRect(10, 54, 70, 24),
             {QStringLiteral("0px"), QStringLiteral("1px")}, defaults.border);
    field(global, 90, 54, 50, QStringLiteral("颜色："), QStringLiteral("edt2"), 70, defaults.borderColour);
    field(global, 220, 54, 60, QStringLiteral("背景色："), QStringLiteral("edt3"), 70, defaults.back);
    field(global, 10, 86, 70, QStringLiteral("文字色："), QStringLiteral("edt5"), 70, defaults.textColour);

    QGroupBox* search =
        addGroup(page, QStringLiteral("grp2"), QRect(372, 6, 366, 118), QStringLiteral("搜索参数"));
    field(search, 10, 22, 50, QStringLiteral("标题："), QStringLiteral("edt9"), 100, defaults.title);
    field(search, 170, 22, 90, QStringLiteral("默认关键词："), QStringLiteral("edt1"), 96, defaults.keyword);
    field(search, 10, 54, 90, QStringLiteral("关键词字色："), QStringLiteral("edt4"), 60, defaults.keywordColour);
    field(search, 170, 54, 80, QStringLiteral("搜索按钮："), QStringLiteral("edt6"), 106, defaults.button);
    field(search, 10, 86, 50, QStringLiteral("底色："), QStringLiteral("edt7"), 100, defaults.buttonColour);
    field(search, 170, 86, 80, QStringLiteral("文字颜色："), QStringLiteral("edt8"), 106, defaults.buttonText);

    QGroupBox* words =
        addGroup(page, QStringLiteral("grp3"), QRect(6, 128, 260, 118), QStringLiteral("关键词"));
    for (int i = 0; i < 3; ++i) {
        const int y = 22 + i * 32;
        addCaption(words, QRect(10, y, 50, 24), QStringLiteral("关键词"));
        addEdit(words, latin(kWordEdits[i][0]), QRect(60, y, 90, 24), defaults.words[i]);
        addCaption(words, QRect(156, y, 44, 24), QStringLiteral("颜色："));
        addEdit(words, latin(kWordEdits[i][1]), QRect(200, y, 50, 24), defaults.wordColours[i]);
    }

    QGroupBox* links =
        addGroup(page, QStringLiteral("grp4"), QRect(272, 128, 466, 118), QStringLiteral("自定义链接"));
    for (int i = 0; i < 3; ++i) {
        const int y = 22 + i * 32;
        addCaption(links, QRect(10, y, 50, 24), QStringLiteral("标签名"));
        addEdit(links, latin(kLinkEdits[i][0]), QRect(60, y, 80, 24), defaults.linkNames[i]);
        addCaption(links, QRect(146, y, 44, 24), QStringLiteral("颜色："));
        addEdit(links, latin(kLinkEdits[i][1]), QRect(190, y, 56, 24), defaults.linkColours[i]);
        addCaption(links, QRect(252, y, 44, 24), QStringLiteral("链接："));
        addEdit(links, latin(kLinkEdits[i][2]), QRect(296, y, 160, 24), defaults.linkAddresses[i]);
    }

    addLabel(
        page, QStringLiteral("lbl1"), QRect(6, 252, 560, 70),
        QStringLiteral("自定义标签：您希望推广那个关键词或者自定义标签名，并附上链接，点击后连接到相应！\r\n"
                       "如果不显示的关键词或者标签请留空！"))
        ->setWordWrap(true);
    addButton(page, QStringLiteral("btn1"), QRect(590, 262, 140, 50), QStringLiteral("提取代码"));

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), ssSnippet(input()), core::kCopiedForShop); });
}

SsInput Tfrmss::input() const {
    SsInput in;
    in.shop = text(QStringLiteral("medt1"));
    in.border = text(QStringLiteral("cbb1"));
    in.borderColour = text(QStringLiteral("edt2"));
    in.back = text(QStringLiteral("edt3"));
    in.textColour = text(QStringLiteral("edt5"));
    in.title = text(QStringLiteral("edt9"));
    in.keyword = text(QStringLiteral("edt1"));
    in.keywordColour = text(QStringLiteral("edt4"));
    in.button = text(QStringLiteral("edt6"));
    in.buttonColour = text(QStringLiteral("edt7"));
    in.buttonText = text(QStringLiteral("edt8"));
    for (int i = 0; i < 3; ++i) {
        in.words[i] = text(latin(kWordEdits[i][0]));
        in.wordColours[i] = text(latin(kWordEdits[i][1]));
        in.linkNames[i] = text(latin(kLinkEdits[i][0]));
        in.linkColours[i] = text(latin(kLinkEdits[i][1]));
        in.linkAddresses[i] = text(latin(kLinkEdits[i][2]));
    }
    return in;
}

QString ssSnippet(const SsInput& in) {
    const QString& shop = in.shop;
    const QString& textColour = in.textColour;
    const QString search = shop + core::addresses::shopSearchPath;

    QString out;
    out += QStringLiteral("<div style=\"border:") + in.border + QStringLiteral(" solid ") +
           in.borderColour +
           QStringLiteral(";line-height:16px;font-size:12px;padding:10px 12px;background-color:") +
           in.back;
    out +=
        QStringLiteral("\"> <span style=\"float:right;padding-top:3px;margin:0px;line-height:16px;font-size:"
                       "12px;\"><font style=\"color:") +
        textColour + QStringLiteral(";\">") + QStringLiteral(" 热门搜索: </font>");
    for (int i = 0; i < in.words.size(); ++i) {
        const QString& k = in.words[i];
        out += QStringLiteral(" &nbsp;&nbsp; <a href=\"") + shop + core::addresses::searchBoxKeywordSearch +
               k + QStringLiteral("\" style=\"color:") + in.wordColours.value(i) +
               QStringLiteral(";\" target=\"_blank\">") + k + QStringLiteral("</a>");
    }
    for (int i = 0; i < in.linkNames.size(); ++i) {
        out += QStringLiteral(" &nbsp;&nbsp; <a href=\"") + in.linkAddresses.value(i) +
               QStringLiteral("\" style=\"color:") + in.linkColours.value(i) +
               QStringLiteral(";\" target=\"_blank\">") + in.linkNames[i] + QStringLiteral("</a>");
    }
    out += QStringLiteral("</span><form action=\"") + search +
           QStringLiteral("\" method=\"post\" target=\"_blank\" style=\"padding:0px;margin:0px;\">   "
                          "<input type=\"hidden\" data-info=\"") +
           search + QStringLiteral("\"><span style=\"padding:0px;margin:0px;font-weight:bold;color:") +
           textColour + QStringLiteral(";\">") + in.title +
           QStringLiteral(": &nbsp;&nbsp;</span><input name=\"keyword\" type=\"text\" value=\"") +
           in.keyword +
           QStringLiteral("\" style=\"line-height:16px;font-size:12px;width:150px; color:") +
           in.keywordColour;
    out +=
        QStringLiteral("\">&nbsp;&nbsp;&nbsp;&nbsp;<span style=\"padding:0px;margin:0px;color:") +
        textColour +
        QStringLiteral(";\"> 价格 </span><input name=\"lowPrice\" type=\"text\"  style=\"line-height:16px;"
                       "font-size:12px;width:50px\">&nbsp;<span style=\"padding:0px;margin:0px;\">-</span>"
                       "&nbsp;") +
        QStringLiteral("<input name=\"highPrice\" type=\"text\"  style=\"line-height:16px;font-size:12px;"
                       "width:50px\">&nbsp;&nbsp;&nbsp;&nbsp;<input type=\"submit\" value=\"") +
        in.button + QStringLiteral("\" style=\"background-color:") +
        in.buttonColour + QStringLiteral(";color:") + in.buttonText +
        QStringLiteral(";border:none;margin:0px;padding:4px 10px; _padding:3px 5px 1px 10px;font-size:12px;"
                       "cursor:pointer\">   </form></div>");
    return out;
}

QINGWU_WINDOW(Tfrmss, {.order = 740,
                       .tile = core::Tile{.page = u"tstuiyi1",
                                          .row = 4,
                                          .column = 1,
                                          .image = u"img33",
                                          .caption = u"店内搜索"},
                       .preview = core::ShopPreview{.place = core::Place::Home},
                       // The sample strip has its border.
                       .sample = [] {
                           SsInput in;
                           in.border = QStringLiteral("1px");
                           return ssSnippet(in);
                       }})

} // namespace tools
