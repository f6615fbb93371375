#pragma once
#include <stdexcept>
#include <string>

namespace qm {

// The one failure type of the program: a missing or short file, a value that is not a number,
// an index outside a table. Drawing steps that stop silently on error catch exactly this type.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace qm
