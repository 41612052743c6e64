#include "CatalogFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "InfoFile.h"
#include "MXCatalog.h"
#include "StartupFolder.h"

namespace fs = std::filesystem;

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool SameFolder(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is done either way
    ::close(fd);
}

// Each entry of `folder` other than "." and ".." is handed to `action`; false when the folder
// cannot be listed.
template <class Action>
bool ForEachEntry(const std::string& folder, Action action) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return false;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") action(name);
    }
    return ::closedir(dir) == 0;
}

// Empties and removes one folder; a file that cannot be removed is skipped, and then the folder
// cannot be removed either.
bool RemoveFolderWithFiles(const std::string& folder) {
    if (!ForEachEntry(folder,
                      [&](const std::string& name) { ::unlink((folder + "/" + name).c_str()); }))
        return false;
    return ::rmdir(folder.c_str()) == 0;
}

bool MakeFolderIfMissing(const std::string& folder) {
    if (IsDirectory(folder)) return true;
    std::error_code ec;
    return fs::create_directory(folder, ec);
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const std::string temp = path + ".saving-" + std::to_string(::getpid());
    ::unlink(temp.c_str());  // a leftover of a save that was cut off
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool MXCatalog::Save(const StatusSink& status) {
    const std::string data = CatalogFolder + "/data";
    if (!MakeFolderIfMissing(data)) return false;

    if (!PreviousFolder.empty() && !SameFolder(PreviousFolder, CatalogFolder) &&
        IsDirectory(PreviousFolder + "/data")) {
        const std::string from = PreviousFolder + "/data";
        bool listed = ForEachEntry(from, [&](const std::string& name) {
            std::error_code ec;
            if (fs::copy_file(from + "/" + name, data + "/" + name,
                              fs::copy_options::overwrite_existing, ec) &&
                status)
                status("Copied File: " + name);
        });
        if (!listed) return false;
    }

    if (!MakeFolderIfMissing(CatalogFolder + "/output")) return false;
    if (!ReplaceFileAtomically(CatalogFolder + "/info", WriteInfo(*this))) return false;

    Saved = true;
    PreviousFolder = CatalogFolder;
    return true;
}

bool MXCatalog::Load(const std::string& startupFolder) {
    const std::string folder = CatalogFolder;
    ResetDefaults();
    CatalogFolder = folder;

    if (!IsDirectory(folder + "/data") || !IsDirectory(folder + "/output") ||
        !IsRegularFile(folder + "/info"))
        return false;
    std::string text;
    if (!ReadWholeFile(folder + "/info", text)) return false;

    const std::string library = TemplateLibraryPath(startupFolder);
    auto templateExists = [&](const std::string& name) {
        return IsPlainFolderName(name) && IsDirectory(library + "/" + name);
    };
    if (!ReadInfo(text, *this, templateExists)) {
        Categories.clear();
        Items.clear();
        ResetDefaults();
        return false;
    }
    RebuildLinks();
    Saved = true;
    return true;
}

bool MXCatalog::ClearFolderContents() {
    for (const char* sub : {"/data", "/output"}) {
        const std::string folder = CatalogFolder + sub;
        if (IsDirectory(folder) && !RemoveFolderWithFiles(folder)) return false;
    }
    return true;
}
