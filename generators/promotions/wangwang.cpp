#include "generators/promotions/wangwang.h"

#include "core/account.h"
#include "core/addresses.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QLabel>
#include <QLineEdit>

namespace generators {

namespace wangwang {

QString chatLink(const QString& account, const QString& s) {
    return core::addresses::wangwangChat + account + QStringLiteral("&siteid=cntaobao&s=") + s +
           QStringLiteral("&charset=utf-8");
}

QString chatButton(const QString& chat, const QString& picture) {
    return QStringLiteral("<a target=\"_blank\" href=\"") + chat +
           QStringLiteral("\" ><img border=\"0\" src=\"") + picture +
           QStringLiteral("\" alt=\"点击这里给我发消息\" /></a>");
}

QString marketplaceButton(const QString& account) {
    return QStringLiteral("<a target=\"_blank\" href=\"") + core::addresses::wangwangChat + account +
           QStringLiteral("&siteid=cntaobao&status=2&charset=utf-8\"><img border=\"0\" src=\"") +
           core::addresses::wangwangStatus + account +
           QStringLiteral("&site=cntaobao&s=2&charset=utf-8\" alt=\"点击这里给我发消息\" /></a>");
}

} // namespace wangwang

namespace {

const QString kCopiedShort = QStringLiteral("代码已被复制了！");

// The account row shared by both button windows: the name, the sub-account
// hint and the hidden field that receives the encoded name.
void addAccountRow(QLineEdit* name, const QString& account, QLabel* hint, QLineEdit* encoded) {
    name->setText(account);
    hint->setText(QStringLiteral("子账号写法：主账号:子账号，如 %1:海报").arg(wangwang::kSampleAccount));
    core::Form::keepHidden(encoded);
}

} // namespace

Tfrmww::Tfrmww()
    : core::Form(QStringLiteral("Tfrmww"), QStringLiteral("青梧掌柜旺旺代码生成")) {
    setClientSize(320, 233);
    addCaption(this, QRect(12, 16, 60, 22), QStringLiteral("旺旺名："));
    addAccountRow(addEdit(this, QStringLiteral("edt1"), QRect(72, 14, 236, 24)), WwInput().account,
                  addCaption(this, QRect(12, 44, 296, 22), {}),
                  addEdit(this, QStringLiteral("edt2"), QRect(), QStringLiteral("edt2")));
    core::addPreviewPicture(this, QRect(12, 76, 180, 140), QStringLiteral("旺旺样式1 / 样式2"));
    addButton(this, QStringLiteral("btn1"), QRect(204, 86, 104, 40), QStringLiteral("复制代码"));
    addButton(this, QStringLiteral("btn2"), QRect(204, 160, 104, 40), QStringLiteral("复制代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"), [this] { copyButton(1, QStringLiteral("代码已被复制！")); });
    on(QStringLiteral("btn2Click"), [this] { copyButton(2, kCopiedShort); });
}

void Tfrmww::copyButton(int style, const QString& notice) {
    WwInput in;
    in.account = text(QStringLiteral("edt1"));
    in.style = style;
    deliver(QStringLiteral("mmo1"), core::applyBuilt(*this, wwSnippet(in)), notice);
}

core::Built wwSnippet(const WwInput& in) {
    return core::build([&](core::Built& b) {
        const QString account = core::encodedAccount(in.account);
        b.update(QStringLiteral("edt2"), account);
        const QString style = QString::number(in.style);
        const QString status = core::addresses::wangwangStatus + account +
                               QStringLiteral("&site=cntaobao&s=") + style + QStringLiteral("&charset=utf-8");
        b.snippet = wangwang::chatButton(wangwang::chatLink(account, style), status);
    });
}

Tfrmgxww::Tfrmgxww()
    : core::Form(QStringLiteral("Tfrmgxww"), QStringLiteral("青梧掌柜旺旺代码生成")) {
    setClientSize(321, 203);
    const GxwwInput defaults;
    addCaption(this, QRect(12, 16, 70, 22), QStringLiteral("旺旺名："));
    addAccountRow(addEdit(this, QStringLiteral("edt1"), QRect(82, 14, 227, 24)), defaults.account,
                  addCaption(this, QRect(12, 44, 297, 22), {}),
                  addEdit(this, QStringLiteral("edt2"), QRect(), QStringLiteral("edt2")));
    addCaption(this, QRect(12, 78, 70, 22), QStringLiteral("图片地址："));
    addEdit(this, QStringLiteral("edt3"), QRect(82, 76, 227, 24), defaults.picture);
    addButton(this, QStringLiteral("btn2"), QRect(12, 124, 140, 44), QStringLiteral("生成图片式旺旺"));
    addButton(this, QStringLiteral("btn1"), QRect(169, 124, 140, 44), QStringLiteral("仅获取旺旺链接"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"), core::applyBuilt(*this, gxwwSnippet(input(false))), kCopiedShort);
    });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"), core::applyBuilt(*this, gxwwSnippet(input(true))), kCopiedShort);
    });
}

