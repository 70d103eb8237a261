// The sample settings of the windows whose start values show little: more
// content, the pictures that show the module, the column a module that takes
// the page's width is shown in.
#include "scripts/render_tiles/render_tiles.h"

#include <QHash>

namespace tiles {

namespace {

QString sample(const char* name) {
    return QStringLiteral("http://sample.invalid/") + QLatin1String(name);
}

// The custom back of a flip picture: a block of colour with a call to buy.
QString customBack(const char* colour, const char* words) {
    return QStringLiteral("<div style=\"height:300px;background:%1;color:#fff;font-size:30px;font-weight:bold;"
                          "text-align:center;line-height:300px\">%2</div>")
        .arg(QLatin1String(colour), QString::fromUtf8(words));
}

} // namespace

SampleSettings sampleSettings(const QString& className) {
    static const QHash<QString, SampleSettings> table = {
        // A notice strip: larger words in the shop's colours, in a description's column.
        {QStringLiteral("Tfrmtext"),
         {{{"cbb2", "20px"}, {"edt2", "44"}, {"edt1", "#c2410c"}, {"edt3", "#fff4e0"}, {"edt4", "#ff7a1a"},
           {"cbb3", "2px"}, {"cbb4", "实线"}},
          {},
          {750}}},
        {QStringLiteral("Tfrmss"), {{{"cbb1", "1px"}}, {}, {750}}},
        {QStringLiteral("Tfrmkefu"), {{}, {}, {950}}},
        // The buttons drawn for them instead of a product picture.
        {QStringLiteral("Tfrmlike"), {{{"edt1", sample("share.png")}, {"edt2", "184"}, {"edt3", "54"}}, {}, {}}},
        {QStringLiteral("Tfrmsale"), {{{"edt1", sample("cart.png")}, {"edt2", "240"}, {"edt3", "62"}}, {}, {}}},
        {QStringLiteral("Tfrmgxww"), {{{"edt3", sample("wangwang.png")}}, {}, {}}},
        {QStringLiteral("Tfrmwangwangqun"), {{{"edt2", sample("qun.png")}, {"edt3", "160"}, {"edt4", "48"}}, {}, {}}},
        // A box whose content scrolls: pictures and words, more than it holds.
        {QStringLiteral("Tfrmxiala"),
         {{{"edt3", "260"},
           {"mmo1", QStringLiteral("<img src=\"%1\" width=\"300\" height=\"169\" style=\"float:left;margin:10px\">"
                                   "<img src=\"%2\" width=\"300\" height=\"169\" style=\"float:left;margin:10px\">"
                                   "<img src=\"%3\" width=\"270\" height=\"152\" style=\"float:left;margin:10px\">"
                                   "<p style=\"clear:both;padding:0 10px;font-size:16px;line-height:28px\">"
                                   "新品上市，限时特惠。店长推荐：夏日清凉系列，满299减50，全场包邮。</p>")
                        .arg(sample("sample2.png"), sample("sample4.png"), sample("sample6.png"))}},
          {},
          {}}},
        // Ten square pictures.
        {QStringLiteral("TFrmtenimageszy"), {{{"edt1", "260"}, {"edt2", "260"}}, {}, {}}},
        // Four pictures on a 950 px row.
        {QStringLiteral("TFrmimgfanzhuan"), {{{"rg1", "1"}}, {"btnshezhi", "btnok"}, {}}},
        {QStringLiteral("TFrmzdyfanzhuan"),
         {{{"rg1", "1"},
           {"mmofan1", customBack("#ff5a5f", "立即抢购")},
           {"mmofan2", customBack("#2f80ed", "新品上市")},
           {"mmofan3", customBack("#22a86b", "限时特惠")},
           {"mmofan4", customBack("#8a4fd8", "店长推荐")}},
          {"btnshezhi", "btnok"},
          {}}},
    };
    return table.value(className);
}

} // namespace tiles
