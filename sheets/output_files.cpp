// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/output_files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("compartica-sheets: cannot write %1: %2").arg(path, reason);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a file's mode names when it is not a regular file, in a teacher's
// words.
QString kindOf(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return QStringLiteral("a folder");
    case S_IFLNK:
        return QStringLiteral("a symbolic link");
    case S_IFCHR:
        return QStringLiteral("a character device");
    case S_IFBLK:
        return QStringLiteral("a block device");
    case S_IFIFO:
        return QStringLiteral("a named pipe");
    case S_IFSOCK:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("not a regular file");
    }
}

// A file to be written and its folder, opened once: every later look at
// the file, the copy written beside it and the rename that puts the copy
// in its place all happen within that folder, and none follows a link, so
// no link planted and no folder renamed in between can aim them elsewhere.
// A copy not renamed is removed when the target goes.
class Target {
public:
    explicit Target(const QString& path)
        : path_(path), name_(QFile::encodeName(QFileInfo(path).fileName()).toStdString()),
          folderPath_(QFileInfo(path).absolutePath()),
          folder_(::open(QFile::encodeName(folderPath_).constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
          folderError_(errno) {}
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    ~Target() {
        if (!copy_.empty())
            ::unlinkat(folder_, copy_.c_str(), 0);
        if (folder_ >= 0)
            ::close(folder_);
    }

    const QString& path() const { return path_; }

    // Why the file cannot be written now, or empty: its folder is missing
    // or takes no files from us; a name there is a link, a device, a
    // folder, a file we may not change, or another user's file in a folder
    // every user may write to (as /tmp), which only its owner should
    // replace.
    QString refused() const {
        if (folder_ < 0)
            return folderError_ == ENOENT || folderError_ == ENOTDIR
                       ? cannotWrite(path_,
                                     QStringLiteral("there is no folder %1").arg(folderPath_))
                       : cannotWrite(path_, systemReason(folderError_));
        if (name_.empty() || name_ == "." || name_ == "..")
            return cannotWrite(path_, QStringLiteral("it is a folder, not a file"));
        struct stat file {};
        if (::fstatat(folder_, name_.c_str(), &file, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? folderRefused() : cannotWrite(path_, systemReason(errno));
        if (!S_ISREG(file.st_mode))
            return cannotWrite(path_,
                               QStringLiteral("it is %1, not a file").arg(kindOf(file.st_mode)));
        if (const QString refused = folderRefused(); !refused.isEmpty())
            return refused;
        struct stat folder {};
        ::fstat(folder_, &folder);
        if ((folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH) && file.st_uid != ::geteuid())
            return cannotWrite(path_, QStringLiteral("it belongs to another user, in a folder "
                                                     "every user may write to"));
        if (::faccessat(folder_, name_.c_str(), W_OK, AT_EACCESS) != 0)
            return cannotWrite(path_, QStringLiteral("the file is read-only"));
        return QString();
    }

    // Writes the bytes to a new file beside the target and on to the disk,
    // with the mode of the file it will replace. The line that says what
    // failed, or empty.
    QString writeCopy(const QByteArray& bytes) {
        int copy = -1;
        std::random_device random;
        for (int attempt = 0; copy < 0 && attempt < 100; ++attempt) {
            copy_ = '.' + name_ + '.' + std::to_string(random() % 1000000000);
            copy = ::openat(folder_, copy_.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (copy < 0 && errno != EEXIST)
                break;
        }
        if (copy < 0) {
            const int error = errno;
            copy_.clear();
            return copyRefused(error);
        }
        struct stat replaced {};
        if (::fstatat(folder_, name_.c_str(), &replaced, AT_SYMLINK_NOFOLLOW) == 0)
            ::fchmod(copy, replaced.st_mode & 07777);
        const QString failed = writeThrough(copy, bytes);
        ::close(copy);
        return failed.isEmpty() ? QString() : cannotWrite(path_, failed);
    }

    // Puts the copy in the target's place, looked at once more first: a
    // link planted since is refused, one planted after the look is itself
    // replaced (a rename never follows a link), never what it leads to.
    QString commit() {
        if (const QString refused = this->refused(); !refused.isEmpty())
            return refused;
        if (::renameat(folder_, copy_.c_str(), folder_, name_.c_str()) != 0)
            return cannotWrite(path_, systemReason(errno));
        copy_.clear();
        ::fsync(folder_);
        return QString();
    }

private:
    // Why the folder takes no new file from us, or empty.
    QString folderRefused() const {
        if (::faccessat(folder_, ".", W_OK | X_OK, AT_EACCESS) != 0)
            return cannotWrite(path_,
                               QStringLiteral("the folder %1 is not writable").arg(folderPath_));
        return QString();
    }

    // Why no copy could be made beside the target. A folder that takes no
    // new files (one of the kernel's, like /proc) says "No such file or
    // directory", which would mislead.
    QString copyRefused(int error) const {
        if (error == EACCES || error == EPERM || error == EROFS)
            return cannotWrite(path_,
                               QStringLiteral("the folder %1 is not writable").arg(folderPath_));
        if (error == ENOENT)
            return cannotWrite(path_, QStringLiteral("no file can be made in %1").arg(folderPath_));
        return cannotWrite(path_, systemReason(error));
    }

    // Writes the bytes straight to the descriptor and on to the disk, so
    // that a rename after it cannot leave a file short. The system's reason
    // where that fails ("No space left on device"), else empty.
    static QString writeThrough(int descriptor, const QByteArray& bytes) {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t written = ::write(descriptor, bytes.constData() + done,
                                            static_cast<std::size_t>(bytes.size() - done));
            if (written < 0 && errno != EINTR)
                return systemReason(errno);
            done += std::max<ssize_t>(written, 0);
        }
        return ::fsync(descriptor) == 0 ? QString() : systemReason(errno);
    }

    QString path_;
    std::string name_;
    QString folderPath_;
    int folder_;
    int folderError_;
    std::string copy_;
};

fs::path pathOf(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// The file a path leads to, through "." or ".." and linked folders, for a
// file that exists or not.
fs::path resolved(const QString& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(pathOf(path), error);
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

bool sameFile(const QString& a, const QString& b) {
    std::error_code error;
    return resolved(a) == resolved(b) || fs::equivalent(pathOf(a), pathOf(b), error);
}

} // namespace

QString outputsRefused(const std::vector<QString>& paths) {
    for (const QString& path : paths)
        if (const QString reason = Target(path).refused(); !reason.isEmpty())
            return reason;
    for (std::size_t i = 0; i < paths.size(); ++i)
        for (std::size_t j = i + 1; j < paths.size(); ++j)
            if (sameFile(paths[i], paths[j]))
                return QStringLiteral("compartica-sheets: %1 and %2 name the same file: the "
                                      "sheets and the key each need a file of their own")
                    .arg(paths[i], paths[j]);
    return QString();
}

QString writeTogether(const std::vector<OutputFile>& files) {
    std::vector<std::unique_ptr<Target>> targets;
    for (const OutputFile& output : files) {
        targets.push_back(std::make_unique<Target>(output.path));
        if (const QString refused = targets.back()->refused(); !refused.isEmpty())
            return refused;
        if (const QString failed = targets.back()->writeCopy(output.bytes); !failed.isEmpty())
            return failed;
    }
    // On an early return each copy not yet renamed is removed.
    for (auto& target : targets)
        if (const QString failed = target->commit(); !failed.isEmpty())
            return failed;
    return QString();
}
