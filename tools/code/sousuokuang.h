#pragma once

#include "core/form.h"
#include "core/snippet.h"

namespace core {
class Browser;
}

namespace tools {

// The fields of the custom search box, as typed; the defaults are the window's.
struct SousuokuangInput {
    QString shop = QStringLiteral("https://qingwu360.taobao.com"); // edtdizhi, without a trailing "/"
    QString height = QStringLiteral("35");                         // edtgaodu
    QString keyword = QStringLiteral("青梧掌柜装修工具");          // edtguanjianzi
    QString keywordColour = QStringLiteral("#ccc");                // edtguanjianzise
    QString colour = QStringLiteral("#f30");                       // edtsexi, the button and the frame
    QString hotWords = QStringLiteral("通栏转化|图片列表计算器|自定义搜索框"); // edtreci, "|" between words
    QString hotColour = QStringLiteral("#000");                    // edtrecise
    QString fieldWidth = QStringLiteral("200");                    // edtwenbenkuan
    QString fieldColour = QStringLiteral("#fff");                  // edtwenbense
    QString frame = QStringLiteral("0");                           // cbbxiankuan
    QString fieldPicture = QStringLiteral("none");                 // edtwenbenbeijing
    QString fieldPictureWidth = QStringLiteral("0");               // edtwenbentukuan
    QString buttonWidth = QStringLiteral("75");                    // edtanniukuan
    QString buttonText = QStringLiteral("Search");                 // edtanniuwenzi
    QString buttonTextColour = QStringLiteral("#fff");             // edtwenzise
    QString buttonPicture = QStringLiteral("none");                // edtanniubeijing
    QString codeWidth = QStringLiteral("950");                     // edtzidingyikuan
    QString codeHeight = QStringLiteral("150");                    // edtzidingyigao
    // mmozidingyi, the user's own code as the memo holds it.
    QString code = QStringLiteral("<img src=\"https://img.alicdn.com/imgextra/i1/qingwu/dianzhao-950x150.jpg\" />\r\n");
    QString right = QStringLiteral("0");                           // edtyoubianju
    QString top = QStringLiteral("0");                             // edtdingbianju
    QString box;                                                   // mmo1, the search box made by "调试效果"
};

// "调试效果": the search box with its hot words. An address with "https" is
// written back with "http" (edtdizhi) before the sizes are read, so a size that
// is not a number fails after it.
core::Built sousuokuangBox(const SousuokuangInput& input);

// The preview page of the search box laid over the own code.
QString sousuokuangPage(const SousuokuangInput& input);

// "提取代码": the own code with the input's search box laid over it.
QString sousuokuangSnippet(const SousuokuangInput& input);

// A search box of chosen sizes and colours, with optional hot words, laid over
// a block of the user's own code, with a live preview.
class Tfrmsousuokuang : public core::Form {
    Q_OBJECT
public:
    Tfrmsousuokuang();

private:
    core::Browser* browser();
    SousuokuangInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace tools
