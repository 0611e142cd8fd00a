// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion_support.h"
#include "motions/motion_file.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zephyra;
using namespace motion_test;
using namespace Qt::StringLiterals;

namespace {

// Lowers a resource limit for the life of the object.
class ScopedLimit {
public:
    ScopedLimit(int resource, rlim_t soft) : resource_(resource) {
        getrlimit(resource_, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        setrlimit(resource_, &lowered);
    }
    ~ScopedLimit() { setrlimit(resource_, &saved_); }
    ScopedLimit(const ScopedLimit&) = delete;
    ScopedLimit& operator=(const ScopedLimit&) = delete;

private:
    int resource_;
    rlimit saved_{};
};

// Ends the test program unless it is destroyed within ten seconds: a call that hangs fails.
class HangAlarm {
public:
    HangAlarm() { alarm(10); }
    ~HangAlarm() { alarm(0); }
    HangAlarm(const HangAlarm&) = delete;
    HangAlarm& operator=(const HangAlarm&) = delete;
};

// The lowest descriptor number not in use: a limit there makes the next open fail.
rlim_t nextDescriptor() {
    const int fd = dup(0);
    close(fd);
    return static_cast<rlim_t>(fd);
}

} // namespace

TEST(MotionFileParseTest, SplitsExplanationAndRecord) {
    struct Case {
        QByteArray bytes;
        QString explanation;
        QString record;
    };
    const Case cases[] = {
        {"a\r\nb\r\nSTART RELATIVE MOTION DATA\r\n1 2\r\n3\r\n", u"a\nb"_s, u" 1 2 3"_s},
        {"a\nb\nSTART RELATIVE MOTION DATA\n1 2\n3\n", u"a\nb"_s, u" 1 2 3"_s},
        {"a\r\nSTART RELATIVE MOTION DATA\r\n1 2\r\n3", u"a"_s, u" 1 2 3"_s},
        {"\r\nSTART RELATIVE MOTION DATA\r\n1\r\n\r\n", QString(), u" 1 "_s},
        {"x\r\nSTART RELATIVE MOTION DATA\r\n", u"x"_s, u" "_s},
        {"x\r\ny\r\n", u"x\ny"_s, u" "_s},
        {"x\r\n\r\n", u"x\n"_s, u" "_s},
        {"", QString(), u" "_s},
        {"start relative motion data\r\n1\r\n", u"start relative motion data\n1"_s, u" "_s},
        {"x\r\nSTART RELATIVE MOTION DATA\r\ny\r\nSTART RELATIVE MOTION DATA\r\n1\r\n", u"x"_s,
         u" y START RELATIVE MOTION DATA 1"_s},
        {"caf\xe9 \x80\r\nSTART RELATIVE MOTION DATA\r\n1\r\n", u"caf\u00e9 \u20ac"_s, u" 1"_s},
        {"caf\xc3\xa9 \xe2\x82\xac\r\nSTART RELATIVE MOTION DATA\r\n1\r\n", u"caf\u00e9 \u20ac"_s,
         u" 1"_s},
        // A code page letter last in the file is not the start of an unfinished UTF-8 letter.
        {"caf\xe9", u"caf\u00e9"_s, u" "_s},
        {"caf\xc3", u"caf\u00c3"_s, u" "_s},
        {"caf\xe2\x82", u"caf\u00e2\u201a"_s, u" "_s},
    };
    for (const Case& c : cases) {
        const MotionFileText text = parseMotionFile(c.bytes);
        EXPECT_EQ(text.explanation, c.explanation) << c.bytes.toStdString();
        EXPECT_EQ(text.record, c.record) << c.bytes.toStdString();
    }
}

TEST(MotionFileBytesTest, ExplanationKeepsToWindowsCodePageWhenItCanAndEndsLinesInCrLf) {
    const Scene scene;
    const std::pair<QString, QByteArray> cases[] = {
        {QString(), "\r\n"},
        {u"one\ntwo"_s, "one\r\ntwo\r\n"},
        {u"one\r\ntwo\n"_s, "one\r\ntwo\r\n\r\n"},
        {u"caf\u00e9 \u20ac"_s, "caf\xe9 \x80\r\n"},
        {u"caf\u00e9"_s, "caf\xe9\r\n"},
        {u"caf\u00e9 au lait"_s, "caf\xe9 au lait\r\n"},
        {u"Z\u00fcrich \u2708"_s, "Z\xc3\xbcrich \xe2\x9c\x88\r\n"},
        // In the code page these would be the bytes of UTF-8 "\u00e9".
        {u"\u00c3\u00a9"_s, "\xc3\x83\xc2\xa9\r\n"},
    };
    for (const auto& [explanation, start] : cases) {
        const QByteArray bytes = motionFileBytes(explanation, scene);
        EXPECT_TRUE(bytes.startsWith(start + "START RELATIVE MOTION DATA\r\n"))
            << bytes.toStdString();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends in CR LF";
        EXPECT_EQ(parseMotionFile(bytes).explanation,
                  QString(explanation).replace(u"\r\n"_s, u"\n"_s));
    }
}

TEST(FileErrorMessageTest, NamesTheErrorOrGivesItsNumber) {
    const std::pair<int, QString> cases[] = {
        {ENOENT, u"File not found"_s},
        {ENOTDIR, u"Invalid filename"_s},
        {ENAMETOOLONG, u"Invalid filename"_s},
        {EMFILE, u"Too many open files"_s},
        {ENFILE, u"Too many open files"_s},
        {EACCES, u"File access denied"_s},
        {EPERM, u"File access denied"_s},
        {EISDIR, u"File access denied"_s},
        {EROFS, u"File access denied"_s},
        {ENOSPC, u"Disk full"_s},
        {EDQUOT, u"Disk full"_s},
        {EFBIG, u"Disk full"_s},
        {EIO, u"I/O error 5"_s},
        {123, u"I/O error 123"_s},
    };
    for (const auto& [errnoValue, message] : cases)
        EXPECT_EQ(fileErrorMessage(errnoValue), message) << "errno " << errnoValue;
}

TEST(MotionFileReadTest, ErrorsAreNamed) {
    QTemporaryDir dir;
    const std::pair<QString, QString> cases[] = {
        {dir.filePath(u"missing.rel"_s), u"File not found"_s},
        {dir.filePath(u"no folder/x.rel"_s), u"Invalid filename"_s},
        {dir.path(), u"File access denied"_s},
        {u"/proc/self/mem"_s, u"I/O error 5"_s},
        {u"/dev/null"_s, u"File access denied"_s},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(readMotionFile(path).error, message) << path.toStdString();

    const QString good = dir.filePath(u"good.rel"_s);
    ASSERT_TRUE(writeBytes(good, "x\r\nSTART RELATIVE MOTION DATA\r\n1\r\n"));
    {
        ScopedLimit limit(RLIMIT_NOFILE, nextDescriptor());
        EXPECT_EQ(readMotionFile(good).error, u"Too many open files"_s);
    }
    const MotionFileRead read = readMotionFile(good);
    EXPECT_EQ(read.error, QString());
    EXPECT_EQ(read.text.record, u" 1"_s);
}

TEST(MotionFileReadTest, APipeIsRefusedAtOnceWithOrWithoutAWriter) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(u"pipe.rel"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0666), 0);
    // Opening it to read waits for a writer, and reading waits for the writer's bytes.
    const HangAlarm alarm;
    EXPECT_EQ(readMotionFile(pipe).error, u"File access denied"_s);
    const int writer = open(QFile::encodeName(pipe).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    EXPECT_EQ(readMotionFile(pipe).error, u"File access denied"_s);
    ASSERT_EQ(write(writer, "x\r\nSTART RELATIVE MOTION DATA\r\n1\r\n", 34), 34);
    EXPECT_EQ(readMotionFile(pipe).error, u"File access denied"_s);
    close(writer);
}

TEST(MotionFileReadTest, AFileLargerThanAnyMotionIsRefusedNotCut) {
    QTemporaryDir dir;
    constexpr qint64 limit = qint64{16} * 1024 * 1024;
    const std::pair<qint64, QString> cases[] = {
        {limit, QString()},
        {limit + 1, u"File access denied"_s},
        {qint64{1} << 32, u"File access denied"_s},
    };
    for (const auto& [size, message] : cases) {
        // Sparse: the file reads as that many zero bytes without filling the disk.
        const QString path = dir.filePath(u"big.rel"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        const MotionFileRead read = readMotionFile(path);
        EXPECT_EQ(read.error, message) << size;
        EXPECT_EQ(read.text.explanation.size(), message.isEmpty() ? size : 0) << size;
    }
}

TEST(MotionFileWriteTest, ReplacesAnEarlierFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"m.rel"_s);
    ASSERT_TRUE(writeBytes(path, QByteArray(5000, 'x')));
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
    const QString link = dir.filePath(u"link.rel"_s);
    ASSERT_TRUE(QFile::link(u"m.rel"_s, link));
    const Scene scene;
    EXPECT_EQ(writeMotionFile(path, u"new"_s, scene), QString());
    EXPECT_EQ(fileBytes(path), motionFileBytes(u"new"_s, scene));
    // Through a link the file it leads to is replaced; the link stays a link.
    EXPECT_EQ(writeMotionFile(link, u"linked"_s, scene), QString());
    EXPECT_EQ(fileBytes(path), motionFileBytes(u"linked"_s, scene));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(path).absoluteFilePath());
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"link.rel"_s, u"m.rel"_s}));
}

