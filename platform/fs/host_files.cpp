#include "platform/fs/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace platform::fs {
namespace {

// A file descriptor that closes itself.
class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }
  bool closeNow() {
    int descriptor = descriptor_;
    descriptor_ = -1;
    return ::close(descriptor) == 0;
  }

 private:
  int descriptor_;
};

bool WriteAll(int descriptor, const char* data, size_t size) {
  while (size > 0) {
    ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= size_t(written);
  }
  return true;
}

// Hands every chunk of the file to `take` until the end; false on an error.
template <typename Take>
bool ReadChunks(int descriptor, Take take) {
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!take(buffer, size_t(got))) return false;
  }
}

std::string FolderOf(const std::string& hostPath) {
  size_t slash = hostPath.rfind('/');
  return slash == std::string::npos ? "." : hostPath.substr(0, slash);
}

// Writes what `fill` produces into a new file beside `hostPath`, then renames
// it over `hostPath`; on any failure the new file is removed.
template <typename Fill>
bool WriteBeside(const std::string& hostPath, Fill fill) {
  std::string pattern = FolderOf(hostPath) + "/.setup-write-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  Descriptor out(mkstemp(name.data()));
  if (out.get() < 0) return false;
  bool written = fill(out.get()) && fchmod(out.get(), 0644) == 0 && out.closeNow() &&
                 std::rename(name.data(), hostPath.c_str()) == 0;
  if (!written) ::unlink(name.data());
  return written;
}

}  // namespace

bool ReplaceFileWith(const std::string& hostPath, const std::string& bytes) {
  return WriteBeside(
      hostPath, [&](int descriptor) { return WriteAll(descriptor, bytes.data(), bytes.size()); });
}

bool CopyHostFile(const std::string& source, const std::string& destination) {
  Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return false;
  return WriteBeside(destination, [&](int out) {
    return ReadChunks(in.get(),
                      [out](const char* data, size_t size) { return WriteAll(out, data, size); });
  });
}

bool ReadHostFile(const std::string& hostPath, std::string& bytes) {
  Descriptor in(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return false;
  bytes.clear();
  return ReadChunks(in.get(), [&bytes](const char* data, size_t size) {
    bytes.append(data, size);
    return true;
  });
}

}  // namespace platform::fs
