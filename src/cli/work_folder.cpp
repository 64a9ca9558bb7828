#include "work_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "app/work_folder_lock.h"
#include "support/file_helpers.h"

namespace gft::cli {

WorkFolder::WorkFolder(const std::string& keepIn) {
    if (!keepIn.empty()) {
        if (!FolderExists(keepIn) && ::mkdir(keepIn.c_str(), 0777) != 0)
            throw std::runtime_error("cannot make folder " + keepIn + ": " + std::strerror(errno));
        path_ = keepIn.back() == '/' ? keepIn : keepIn + "/";
        return;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp ? tmp : "/tmp";
    RemoveAbandonedWorkingFolders(base);
    std::string pattern = base + "/grindfnt-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot make a working folder: " +
                                 std::string(std::strerror(errno)));
    path_ = std::string(name.data()) + "/";
    LockWorkingFolder(path_);
    remove_ = true;
}

WorkFolder::~WorkFolder() {
    if (remove_) RemoveWorkingFolder(path_);
}

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return CurrentFolder();
    std::string path(buffer.data(), static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

}  // namespace gft::cli
