#pragma once

#include <QString>

// Every web address the program opens or loads.
namespace app::addresses {

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

} // namespace app::addresses

// Code tools: the search boxes post to the shop's own search page; hot words
// and keyword links search it for one word ("keyword" is the marketplace's field).
namespace app::addresses {
inline const QString searchBoxShopSearch = QStringLiteral("/search.htm?search=y&v=1");
inline const QString searchBoxKeywordSearch = QStringLiteral("/search.htm?keyword=");
inline const QString searchBoxNotice = QStringLiteral("https://www.qingwu360.com/notice/sousuokuang.html");
} // namespace app::addresses
