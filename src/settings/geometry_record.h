// The record in which a store keeps its owner form's position and size.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "os/locale.h"
#include "ui/geometry.h"

namespace settings {

// Left, top, width and height, each as decimal text filled on the left with "0" to 4 characters
// ("00-8" for -8); a number needing more characters is written whole.
std::string FormatGeometryRecord(const ui::Rect& bounds);

// The four fields of a record of exactly 16 characters, each read leniently (so "00-8" gives 0);
// nothing for a record of any other length.
std::optional<ui::Rect> ParseGeometryRecord(std::string_view record, const os::Locale& locale);

}  // namespace settings
