#include "tools/code/ss.h"

#include "core/addresses.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QLabel>
#include <QTabWidget>
#include <tuple>
#include <utility>

namespace tools {

namespace {

const QString kSampleShop = QStringLiteral("https://qingwu360.taobao.com");

} // namespace

Tfrmss::Tfrmss()
    : core::Form(QStringLiteral("Tfrmss"), QStringLiteral("店内搜索自动生成器")) {
    setClientSize(762, 463);
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
    field(global, 10, 22, 70, QStringLiteral("店铺地址："), QStringLiteral("medt1"), 270, kSampleShop);
    addCombo(global, QStringLiteral("cbb1"), QRect(10, 54, 70, 24),
             {QStringLiteral("0px"), QStringLiteral("1px")}, QStringLiteral("边框"));
    field(global, 90, 54, 50, QStringLiteral("颜色："), QStringLiteral("edt2"), 70, QStringLiteral("#ccc"));
    field(global, 220, 54, 60, QStringLiteral("背景色："), QStringLiteral("edt3"), 70,
          QStringLiteral("#eee"));
    field(global, 10, 86, 70, QStringLiteral("文字色："), QStringLiteral("edt5"), 70, QStringLiteral("#333"));

    QGroupBox* search =
        addGroup(page, QStringLiteral("grp2"), QRect(372, 6, 366, 118), QStringLiteral("搜索参数"));
    field(search, 10, 22, 50, QStringLiteral("标题："), QStringLiteral("edt9"), 100,
          QStringLiteral("店内搜索"));
    field(search, 170, 22, 90, QStringLiteral("默认关键词："), QStringLiteral("edt1"), 96,
          QStringLiteral("青梧掌柜"));
    field(search, 10, 54, 90, QStringLiteral("关键词字色："), QStringLiteral("edt4"), 60,
          QStringLiteral("#333"));
    field(search, 170, 54, 80, QStringLiteral("搜索按钮："), QStringLiteral("edt6"), 106,
          QStringLiteral("搜索"));
    field(search, 10, 86, 50, QStringLiteral("底色："), QStringLiteral("edt7"), 100, QStringLiteral("#333"));
    field(search, 170, 86, 80, QStringLiteral("文字颜色："), QStringLiteral("edt8"), 106,
          QStringLiteral("#fff"));

    QGroupBox* words =
        addGroup(page, QStringLiteral("grp3"), QRect(6, 128, 260, 118), QStringLiteral("关键词"));
    const char* wordEdits[][2] = {{"edt10", "edt11"}, {"edt13", "edt12"}, {"edt15", "edt14"}};
    const QString wordDefaults[] = {QStringLiteral("关键词一"), QStringLiteral("关键词二"),
                                    QStringLiteral("关键词三")};
    for (int i = 0; i < 3; ++i) {
        const int y = 22 + i * 32;
        addCaption(words, QRect(10, y, 50, 24), QStringLiteral("关键词"));
        addEdit(words, QString::fromLatin1(wordEdits[i][0]), QRect(60, y, 90, 24), wordDefaults[i]);
        addCaption(words, QRect(156, y, 44, 24), QStringLiteral("颜色："));
        addEdit(words, QString::fromLatin1(wordEdits[i][1]), QRect(200, y, 50, 24), QStringLiteral("#333"));
    }

    QGroupBox* links =
        addGroup(page, QStringLiteral("grp4"), QRect(272, 128, 466, 118), QStringLiteral("自定义链接"));
    const char* linkEdits[][3] = {
        {"edt16", "edt17", "edt22"}, {"edt19", "edt18", "edt23"}, {"edt21", "edt20", "edt24"}};
    for (int i = 0; i < 3; ++i) {
        const int y = 22 + i * 32;
        addCaption(links, QRect(10, y, 50, 24), QStringLiteral("标签名"));
        addEdit(links, QString::fromLatin1(linkEdits[i][0]), QRect(60, y, 80, 24));
        addCaption(links, QRect(146, y, 44, 24), QStringLiteral("颜色："));
        addEdit(links, QString::fromLatin1(linkEdits[i][1]), QRect(190, y, 56, 24), QStringLiteral("#333"));
        addCaption(links, QRect(252, y, 44, 24), QStringLiteral("链接："));
        addEdit(links, QString::fromLatin1(linkEdits[i][2]), QRect(296, y, 160, 24), QStringLiteral("#"));
    }

    addLabel(
        page, QStringLiteral("lbl1"), QRect(6, 252, 560, 70),
        QStringLiteral("自定义标签：您希望推广那个关键词或者自定义标签名，并附上链接，点击后连接到相应！\r\n"
                       "如果不显示的关键词或者标签请留空！"))
        ->setWordWrap(true);
    addButton(page, QStringLiteral("btn1"), QRect(590, 262, 140, 50), QStringLiteral("提取代码"));

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), snippet(), core::kCopiedForShop); });
}

