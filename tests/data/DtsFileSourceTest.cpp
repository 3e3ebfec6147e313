#include "data/DtsFileSource.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/DtsFixtures.h"
#include "data/DtsLoader.h"
#include "data/IoError.h"

namespace {

class DtsFileSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/dts-source-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

    std::string path(const std::string& name) const { return folder_ + "/" + name; }

    std::string writeFile(const std::string& name, const std::vector<unsigned char>& bytes) {
        const std::string file = path(name);
        std::FILE* out = std::fopen(file.c_str(), "wb");
        if (!bytes.empty()) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
        }
        std::fclose(out);
        return file;
    }

    static std::string failureOf(const std::string& file) {
        try {
            data::DtsFileSource source(file);
        } catch (const data::IoError& failure) {
            return failure.what();
        }
        return "opened";
    }

    std::string folder_;
};

TEST_F(DtsFileSourceTest, ReadsAWholeFile) {
    const auto bytes = fixtures::dtsBytes(fixtures::groupsRun(std::vector<std::uint8_t>(9000, 2)));
    data::DtsFileSource source(writeFile("log.dts", bytes));
    const std::int32_t count = data::wholeRecordCount(source);
    EXPECT_EQ(count, 9000);
    EXPECT_EQ(data::readDtsRecords(source, count, nullptr).store.RecordCount(), 9000);
}

TEST_F(DtsFileSourceTest, MissingFile) {
    EXPECT_EQ(failureOf(path("none.dts")), "File not found");
}

TEST_F(DtsFileSourceTest, BadNames) {
    writeFile("plain", {});
    EXPECT_EQ(failureOf(path("plain/inside.dts")), "Invalid filename");
    EXPECT_EQ(failureOf(path(std::string(300, 'x'))), "Invalid filename");
    EXPECT_EQ(failureOf(std::string("a\0b", 3)), "Invalid filename");
}

TEST_F(DtsFileSourceTest, AnythingButARegularFileIsRefusedAtOnce) {
    const std::string pipe = path("pipe.dts");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(failureOf(pipe), "File access denied");  // and does not wait for a writer
    EXPECT_EQ(failureOf(folder_), "File access denied");
    EXPECT_EQ(failureOf("/dev/null"), "File access denied");
}

TEST(IoErrorTest, SystemErrorsGetTheViewersMessages) {
    const std::pair<int, const char*> cases[] = {
        {ENOENT, "File not found"},
        {ENAMETOOLONG, "Invalid filename"},
        {ENOTDIR, "Invalid filename"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {ENOSPC, "Disk full"},
        {EIO, "I/O error 5"},
        {ELOOP, "I/O error 40"},
    };
    for (const auto& [errorNumber, message] : cases) {
        EXPECT_STREQ(data::IoError::fromErrno(errorNumber).what(), message) << errorNumber;
    }
}

}  // namespace
