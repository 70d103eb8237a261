#include "app/catalogue.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace app {

const QVector<CatalogueSlot>& catalogue() {
    static const QVector<CatalogueSlot> entries = {
        // 美工1页
        {"img108", "tsmg1", 1, 1, "Tfrmtonglan3", "通栏转化"},
        {"img96", "tsmg1", 1, 2, "Tfrmsousuokuang", "自定义搜索框"},
        {"img95", "tsmg1", 1, 3, "Tfrmyulan", "代码预览编辑"},
        {"img122", "tsmg1", 2, 1, "Tfrmtonglanbg", "通栏加背景"},
        {"img98", "tsmg1", 2, 2, "Tfrmjsq", "图片列表计算器"},
        {"img73", "tsmg1", 2, 3, "TFrmhtml", "HTML编辑器"},
        {"img106", "tsmg1", 3, 1, "Tfrmbeijing", "固定背景"},
        {"img117", "tsmg1", 3, 2, "TfrmBJHD", "背景交替"},
        {"img74", "tsmg1", 3, 3, "Tfrmww", "旺旺代码"},
        {"img101", "tsmg1", 4, 1, "TFrmjianfeng", "去除版块间缝"},
        {"img113", "tsmg1", 4, 2, "Tfrmtext", "文字滚动"},
        {"img77", "tsmg1", 4, 3, "Tfrmgxww", "个性旺旺"},
        {"img3", "tsmg1", 5, 1, "TfrmBBEWM", "宝贝二维码"},
        {"img4", "tsmg1", 5, 2, "Tfrmshoucang", "店铺收藏地址"},
        {"img78", "tsmg1", 5, 3, "Tfrmwangwangqun", "旺旺群代码"},
        // 美工2页
        {"img105", "tsmg2", 1, 1, "Tfrmredian", "一图多链接热点"},
        {"img119", "tsmg2", 1, 2, "Tfrmmaodian", "锚点"},
        {"img121", "tsmg2", 1, 3, "Tfrmsale", "购物车"},
        {"img92", "tsmg2", 2, 1, "Tfrmlike", "喜欢分享按钮"},
        {"img112", "tsmg2", 2, 2, "Tfrmcharushanchudaima", "插入删除代码"},
        // 首页轮播
        {"img69", "ts11", 1, 1, "TfrmLBfenceng", "分层主题轮播"},
        {"img70", "ts11", 1, 2, "TfrmLBzhankai", "左侧展开式轮播"},
        {"img140", "ts11", 1, 3, "Tfrmsantulunbo2", "1920三图自定义轮播"},
        {"img133", "ts11", 2, 1, "Tfrmlunbo", "轮播标签海报"},
        {"img134", "ts11", 2, 2, "Tfrmfangkuai", "方块按钮轮播"},
        {"img139", "ts11", 2, 3, "Tfrmjianyuelunbo", "简约通栏轮播"},
        {"img137", "ts11", 3, 1, "Tfrmtonglansuotu", "通栏缩略图轮播"},
        {"img138", "ts11", 3, 2, "Tfrmsantulunbo", "个性三图轮播"},
        // 首页装修
        {"img68", "ts7", 1, 1, "TFrmlouceng", "楼层跳转"},
        {"img16", "ts7", 1, 2, "Tfrmshishangtonglan", "时尚分类海报"},
        {"img38", "ts7", 1, 3, "Tfrmxuehua", "雪花海报"},
        {"img18", "ts7", 2, 1, "Tfrmdzdh", "店招导航"},
        {"img17", "ts7", 2, 2, "TFrmdaohangdaisousuo", "导航带搜索"},
        {"img13", "ts7", 2, 3, "Tfrmdianzhaolunbo", "店招带轮播"},
        {"img19", "ts7", 3, 1, "Tfrmdh", "默认导航修改"},
        {"img21", "ts7", 3, 2, "TFrm950fanzhuan", "950两图翻转"},
        {"img15", "ts7", 3, 3, "Tfrmfenleitongdao", "快速分类通道"},
        {"img14", "ts7", 4, 1, "Tfrmyhq", "店铺优惠券"},
        {"img35", "ts7", 4, 2, "TFrmjieridaojishi", "节日倒计时"},
        {"img22", "ts7", 4, 3, "Tfrmpaihangbang", "190销售排行榜"},
        {"img12", "ts7", 5, 1, "Tfrmdanpinyouhuiquan", "单品优惠券"},
        {"img36", "ts7", 5, 2, "Tfrmquanpingshipin", "视频通栏"},
        {"img82", "ts7", 5, 3, "TFrmzhanggui", "掌柜说"},
        // 动态格子
        {"img46", "ts8", 1, 1, "Tfrmkapan1", "五图卡盘轮播"},
        {"img58", "ts8", 1, 2, "Tfrmwutuzuolunbo", "五图左图轮播"},
        {"img55", "ts8", 1, 3, "Tfrmliangcelunbo", "两侧轮播卡盘"},
        {"img57", "ts8", 2, 1, "Tfrmzuobiaoqian", "左侧标签卡"},
        {"img56", "ts8", 2, 2, "Tfrmliutumingxing", "六图明星卡盘"},
        {"img65", "ts8", 2, 3, "TFrmkapan12", "12图卡盘"},
        {"img60", "ts8", 3, 1, "Tfrmshitufangdajing", "十图放大镜"},
        {"img61", "ts8", 3, 2, "Tfrmshiertulunbo", "十二图轮播"},
        {"img64", "ts8", 3, 3, "TFrmtenimageszy", "10图无限轮播"},
        {"img50", "ts8", 4, 1, "TFrmimgfanzhuan", "图片翻转"},
        {"imgzidingyifanzhuan", "ts8", 4, 2, "TFrmzdyfanzhuan", "自定义翻转"},
        {"img63", "ts8", 4, 3, "Tfrmqitukaiguandeng", "七图开关灯"},
        {"img125", "ts8", 5, 1, "Tfrmbatuzhezhao", "八图遮罩翻转"},
        {"img47", "ts8", 5, 2, "Tfrmzhengfantuwen4", "四图图文正反切换"},
        {"img48", "ts8", 5, 3, "Tfrmzhengfantuwen3", "三图图文正反切换"},
        // 静态格子
        {"img52", "ts6", 1, 1, "Tfrmgezilist", "图片格子列表生成器"},
        {"img129", "ts6", 3, 1, "Tfrmtupian8", "8图关联列表"},
        {"img130", "ts6", 3, 2, "TFrmsitutong", "通用四图列表"},
        {"img40", "ts6", 3, 3, "Tfrmdanhang1", "单行左右图文"},
        {"img51", "ts6", 4, 1, "Tfrmltbgz", "六图不规则列表"},
        {"img53", "ts6", 4, 2, "Tfrmtuangou", "仿团购促销列表"},
        {"img54", "ts6", 4, 3, "TFrmjianianhua", "仿嘉年华列表"},
        {"img59", "ts6", 5, 1, "Tfrmqituzhuanqu", "七图专区"},
        {"img62", "ts6", 5, 2, "Tfrmxijiewutu", "细节五图"},
        // 退役功能
        {"img23", "tstuiyi1", 1, 1, "Tfrmfanzhuan190", "190左侧图片翻转"},
        {"img28", "tstuiyi1", 1, 2, "TFrmxiu", "买家秀"},
        {"img29", "tstuiyi1", 1, 3, "Tfrmztypl", "左图右评论"},
        {"img123", "tstuiyi1", 2, 1, "TFrmliuyanban", "留言板"},
        {"img25", "tstuiyi1", 2, 2, "Tfrmfenlei", "首页横向分类"},
        {"img103", "tstuiyi1", 2, 3, "TFrmdonghuadibu", "动态底部信息"},
        {"img32", "tstuiyi1", 3, 1, "Tfrmdbdm", "底部信息"},
        {"img24", "tstuiyi1", 3, 2, "Tfrmkefu", "旺旺客服"},
        {"img11", "tstuiyi1", 3, 3, "Tfrmdaojishi", "全屏倒计时"},
        {"img33", "tstuiyi1", 4, 1, "Tfrmss", "店内搜索"},
        {"img110", "tstuiyi1", 4, 2, "Tfrmyouku", "优酷视频"},
        {"img111", "tstuiyi1", 4, 3, "Tfrmxiala", "下拉框显示"},
        {"img115", "tstuiyi1", 5, 1, "Tfrmtihuan", "代码替换"},
        {"img26", "tstuiyi1", 5, 2, "TFrmys", "无损压缩图片"},
        // 推荐功能
        {"img10", "tstuijian", 1, 1, "Tfrmimgurl", "图片下载器"},
        {"img2", "tstuijian", 1, 2, "Tfrmpiliangtonglan", "批量通栏转化"},
        {"img87", "tstuijian", 1, 3, "Tfrmmain", "宝贝描述助手"},
    };
    return entries;
}

