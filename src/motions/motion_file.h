// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

namespace zephyra {

struct Scene;

inline constexpr QLatin1String motionHeader{"START RELATIVE MOTION DATA"};

// What a .rel file holds: the explanation lines before the header, joined by '\n', and
// the record as motionText takes it (one space before each line after the header).
struct MotionFileText {
    QString explanation;
    QString record;
};

// Splits the bytes of a .rel file. Text is UTF-8 when it is valid UTF-8, else
// Windows-1252; lines end in LF or CR LF. Without a header the record is one space,
// as if one empty line followed the end of the file.
MotionFileText parseMotionFile(const QByteArray& bytes);

// The whole file: explanation, header and the six data lines, CR LF throughout. The
// explanation is Windows-1252 when every character fits, else UTF-8.
QByteArray motionFileBytes(const QString& explanation, const Scene& scene);

// The message for a failed file operation with the system's error number.
QString fileErrorMessage(int errnoValue);

struct MotionFileRead {
    MotionFileText text;
    QString error; // empty when the file was read
};

// Reads a motion file, and never waits; a file error, anything but a plain file (a pipe, a
// device, a system file that would wait), or a file too large to be a motion (over 16 MiB)
// leaves its message in `error`.
MotionFileRead readMotionFile(const QString& path);

// Replaces the file at `path` atomically: on failure any earlier file stays as it was.
// Returns the error message, or an empty string when the file was written.
QString writeMotionFile(const QString& path, const QString& explanation, const Scene& scene);

} // namespace zephyra
