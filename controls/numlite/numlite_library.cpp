// The numeric control as a component library: the control and its four property pages.
#include "fen_num_lite.h"
#include "frame/control_library.h"
#include "frame/ui/appearance_page.h"
#include "numlite/ui/numlite_pages.h"
#include "numlite/ui/value_page.h"
#include "numlite_ids.h"

namespace tarnwick::frame {

using namespace com;

namespace {

LibraryClass pageClass(const Guid& clsid, const char* name, LibraryClass::Creator create) {
    return {ClassRegistration{clsid, QLatin1String(name), {}, {}}, std::move(create), false};
}

} // namespace

ControlLibrary& thisControlLibrary() {
    using namespace numlite;
    static ControlLibrary library(ControlLibraryDescription{
        kNumLiteTypeLibrary,
        QStringLiteral("Fen NumLite Control 6.0"),
        {{ClassRegistration{kNumLiteClsid, QStringLiteral("FenNumLite Control"),
                            QStringLiteral("Holm.NumLite6.6"), QStringLiteral("Holm.NumLite6")},
          [](ComModule& module, const fenbase6::FenBase6Api& api) {
              return makeUnknown<FenNumLite>(api, &module);
          },
          true},
         pageClass(kGeneralPageClsid, "FenNumLite General Page",
                   [](ComModule& module, const fenbase6::FenBase6Api& api) {
                       return makeUnknown<PropertyPage>(generalPage(), api, &module);
                   }),
         pageClass(kValuePageClsid, "FenNumLite Value Page",
                   [](ComModule& module, const fenbase6::FenBase6Api& api) {
                       return makeUnknown<ValuePage>(api, &module);
                   }),
         pageClass(kAppearancePageClsid, "FenNumLite Appearance Page",
                   [](ComModule& module, const fenbase6::FenBase6Api& api) {
                       return makeUnknown<PropertyPage>(appearancePage(), api, &module);
                   }),
         pageClass(kButtonPageClsid, "FenNumLite Button Page",
                   [](ComModule& module, const fenbase6::FenBase6Api& api) {
                       return makeUnknown<SpinButtonPage>(api, &module);
                   })},
        {{QStringLiteral("IFenNumLite"), IFenNumLite::kIid},
         {QStringLiteral("IFenNumLiteEvents"), kNumLiteEventsIid}},
        {}});
    return library;
}

} // namespace tarnwick::frame