Thumbnail::Thumbnail(const QString& caption, bool blank, QWidget* parent)
    : QLabel(caption, parent)
    , m_blank(blank) {
    setTextFormat(Qt::PlainText);
    if (blank) return;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void Thumbnail::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        // The same release of the left button a click ends with.
        const QPointF centre = QRectF(rect()).center();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &release);
        return;
    }
    QPoint direction;
    if (key == Qt::Key_Left) direction = QPoint(-1, 0);
    if (key == Qt::Key_Right) direction = QPoint(1, 0);
    if (key == Qt::Key_Up) direction = QPoint(0, -1);
    if (key == Qt::Key_Down) direction = QPoint(0, 1);
    if (direction.isNull() || !parentWidget()) {
        QLabel::keyPressEvent(event);
        return;
    }
    // The nearest tile of the page that lies in the arrow's direction.
    Thumbnail* nearest = nullptr;
    qint64 best = 0;
    const QPoint from = geometry().center();
    for (auto* other : parentWidget()->findChildren<Thumbnail*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->focusPolicy() == Qt::NoFocus || !other->isEnabled()) continue;
        const QPoint step = other->geometry().center() - from;
        const int along = step.x() * direction.x() + step.y() * direction.y();
        if (along <= 0) continue;
        const int across = std::abs(step.x() * direction.y()) + std::abs(step.y() * direction.x());
        const qint64 distance = qint64(along) + 4 * qint64(across);
        if (!nearest || distance < best) {
            nearest = other;
            best = distance;
        }
    }
    if (nearest) nearest->setFocus(Qt::OtherFocusReason);
}

