#pragma once

#include "com/type_info.h"

#include <vector>

// The rows of the member tables both controls share; each control's table is these plus its
// own, so that hosts see one interface per control.
namespace tarnwick::frame {

// A property row.
com::MemberInfo propertyRow(const char* name, com::DispId id, const char* typeName,
                            com::VariantType type, std::uint8_t access,
                            const com::EnumInfo* enumeration = nullptr, bool hidden = false);
// A method or event row.
com::MemberInfo methodRow(const char* name, com::DispId id,
                          std::vector<com::ParameterInfo> parameters = {});
com::ParameterInfo parameterRow(const char* name, const char* typeName, bool byReference = false);

// The common properties and methods.
std::vector<com::MemberInfo> commonMembers();
// The standard key and mouse events, MouseEnter, MouseExit, KeyExit and the OLE events.
std::vector<com::MemberInfo> commonEvents();

// `first` followed by `second`.
std::vector<com::MemberInfo> joined(std::vector<com::MemberInfo> first,
                                    const std::vector<com::MemberInfo>& second);

} // namespace tarnwick::frame
