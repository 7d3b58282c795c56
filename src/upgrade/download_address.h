// Which download addresses from the information file may be handed to the web browser.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace upgrade {

inline constexpr std::size_t kMaxAddressBytes = 2048;

// The address to open for a download address: "http://" is put in front when it holds no "://".
// The file comes over plain HTTP, so a forged answer picks the address; the shell would start
// any program or file it names. Only an http or https address with a host, made of the
// characters a URI may hold (no spaces, quotes, backslashes, control or non-ASCII bytes) and at
// most kMaxAddressBytes long, is returned; anything else gives nothing.
std::optional<std::string> BrowserAddress(std::string_view address);

}  // namespace upgrade
