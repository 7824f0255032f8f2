#pragma once

#include "frame/ui/page_binding.h"

namespace tarnwick::mask {

// The General page: the lists, CursorPosition (-99999..99999), PromptChar and the check
// boxes of the masked control.
const frame::PageDescription& generalPage();
// The Lookup page: LookupTable (at most 255 characters), then LookupMode.
const frame::PageDescription& lookupPage();
// The one field behind the Format page: Format (at most 255 characters).
const frame::PageDescription& formatPageFields();

} // namespace tarnwick::mask
