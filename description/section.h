#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace description {

class Tfrmmain;

// One section kind of the description assistant: the button that opens its
// editor page, the page's render and add buttons, the fields on the page and
// the HTML the section renders to.
struct SectionKind {
    QString button;  // in the kind column
    QString caption; // the button's caption, also the section's name in the list
    QString page;    // editor page
    QString pageCaption;
    QString renderButton;
    QString renderCaption; // "生成", or "预览" for the combo offer
    QString addButton;
    // Creates the page's fields (and handlers of its own).
    std::function<void(Tfrmmain&, QWidget* page)> build;
    // Reads the page's fields into the section's input, builds the section
    // (description/sections.h) and writes its field updates back: the
    // section's HTML; nothing when the render stopped with a message.
    std::function<std::optional<QString>(Tfrmmain&)> html;
    // Whether a render also writes and shows the preview page.
    bool preview = true;
    // The pictures whose heights `html` asks for, in the order it asks:
    // fetched and measured, one after another, before it runs.
    std::function<QStringList(Tfrmmain&)> pictures = {};
};

// Header sections.
SectionKind relatedItems(); // 关联销售
SectionKind dividerBar();   // 分隔条
SectionKind coupons();      // 优惠券
SectionKind comboOffer();   // 搭配销售
// Product information.
SectionKind parameters();     // 产品参数
SectionKind sizeChart();      // 产品尺码
SectionKind productDisplay(); // 产品展示
SectionKind productDetails(); // 产品细节
// Auxiliary sections.
SectionKind sectionTitle(); // 分割样式
SectionKind buyersNotes();  // 交流版块
SectionKind customHtml();   // 自定义

} // namespace description
