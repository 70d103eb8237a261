#include "core/shopframe.h"

#include "core/files.h"
#include "core/form.h"

#include <QComboBox>
#include <QLabel>
#include <QUrl>

namespace core {

namespace {

// Where on the shop's pages a generator's snippet goes.
enum class Place {
    Home,            // a module of the home page: the edition's frame
    Description,     // a product description: 750 px, 790 px in a Tmall shop
    Wide,            // a 1920 px strip before it is fitted into a page
    Side,            // the 190 px side column
    Top,             // the shop sign with the navigation bar, at the top of the page
    Sign,            // the shop sign, above the page's navigation bar
    NavigationStyle, // a style sheet pasted into the navigation module's settings
};

struct Entry {
    const char16_t* window;
    Place place;
    // The window's shop-type choice (a combo box or a radio group), if any.
    // Its text decides the edition: "基础…" basic, "天猫…" Tmall, anything
    // else professional; a text with "描述" puts a home module into the
    // description of that shop. A width chosen instead ("990", "750"), or
    // the label showing it, names the page of that width.
    const char16_t* shopType;
    // The box of a generator that fills it without copying it (its snippet
    // goes to the banner converter, or the window shows it first), if any.
    const char16_t* output = nullptr;
};

// Every snippet generator: the module generators, the search boxes, the
// hotspot map and the description assistant. Tools that edit, convert or measure code the user
// brings are not listed.
const Entry kGenerators[] = {
    // Carousels.
    {u"TfrmLBfenceng", Place::Wide, nullptr},
    {u"TfrmLBzhankai", Place::Wide, nullptr},
    {u"Tfrmsantulunbo2", Place::Wide, nullptr},
    {u"Tfrmlunbo", Place::Wide, nullptr, u"mmo1"},
    {u"Tfrmfangkuai", Place::Wide, nullptr, u"LastSnippet"},
    {u"Tfrmtonglansuotu", Place::Wide, nullptr},
    {u"Tfrmjianyuelunbo", Place::Wide, nullptr, u"LastSnippet"},
    {u"Tfrmsantulunbo", Place::Home, u"cbb1"},
    {u"Tfrmshishangtonglan", Place::Wide, nullptr},
    {u"Tfrmxuehua", Place::Wide, nullptr, u"mmo1"},
    {u"Tfrmquanpingshipin", Place::Wide, nullptr, u"mmo1"},
    {u"Tfrmkapan1", Place::Home, u"cbb1"},
    {u"Tfrmwutuzuolunbo", Place::Home, u"cbb1"},
    {u"Tfrmliangcelunbo", Place::Home, u"cbb1"},
    {u"Tfrmliutumingxing", Place::Home, u"cbb1"},
    {u"TFrmkapan12", Place::Home, nullptr},
    {u"Tfrmshiertulunbo", Place::Home, u"cbb1"},
    {u"TFrmtenimageszy", Place::Home, nullptr},
    // Product and picture lists.
    {u"TFrm950fanzhuan", Place::Home, nullptr},
    {u"Tfrmshitufangdajing", Place::Home, u"cbb1"},
    {u"TFrmimgfanzhuan", Place::Home, u"cbbbanben"},
    {u"TFrmzdyfanzhuan", Place::Home, u"cbbbanben"},
    {u"Tfrmqitukaiguandeng", Place::Home, u"cbb1"},
    {u"Tfrmbatuzhezhao", Place::Home, u"cbb1"},
    {u"Tfrmzuobiaoqian", Place::Home, u"cbb1"},
    {u"Tfrmzhengfantuwen3", Place::Home, u"cbb1"},
    {u"Tfrmzhengfantuwen4", Place::Home, u"cbb1"},
    {u"Tfrmtupian8", Place::Home, u"cbb1"},
    {u"TFrmsitutong", Place::Home, u"lbl2"},
    {u"Tfrmdanhang1", Place::Home, nullptr},
    {u"Tfrmltbgz", Place::Home, nullptr},
    {u"Tfrmtuangou", Place::Home, u"cbb1"},
    {u"TFrmjianianhua", Place::Home, u"lbl8"},
    {u"Tfrmqituzhuanqu", Place::Home, u"cbb1"},
    {u"Tfrmxijiewutu", Place::Home, u"cbb1"},
    {u"Tfrmfanzhuan190", Place::Side, nullptr},
    // Navigation, header and footer.
    {u"Tfrmdzdh", Place::Top, nullptr, u"mmo1"},
    {u"Tfrmdh", Place::NavigationStyle, nullptr},
    {u"TFrmdaohangdaisousuo", Place::Top, nullptr},
    {u"Tfrmdianzhaolunbo", Place::Sign, nullptr},
    {u"Tfrmfenleitongdao", Place::Home, u"cbb1"},
    {u"TFrmlouceng", Place::Home, nullptr},
    {u"Tfrmmaodian", Place::Home, nullptr},
    {u"Tfrmfenlei", Place::Home, nullptr},
    {u"TFrmdonghuadibu", Place::Home, u"cbb1"},
    {u"Tfrmdbdm", Place::Home, u"cbb1"},
    // Promotions, interaction and customer service.
    {u"Tfrmbeijing", Place::NavigationStyle, nullptr, u"mmo1"},
    {u"TfrmBJHD", Place::Wide, nullptr, u"mmo1"},
    {u"TFrmjianfeng", Place::Home, nullptr},
    {u"Tfrmlike", Place::Home, nullptr},
    {u"Tfrmtext", Place::Home, nullptr},
    {u"Tfrmww", Place::Home, nullptr},
    {u"Tfrmgxww", Place::Home, nullptr},
    {u"Tfrmwangwangqun", Place::Home, nullptr},
    {u"Tfrmsale", Place::Home, nullptr},
    {u"TFrmjieridaojishi", Place::Home, nullptr},
    {u"Tfrmdanpinyouhuiquan", Place::Home, nullptr},
    {u"Tfrmpaihangbang", Place::Side, nullptr},
    {u"TFrmzhanggui", Place::Home, nullptr},
    {u"Tfrmyhq", Place::Home, nullptr},
    {u"TFrmxiu", Place::Home, nullptr},
    {u"Tfrmztypl", Place::Home, nullptr},
    {u"TFrmliuyanban", Place::Home, nullptr},
    {u"Tfrmkefu", Place::Home, nullptr},
    {u"Tfrmdaojishi", Place::Home, nullptr, u"mmo1"},
    {u"Tfrmyouku", Place::Home, nullptr},
    {u"Tfrmxiala", Place::Home, nullptr},
    // Search boxes, the hotspot map and the description assistant.
    {u"Tfrmss", Place::Home, nullptr},
    {u"Tfrmredian", Place::Home, u"cbb1"},
    {u"Tfrmsousuokuang", Place::Home, nullptr},
    {u"Tfrmmain", Place::Description, u"rg1"},
};

// The text of a shop-type choice: a combo box's text, the checked item of a
// radio group or the text of a label; empty when the window has no such
// control.
QString shopTypeText(const Form& form, const char16_t* name) {
    if (!name) return {};
    QObject* control = form.findChild<QObject*>(QString::fromUtf16(name));
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* group = qobject_cast<RadioGroup*>(control)) {
        const QStringList items = group->items();
        const int index = group->itemIndex();
        return index >= 0 && index < items.size() ? items[index] : QString();
    }
    return {};
}

struct FrameFiles {
    ShopFrame frame;
    const char16_t* stem;
    int module; // the width of the module's place
    int page;   // the width of the page
};
const FrameFiles kFrameFiles[] = {
    {ShopFrame::Basic, u"yulan_basic", 750, 950},
    {ShopFrame::Professional, u"yulan_pro", 950, 950},
    {ShopFrame::Tmall, u"yulan_tmall", 990, 990},
    {ShopFrame::Description750, u"yulan_desc750", 750, 950},
    {ShopFrame::Description790, u"yulan_desc790", 790, 990},
    {ShopFrame::Wide1920, u"yulan_wide", 1920, 1920},
    {ShopFrame::Side190, u"yulan_side", 190, 950},
    {ShopFrame::Top, u"yulan_top", 950, 950},
    {ShopFrame::Sign, u"yulan_sign", 950, 950},
    {ShopFrame::NavigationStyle, u"yulan_navstyle", 950, 950},
};

const FrameFiles& filesOf(ShopFrame frame) {
    for (const FrameFiles& files : kFrameFiles)
        if (files.frame == frame) return files;
    return kFrameFiles[1];
}

QString frameFile(ShopFrame frame, const QString& part) {
    return filesFolder() + u'/' + QString::fromUtf16(filesOf(frame).stem) + part + QStringLiteral(".html");
}

const Entry* entryOf(const Form& form) {
    const QString window = form.objectName();
    for (const Entry& entry : kGenerators)
        if (window == QStringView(entry.window)) return &entry;
    return nullptr;
}

} // namespace

