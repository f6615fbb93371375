#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "base/failure.h"

namespace qm {

// Reads the fields of one file in order: blanks before a field are skipped, a field ends at ","
// or at a line end (CR LF or LF), and a line end separates fields exactly as a comma does. The
// whole file is read into memory when the reader is made and the file is closed at once, so a
// failure later never leaves it open. A missing file, a read past the last field or a field
// that is not what was asked for throws a qm::Failure of the reader's file.
class FieldReader {
 public:
  explicit FieldReader(const std::filesystem::path& file);
  // A reader over a text already in memory (for tests and small fixtures).
  static FieldReader FromText(std::string text, std::string name = "text");

  // The next field as text; valid while the reader lives. Throws past the last field.
  std::string_view Next();
  // The next field, which must be a number ("73", " 4.5", "-.5"); anything else throws.
  double NextNumber();
  // The next field, which must be a whole number.
  int NextInt();
  // The next field, a whole number from low to high; a number from low to high. Every drawing
  // reads thousands of table fields through these: the check stays inline, the refusal apart.
  int NextIntIn(int low, int high) {
    const int value = NextInt();
    if (value < low || value > high) [[unlikely]]
      RefuseOutOfRange(value);
    return value;
  }
  double NextNumberIn(double low, double high) {
    const double value = NextNumber();
    if (value < low || value > high) [[unlikely]]
      RefuseOutOfRange(value);
    return value;
  }
  // The failure of this reader's file, for a value its table does not hold.
  Failure Refusal(std::string_view what) const;
  bool AtEnd() const;

 private:
  FieldReader() = default;
  // The field just read, no plain run of digits, as a whole number.
  int WholeNumberOfField();
  [[noreturn]] void RefuseOutOfRange(double value) const;
  std::string text_;
  std::string name_;
  std::size_t pos_ = 0;
};

}  // namespace qm
