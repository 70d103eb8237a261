#include "core/shopframe.h"

#include "core/files.h"
#include "core/form.h"
#include "core/registry.h"

#include <QComboBox>
#include <QLabel>
#include <QUrl>

namespace core {

namespace {

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

// The shop preview of a generator's class, as its descriptor gives it.
const ShopPreview* previewOf(const Form& form) {
    const WindowInfo* info = windowInfo(form);
    return info && info->preview ? &*info->preview : nullptr;
}

} // namespace

QString undeliveredOutput(const Form& form) {
    const ShopPreview* preview = previewOf(form);
    return preview && preview->output ? QString::fromUtf16(preview->output) : QString();
}

std::optional<ShopFrame> shopFrameOf(const Form& form) {
    if (const ShopPreview* found = previewOf(form)) {
        const ShopPreview& entry = *found;
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