QString undeliveredOutput(const Form& form) {
    const Entry* entry = entryOf(form);
    return entry && entry->output ? QString::fromUtf16(entry->output) : QString();
}

std::optional<ShopFrame> shopFrameOf(const Form& form) {
    if (const Entry* found = entryOf(form)) {
        const Entry& entry = *found;
        const QString shop = shopTypeText(form, entry.shopType);
        const bool tmall = shop.contains(QStringLiteral("天猫"));
        switch (entry.place) {
        case Place::Wide:
            return ShopFrame::Wide1920;
        case Place::Side:
            return ShopFrame::Side190;
        case Place::Top:
            return ShopFrame::Top;
        case Place::Sign:
            return ShopFrame::Sign;
        case Place::NavigationStyle:
            return ShopFrame::NavigationStyle;
        case Place::Description:
            return tmall ? ShopFrame::Description790 : ShopFrame::Description750;
        case Place::Home:
            if (shop == QStringLiteral("750")) return ShopFrame::Description750;
            if (shop == QStringLiteral("790")) return ShopFrame::Description790;
            if (shop == QStringLiteral("990")) return ShopFrame::Tmall;
            if (shop.contains(QStringLiteral("描述")))
                return tmall ? ShopFrame::Description790 : ShopFrame::Description750;
            if (tmall) return ShopFrame::Tmall;
            if (shop.contains(QStringLiteral("基础"))) return ShopFrame::Basic;
            return ShopFrame::Professional;
        }
    }
    return std::nullopt;
}

int moduleWidth(ShopFrame frame) {
    return filesOf(frame).module;
}

int pageWidth(ShopFrame frame) {
    return filesOf(frame).page;
}

QString frameHead(ShopFrame frame) {
    const QString sheet = QUrl::fromLocalFile(filesFolder() + QStringLiteral("/yulan.css")).toString();
    return readTextFile(frameFile(frame, QStringLiteral("_head")))
        .replace(QStringLiteral("href=\"files/yulan.css\""), QStringLiteral("href=\"%1\"").arg(sheet));
}

QString frameTail(ShopFrame frame) {
    return readTextFile(frameFile(frame, QStringLiteral("_tail")));
}

} // namespace core
