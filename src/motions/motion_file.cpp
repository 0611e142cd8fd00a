// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/motion_file.h"

#include "motions/file_access.h"
#include "motions/motion_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace zephyra {

namespace {

constexpr char windows1252[] = "windows-1252";
constexpr char lineEnd[] = "\r\n";
// Motion files are a few hundred bytes; a larger file than this is refused whole, so no
// file can exhaust memory and none is silently read in part.
constexpr qint64 readLimit = qint64{16} * 1024 * 1024;

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    // Stateless, so a sequence left unfinished at the end counts as invalid: a code page
    // letter as the last byte ("caf\xe9") must not be taken for the start of one.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QString decodeText(const QByteArray& bytes) {
    if (auto text = decodeUtf8(bytes))
        return *text;
    // Opening the code page's converter costs far more than decoding a motion file.
    static QStringDecoder ansi(windows1252);
    if (!ansi.isValid())
        return QString::fromLatin1(bytes);
    ansi.resetState();
    return ansi(bytes);
}

QByteArray encodeText(const QString& text) {
    QStringEncoder ansi(windows1252);
    if (ansi.isValid()) {
        QByteArray bytes = ansi(text);
        // Code page bytes that are also valid UTF-8 (the two bytes of "Ã©" are UTF-8
        // for "é") would be read back as other text; UTF-8 comes back exactly.
        const bool ascii =
            std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
        const bool mistakable = !ascii && decodeUtf8(bytes);
        if (!ansi.hasError() && !mistakable)
            return bytes;
    }
    return text.toUtf8();
}

// A missing folder in the path is a bad name, not a missing file. Writing creates the
// file, so a folder that exists but takes no new file refuses access.
int refineOpenError(int errnoValue, const QString& path, bool writing) {
    if (errnoValue == ENOENT && !QFileInfo(path).absoluteDir().exists())
        return ENOTDIR;
    if (errnoValue == ENOENT && writing)
        return EACCES;
    return errnoValue;
}

} // namespace

MotionFileText parseMotionFile(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    MotionFileText result;
    bool inRecord = false;
    bool firstLine = true;
    // Line by line without a list of lines: a file of millions of short lines stays
    // within a few times its own size.
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).sliced(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        // A final line end closes the last line; it does not start another.
        start = end + 1;
        if (inRecord) {
            result.record += u' ';
            result.record += line;
        } else if (line == motionHeader) {
            inRecord = true;
        } else {
            if (!firstLine)
                result.explanation += u'\n';
            result.explanation += line;
            firstLine = false;
        }
    }
    if (result.record.isEmpty())
        result.record = QStringLiteral(" ");
    return result;
}

QByteArray motionFileBytes(const QString& explanation, const Scene& scene) {
    QString text = explanation;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QByteArray bytes = encodeText(text).replace('\n', lineEnd);
    bytes += lineEnd;
    bytes += QByteArray(motionHeader.data(), motionHeader.size()) + lineEnd;
    for (const QString& line : motionRecordLines(scene))
        bytes += line.toLatin1() + lineEnd;
    return bytes;
}

QString fileErrorMessage(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return QCoreApplication::translate("Messages", "File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return QCoreApplication::translate("Messages", "Invalid filename");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("Messages", "Too many open files");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return QCoreApplication::translate("Messages", "File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QCoreApplication::translate("Messages", "Disk full");
    default:
        return QCoreApplication::translate("Messages", "I/O error %1").arg(errnoValue);
    }
}

MotionFileRead readMotionFile(const QString& path) {
    MotionFileRead result;
    const FileRead read = readRegularFile(path, readLimit);
    // Pipes and devices could wait or never end, and a file larger than any motion is
    // refused, never read in part: only plain files of motion size are motion files.
    if (read.error == EFBIG)
        result.error = fileErrorMessage(EACCES);
    else if (read.error != 0)
        result.error = fileErrorMessage(refineOpenError(read.error, path, false));
    else
        result.text = parseMotionFile(read.bytes);
    return result;
}

QString writeMotionFile(const QString& path, const QString& explanation, const Scene& scene) {
    if (path.isEmpty())
        return fileErrorMessage(EINVAL);
    const QFileInfo info(path);
    if (info.isDir())
        return fileErrorMessage(EISDIR);
    // Replacing a device, a pipe or a link that leads nowhere (a loop) would put a plain
    // file in its place; only plain files are motion files.
    if ((info.exists() && !info.isFile()) || (info.isSymLink() && !info.exists()))
        return fileErrorMessage(EACCES);
    const int error = replaceFile(path, motionFileBytes(explanation, scene));
    return error == 0 ? QString() : fileErrorMessage(refineOpenError(error, path, true));
}

} // namespace zephyra
