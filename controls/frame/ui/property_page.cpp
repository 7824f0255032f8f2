#include "property_page.h"

namespace tarnwick::frame {

using namespace com;

PropertyPage::PropertyPage(const PageDescription& page, const fenbase6::FenBase6Api& api,
                           ComModule* module)
    : ComObject(module), m_page(page), m_api(api) {}

PropertyPage::~PropertyPage() {
    Deactivate();
}

void PropertyPage::SetObjects(const std::vector<ComPtr<IUnknown>>& objects) {
    m_binding.setObjects(objects);
    if (m_window) {
        m_window->showValues(m_binding.read(m_page));
    }
}

QWidget* PropertyPage::Activate(QWidget* parent) {
    Deactivate();
    m_window = new PropertyPageWindow(m_page, m_api, parent);
    if (m_binding.hasObjects()) {
        m_window->showValues(m_binding.read(m_page));
    }
    return m_window;
}

void PropertyPage::Deactivate() {
    delete m_window.data();
}

bool PropertyPage::Apply() {
    if (!m_window) {
        return true;
    }
    const std::optional<std::size_t> refused = m_binding.apply(m_page, m_window->values());
    if (refused) {
        m_window->reportRefusal(*refused);
        return false;
    }
    return true;
}

} // namespace tarnwick::frame
