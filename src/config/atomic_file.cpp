#include "config/atomic_file.h"

#include "foundation/debug_log.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

void log_failure(const char *what, const std::string &path, int error)
{
    if (xirr_debug_level > 0)
        xirr_debug_printf("Error in xirr_atomic_file, %s '%s': %s.\n", what, path.c_str(),
                          strerror(error));
}

// Makes the rename itself durable: the directory entry is on the disk too.
void sync_directory(const std::string &path)
{
    size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

}  // namespace

xirr_atomic_file::xirr_atomic_file(const char *path) : path_(path ? path : "")
{
    std::vector<char> name(path_.begin(), path_.end());
    const char suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    int fd = path_.empty() ? -1 : mkstemp(name.data());
    if (fd < 0) {
        log_failure("cannot create a temporary file for", path_, path_.empty() ? EINVAL : errno);
        return;
    }
    temporary_ = name.data();
    stream_ = fdopen(fd, "wb");
    if (!stream_) {
        log_failure("cannot open a stream for", temporary_, errno);
        close(fd);
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

xirr_atomic_file::~xirr_atomic_file()
{
    discard();
}

void xirr_atomic_file::discard()
{
    if (stream_)
        fclose(stream_);
    stream_ = nullptr;
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
}

int xirr_atomic_file::commit()
{
    if (!stream_)
        return 0;
    int failed = fflush(stream_) != 0 || ferror(stream_);
    int error = errno;
    if (!failed && fsync(fileno(stream_)) != 0) {
        failed = 1;
        error = errno;
    }
    FILE *stream = stream_;
    stream_ = nullptr;
    if (fclose(stream) != 0 && !failed) {
        failed = 1;
        error = errno;
    }
    if (!failed && rename(temporary_.c_str(), path_.c_str()) != 0) {
        failed = 1;
        error = errno;
    }
    if (failed) {
        log_failure("cannot write", path_, error);
        discard();
        return 0;
    }
    temporary_.clear();
    sync_directory(path_);
    return 1;
}
