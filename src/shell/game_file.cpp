// Opening the files the game reads: never waiting on a FIFO or a device,
// and never handing back anything but a regular file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/game_file.h"

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
