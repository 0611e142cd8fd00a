// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zephyra {

// Whole files read and replaced through the system calls themselves, so that every failure
// comes with the error number of the call that failed: Qt's file classes keep none (they
// report one "open error" for a missing file, a refused one and too many open files alike).

struct FileRead {
    QByteArray bytes;
    int error = 0; // the error number of the call that failed; 0 when the file was read
};

// Reads a regular file of at most `limit` bytes, and never waits. What was opened is judged,
// not the path, so a pipe put in the file's place after a look at it is refused as well.
// Anything but a regular file, and a file whose read would wait (some system files are
// regular files that wait for news), gives EACCES; a folder EISDIR; a larger file EFBIG.
FileRead readRegularFile(const QString& path, qint64 limit);

// Writes `bytes` to a new file beside the one at `path`, then renames it over that one: a
// failure at any step leaves the earlier file as it was and no new file behind. A link is
// followed to its file, and a replaced file keeps its permissions; a file that may not be
// written is not replaced. Returns 0, or the error number of the call that failed.
int replaceFile(const QString& path, const QByteArray& bytes);

} // namespace zephyra
