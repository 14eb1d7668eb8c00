// SPDX-License-Identifier: BSD-3-Clause
// Whole files: a read stops at its bound without taking the file in; an atomic write follows a
// symbolic link to a file and refuses any other link instead of replacing it.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/wholefile.h"
#include "scratch.h"

namespace fs = std::filesystem;

TEST(WholeFile, ReadStopsAtItsBound) {
    scratch::Folder dir;
    dir.Write("four", "abcd");
    const std::string four = (dir.Path() / "four").string();
    std::string bytes = "kept";
    EXPECT_TRUE(zem::ReadWholeFile(four, bytes, 4));
    EXPECT_EQ(bytes, "abcd");
    errno = 0;
    EXPECT_FALSE(zem::ReadWholeFile(four, bytes, 3));
    EXPECT_EQ(errno, EFBIG);
    // A file that says it is empty (as /proc's do) is read up to the bound too.
    EXPECT_FALSE(zem::ReadWholeFile("/proc/self/status", bytes, 16));
    EXPECT_EQ(errno, EFBIG);
    EXPECT_FALSE(zem::ReadWholeFile(dir.Path().string(), bytes));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_FALSE(zem::ReadWholeFile((dir.Path() / "none").string(), bytes));
    EXPECT_EQ(errno, ENOENT);
}

TEST(WholeFile, WriteFollowsALinkToAFileAndRefusesOthers) {
    scratch::Folder dir;
    dir.Write("real/sky.qel", "old");
    const fs::path link = dir.Path() / "sky.qel";
    fs::create_symlink(dir.Path() / "real" / "sky.qel", link);
    ASSERT_TRUE(zem::WriteFileAtomically(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.Read("real/sky.qel"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "real"), fs::directory_iterator()), 1);

    // A link that leads to nothing, or to a folder, stays as it is; nothing is made beside it.
    struct Case { const char* name; fs::path to; int error; };
    const Case cases[] = {{"dangling", dir.Path() / "gone", ENOENT}, {"folder", dir.Path() / "real", EISDIR}};
    for (const auto& c : cases) {
        fs::create_symlink(c.to, dir.Path() / c.name);
        errno = 0;
        EXPECT_FALSE(zem::WriteFileAtomically((dir.Path() / c.name).string(), "x")) << c.name;
        EXPECT_EQ(errno, c.error) << c.name;
        EXPECT_EQ(fs::read_symlink(dir.Path() / c.name), c.to) << c.name;
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "gone"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 4);
}

TEST(WholeFile, TemporaryNames) {
    const std::pair<const char*, bool> cases[] = {
        {"sky.qel.tmp.123.0", true},   {"sky.qel.tmp.1.22", true},    {"sky.qel.tmp.123", false}, {"sky.qel.tmp..1", false},
        {"sky.qel.tmp.12x.3", false},  {"sky.qel.tmp.1.2.3", false},  {"sky.qel", false},         {"sky.qel.damaged", false},
        {"registry.ini.tmp.9.9", false}, {"xsky.qel.tmp.1.1", false},
    };
    for (const auto& [name, temporary] : cases) EXPECT_EQ(zem::IsTemporaryOf(name, "sky.qel"), temporary) << name;
}
