#include "tools/images/bbewm.h"

#include "core/addresses.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/fit.h"
#include "core/registry.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QUrlQuery>

namespace tools {

namespace {

const QString kQrFileName = QStringLiteral("宝贝二维码.jpg");

} // namespace

TfrmBBEWM::TfrmBBEWM()
    : core::Form(
          QStringLiteral("TfrmBBEWM"),
          QStringLiteral("宝贝二维码与宝贝收藏链接生成 - 岚舟设计工作室出品 QQ：517360 旺旺：青梧360")) {
    setClientSize(400, 219);
    addRadio(this, QStringLiteral("rb1"), QRect(16, 12, 60, 22), QStringLiteral("淘宝"), true);
    addRadio(this, QStringLiteral("rb2"), QRect(86, 12, 60, 22), QStringLiteral("天猫"));

    QLabel* sizes =
        addCaption(this, QRect(16, 44, 260, 22), QStringLiteral("二维码图宽度：                   高度："));
    core::putInGaps(sizes,
                    {addEdit(this, QStringLiteral("edt2"), QRect(104, 44, 60, 22), QStringLiteral("105")),
                     addEdit(this, QStringLiteral("edt3"), QRect(214, 44, 60, 22), QStringLiteral("105"))});

    addCaption(this, QRect(16, 78, 70, 22), QStringLiteral("宝贝地址："));
    addEdit(this, QStringLiteral("edt1"), QRect(86, 78, 298, 22), core::addresses::sampleProduct);

    addButton(this, QStringLiteral("btn4"), QRect(16, 114, 84, 30), QStringLiteral("提交地址"));
    addButton(this, QStringLiteral("btn1"), QRect(110, 114, 84, 30), QStringLiteral("提取二维码"));
    addButton(this, QStringLiteral("btn3"), QRect(204, 114, 84, 30), QStringLiteral("保存图片"));
    addButton(this, QStringLiteral("btn2"), QRect(298, 114, 86, 30), QStringLiteral("宝贝收藏"));

    QLabel* hint = addCaption(this, QRect(16, 158, 368, 44),
                              QStringLiteral("生成二维码配合客户端使用, 宝贝收藏如果账号登陆即可自动收藏！"));
    hint->setWordWrap(true);

    // The product id, set by "提交地址", and the last address copied.
    addHolder(QStringLiteral("edt5"), QStringLiteral("edt5"));
    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn4Click"), [this] {
        setText(QStringLiteral("edt5"), productId(text(QStringLiteral("edt1"))));
        message(QStringLiteral("地址提交完毕，可以提取二维码或收藏了！"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        m_qrAddress = core::addresses::qrCodeService + QStringLiteral("?type=ci&item_id=") +
                      text(QStringLiteral("edt5")) + QStringLiteral("&w=") + text(QStringLiteral("edt2")) +
                      QStringLiteral("&h=") + text(QStringLiteral("edt3")) + QStringLiteral("&v=1");
        deliver(QStringLiteral("mmo1"), m_qrAddress, QStringLiteral("图片地址已复制！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"),
                core::addresses::favouritesService + QStringLiteral("?id=") + text(QStringLiteral("edt5")) +
                    QStringLiteral("&itemtype=1&scjjc=1&_tb_token_=") + core::addresses::favouritesToken,
                QStringLiteral("宝贝收藏代码已复制！"));
    });
    on(QStringLiteral("btn3Click"), [this] { saveQrPicture(); });
}

QString TfrmBBEWM::productId(const QString& address) {
    const QString trimmed = address.trimmed();
    const qsizetype question = trimmed.indexOf(QLatin1Char('?'));
    if (question >= 0) {
        const QString query = trimmed.mid(question + 1).section(QLatin1Char('#'), 0, 0);
        const QString id = QUrlQuery(query).queryItemValue(QStringLiteral("id"), QUrl::FullyDecoded);
        if (!id.isEmpty()) return id;
    }
    core::fail(QStringLiteral(
        "宝贝地址中没有找到宝贝的 id 参数（如 item.htm?id=123456），请复制宝贝页面的完整地址！"));
}

void TfrmBBEWM::saveQrPicture() {
    // Only a QR-code address is saved as a picture: the favourites link is a page.
    if (m_qrAddress.isEmpty()) {
        message(QStringLiteral("请先点击“提取二维码”，再保存图片！"));
        return;
    }
    const QString folder = core::platform().chooseFolder(this, QStringLiteral("选择二维码图片保存位置"));
    if (folder.isEmpty()) return;
    const QString path = QDir(folder).filePath(kQrFileName);
    fetchThen(core::FetchRequest{m_qrAddress, core::FetchKind::Picture}, [this, path](const core::Fetched& got) {
        if (!got.ok()) core::fail(got.error + QStringLiteral("图片没有保存。"));
        // Only a picture is saved under the picture's name.
        if (!core::looksLikePicture(got.bytes))
            core::fail(core::fetchError::notPicture(got.address) + QStringLiteral("图片没有保存。"));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(got.bytes) != got.bytes.size() || !file.commit())
            core::fail(QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()));
        message(QStringLiteral("图片保存完毕！"));
    });
}

QINGWU_WINDOW(TfrmBBEWM,
              {.order = 120,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 5, .column = 1, .image = u"img3", .caption = u"宝贝二维码"}})

} // namespace tools
