// The installed `tamrisk` command. The program itself reads its help text
// "readme.txt" and keeps its settings "tamrisk.ini" in the folder it is
// started from; an installed program must not do that in the user's home or
// in a system folder. So this launcher
//   1. makes the user's data folder ($XDG_DATA_HOME/tamrisk, by default
//      ~/.local/share/tamrisk) when it is missing, private (0700) as the
//      program makes it (ui/private_folders.h);
//   2. copies the installed help text there when the copy is missing or older
//      than the installed one (never touching tamrisk.ini);
//   3. changes into that folder and runs the program installed under libexec,
//      with the same arguments.
// Paths are found relative to the launcher itself, so an installation under
// any prefix (or a DESTDIR) works. Nothing is started through a shell.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/version.h"
#include "ui/private_folders.h"

namespace {

// Install layout relative to the prefix, from GNUInstallDirs.
const char kBinDir[] = TAMRISK_INSTALL_BINDIR;
const char kLibexecProgram[] = TAMRISK_INSTALL_LIBEXECDIR "/tamrisk/tamrisk";
const char kHelpText[] = TAMRISK_INSTALL_DATADIR "/tamrisk/readme.txt";

[[noreturn]] void Die(const std::string& what, int error) {
  std::fprintf(stderr, "tamrisk: %s: %s\n", what.c_str(), std::strerror(error));
  std::exit(1);
}

std::string Parent(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The installation prefix: the launcher's own folder without the bin folder.
std::string Prefix() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) Die("cannot find the program's own path", errno);
  self[n] = '\0';
  std::string prefix = Parent(self);
  // Climb once per component of the bin folder ("bin" gives one step).
  std::string bin = kBinDir;
  size_t components = 1;
  for (char c : bin) components += c == '/' ? 1 : 0;
  for (size_t i = 0; i < components; ++i) prefix = Parent(prefix);
  return prefix == "/" ? "" : prefix;
}

std::string Home() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "";
}

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
std::string DataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const std::string home = Home();
  if (home.empty()) {
    std::fprintf(stderr, "tamrisk: no home folder to keep the settings in\n");
    std::exit(1);
  }
  return home + "/.local/share";
}

// Copies the installed help text into the data folder when the copy there is
// missing or older. The copy is written to a temporary file and renamed into
// place, and gets the installed file's time, so that a later installation of
// a newer help text is noticed. Anything there that is not a regular file
// (a link the user made, say) is left alone.
void RefreshHelpText(const std::string& installed, const std::string& folder) {
  struct stat src {};
  if (stat(installed.c_str(), &src) != 0 || !S_ISREG(src.st_mode)) return;
  const std::string target = folder + "/readme.txt";
  struct stat dst {};
  if (lstat(target.c_str(), &dst) == 0) {
    if (!S_ISREG(dst.st_mode)) return;
    const bool older = dst.st_mtim.tv_sec < src.st_mtim.tv_sec ||
                       (dst.st_mtim.tv_sec == src.st_mtim.tv_sec &&
                        dst.st_mtim.tv_nsec < src.st_mtim.tv_nsec);
    if (!older) return;
  }
  const int in = open(installed.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return;
  std::string temp = folder + "/.readme.txt.XXXXXX";
  const int out = mkostemp(temp.data(), O_CLOEXEC);
  if (out < 0) {
    close(in);
    return;
  }
  bool ok = true;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(in, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        ok = false;
        break;
      }
      done += w;
    }
    if (!ok) break;
  }
  close(in);
  const timespec times[2] = {src.st_atim, src.st_mtim};
  ok = ok && fchmod(out, 0644) == 0 && futimens(out, times) == 0;
  ok = close(out) == 0 && ok;
  if (!ok || rename(temp.c_str(), target.c_str()) != 0) unlink(temp.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (tamrisk::AnswerVersion(argc, argv)) return 0;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf(
        "usage: tamrisk [--version]\n"
        "Starts the Tamrisk calculator. Its settings (tamrisk.ini) and its help text\n"
        "(readme.txt) are kept in $XDG_DATA_HOME/tamrisk (by default\n"
        "~/.local/share/tamrisk). For the command line, see tamrisk-cli --help.\n");
    return 0;
  }
  const std::string prefix = Prefix();
  const std::string folder = DataHome() + "/tamrisk";
  if (const int error = tamrisk::MakePrivateFolders(folder)) Die("cannot make " + folder, error);
  RefreshHelpText(prefix + "/" + kHelpText, folder);
  if (chdir(folder.c_str()) != 0) Die("cannot enter " + folder, errno);

  const std::string program = prefix + "/" + kLibexecProgram;
  std::vector<char*> args;
  args.push_back(const_cast<char*>("tamrisk"));
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(nullptr);
  execv(program.c_str(), args.data());
  Die("cannot start " + program, errno);
}
