#include "platform/process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <thread>

extern char** environ;

namespace hd {

namespace {

using Clock = std::chrono::steady_clock;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string CurrentFolder() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

std::string FindInPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  const std::string all = path;
  for (std::size_t start = 0; start <= all.size();) {
    std::size_t end = all.find(':', start);
    if (end == std::string::npos) end = all.size();
    const std::string folder = end > start ? all.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// The child starts in its own folder, so its path must not depend on ours.
std::string AbsoluteProgramPath(const std::string& file) {
  if (file.empty()) return {};
  std::string path = file.find('/') == std::string::npos ? FindInPath(file) : file;
  if (!path.empty() && path[0] != '/') path = CurrentFolder() + "/" + path;
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Waits for a child we no longer watch, so it leaves no zombie. Waiting on this one pid
// leaves the children of others (QProcess among them) alone.
void ReapLater(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Starts the program with a clean signal state; 0 or the errno of the failed start.
int Spawn(pid_t& pid, const std::string& path, const std::vector<std::string>& args,
          const std::string& workingFolder, bool searchPath) {
  std::vector<std::string> texts = args;
  std::vector<char*> argv;
  for (std::string& t : texts) argv.push_back(t.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGCHLD);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  const int rc = searchPath
                     ? posix_spawnp(&pid, path.c_str(), &actions, &attributes, argv.data(), environ)
                     : posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return rc;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& parameters) {
  std::vector<std::string> args;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const char c = parameters[i];
    if (quoted) {
      if (c != '"') {
        current += c;
      } else if (i + 1 < parameters.size() && parameters[i + 1] == '"') {
        current += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (IsBlank(c)) {
      if (inArgument) args.push_back(current);
      current.clear();
      inArgument = false;
    } else {
      inArgument = true;
      if (c == '"')
        quoted = true;
      else
        current += c;
    }
  }
  if (inArgument) args.push_back(current);
  return args;
}

TProgramResult RunProgramAndWait(const std::string& file, const std::string& parameters,
                                 std::chrono::milliseconds limit, std::chrono::milliseconds pollInterval) {
  TProgramResult result;
  const std::string path = AbsoluteProgramPath(file);
  if (path.empty()) {
    result.Error = file.empty() ? "No program named" : "Not found on the search path";
    return result;
  }
  std::vector<std::string> args = SplitCommandLine(parameters);
  args.insert(args.begin(), path);
  pid_t pid = 0;
  if (const int rc = Spawn(pid, path, args, FolderOf(path), false); rc != 0) {
    result.Error = std::generic_category().message(rc);
    return result;
  }

  result.ProcessId = pid;
  const Clock::time_point start = Clock::now();
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      result.Outcome = TProgramOutcome::Ended;
      result.ExitCode = ExitCodeOf(status);
      return result;
    }
    if (done < 0 && errno != EINTR) {
      // Someone else reaped it (SIGCHLD ignored): it has ended, its code is lost.
      result.Outcome = TProgramOutcome::Ended;
      return result;
    }
    if (Clock::now() - start >= limit) {
      result.Outcome = TProgramOutcome::StillRunning;
      ReapLater(pid);
      return result;
    }
    std::this_thread::sleep_for(pollInterval);
  }
}

bool OpenWithDefaultHandler(const std::string& target) {
  pid_t pid = 0;
  if (Spawn(pid, "xdg-open", {"xdg-open", target}, {}, true) != 0) return false;
  ReapLater(pid);
  return true;
}

}  // namespace hd
