// The masked input control as a component library: FenMask and its four property pages.
#include "fen_mask.h"
#include "frame/component_categories.h"
#include "frame/control_library.h"
#include "frame/ui/appearance_page.h"
#include "frame/ui/property_page.h"
#include "mask/ui/format_page.h"
#include "mask/ui/mask_pages.h"
#include "mask_ids.h"

namespace tarnwick::frame {

using namespace com;

namespace {

LibraryClass pageClass(const Guid& clsid, const char* name, const PageDescription& page) {
    return {ClassRegistration{clsid, QLatin1String(name), {}, {}},
            [&page](ComModule& module, const fenbase6::FenBase6Api& api) {
                return makeUnknown<PropertyPage>(page, api, &module);
            },
            false};
}

} // namespace

ControlLibrary& thisControlLibrary() {
    using namespace mask;
    static ControlLibrary library(ControlLibraryDescription{
        kMaskTypeLibrary,
        QStringLiteral("Fen Mask Control 6.0"),
        {{ClassRegistration{kFenMaskClsid, QStringLiteral("FenMask Control"),
                            QStringLiteral("Holm.Mask6.6"), QStringLiteral("Holm.Mask6")},
          [](ComModule& module, const fenbase6::FenBase6Api& api) {
              return makeUnknown<FenMask>(api, &module);
          },
          true},
         pageClass(kGeneralPageClsid, "FenMask General Page", generalPage()),
         pageClass(kAppearancePageClsid, "FenMask Appearance Page", appearancePage()),
         {ClassRegistration{kFormatPageClsid, QStringLiteral("FenMask Format Page"), {}, {}},
          [](ComModule& module, const fenbase6::FenBase6Api&) {
              return makeUnknown<FormatPage>(&module);
          },
          false},
         pageClass(kLookupPageClsid, "FenMask Lookup Page", lookupPage())},
        {{QStringLiteral("IFenMask"), IFenMask::kIid},
         {QStringLiteral("IFenMaskEvents"), kFenMaskEventsIid}},
        {Category::Control, Category::Programmable, Category::SafeForScripting,
         Category::SafeForInitializing, Category::PersistsToStreamInit, Category::PersistsToStream,
         Category::PersistsToPropertyBag}});
    return library;
}

} // namespace tarnwick::frame
