#include "core/account.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(AccountTest, EachUtf8ByteIsKeptOrEncoded) {
    const struct {
        QString name, encoded;
    } cases[] = {
        {"", ""},
        {"qingwu360", "qingwu360"},
        {"AZaz09", "AZaz09"},
        // The ten characters kept as they are.
        {"*@._-$!'()", "*@._-$!'()"},
        {"a b", "a+b"},
        {"  ", "++"},
        // A sub-account: main account, colon, sub-account name.
        {"qingwu:kefu", "qingwu%3Akefu"},
        {"~", "%7E"},
        {"&", "%26"},
        {"#", "%23"},
        {"%", "%25"},
        {"+", "%2B"},
        {"/?=\"", "%2F%3F%3D%22"},
        {"旺", "%E6%97%BA"},
        {"青梧:海报", "%E9%9D%92%E6%A2%A7%3A%E6%B5%B7%E6%8A%A5"},
        {"小 旺", "%E5%B0%8F+%E6%97%BA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::encodedAccount(c.name), c.encoded) << c.name.toStdString();
}

} // namespace
