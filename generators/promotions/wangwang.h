#pragma once

#include "core/form.h"
#include "core/snippet.h"

namespace generators {

// Wangwang, the marketplace's messenger: buttons that open a chat with an
// account, or a group chat.
namespace wangwang {

// The chat address of an encoded account, with the status digit `s`.
QString chatLink(const QString& account, const QString& s);

// A chat button showing `picture`, opening `chat`.
QString chatButton(const QString& chat, const QString& picture);

// The button the marketplace itself gives for an account (status style 2).
QString marketplaceButton(const QString& account);

// The sample account of the windows.
inline const QString kSampleAccount = QStringLiteral("青梧美工");

} // namespace wangwang

// The fields of the Wangwang button, as typed; the defaults are the window's.
struct WwInput {
    QString account = wangwang::kSampleAccount; // edt1
    int style = 1; // the status-picture style of the button pressed: 1 (btn1) or 2 (btn2)
};

// The button for the account in its style: the encoded account is written
// into the hidden edt2 first.
core::Built wwSnippet(const WwInput& input);

// The fields of the picture Wangwang button, as typed; the defaults are the window's.
struct GxwwInput {
    QString account = wangwang::kSampleAccount; // edt1
    QString picture = QStringLiteral("none");   // edt3
    bool linkOnly = false; // 仅获取旺旺链接 (btn1) rather than 生成图片式旺旺 (btn2)
};

// The chat button showing the picture, or the bare chat link: the encoded
// account is written into the hidden edt2 first.
core::Built gxwwSnippet(const GxwwInput& input);

// The fields of the group chat button, as typed; the defaults are the window's.
struct WangwangqunInput {
    QString group = QStringLiteral("1123581321"); // edt1
    QString picture =
        QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/wangwang-group-63x20.gif"); // edt2
    QString width = QStringLiteral("63");                                                     // edt3
    QString height = QStringLiteral("20");                                                    // edt4
    QString caption = QStringLiteral("点我群聊吧");                                           // edt5
};

// A picture link that opens the group chat.
QString wangwangqunSnippet(const WangwangqunInput& input);

// A Wangwang button for one account, in one of two status-picture styles.
class Tfrmww : public core::Form {
public:
    Tfrmww();

private:
    void copyButton(int style, const QString& notice);
};

// A Wangwang button showing a picture of the user's choice, or the bare chat link.
class Tfrmgxww : public core::Form {
public:
    Tfrmgxww();

private:
    GxwwInput input(bool linkOnly) const;
};

// A picture that opens a Wangwang group chat.
class Tfrmwangwangqun : public core::Form {
public:
    Tfrmwangwangqun();

private:
    WangwangqunInput input() const;
};

} // namespace generators
