#include "base/field_reader.h"

#include <charconv>
#include <fstream>

#include "base/failure.h"

namespace qm {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FieldReader::FieldReader(const std::filesystem::path& file) : name_(file.filename().string()) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Failure("找不到檔案：" + name_);
  in.seekg(0, std::ios::end);
  auto size = in.tellg();
  if (size < 0) throw Failure("無法讀取檔案：" + name_);
  text_.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(text_.data(), size);
  if (!in) throw Failure("無法讀取檔案：" + name_);
}

FieldReader FieldReader::FromText(std::string text, std::string name) {
  FieldReader reader;
  reader.text_ = std::move(text);
  reader.name_ = std::move(name);
  return reader;
}

bool FieldReader::AtEnd() const {
  std::size_t p = pos_;
  while (p < text_.size() && (IsBlank(text_[p]) || IsLineEnd(text_[p]))) ++p;
  return p >= text_.size();
}

std::string_view FieldReader::Next() {
  // Empty lines between fields are passed over; ",," still gives an empty field.
  while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
  if (pos_ >= text_.size()) throw Failure("檔案內容不足：" + name_);
  std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlank(text_[end - 1])) --end;
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return std::string_view(text_).substr(start, end - start);
}

double FieldReader::NextNumber() {
  std::string_view field = Next();
  std::string_view digits = field;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  double value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size())
    throw Failure("資料不是數字：" + name_ + "「" + std::string(field) + "」");
  return value;
}

int FieldReader::NextInt() {
  double value = NextNumber();
  int whole = static_cast<int>(value);
  if (whole != value) throw Failure("資料不是整數：" + name_);
  return whole;
}

void FieldReader::Skip(long n) {
  for (long i = 0; i < n; ++i) Next();
}

}  // namespace qm
