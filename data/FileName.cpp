#include "data/FileName.h"

namespace data {

std::string fileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view filePath) {
    const std::size_t slash = filePath.rfind('/');
    if (slash == std::string_view::npos) {
        return std::string();
    }
    std::string folder(filePath.substr(0, slash + 1));
    if (folder.size() >= 2 && folder[folder.size() - 2] != '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace data
