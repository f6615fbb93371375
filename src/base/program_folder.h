#pragma once
#include <filesystem>
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

}  // namespace qm
