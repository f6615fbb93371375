#include "base/record_file.h"

#include <cerrno>
#include <system_error>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/failure.h"

namespace qm {

std::string RecordLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += fields[i];
  }
  return line + "\r\n";
}

namespace {

// A new temporary file beside `file`, under a name no file had: an existing file, even one
// whose name looks like a temporary, is never overwritten. Made readable as any new file.
int CreateTemporaryBeside(const std::filesystem::path& file, std::string& temp) {
  temp = file.string() + ".~tmpXXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return fd;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  return fd;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void WriteFileWhole(const std::filesystem::path& file, const std::string& text) {
  const Failure failure = Failure::Writing(file.filename().string(), "無法寫入檔案");
  std::string temp;
  const int fd = CreateTemporaryBeside(file, temp);
  if (fd < 0) throw failure;
  const bool written = WriteAll(fd, text);
  const bool closed = ::close(fd) == 0;
  std::error_code ec;
  if (written && closed) std::filesystem::rename(temp, file, ec);
  if (!written || !closed || ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw failure;
  }
}

void WriteRecord(const std::filesystem::path& file, const std::vector<std::string>& fields) {
  WriteFileWhole(file, RecordLine(fields));
}

}  // namespace qm
