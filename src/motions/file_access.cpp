// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/file_access.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zephyra {

namespace {

FileRead failed(int error) {
    return {QByteArray(), error};
}

FileRead readOpened(int fd, qint64 limit) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failed(errno);
    if (S_ISDIR(status.st_mode))
        return failed(EISDIR);
    if (!S_ISREG(status.st_mode))
        return failed(EACCES);
    // Files that do not tell their size (system files say 0) are held to the limit as
    // they are read.
    if (status.st_size > limit)
        return failed(EFBIG);
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        // The descriptor stays non-blocking: a read that would wait returns at once.
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return failed(EACCES);
        if (count < 0)
            return failed(errno);
        if (count == 0)
            return {bytes, 0};
        if (bytes.size() + count > limit)
            return failed(EFBIG);
        bytes.append(buffer, count);
    }
}

// Creates a new file beside `target`, named after it, and returns its descriptor, or -1 with
// errno set.
int createBeside(const QByteArray& target, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

int writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return errno;
        done += count;
    }
    return 0;
}

} // namespace

FileRead readRegularFile(const QString& path, qint64 limit) {
    // Opening without waiting: a pipe would otherwise wait here for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(errno);
    FileRead read = readOpened(fd, limit);
    ::close(fd);
    return read;
}

int replaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.isSymLink() ? info.canonicalFilePath() : path);
    struct stat earlier {};
    const bool replacing = ::stat(target.constData(), &earlier) == 0;
    if (replacing && ::access(target.constData(), W_OK) != 0)
        return errno;
    QByteArray name;
    const int fd = createBeside(target, name);
    if (fd < 0)
        return errno;
    // A file system without permissions (a FAT stick) refuses this; the motion is still saved.
    if (replacing)
        (void)::fchmod(fd, earlier.st_mode & 0777);
    int error = writeAll(fd, bytes);
    // A full disk or a quota may show only when the data reaches the disk.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(name.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(name.constData());
    return error;
}

} // namespace zephyra
