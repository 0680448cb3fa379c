#pragma once

#include <string>
#include <vector>

namespace kx {

// "a", "a en b", "a, b en c", with en the last separator.
std::string Opsomming(const std::vector<std::string>& delen, const std::string& en);

} // namespace kx
