#include "diagram/whole_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel
{

namespace
{

// Where the write failed, and the system's error number (0 where the system
// did not fail).
struct Failure {
    int error = 0;
    bool produced = true;
};

// The system's reason in words. The toolkit's translation says the commonest
// in Japanese; these it leaves in English.
QString systemReason(int error)
{
    switch (error) {
    case EROFS:
        return QStringLiteral("読み取り専用のファイルシステムです");
    case EIO:
        return QStringLiteral("入出力エラーが起きました");
    case EDQUOT:
        return QStringLiteral("ディスク使用量の上限を超えます");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます");
    case EISDIR:
        return QStringLiteral("フォルダです");
    case ENOTDIR:
        return QStringLiteral("途中にフォルダでないものがあります");
    case EPERM:
        return QStringLiteral("操作が許可されていません");
    default:
        break;
    }
    return qt_error_string(error);
}

// Why a file could not be written, in words a user can act on.
QString reasonFor(const QString &path, const Failure &failure)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!failure.produced)
        return QStringLiteral("内容を作れませんでした");
    if (file.isDir())
        return QStringLiteral("同じ名前のフォルダがあります");
    if (!folder.isDir())
        return QStringLiteral("保存先のフォルダがありません");
    if (!folder.isWritable())
        return QStringLiteral("保存先のフォルダに書き込む権限がありません");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("同じ名前のファイルに書き込む権限がありません");
    if (failure.error == ENOSPC || failure.error == EDQUOT)
        return QStringLiteral("ディスクの空きが足りません");
    return QStringLiteral("書き込みに失敗しました");
}

// Every byte of `bytes` to `fd`; the error number of the write that fell
// short, else 0.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        next += written;
        left -= written;
    }
    return 0;
}

// A new file in `folder`, opened for writing, that no other writer
// shares: its descriptor and name, or -1 with errno set. Its name is short,
// so that a target name near the longest allowed still has one, and
// hidden.
int createIn(const QByteArray &folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.tavrel-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes `bytes` to a temporary file in the folder of `target`, syncs it,
// closes it and renames it over `target`; on any failure removes it again.
// Returns the error number of the step that failed, else 0.
int replaceWith(const QByteArray &target, const QByteArray &bytes)
{
    // A file the user may not write is not replaced, though its folder
    // would allow it.
    if (::access(target.constData(), W_OK) != 0 && errno != ENOENT)
        return errno;
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    QByteArray name;
    const int fd = createIn(folder, name);
    if (fd < 0)
        return errno;
    // An existing file keeps its permissions.
    struct stat old = {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(name.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        return error;
    }
    // The new name itself reaches the disk with its folder.
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return 0;
}

} // namespace

SaveFailure saveWhole(const QString &path, const QString &what,
                      const std::function<bool(QIODevice &)> &produce)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    Failure failure;
    failure.produced = buffer.open(QIODevice::WriteOnly) && produce(buffer);
    buffer.close();
    // A link is followed: the file it names is replaced, the link kept.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    if (failure.produced)
        failure.error = replaceWith(QFile::encodeName(target), bytes);
    if (failure.produced && failure.error == 0)
        return std::nullopt;
    const QString reason = reasonFor(target, failure);
    return QStringLiteral("%1を保存できませんでした。\n\n保存先：%2\n理由：%3%4")
        .arg(what, QDir::toNativeSeparators(path), reason,
             failure.error != 0 ? QStringLiteral("（%1）").arg(systemReason(failure.error)) : QString());
}

} // namespace tavrel
