#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace qm {

// The record line: fields joined by "," with nothing between them, ended by CR LF.
std::string RecordLine(const std::vector<std::string>& fields);

// Writes text whole to a new temporary file in the same folder, under a name no file had, and
// renames it over `file`, so a failure never leaves half a file and no other file is touched.
// Throws qm::Failure when the file cannot be written.
void WriteFileWhole(const std::filesystem::path& file, const std::string& text);

// WriteFileWhole of one record line.
void WriteRecord(const std::filesystem::path& file, const std::vector<std::string>& fields);

}  // namespace qm
