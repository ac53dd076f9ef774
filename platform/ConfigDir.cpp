#include "platform/ConfigDir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace tocklet {
namespace {

std::string EnvPath(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

// Creates the folder and its missing parents, each with mode 0700 whatever the umask; folders
// that exist keep their mode.
void MakeFolders(const std::string& path) {
    auto make = [](const std::string& folder) {
        if (::mkdir(folder.c_str(), 0700) == 0) ::chmod(folder.c_str(), 0700);
    };
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        make(path.substr(0, slash));
    }
    make(path);
}

}  // namespace

std::string ConfigDir() {
    // A relative XDG_CONFIG_HOME is not valid and counts as unset.
    std::string base = EnvPath("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        std::string home = EnvPath("HOME");
        if (home.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir) {
                home = pw->pw_dir;
            }
        }
        base = home + "/.config";
    }
    while (!base.empty() && base.back() == '/') base.pop_back();
    std::string dir = base + "/tocklet";
    MakeFolders(dir);
    return dir;
}

std::string HiveFilePath() { return ConfigDir() + "/registry.reg"; }

}  // namespace tocklet
