#include "base/field_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/failure.h"
#include "base/number_text.h"

namespace qm {
namespace {

// The field rules, shared by the general reader and the fast path for plain whole numbers:
// blanks and line ends before a field are passed over, a field ends at "," or at a line end
// (CR LF or LF) or at the end of the text, and the next field begins after that separator.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool EndsField(const char* p, const char* end) { return p == end || *p == ',' || IsLineEnd(*p); }

const char* FieldStart(const char* p, const char* end) {
  while (p < end && (IsBlank(*p) || IsLineEnd(*p))) ++p;
  return p;
}

const char* AfterSeparator(const char* p, const char* end) {
  if (p < end) {
    if (*p == '\r' && p + 1 < end && p[1] == '\n') ++p;
    ++p;
  }
  return p;
}

}  // namespace

FieldReader::FieldReader(const std::filesystem::path& file) : name_(file.filename().string()) {
  // One open, one size query and one read: every drawing reads a dozen tables whole, so the
  // fewer system calls per file the better. The descriptor is closed before anything is parsed.
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Failure::Reading(name_, "找不到檔案");
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  if (ok) {
    text_.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (ok && got < text_.size()) {
      ssize_t n = ::read(fd, text_.data() + got, text_.size() - got);
      ok = n >= 0;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    text_.resize(got);
  }
  ::close(fd);
  if (!ok) throw Failure::Reading(name_, "無法讀取檔案");
}

FieldReader FieldReader::FromText(std::string text, std::string name) {
  FieldReader reader;
  reader.text_ = std::move(text);
  reader.name_ = std::move(name);
  return reader;
}

bool FieldReader::AtEnd() const {
  const char* end = text_.data() + text_.size();
  return FieldStart(text_.data() + pos_, end) >= end;
}

std::string_view FieldReader::Next() {
  // Empty lines between fields are passed over; ",," still gives an empty field. Plain pointers
  // keep the scan in registers: the tables are read whole at every call.
  const char* const begin = text_.data();
  const char* const end = begin + text_.size();
  const char* p = FieldStart(begin + pos_, end);
  if (p >= end) {
    pos_ = text_.size();
    throw Failure::Reading(name_, "檔案內容不足");
  }
  const char* const start = p;
  while (!EndsField(p, end)) ++p;
  const char* last = p;
  while (last > start && IsBlank(last[-1])) --last;
  pos_ = static_cast<std::size_t>(AfterSeparator(p, end) - begin);
  return std::string_view(start, static_cast<std::size_t>(last - start));
}

namespace {

std::string_view WithoutPlus(std::string_view field) {
  if (!field.empty() && field[0] == '+') field.remove_prefix(1);
  return field;
}

// A number as a table or a record holds it; "inf" and "nan", which the conversion would take,
// are none.
double NumberOf(std::string_view field, const std::string& name) {
  std::string_view digits = WithoutPlus(field);
  double value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size() ||
      !std::isfinite(value))
    throw Failure::Reading(name, "資料不是數字「" + std::string(field) + "」");
  return value;
}

}  // namespace

double FieldReader::NextNumber() { return NumberOf(Next(), name_); }

int FieldReader::NextInt() {
  // Tables are mostly plain whole numbers: one pass over the digits reads those; anything else
  // goes through the general field and number readers from the same place.
  const char* const begin = text_.data();
  const char* const end = begin + text_.size();
  const char* q = FieldStart(begin + pos_, end);
  bool negative = q < end && *q == '-';
  if (q < end && (*q == '-' || *q == '+')) ++q;
  const char* digits = q;
  long whole = 0;
  while (q < end && *q >= '0' && *q <= '9' && q - digits < 9) whole = whole * 10 + (*q++ - '0');
  const char* after = q;
  while (after < end && IsBlank(*after)) ++after;
  if (q > digits && EndsField(after, end)) {
    pos_ = static_cast<std::size_t>(AfterSeparator(after, end) - begin);
    return static_cast<int>(negative ? -whole : whole);
  }
  return WholeNumberOfField();
}

int FieldReader::WholeNumberOfField() {
  const std::optional<int> value = WholeNumberWithin(
      NumberOf(Next(), name_), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  if (!value) throw Failure::Reading(name_, "資料不是整數");
  return *value;
}

void FieldReader::RefuseOutOfRange(double value) const {
  throw Refusal("資料超出範圍「" + JoinNumber(value) + "」");
}

Failure FieldReader::Refusal(std::string_view what) const { return Failure::Reading(name_, what); }

}  // namespace qm
