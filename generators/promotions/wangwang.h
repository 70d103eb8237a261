#pragma once

#include "core/form.h"

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

} // namespace wangwang

// A Wangwang button for one account, in one of two status-picture styles.
class Tfrmww : public core::Form {
public:
    Tfrmww();

private:
    void copyButton(const QString& style, const QString& notice);
};

// A Wangwang button showing a picture of the user's choice, or the bare chat link.
class Tfrmgxww : public core::Form {
public:
    Tfrmgxww();
};

// A picture that opens a Wangwang group chat.
class Tfrmwangwangqun : public core::Form {
public:
    Tfrmwangwangqun();
};

} // namespace generators
