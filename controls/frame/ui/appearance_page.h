#pragma once

#include "page_binding.h"

namespace tarnwick::frame {

// The Appearance page both control libraries show: Appearance, BorderStyle,
// AlignHorizontal, AlignVertical and the four margins (0..32767). Each library registers it
// under a class identity of its own, made with PropertyPage.
const PageDescription& appearancePage();

} // namespace tarnwick::frame
