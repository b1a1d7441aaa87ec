// The operating system's side of files, folders and the environment on
// Windows: binary files, a replacement that MoveFileEx makes whole and
// lasting, and the player's folder in %APPDATA% for the save.
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/system.h"

namespace
{

// Files open in binary mode unless told otherwise, and the standard streams
// write "\n" as it is: a save, a map and what the tools print are the same
// bytes as on every other system. Set before main(), in every program.
struct BinaryMode {
    BinaryMode()
    {
        _fmode = _O_BINARY;
        _setmode(_fileno(stdin), _O_BINARY);
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
    }
} binary_mode;

// errno for the last Windows error of a file operation.
int errno_of(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    default: return EIO;
    }
}

// The folder that holds the running program.
std::string program_folder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "";
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? "." : folder.substr(0, slash);
}

// Copies every file of the folder `from` into the folder `to`, made when
// missing, each replacing the one there.
bool copy_files(const std::string& from, const std::string& to)
{
    if (make_folder(to.c_str()) != 0 && errno != EEXIST)
        return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        const std::string name = found.cFileName;
        copied = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && copied;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}

} // namespace

int open_game_file(const char* path)
{
    // No FIFOs here; a device such as NUL or CON opens, and is refused.
    const int fd = _open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0)
        return -1;
    struct _stat64 info;
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return NOT_A_FILE;
    }
    return fd;
}

int create_fresh_file(const char* path, const char** failed)
{
    // Removing a link removes the link itself; then nothing may be there.
    if (_unlink(path) != 0 && errno != ENOENT) {
        *failed = "cannot remove";
        return -1;
    }
    const int fd
        = _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        *failed = "cannot create";
    return fd;
}

int sync_file(int fd)
{
    const HANDLE file = (HANDLE)_get_osfhandle(fd);
    if (file == INVALID_HANDLE_VALUE || !FlushFileBuffers(file)) {
        errno = file == INVALID_HANDLE_VALUE ? EBADF : errno_of(GetLastError());
        return -1;
    }
    return 0;
}

int replace_file(const char* from, const char* to)
{
    // rename() refuses to replace a file here; MoveFileEx replaces it in one
    // step and returns only once the move is on the disk.
    if (!MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        errno = errno_of(GetLastError());
        return -1;
    }
    return 0;
}

void sync_folder_of(const char*)
{
    // MOVEFILE_WRITE_THROUGH has made the replacement last.
}

int make_folder(const char* path)
{
    return _mkdir(path);
}

std::string make_temp_folder(const char* prefix)
{
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp)
        return "";
    for (unsigned attempt = 0; attempt < 100; attempt++) {
        char name[64];
        std::snprintf(name, sizeof name, "%s-%08lx%02u", prefix,
            (unsigned long)(GetTickCount() ^ (GetCurrentProcessId() << 12)), attempt);
        const std::string folder = std::string(temp) + name;
        if (CreateDirectoryA(folder.c_str(), NULL))
            return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return "";
    }
    return "";
}

bool remove_folder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    bool removed = true;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                removed = remove_folder(path) && removed;
            else if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                removed = RemoveDirectoryA(path.c_str()) && removed;
            else
                removed = DeleteFileA(path.c_str()) && removed;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) && removed;
}

bool show_folder_as(const char* folder, const char* name)
{
    return copy_files(folder, name);
}

std::string full_path(const char* path)
{
    char full[MAX_PATH];
    if (_fullpath(full, path, sizeof full) == NULL || GetFileAttributesA(full) == INVALID_FILE_ATTRIBUTES)
        return "";
    return full;
}

void set_environment(const char* name, const char* value, bool replace)
{
    if (!replace && value != NULL && std::getenv(name) != NULL)
        return;
    // The C library's copy and the process's own, which SDL reads.
    _putenv_s(name, value != NULL ? value : "");
    SetEnvironmentVariableA(name, value);
}

const char* program_name()
{
    static char name[MAX_PATH];
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "gp2x-rpg";
    const char* base = path;
    for (const char* c = path; *c != '\0'; c++)
        if (*c == '\\' || *c == '/')
            base = c + 1;
    std::snprintf(name, sizeof name, "%s", base);
    char* dot = std::strrchr(name, '.');
    if (dot != NULL)
        *dot = '\0';
    return name;
}

bool enter_play_folder()
{
    // The save survives a newer release's folder and a folder nobody may
    // write to: it is kept in the player's own folder, as on Linux. Media/
    // comes from beside the program, copied there at every start, so it is
    // always the images and map of the release that was started.
    const char* appdata = std::getenv("APPDATA");
    if (appdata == NULL || *appdata == '\0') {
        std::fprintf(stderr, "gp2x-rpg: APPDATA is not set: no folder to keep the save in\n");
        return false;
    }
    const std::string folder = std::string(appdata) + "\\gp2x-rpg";
    if (make_folder(folder.c_str()) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "gp2x-rpg: cannot make the folder for the save, %s: %s\n", folder.c_str(),
            std::strerror(errno));
        return false;
    }
    const std::string media = program_folder() + "\\Media";
    if (!copy_files(media, folder + "\\Media")) {
        std::fprintf(stderr, "gp2x-rpg: cannot copy %s into %s\n", media.c_str(), folder.c_str());
        return false;
    }
    if (_chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "gp2x-rpg: cannot enter %s: %s\n", folder.c_str(), std::strerror(errno));
        return false;
    }
    set_environment("SDL12COMPAT_SCALE_METHOD", "nearest", false);
    set_environment("SDL12COMPAT_USE_GAME_CONTROLLERS", "1", false);
    return true;
}

void leave_play() { SDL_Quit(); }
