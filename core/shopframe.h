#pragma once

#include <QString>
#include <optional>

namespace core {

class Form;

// The shop pages a snippet can be previewed in: the three editions' home
// pages, the product description of a Taobao (750 px) or Tmall (790 px) shop,
// a full-width 1920 px strip and the 190 px side column. A shop header or
// navigation bar takes the place of the page's own: the whole top (sign and
// navigation bar), the sign above the page's navigation bar, or the style of
// the shop's navigation module (a style sheet pasted into its settings).
enum class ShopFrame {
    Basic,
    Professional,
    Tmall,
    Description750,
    Description790,
    Wide1920,
    Side190,
    Top,
    Sign,
    NavigationStyle,
};

// The frame a generator's snippet is shown in, from the window's class and,
// where it has one, its shop-type choice as it reads now; nothing for a
// window that is not a snippet generator.
std::optional<ShopFrame> shopFrameOf(const Form& form);

// The box a generator fills without copying it (its snippet goes on to the
// banner converter, or the window shows it before it is copied); empty for
// generators that copy what they make.
QString undeliveredOutput(const Form& form);

// The width, in CSS pixels, of a module made for the frame's place: 950 or
// 990 px on a home page (750 px in the basic edition's main column), 750 or
// 790 px in a description, 1920 px for a strip, 190 px in the side column.
int moduleWidth(ShopFrame frame);
// The width of the whole page of the frame, the module's place and what
// surrounds it.
int pageWidth(ShopFrame frame);

// The frame's page around a snippet, from "files": its head (before the
// snippet) and its tail (after it). The head's style sheet is addressed in
// "files" wherever the page is written.
QString frameHead(ShopFrame frame);
QString frameTail(ShopFrame frame);

} // namespace core