QString Tfrmss::snippet() const {
    const QString shop = text(QStringLiteral("medt1"));
    const QString textColour = text(QStringLiteral("edt5"));
    const QString search = shop + core::addresses::shopSearchPath;

    QString out;
    out += QStringLiteral("<div style=\"border:") + text(QStringLiteral("cbb1")) + QStringLiteral(" solid ") +
           text(QStringLiteral("edt2")) +
           QStringLiteral(";line-height:16px;font-size:12px;padding:10px 12px;background-color:") +
           text(QStringLiteral("edt3"));
    out +=
        QStringLiteral("\"> <span style=\"float:right;padding-top:3px;margin:0px;line-height:16px;font-size:"
                       "12px;\"><font style=\"color:") +
        textColour + QStringLiteral(";\">") + QStringLiteral(" 热门搜索: </font>");
    for (const auto& [word, colour] : {std::pair{"edt10", "edt11"}, {"edt13", "edt12"}, {"edt15", "edt14"}}) {
        const QString k = text(QString::fromLatin1(word));
        out += QStringLiteral(" &nbsp;&nbsp; <a href=\"") + shop + core::addresses::searchBoxKeywordSearch +
               k + QStringLiteral("\" style=\"color:") + text(QString::fromLatin1(colour)) +
               QStringLiteral(";\" target=\"_blank\">") + k + QStringLiteral("</a>");
    }
    for (const auto& [name, colour, address] :
         {std::tuple{"edt16", "edt17", "edt22"}, {"edt19", "edt18", "edt23"}, {"edt21", "edt20", "edt24"}}) {
        out += QStringLiteral(" &nbsp;&nbsp; <a href=\"") + text(QString::fromLatin1(address)) +
               QStringLiteral("\" style=\"color:") + text(QString::fromLatin1(colour)) +
               QStringLiteral(";\" target=\"_blank\">") + text(QString::fromLatin1(name)) +
               QStringLiteral("</a>");
    }
    out += QStringLiteral("</span><form action=\"") + search +
           QStringLiteral("\" method=\"post\" target=\"_blank\" style=\"padding:0px;margin:0px;\">   "
                          "<input type=\"hidden\" data-info=\"") +
           search + QStringLiteral("\"><span style=\"padding:0px;margin:0px;font-weight:bold;color:") +
           textColour + QStringLiteral(";\">") + text(QStringLiteral("edt9")) +
           QStringLiteral(": &nbsp;&nbsp;</span><input name=\"keyword\" type=\"text\" value=\"") +
           text(QStringLiteral("edt1")) +
           QStringLiteral("\" style=\"line-height:16px;font-size:12px;width:150px; color:") +
           text(QStringLiteral("edt4"));
    out +=
        QStringLiteral("\">&nbsp;&nbsp;&nbsp;&nbsp;<span style=\"padding:0px;margin:0px;color:") +
        textColour +
        QStringLiteral(";\"> 价格 </span><input name=\"lowPrice\" type=\"text\"  style=\"line-height:16px;"
                       "font-size:12px;width:50px\">&nbsp;<span style=\"padding:0px;margin:0px;\">-</span>"
                       "&nbsp;") +
        QStringLiteral("<input name=\"highPrice\" type=\"text\"  style=\"line-height:16px;font-size:12px;"
                       "width:50px\">&nbsp;&nbsp;&nbsp;&nbsp;<input type=\"submit\" value=\"") +
        text(QStringLiteral("edt6")) + QStringLiteral("\" style=\"background-color:") +
        text(QStringLiteral("edt7")) + QStringLiteral(";color:") + text(QStringLiteral("edt8")) +
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
                       .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace tools
