// libstdc++'s __gnu_cxx::stdio_filebuf for the web build, whose libc++ lacks
// it: an input buffer over a file descriptor that closes it when done, the
// part of it the game's map and save readers use.
#ifndef WEB_COMPAT_STDIO_FILEBUF_H
#define WEB_COMPAT_STDIO_FILEBUF_H

#include <unistd.h>

#include <ios>
#include <streambuf>

namespace __gnu_cxx
{

template <typename Char> class stdio_filebuf : public std::basic_streambuf<Char>
{
public:
    stdio_filebuf(int fd, std::ios_base::openmode) : fd_(fd) {}
    ~stdio_filebuf()
    {
        if (fd_ >= 0)
            close(fd_);
    }

protected:
    typename std::basic_streambuf<Char>::int_type underflow()
    {
        if (this->gptr() < this->egptr())
            return std::basic_streambuf<Char>::traits_type::to_int_type(*this->gptr());
        const ssize_t got = fd_ >= 0 ? read(fd_, buffer_, sizeof buffer_) : -1;
        if (got <= 0)
            return std::basic_streambuf<Char>::traits_type::eof();
        this->setg(buffer_, buffer_, buffer_ + got / sizeof(Char));
        return std::basic_streambuf<Char>::traits_type::to_int_type(*this->gptr());
    }

private:
    int fd_;
    Char buffer_[4096];
};

} // namespace __gnu_cxx

#endif
