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

// Description assistant: the menu's tutorial video (marketplace video host) and
// the download page of new versions (cloud drive).
namespace app::addresses {
inline const QString assistantVideo = QStringLiteral("https://cloud.video.taobao.com/play/u/qingwu/p/1/e/6/t/1/zhushou.mp4");
inline const QString assistantDownload = QStringLiteral("https://pan.baidu.com/s/qingwu360-zhushou");
} // namespace app::addresses
