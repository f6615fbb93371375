#include "base/names.h"

namespace qm {
namespace {

template <std::size_t N>
std::optional<int> FindName(const std::array<std::string_view, N>& names, std::string_view text) {
  for (std::size_t i = 1; i < N; ++i)
    if (names[i] == text) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace

std::optional<int> StemFromText(std::string_view text) { return FindName(kStemNames, text); }
std::optional<int> BranchFromText(std::string_view text) { return FindName(kBranchNames, text); }
std::optional<int> ElementKindFromText(std::string_view text) {
  return FindName(kElementKindNames, text);
}

}  // namespace qm
