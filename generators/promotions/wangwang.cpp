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

const QString kSampleAccount = QStringLiteral("青梧美工");
const QString kCopiedShort = QStringLiteral("代码已被复制了！");

// The account row shared by both button windows: the name, the sub-account
// hint and the hidden field that receives the encoded name.
void addAccountRow(QLineEdit* name, QLabel* hint, QLineEdit* encoded) {
    name->setText(kSampleAccount);
    hint->setText(QStringLiteral("子账号写法：主账号:子账号，如 %1:海报").arg(kSampleAccount));
    core::Form::keepHidden(encoded);
}

} // namespace

Tfrmww::Tfrmww()
    : core::Form(QStringLiteral("Tfrmww"), QStringLiteral("青梧掌柜旺旺代码生成")) {
    setClientSize(320, 233);
    addCaption(this, QRect(12, 16, 60, 22), QStringLiteral("旺旺名："));
    addAccountRow(addEdit(this, QStringLiteral("edt1"), QRect(72, 14, 236, 24)),
                  addCaption(this, QRect(12, 44, 296, 22), {}),
                  addEdit(this, QStringLiteral("edt2"), QRect(), QStringLiteral("edt2")));
    core::addPreviewPicture(this, QRect(12, 76, 180, 140), QStringLiteral("旺旺样式1 / 样式2"));
    addButton(this, QStringLiteral("btn1"), QRect(204, 86, 104, 40), QStringLiteral("复制代码"));
    addButton(this, QStringLiteral("btn2"), QRect(204, 160, 104, 40), QStringLiteral("复制代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"),
       [this] { copyButton(QStringLiteral("1"), QStringLiteral("代码已被复制！")); });
    on(QStringLiteral("btn2Click"), [this] { copyButton(QStringLiteral("2"), kCopiedShort); });
}

void Tfrmww::copyButton(const QString& style, const QString& notice) {
    setText(QStringLiteral("edt2"), core::encodedAccount(text(QStringLiteral("edt1"))));
    const QString account = text(QStringLiteral("edt2"));
    const QString status = core::addresses::wangwangStatus + account + QStringLiteral("&site=cntaobao&s=") +
                           style + QStringLiteral("&charset=utf-8");
    deliver(QStringLiteral("mmo1"), wangwang::chatButton(wangwang::chatLink(account, style), status), notice);
}

Tfrmgxww::Tfrmgxww()
    : core::Form(QStringLiteral("Tfrmgxww"), QStringLiteral("青梧掌柜旺旺代码生成")) {
    setClientSize(321, 203);
    addCaption(this, QRect(12, 16, 70, 22), QStringLiteral("旺旺名："));
    addAccountRow(addEdit(this, QStringLiteral("edt1"), QRect(82, 14, 227, 24)),
                  addCaption(this, QRect(12, 44, 297, 22), {}),
                  addEdit(this, QStringLiteral("edt2"), QRect(), QStringLiteral("edt2")));
    addCaption(this, QRect(12, 78, 70, 22), QStringLiteral("图片地址："));
    addEdit(this, QStringLiteral("edt3"), QRect(82, 76, 227, 24), QStringLiteral("none"));
    addButton(this, QStringLiteral("btn2"), QRect(12, 124, 140, 44), QStringLiteral("生成图片式旺旺"));
    addButton(this, QStringLiteral("btn1"), QRect(169, 124, 140, 44), QStringLiteral("仅获取旺旺链接"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    auto encode = [this] {
        setText(QStringLiteral("edt2"), core::encodedAccount(text(QStringLiteral("edt1"))));
        return wangwang::chatLink(text(QStringLiteral("edt2")), QStringLiteral("2"));
    };
    on(QStringLiteral("btn2Click"), [this, encode] {
        const QString chat = encode();
        deliver(QStringLiteral("mmo1"), wangwang::chatButton(chat, text(QStringLiteral("edt3"))),
                kCopiedShort);
    });
    on(QStringLiteral("btn1Click"),
       [this, encode] { deliver(QStringLiteral("mmo1"), encode(), kCopiedShort); });
}

Tfrmwangwangqun::Tfrmwangwangqun()
    : core::Form(QStringLiteral("Tfrmwangwangqun"), QStringLiteral("旺旺群代码")) {
    setClientSize(308, 284);
    core::addPreviewPicture(this, QRect(12, 8, 284, 60), QStringLiteral("旺旺群"));
    auto row = [&](int y, const QString& caption, const QString& name, const QString& value) {
        addCaption(this, QRect(12, y + 2, 84, 22), caption);
        addEdit(this, name, QRect(96, y, 200, 24), value);
    };
    row(78, QStringLiteral("旺旺群ID："), QStringLiteral("edt1"), QStringLiteral("1123581321"));
    row(110, QStringLiteral("旺旺群图片："), QStringLiteral("edt2"),
        QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/wangwang-group-63x20.gif"));
    row(142, QStringLiteral("图片宽度："), QStringLiteral("edt3"), QStringLiteral("63"));
    row(174, QStringLiteral("图片高度："), QStringLiteral("edt4"), QStringLiteral("20"));
    row(206, QStringLiteral("说明文字："), QStringLiteral("edt5"), QStringLiteral("点我群聊吧"));
    addButton(this, QStringLiteral("btn1"), QRect(96, 240, 200, 36), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"),
                QStringLiteral("<a href=\"") + core::addresses::wangwangGroup + text(QStringLiteral("edt1")) +
                    QStringLiteral("\" target=\"_blank\"><img src=\"") + text(QStringLiteral("edt2")) +
                    QStringLiteral("\" alt=\"") + text(QStringLiteral("edt5")) +
                    QStringLiteral("\" width=\"") + text(QStringLiteral("edt3")) +
                    QStringLiteral("\" height=\"") + text(QStringLiteral("edt4")) + QStringLiteral("\"></a>"),
                core::kCopiedForShop);
    });
}

QINGWU_WINDOW(
    Tfrmww,
    {.order = 130,
     .tile = core::Tile{.page = u"tsmg1", .row = 3, .column = 3, .image = u"img74", .caption = u"旺旺代码"},
     .preview = core::ShopPreview{.place = core::Place::Home}})
QINGWU_WINDOW(
    Tfrmgxww,
    {.order = 140,
     .tile = core::Tile{.page = u"tsmg1", .row = 4, .column = 3, .image = u"img77", .caption = u"个性旺旺"},
     .preview = core::ShopPreview{.place = core::Place::Home}})
QINGWU_WINDOW(
    Tfrmwangwangqun,
    {.order = 150,
     .tile = core::Tile{.page = u"tsmg1", .row = 5, .column = 3, .image = u"img78", .caption = u"旺旺群代码"},
     .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace generators
