#include "data/FileName.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameTest, FileNamePartIsTextAfterLastSlash) {
    EXPECT_EQ(data::fileNamePart("/home/ana/logs/log 1.dts"), "log 1.dts");
    EXPECT_EQ(data::fileNamePart("log.dts"), "log.dts");
    EXPECT_EQ(data::fileNamePart("/logs/"), "");
    EXPECT_EQ(data::fileNamePart("C:\\logs\\a.dts"), "C:\\logs\\a.dts");
}

TEST(FileNameTest, FolderHasNoFinalSlashButRootStays) {
    EXPECT_EQ(data::folderOf("/opt/tools/logger/dtsviewer"), "/opt/tools/logger");
    EXPECT_EQ(data::folderOf("/dtsviewer"), "/");
    EXPECT_EQ(data::folderOf("//dtsviewer"), "//");
    EXPECT_EQ(data::folderOf("dtsviewer"), "");
}

}  // namespace
