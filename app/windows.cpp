#include "app/windows.h"

#include "core/form.h"

#include <QHash>
#include <memory>

namespace app {

namespace {

QHash<QString, std::function<core::Form*()>>& factories() {
    static QHash<QString, std::function<core::Form*()>> table;
    return table;
}

QList<core::Form*>& created() {
    static QList<core::Form*> list;
    return list;
}

QHash<QString, core::Form*>& byName() {
    static QHash<QString, core::Form*> table;
    return table;
}

} // namespace

const QStringList& startupOrder() {
    static const QStringList order = {"Tfrmindex",
                                      "Tfrmmini",
                                      "Tfrmtonglan3",
                                      "Tfrmyulan",
                                      "TFrmhtml",
                                      "Tfrmjsq",
                                      "Tfrmbeijing",
                                      "TfrmBJHD",
                                      "TFrmjianfeng",
                                      "Tfrmlike",
                                      "Tfrmtext",
                                      "TfrmBBEWM",
                                      "Tfrmww",
                                      "Tfrmgxww",
                                      "Tfrmwangwangqun",
                                      "Tfrmredian",
                                      "Tfrmmaodian",
                                      "Tfrmsale",
                                      "TfrmLBfenceng",
                                      "TfrmLBzhankai",
                                      "Tfrmsantulunbo2",
                                      "Tfrmlunbo",
                                      "Tfrmfangkuai",
                                      "Tfrmtonglansuotu",
                                      "Tfrmjianyuelunbo",
                                      "Tfrmsantulunbo",
                                      "Tfrmshishangtonglan",
                                      "Tfrmxuehua",
                                      "Tfrmdzdh",
                                      "Tfrmdh",
                                      "TFrmdaohangdaisousuo",
                                      "Tfrmdianzhaolunbo",
                                      "TFrm950fanzhuan",
                                      "Tfrmfenleitongdao",
                                      "TFrmjieridaojishi",
                                      "Tfrmdanpinyouhuiquan",
                                      "Tfrmquanpingshipin",
                                      "TFrmlouceng",
                                      "Tfrmpaihangbang",
                                      "TFrmzhanggui",
                                      "Tfrmyhq",
                                      "Tfrmkapan1",
                                      "Tfrmwutuzuolunbo",
                                      "Tfrmliangcelunbo",
                                      "Tfrmliutumingxing",
                                      "TFrmkapan12",
                                      "Tfrmshitufangdajing",
                                      "Tfrmshiertulunbo",
                                      "TFrmtenimageszy",
                                      "TFrmimgfanzhuan",
                                      "TFrmzdyfanzhuan",
                                      "Tfrmqitukaiguandeng",
                                      "Tfrmbatuzhezhao",
                                      "Tfrmzuobiaoqian",
                                      "Tfrmzhengfantuwen3",
                                      "Tfrmzhengfantuwen4",
                                      "Tfrmtupian8",
                                      "TFrmsitutong",
                                      "Tfrmdanhang1",
                                      "Tfrmltbgz",
                                      "Tfrmtuangou",
                                      "TFrmjianianhua",
                                      "Tfrmqituzhuanqu",
                                      "Tfrmxijiewutu",
                                      "Tfrmfanzhuan190",
                                      "TFrmxiu",
                                      "Tfrmztypl",
                                      "TFrmliuyanban",
                                      "Tfrmfenlei",
                                      "TFrmdonghuadibu",
                                      "Tfrmdbdm",
                                      "Tfrmkefu",
                                      "Tfrmdaojishi",
                                      "Tfrmss",
                                      "Tfrmyouku",
                                      "Tfrmxiala",
                                      "Tfrmtihuan",
                                      "TFrmys",
                                      "Tfrmgezilist",
                                      "Tfrmimgurl",
                                      "Tfrmpiliangtonglan",
                                      "Tfrmtonglanbg",
                                      "Tfrmsousuokuang",
                                      "Tfrmshoucang",
                                      "Tfrmcharushanchudaima",
                                      "Tfrmmain"};
    return order;
}

bool registerWindow(const QString& className, std::function<core::Form*()> factory) {
    factories().insert(className, std::move(factory));
    return true;
}

bool isBuilt(const QString& className) {
    return factories().contains(className);
}

core::Form* createWindow(const QString& className) {
    if (core::Form* existing = byName().value(className, nullptr)) return existing;
    const auto factory = factories().constFind(className);
    if (factory == factories().constEnd()) return nullptr;
    core::Form* form = (*factory)();
    form->hide();
    created().append(form);
    byName().insert(className, form);
    form->fire(QStringLiteral("FormCreate"));
    return form;
}

void createWindows() {
    for (const QString& name : startupOrder())
        createWindow(name);
}

core::Form* window(const QString& className) {
    return byName().value(className, nullptr);
}

const QList<core::Form*>& windows() {
    return created();
}

} // namespace app