GxwwInput Tfrmgxww::input(bool linkOnly) const {
    GxwwInput in;
    in.account = text(QStringLiteral("edt1"));
    in.picture = text(QStringLiteral("edt3"));
    in.linkOnly = linkOnly;
    return in;
}

core::Built gxwwSnippet(const GxwwInput& in) {
    return core::build([&](core::Built& b) {
        const QString account = core::encodedAccount(in.account);
        b.update(QStringLiteral("edt2"), account);
        const QString chat = wangwang::chatLink(account, QStringLiteral("2"));
        b.snippet = in.linkOnly ? chat : wangwang::chatButton(chat, in.picture);
    });
}

Tfrmwangwangqun::Tfrmwangwangqun()
    : core::Form(QStringLiteral("Tfrmwangwangqun"), QStringLiteral("旺旺群代码")) {
    setClientSize(308, 284);
    const WangwangqunInput defaults;
    core::addPreviewPicture(this, QRect(12, 8, 284, 60), QStringLiteral("旺旺群"));
    auto row = [&](int y, const QString& caption, const QString& name, const QString& value) {
        addCaption(this, QRect(12, y + 2, 84, 22), caption);
        addEdit(this, name, QRect(96, y, 200, 24), value);
    };
    row(78, QStringLiteral("旺旺群ID："), QStringLiteral("edt1"), defaults.group);
    row(110, QStringLiteral("旺旺群图片："), QStringLiteral("edt2"), defaults.picture);
    row(142, QStringLiteral("图片宽度："), QStringLiteral("edt3"), defaults.width);
    row(174, QStringLiteral("图片高度："), QStringLiteral("edt4"), defaults.height);
    row(206, QStringLiteral("说明文字："), QStringLiteral("edt5"), defaults.caption);
    addButton(this, QStringLiteral("btn1"), QRect(96, 240, 200, 36), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), wangwangqunSnippet(input()), core::kCopiedForShop); });
}

WangwangqunInput Tfrmwangwangqun::input() const {
    WangwangqunInput in;
    in.group = text(QStringLiteral("edt1"));
    in.picture = text(QStringLiteral("edt2"));
    in.width = text(QStringLiteral("edt3"));
    in.height = text(QStringLiteral("edt4"));
    in.caption = text(QStringLiteral("edt5"));
    return in;
}

QString wangwangqunSnippet(const WangwangqunInput& in) {
    return QStringLiteral("<a href=\"") + core::addresses::wangwangGroup + in.group +
           QStringLiteral("\" target=\"_blank\"><img src=\"") + in.picture + QStringLiteral("\" alt=\"") +
           in.caption + QStringLiteral("\" width=\"") + in.width + QStringLiteral("\" height=\"") +
           in.height + QStringLiteral("\"></a>");
}

QINGWU_WINDOW(
    Tfrmww,
    {.order = 130,
     .tile = core::Tile{.page = u"tsmg1", .row = 3, .column = 3, .image = u"img74", .caption = u"旺旺代码"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return wwSnippet(WwInput()).snippet; }})
QINGWU_WINDOW(
    Tfrmgxww,
    {.order = 140,
     .tile = core::Tile{.page = u"tsmg1", .row = 4, .column = 3, .image = u"img77", .caption = u"个性旺旺"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] {
         GxwwInput in;
         in.picture = QStringLiteral("http://sample.invalid/wangwang.png");
         return gxwwSnippet(in).snippet;
     }})
QINGWU_WINDOW(
    Tfrmwangwangqun,
    {.order = 150,
     .tile = core::Tile{.page = u"tsmg1", .row = 5, .column = 3, .image = u"img78", .caption = u"旺旺群代码"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] {
         WangwangqunInput in;
         in.picture = QStringLiteral("http://sample.invalid/qun.png");
         in.width = QStringLiteral("160");
         in.height = QStringLiteral("48");
         return wangwangqunSnippet(in);
     }})

} // namespace generators
