#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qm {

// The file of the program folder that a failure concerns: one that could not be read whole as
// its layout says, or one that could not be written.
struct FailedFile {
  enum class Access { Read, Write };
  std::string name;
  Access access = Access::Read;
  bool operator==(const FailedFile&) const = default;
};

// The one failure type of the program: a missing or short file, a value that is not a number,
// an index outside a table. A failure met while reading or writing a file carries that file,
// so that a window can say which; one of the arithmetic or of a moment outside the tables
// carries none. Drawing steps that stop on error catch exactly this type.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}

  // A failure of reading `file`; of writing it. The text says what went wrong, for the reader
  // of the code, and names the file.
  static Failure Reading(std::string_view file, std::string_view what) {
    return Failure(Text(what, file), {std::string(file), FailedFile::Access::Read});
  }
  static Failure Writing(std::string_view file, std::string_view what) {
    return Failure(Text(what, file), {std::string(file), FailedFile::Access::Write});
  }

  const std::optional<FailedFile>& File() const { return file_; }

 private:
  Failure(const std::string& what, FailedFile file)
      : std::runtime_error(what), file_(std::move(file)) {}
  static std::string Text(std::string_view what, std::string_view file) {
    return std::string(what) + "：" + std::string(file);
  }
  std::optional<FailedFile> file_;
};

}  // namespace qm
