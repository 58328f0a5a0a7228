#include "files/whole_file_write.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace plenova {

std::string writeWholeFile(const QString& path, std::string_view bytes) {
    if (QFileInfo(path).isDir()) {
        return "it is a folder";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return "it cannot be written (" + file.errorString().toStdString() + ")";
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return "it cannot be written (" + file.errorString().toStdString() + ")";
    }
    if (!file.commit()) {
        return "it cannot be written (" + file.errorString().toStdString() + ")";
    }
    return {};
}

std::string shownPath(const QString& path) {
    // Appended piece by piece: `"\"" + text` inserts at the front of a temporary, where GCC 12
    // at -O3 reports a false -Wrestrict overlap.
    std::string shown(1, '"');
    shown += QDir::toNativeSeparators(path).toStdString();
    shown += '"';
    return shown;
}

}  // namespace plenova
