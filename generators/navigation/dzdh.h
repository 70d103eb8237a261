#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

#include <QStringList>

namespace generators {

// The fields of the header with nine tabs, as typed; the defaults are the
// window's.
struct DzdhInput {
    QString picture = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/dianzhao-950x120.jpg"); // edt1
    QString gap = QStringLiteral("#000");             // edt2, shows between the tabs
    QString tabColour = QStringLiteral("#000");       // edt3
    QString favouriteColour = QStringLiteral("#000"); // edt4
    // Tab k (from 0): name edt(2k+5), link edt(2k+6).
    QStringList names = {QStringLiteral("首页"),     QStringLiteral("全部分类"), QStringLiteral("店铺动态"),
                         QStringLiteral("微淘主页"), QStringLiteral("促销专区"), QStringLiteral("新品特卖"),
                         QStringLiteral("清仓销售"), QStringLiteral("品牌故事"), QStringLiteral("买家必读")};
    QStringList links = QStringList(9, QStringLiteral("#"));
    QString favouriteLink = QStringLiteral("#"); // edt23
};

// The 950 px header: the picture over nine tabs and the favourites tab.
QString dzdhSnippet(const DzdhInput& input);

// A 950 px shop header picture over a bar of nine tabs and a favourites tab,
// previewed in the window's own browser.
class Tfrmdzdh : public core::Form {
    Q_OBJECT
public:
    Tfrmdzdh();

private:
    DzdhInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
