// The operating system's side of files, folders and the environment on POSIX
// systems: the console, Linux desktops and the web page's file system.
// A 32-bit system reads folders and files of a 64-bit one (inode numbers,
// sizes) only with 64-bit offsets; elsewhere this changes nothing.
#define _FILE_OFFSET_BITS 64
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/system.h"

int open_game_file(const char* path)
{
    // O_NONBLOCK keeps open() from waiting for a FIFO's writer; it changes
    // nothing for a regular file, and is cleared again for the reading.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return NOT_A_FILE;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags != -1)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

int create_fresh_file(const char* path, const char** failed)
{
    if (unlink(path) != 0 && errno != ENOENT) {
        *failed = "cannot remove";
        return -1;
    }
    const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        *failed = "cannot create";
    return fd;
}

int sync_file(int fd)
{
    return fsync(fd);
}

int replace_file(const char* from, const char* to)
{
    return std::rename(from, to);
}

void sync_folder_of(const char* path)
{
    const std::string name(path);
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

int make_folder(const char* path)
{
    return mkdir(path, 0755);
}

std::string make_temp_folder(const char* prefix)
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string pattern
        = std::string(tmp != NULL && *tmp != '\0' ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    std::vector<char> folder(pattern.begin(), pattern.end());
    folder.push_back('\0');
    if (mkdtemp(&folder[0]) == NULL)
        return "";
    return &folder[0];
}

bool remove_folder(const std::string& folder)
{
    DIR* dir = opendir(folder.c_str());
    if (dir == NULL)
        return false;
    bool removed = true;
    for (struct dirent* entry = readdir(dir); entry != NULL; entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "/" + name;
        struct stat info;
        if (lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            removed = remove_folder(path) && removed;
        else
            removed = unlink(path.c_str()) == 0 && removed;
    }
    closedir(dir);
    return rmdir(folder.c_str()) == 0 && removed;
}

bool show_folder_as(const char* folder, const char* name)
{
    return symlink(folder, name) == 0;
}

std::string full_path(const char* path)
{
    char real[PATH_MAX];
    if (realpath(path, real) == NULL)
        return "";
    return real;
}

void set_environment(const char* name, const char* value, bool replace)
{
    if (value == NULL)
        unsetenv(name);
    else
        setenv(name, value, replace ? 1 : 0);
}

const char* program_name()
{
    return program_invocation_short_name;
}

bool enter_play_folder()
{
    return true;
}

void leave_play() {}
