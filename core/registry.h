#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <typeindex>

namespace core {

class Form;

// The size of a launcher tile: the usual 200 × 68, the wide one spanning the
// three columns of its page (664 × 158), the large tiles of the page of
// recommended tools (250 × 110).
enum class TileSize { Small, Wide, Large };

// Where a window's tile lies in the launcher's catalogue.
struct Tile {
    const char16_t* page = nullptr; // page control name, "ts11"
    int row = 0;                    // from 1
    int column = 0;                 // from 1
    const char16_t* image = nullptr; // control name of the tile, "img133"
    const char16_t* caption = nullptr;
    TileSize size = TileSize::Small;
};

// Where on the shop's pages a generator's snippet goes.
enum class Place {
    Home,            // a module of the home page: the edition's frame
    Description,     // a product description: 750 px, 790 px in a Tmall shop
    Wide,            // a 1920 px strip before it is fitted into a page
    Side,            // the 190 px side column
    Top,             // the shop sign with the navigation bar, at the top of the page
    Sign,            // the shop sign, above the page's navigation bar
    NavigationStyle, // a style sheet pasted into the navigation module's settings
};

// How a snippet generator's output is shown in the shop preview.
struct ShopPreview {
    Place place = Place::Home;
    // The window's shop-type choice (a combo box or a radio group), if any.
    // Its text decides the edition: "基础…" basic, "天猫…" Tmall, anything
    // else professional; a text with "描述" puts a home module into the
    // description of that shop. A width chosen instead ("990", "750"), or
    // the label showing it, names the page of that width.
    const char16_t* shopType = nullptr;
    // The box of a generator that fills it without copying it (its snippet
    // goes on to the banner converter, or the window shows it first), if any.
    const char16_t* output = nullptr;
};

// What the program knows of a window class besides its code: its place in
// the start-up order, its tile and its shop preview. Written beside the
// class, in its unit, with QINGWU_WINDOW.
struct WindowInfo {
    // Windows are created in increasing order; every window has its own.
    int order = 0;
    std::optional<Tile> tile = std::nullopt;
    std::optional<ShopPreview> preview = std::nullopt;
    // A generator's snippet for its sample settings, built without its
    // window: what the launcher's picture of the module shows.
    std::function<QString()> sample = nullptr;
    // Whether a generator's fields are what its work is, so that it keeps
    // them as presets; not where the work is a picture with areas drawn on it
    // or a list of sections.
    bool presets = true;
    // Made at start-up, in start-up order, for what its making does that the
    // user sees (a timer running from start, a message at start, a date taken
    // then). Every other window is made on first use: a window that is
    // never opened costs nothing.
    bool atStart = false;
};

struct WindowClass {
    QString name;
    WindowInfo info;
    std::function<Form*()> make;
};

// Makes a window class known; used through QINGWU_WINDOW.
bool registerWindow(const QString& name, std::function<Form*()> make, const WindowInfo& info);

// Every registered window class, in start-up order.
QList<const WindowClass*> windowClasses();

// The registered class of that name; null for an unknown name.
const WindowClass* windowClass(const QString& name);

// The descriptor of a window's class; null for a window that is not registered.
const WindowInfo* windowInfo(const Form& form);

// The one instance of a window class, made hidden on first request; null for
// an unknown name.
Form* instance(const QString& name);

// The instance if it was made already; null otherwise.
Form* existingInstance(const QString& name);

// The windows made so far, in the order they were made.
const QList<Form*>& instances();

// A service one window offers the others (the banner converter takes code
// from the generators): the window class that provides it.
bool registerProvider(std::type_index service, const QString& windowClass);
Form* providerOf(std::type_index service);

template <class Service> Service* provider() {
    return dynamic_cast<Service*>(providerOf(typeid(Service)));
}

} // namespace core

// Registers a window class with its descriptor:
//   QINGWU_WINDOW(Tfrmlunbo, {.order = 220, .tile = core::Tile{u"ts11", 2, 1, u"img133", u"轮播标签海报"}})
#define QINGWU_WINDOW(Class, ...)                                                                            \
    static const bool Class##Registered =                                                                    \
        core::registerWindow(QStringLiteral(#Class), [] { return new Class(); }, core::WindowInfo __VA_ARGS__);

#define QINGWU_JOIN2(a, b) a##b
#define QINGWU_JOIN(a, b) QINGWU_JOIN2(a, b)

// Declares that a registered window class provides a service.
#define QINGWU_PROVIDES(Class, Service)                                                                      \
    static const bool QINGWU_JOIN(qingwuProvides, __LINE__) =                                                \
        core::registerProvider(typeid(Service), QStringLiteral(#Class));
