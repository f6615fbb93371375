#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace qm {

// The folder of the executable, where every file of the program lies.
const std::filesystem::path& ProgramFolder();
// Tests and the headless driver point the program at another folder.
void SetProgramFolder(const std::filesystem::path& folder);
// ProgramFolder()/name, the name taken as UTF-8.
std::filesystem::path ProgramFile(std::string_view name);

// A typed record name can be a file of the program folder: not empty, no "/" or "\", not "." or
// "..", and not (ignoring case) the name of one of the program's own files.
bool IsUsableRecordName(std::string_view name);

// Whether the content of a file is a record of one kind (a birth record, a hexagram record).
using IsRecordOfKind = std::function<bool(std::string_view content)>;

// A typed name under which a record of one kind may be written: a usable record name that names
// no file yet, or names a record of that kind, which the new record then replaces. A name taken
// by anything else (a table, a program, a record of another kind, a folder) is refused, whatever
// it is called, so that writing a record never destroys another file. A file larger than
// kLargestRecord bytes is never a record, and its content is not read.
bool CanWriteRecordAs(std::string_view name, const IsRecordOfKind& isRecordOfKind);
inline constexpr std::uintmax_t kLargestRecord = 4096;

}  // namespace qm
