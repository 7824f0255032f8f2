#include "page_binding.h"

#include "com/com_error.h"

namespace tarnwick::frame {

using namespace com;

void PageBinding::setObjects(const std::vector<ComPtr<IUnknown>>& objects) {
    m_objects.clear();
    for (const ComPtr<IUnknown>& object : objects) {
        if (auto dispatch = object.query<IDispatch>()) {
            m_objects.push_back(std::move(dispatch));
        }
    }
}

std::vector<Variant> PageBinding::read(const PageDescription& page) const {
    std::vector<Variant> values;
    for (const PageField& field : page.fields) {
        values.push_back(m_objects.empty()
                             ? Variant()
                             : m_objects.front()->Invoke(field.id, InvokeKind::Get, {}));
    }
    return values;
}

std::optional<std::size_t> PageBinding::apply(const PageDescription& page,
                                              const std::vector<Variant>& values) const {
    for (const ComPtr<IDispatch>& object : m_objects) {
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            try {
                object->Invoke(page.fields[i].id, InvokeKind::Put,
                               std::span<const Variant>(&values[i], 1));
            } catch (const ComError&) {
                return i;
            }
        }
    }
    return std::nullopt;
}

} // namespace tarnwick::frame
