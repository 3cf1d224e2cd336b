#include "ui/private_folders.h"

#include <sys/stat.h>

#include <cerrno>

namespace tamrisk {

namespace {

std::string Parent(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

int MakePrivateFolders(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || folder == "/" || folder == ".") return 0;
  struct stat st {};
  if (stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
  if (const int error = MakePrivateFolders(Parent(folder))) return error;
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  return 0;
}

}  // namespace tamrisk
