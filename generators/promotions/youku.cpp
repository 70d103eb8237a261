#include "generators/promotions/youku.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace generators {

Tfrmyouku::Tfrmyouku()
    : core::Form(QStringLiteral("Tfrmyouku"), QStringLiteral("优酷视频代码编辑器")) {
    setClientSize(1095, 537);
    const YoukuInput defaults;

    // The fields on the left; the browser takes the rest.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setFixedWidth(300);
    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(view, 1);

    addCaption(panel, QRect(10, 12, 90, 22), QStringLiteral("视频短地址："));
    addEdit(panel, QStringLiteral("edt1"), QRect(10, 36, 280, 24), defaults.address);
    addCaption(panel, QRect(10, 72, 70, 22), QStringLiteral("视频宽度："));
    addEdit(panel, QStringLiteral("edt6"), QRect(80, 70, 60, 24), defaults.width);
    addCaption(panel, QRect(150, 72, 70, 22), QStringLiteral("视频高度："));
    addEdit(panel, QStringLiteral("edt7"), QRect(220, 70, 60, 24), defaults.height);
    addButton(panel, QStringLiteral("btn1"), QRect(10, 106, 135, 36), QStringLiteral("调试视频"));
    addButton(panel, QStringLiteral("btn2"), QRect(155, 106, 135, 36), QStringLiteral("复制代码"));
    addMemo(panel, QStringLiteral("mmo1"), QRect(10, 152, 280, 200));
    QGroupBox* hint =
        addGroup(panel, QStringLiteral("grp1"), QRect(10, 362, 280, 165), QStringLiteral("提示："));
    QLabel* example = addCaption(
        hint, QRect(10, 22, 260, 135),
        QStringLiteral(
            "视频短地址就是视频页面的地址到“.html”为止，不要后面“?”起的参数。例如："
            "https://v.youku.com/v_show/id_XNDc4MjQ1NjI0MA==.html?spm=a2h0c.8166622.PhoneSokuUgc_1.dtitle "
            "的短地址是 https://v.youku.com/v_show/id_XNDc4MjQ1NjI0MA==.html"));
    example->setWordWrap(true);

    addHolder(QStringLiteral("edt4"), defaults.pagePrefix);
    addHolder(QStringLiteral("edt2"), defaults.playerPrefix);
    addHolder(QStringLiteral("edt3"), QStringLiteral("edt3"));
    addHolder(QStringLiteral("edt5"), QString());

    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), core::applyBuilt(*this, youkuSnippet(input())));
        const QString page = core::workingPage(QStringLiteral("files.html"));
        core::savePageLines(*this, QStringLiteral("mmo1"), page);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), page);
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试视频生成代码，再复制代码！")))
            return;
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
}

YoukuInput Tfrmyouku::input() const {
    YoukuInput in;
    in.address = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("edt6"));
    in.height = text(QStringLiteral("edt7"));
    in.pagePrefix = text(QStringLiteral("edt4"));
    in.playerPrefix = text(QStringLiteral("edt2"));
    return in;
}

core::Built youkuSnippet(const YoukuInput& in) {
    return core::build([&](core::Built& b) {
        QString player = in.address;
        if (!in.pagePrefix.isEmpty()) player.replace(in.pagePrefix, in.playerPrefix, Qt::CaseSensitive);
        b.update(QStringLiteral("edt3"), player);
        const QString movie = player.replace(QStringLiteral(".html"), QStringLiteral("/v.swf"));
        b.update(QStringLiteral("edt5"), movie);
        b.snippet = QStringLiteral("<embed src=\"") + movie + QStringLiteral("\" quality=\"high\" width=\"") +
                    in.width + QStringLiteral("\" height=\"") + in.height +
                    QStringLiteral("\" align=\"middle\" type=\"application/x-shockwave-flash\" "
                                   "allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\"> </embed>");
    });
}

QINGWU_WINDOW(Tfrmyouku, {.order = 750,
                          .tile = core::Tile{.page = u"tstuiyi1",
                                             .row = 4,
                                             .column = 2,
                                             .image = u"img110",
                                             .caption = u"优酷视频"},
                          .preview = core::ShopPreview{.place = core::Place::Home},
                          .sample = [] { return youkuSnippet(YoukuInput()).snippet; }})

} // namespace generators
