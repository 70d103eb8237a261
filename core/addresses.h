#pragma once

#include <QString>

// Every web address the program opens or loads.
namespace core::addresses {

// Marketplace seller pages (the paths are the marketplace's own).
inline const QString shopDecoration = QStringLiteral("https://siteadmin.taobao.com/choose_shop.htm");
inline const QString pictureSpace = QStringLiteral("https://tadget.taobao.com/picture/pictureIndex.htm");
inline const QString sellerCentre = QStringLiteral("https://mai.taobao.com/seller_admin.htm");

// The maker's pages.
inline const QString website = QStringLiteral("https://www.qingwu360.com/");
inline const QString websiteTray = QStringLiteral("https://home.qingwu360.com/");
inline const QString shop = QStringLiteral("https://qingwu360.taobao.com/");
inline const QString tutorialVideos = QStringLiteral("https://www.qingwu360.com/video/");
inline const QString latestVersion = QStringLiteral("https://www.qingwu360.com/download/");
inline const QString freeResources = QStringLiteral("https://pan.baidu.com/s/qingwu360");
inline const QString designDirectory = QStringLiteral("https://www.qingwu360.com/sites/");

// The announcement page ships with the program, so the launcher shows it offline.
inline const QString announcementFile = QStringLiteral("gonggao.html");

// Image tools.
inline const QString imageDownloaderStart = QStringLiteral("https://www.qingwu360.com/tools/imgurl/");
inline const QString imageDownloaderHelp = QStringLiteral("https://www.qingwu360.com/help/imgurl/");
inline const QString imageDownloaderDownload = QStringLiteral("https://pan.baidu.com/s/qingwu360-imgurl");
inline const QString imageDownloaderSample = QStringLiteral("https://qingwu360.taobao.com/");

} // namespace core::addresses

// Navigation, categories and footer: the shop's own search page, reached from
// the shop's home address as the user types it, and its keyword field.
namespace core::addresses {
inline const QString shopSearchPath = QStringLiteral("/search.htm?search=y&v=1");
inline const QString shopSearchField = QStringLiteral("keyword");
} // namespace core::addresses

// Promotions and customer service: the marketplace's messenger (Wangwang) links.
namespace core::addresses {

// Chat base: the marketplace's main address; status base: its online-status pictures.
inline const QString wangwangChatBase = QStringLiteral("https://www.taobao.com");
inline const QString wangwangStatusBase = QStringLiteral("https://amos.alicdn.com");
// A chat with an account (its encoded name follows).
inline const QString wangwangChat = wangwangChatBase + QStringLiteral("/webww/ww.php?ver=3&touid=");
// The online-status picture of an account (its encoded name follows).
inline const QString wangwangStatus = wangwangStatusBase + QStringLiteral("/realonline.aw?v=2&uid=");
// A group chat (the group's number follows).
inline const QString wangwangGroup =
    wangwangChatBase + QStringLiteral("/go/act/other/wwgroup.php?uid=1&tribeid=");
} // namespace core::addresses

// Image tools: product QR code, favourites links, picture compression.
namespace core::addresses {

// The marketplace's QR-code picture service and its favourites service.
inline const QString qrCodeService = QStringLiteral("https://gqrcode.alicdn.com/img");
inline const QString favouritesService =
    QStringLiteral("https://favorite.taobao.com/popup/add_collection.htm");
// The fixed token of the favourites link.
inline const QString favouritesToken = QStringLiteral("9d04be7c2a61e");
// Sample inputs of the QR-code and shop-favourites windows.
inline const QString sampleProduct =
    QStringLiteral("https://item.taobao.com/item.htm?spm=a1z10.1-c.w4004.2.qingwu&id=520117360001");
inline const QString sampleShop = QStringLiteral("https://qingwu360.taobao.com/");
// The page "其他" of the compressor opens.
inline const QString compressorMore = QStringLiteral("https://qingwu360.taobao.com/category.htm");

} // namespace core::addresses

// Description assistant: the menu's tutorial video (marketplace video host) and
// the download page of new versions (cloud drive).
namespace core::addresses {
inline const QString assistantVideo =
    QStringLiteral("https://cloud.video.taobao.com/play/u/qingwu/p/1/e/6/t/1/zhushou.mp4");
inline const QString assistantDownload = QStringLiteral("https://pan.baidu.com/s/qingwu360-zhushou");
} // namespace core::addresses

// Code tools: the search boxes post to the shop's own search page; hot words
// and keyword links search it for one word ("keyword" is the marketplace's field).
namespace core::addresses {
inline const QString searchBoxKeywordSearch =
    QStringLiteral("/search.htm?") + shopSearchField + QStringLiteral("=");
inline const QString searchBoxNotice = QStringLiteral("https://www.qingwu360.com/notice/sousuokuang.html");
} // namespace core::addresses
