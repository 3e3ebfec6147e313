#pragma once

#include <string>
#include <string_view>

namespace data {

// The text after the last "/" of a path; the whole path when it has none.
std::string fileNamePart(std::string_view path);

// The folder of a file's path without a final "/", except that the root folder
// stays "/".
std::string folderOf(std::string_view filePath);

}  // namespace data
