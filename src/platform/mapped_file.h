// A whole file mapped read-only into memory, unmapped and closed when the object goes. An empty
// file cannot be mapped and counts as a failure, as does anything that is not a regular file.
// Each backend maps files its own way; the BMP decoder reads through this alone.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class MappedFile {
 public:
  explicit MappedFile(const char* fileName);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  bool isOpen() const { return data_ != nullptr; }
  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace platform