void Thumbnail::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (m_blank) return;
    for (const CatalogueSlot& slot : catalogue())
        if (slot.image == objectName()) m_picture.load(this, slot.target);
}

void Thumbnail::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_blank) {
        p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1, Qt::DashLine));
        p.drawRoundedRect(box, 4, 4);
        return;
    }
    // The picture above, the caption in its own band below it.
    const core::CaptionedBox split = captionedBox();
    QPainterPath rounded;
    rounded.addRoundedRect(box, 4, 4);
    p.save();
    p.setClipPath(rounded);
    if (!m_picture.isNull()) {
        m_picture.paint(p, split.picture, 2);
    } else {
        // A window without a picture: a banner strip with a row of tiles under it.
        QLinearGradient fill(split.picture.topLeft(), split.picture.bottomLeft());
        fill.setColorAt(0, QColor(0x3a, 0x8e, 0xd8));
        fill.setColorAt(1, QColor(0x1f, 0x5f, 0xa8));
        p.fillRect(split.picture, fill);
        const QRectF area = split.picture;
        const qreal w = area.width(), h = area.height();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRect(QRectF(area.left() + w * 0.06, area.top() + h * 0.12, w * 0.88, h * 0.4));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(area.left() + w * (0.06 + i * 0.225), area.top() + h * 0.6, w * 0.2, h * 0.28));
    }
    core::paintCaption(p, split, text(), font());
    // A tile whose window is not there yet is shown grey.
    if (!isEnabled()) p.fillRect(rect(), QColor(0xc4, 0xc8, 0xcc, 200));
    p.restore();
    // The tile the keyboard is on shows a frame.
    if (hasFocus()) {
        p.setPen(QPen(QColor(0xff, 0x9a, 0x2e), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
}

core::CaptionedBox Thumbnail::captionedBox() const {
    return core::splitCaption(QRectF(rect()), 12, 20);
}

} // namespace app
