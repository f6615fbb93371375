#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace qm {

// Reads the fields of one file in order: blanks before a field are skipped, a field ends at ","
// or at a line end (CR LF or LF), and a line end separates fields exactly as a comma does. The
// whole file is read into memory when the reader is made and the file is closed at once, so a
// failure later never leaves it open. A missing file or a read past the last field throws
// qm::Failure.
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
  // The same, which must also lie from low to high: a table value that no stem, month or day
  // can be is refused here rather than used as an index.
  double NextNumberIn(double low, double high);
  int NextIntIn(int low, int high);
  bool AtEnd() const;

 private:
  FieldReader() = default;
  void CheckRange(double value, double low, double high) const;
  std::string text_;
  std::string name_;
  std::size_t pos_ = 0;
};

}  // namespace qm