TEST(MotionFileWriteTest, FailuresAreNamedAndLoseNothing) {
    QTemporaryDir dir;
    const Scene scene;
    const QString folder = dir.filePath(u"folder.rel"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(writeBytes(dir.filePath(u"folder.rel/inside"_s), "kept"));
    // A pipe stands in for a device node: neither may be replaced by a plain file.
    const QString pipe = dir.filePath(u"pipe.rel"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0666), 0);
    const QString loop = dir.filePath(u"loop.rel"_s);
    ASSERT_TRUE(QFile::link(loop, loop));
    const std::pair<QString, QString> cases[] = {
        {folder, u"File access denied"_s},
        {pipe, u"File access denied"_s},
        {loop, u"File access denied"_s},
        {dir.filePath(u"no folder/x.rel"_s), u"Invalid filename"_s},
        {u"/proc/zephyra-test.rel"_s, u"File access denied"_s},
        {u"/proc/version"_s, u"File access denied"_s},
        {QString(), u"Invalid filename"_s},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(writeMotionFile(path, u"text"_s, scene), message) << path.toStdString();
    EXPECT_EQ(fileBytes(dir.filePath(u"folder.rel/inside"_s)), "kept");
    struct stat status {};
    ASSERT_EQ(lstat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(QFileInfo(loop).symLinkTarget(), loop);
    EXPECT_FALSE(fileBytes(u"/proc/version"_s).contains("START RELATIVE MOTION DATA"));

    // A file size limit makes the write fail part-way, as a full disk would. The signal it
    // raises kills a program that does not ignore it, as the program does from its start.
    const QString earlier = dir.filePath(u"earlier.rel"_s);
    ASSERT_TRUE(writeBytes(earlier, "earlier file"));
    {
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        ScopedLimit limit(RLIMIT_FSIZE, 64);
        EXPECT_EQ(writeMotionFile(earlier, QString(1000, u'e'), scene), u"Disk full"_s);
        std::signal(SIGXFSZ, handler);
    }
    {
        ScopedLimit limit(RLIMIT_NOFILE, nextDescriptor());
        EXPECT_EQ(writeMotionFile(earlier, u"e"_s, scene), u"Too many open files"_s);
    }
    EXPECT_EQ(fileBytes(earlier), "earlier file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"earlier.rel"_s});
}
