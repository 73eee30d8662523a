// Win32 mapping of a file for reading: opened shared for reading, the view kept and both handles
// closed at once (the view holds the file). Only disk files count, and an empty one cannot be
// mapped.
#include "platform/mapped_file.h"

#include <windows.h>

namespace platform {

MappedFile::MappedFile(const char* fileName) {
  HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER length{};
  if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &length) && length.QuadPart > 0 &&
      static_cast<unsigned long long>(length.QuadPart) <= SIZE_MAX) {
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping != nullptr) {
      const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
      if (view != nullptr) {
        data_ = static_cast<const uint8_t*>(view);
        size_ = static_cast<size_t>(length.QuadPart);
      }
      CloseHandle(mapping);
    }
  }
  CloseHandle(file);
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) UnmapViewOfFile(data_);
}

}  // namespace platform
