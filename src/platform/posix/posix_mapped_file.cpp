// POSIX mapping of a file for reading; the descriptor is closed as soon as the mapping exists.
#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

MappedFile::MappedFile(const char* fileName) {
  const int fd = open(fileName, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat status {};
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    const size_t length = static_cast<size_t>(status.st_size);
    void* mapping = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapping != MAP_FAILED) {
      data_ = static_cast<const uint8_t*>(mapping);
      size_ = length;
    }
  }
  close(fd);
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) munmap(const_cast<uint8_t*>(data_), size_);
}

}  // namespace platform
