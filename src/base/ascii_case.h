#pragma once
#include <string>
#include <string_view>

namespace qm {

// The text with its ASCII letters in upper case; every other byte (Chinese text included) as it
// stands. Record codes ("m" -> "M") and file names compared ignoring case both use it.
std::string AsciiUpper(std::string_view text);

}  // namespace qm
