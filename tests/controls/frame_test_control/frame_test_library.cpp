// The test control as a component library: the control and its two property pages.
#include "frame/component_categories.h"
#include "frame/control_library.h"
#include "frame/ui/appearance_page.h"
#include "frame/ui/property_page.h"
#include "frame_test_control.h"

namespace tarnwick::frame {

using namespace com;

ControlLibrary& thisControlLibrary() {
    using test::FrameTestControl;
    static ControlLibrary library(ControlLibraryDescription{
        test::kFrameTestTypeLibrary,
        QStringLiteral("Fen Frame Test Control 6.0"),
        {{ClassRegistration{test::kFrameTestClsid, QStringLiteral("FenFrameTest Control"),
                            QStringLiteral("Holm.FrameTest6.6"), QStringLiteral("Holm.FrameTest6")},
          [](ComModule& module, const fenbase6::FenBase6Api& api) {
              return makeUnknown<FrameTestControl>(api, &module);
          },
          true},
         {ClassRegistration{test::kFrameTestGeneralPageClsid,
                            QStringLiteral("FenFrameTest General Page"),
                            {},
                            {}},
          [](ComModule& module, const fenbase6::FenBase6Api& api) {
              return makeUnknown<PropertyPage>(FrameTestControl::generalPage(), api, &module);
          },
          false},
         {ClassRegistration{test::kFrameTestAppearancePageClsid,
                            QStringLiteral("FenFrameTest Appearance Page"),
                            {},
                            {}},
          [](ComModule& module, const fenbase6::FenBase6Api& api) {
              return makeUnknown<PropertyPage>(appearancePage(), api, &module);
          },
          false}},
        {{QStringLiteral("IFenFrameTest"), test::IFenFrameTest::kIid},
         {QStringLiteral("IFenFrameTestEvents"), test::kFrameTestEventsIid}},
        {Category::Control, Category::Programmable, Category::SafeForScripting,
         Category::SafeForInitializing, Category::PersistsToStreamInit, Category::PersistsToStream,
         Category::PersistsToPropertyBag}});
    return library;
}

} // namespace tarnwick::frame
