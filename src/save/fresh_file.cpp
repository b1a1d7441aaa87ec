// Creating a file afresh and making a rename into its folder durable, for the
// save slot and the tools that write the game's files.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "save/fresh_file.h"

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
