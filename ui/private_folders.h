// The user's own folders. The folder that holds the settings is the user's
// alone: the program and its launcher make it, and any folder above it that
// is missing, with mode 0700. Plain C++, shared with the launcher.
#pragma once

#include <string>

namespace tamrisk {

// Makes `path` and every missing folder above it, each with mode 0700;
// folders that are there stay as they are. Returns 0, or the error number of
// the step that failed (ENOTDIR where something other than a folder stands
// in the way).
int MakePrivateFolders(const std::string& path);

}  // namespace tamrisk
