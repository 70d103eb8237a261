#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the header with seven tabs and the shop search, as typed; the
// defaults are the window's.
struct DaohangdaisousuoInput {
    QString shop = QStringLiteral("https://qingwu360.taobao.com"); // edt1, without a trailing "/"
    QString bar = QStringLiteral("#333");                          // edt2
    QString first = QStringLiteral("#F30");                        // edt3, tab 1 and the search button
    QString keyword = QStringLiteral("青梧美工");                  // edt4
    // Tab k (from 0): name edt(2k+5), link edt(2k+6).
    QStringList names = {QStringLiteral("全部分类"), QStringLiteral("首页"),     QStringLiteral("店铺活动"),
                         QStringLiteral("新春促销"), QStringLiteral("精品推荐"), QStringLiteral("买家必读"),
                         QStringLiteral("品牌故事")};
    QStringList links = QStringList(7, QStringLiteral("#"));
    // mmo2, the user's own header code as the memo holds it.
    QString header = QStringLiteral("<img src=\"https://img.alicdn.com/imgextra/i1/qingwu/dianzhao-950x120.jpg\" "
                                    "width=\"950\" height=\"120\" />\r\n");
};

// The header code over the tab bar and the search form.
QString daohangdaisousuoSnippet(const DaohangdaisousuoInput& input);

// The user's own header code over a bar of seven tabs and a search form that
// posts to the shop's own search page.
class TFrmdaohangdaisousuo : public core::Form {
    Q_OBJECT
public:
    TFrmdaohangdaisousuo();

private:
    DaohangdaisousuoInput input() const;
};

} // namespace generators
